#include "core/storage/stored_text.h"

#include "core/encoding/windows1252.h"

namespace tabloom {

namespace {

// A reference "&#digits;" at text[at] whose character the code page lacks,
// the only kind the writer makes; digits is where its digits start.
struct ForeignReference {
    std::size_t digits = 0;
    std::size_t end = 0;  // one past the ';'
    char32_t cp = 0;
};

bool FindForeignReference(std::string_view text, std::size_t at, ForeignReference& ref) {
    if (text.compare(at, 2, "&#") != 0) return false;
    std::size_t i = at + 2;
    std::uint32_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        // Past the last code point the value no longer matters.
        if (value <= 0x10FFFF) value = value * 10 + static_cast<std::uint32_t>(text[i] - '0');
        ++i;
    }
    if (i == at + 2 || i >= text.size() || text[i] != ';') return false;
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
    if (InWindows1252(value)) return false;
    ref = ForeignReference{at + 2, i + 1, value};
    return true;
}

}  // namespace

void AppendStoredText(std::string& out, std::string_view utf8) {
    std::size_t amp = utf8.find("&#");
    if (amp == std::string_view::npos) {
        AppendWindows1252(out, utf8);
        return;
    }
    std::size_t from = 0;
    ForeignReference ref;
    while (amp != std::string_view::npos) {
        if (FindForeignReference(utf8, amp, ref)) {
            AppendWindows1252(out, utf8.substr(from, ref.digits - from));
            out.push_back('0');
            from = ref.digits;
            amp = utf8.find("&#", ref.end);
        } else {
            amp = utf8.find("&#", amp + 1);
        }
    }
    AppendWindows1252(out, utf8.substr(from));
}

std::string ReadStoredText(std::string_view bytes) {
    std::string utf8 = DecodedWindows1252(bytes);
    std::size_t amp = utf8.find("&#");
    if (amp == std::string::npos) return utf8;
    std::string out;
    out.reserve(utf8.size());
    std::size_t from = 0;
    ForeignReference ref;
    while (amp != std::string::npos) {
        if (!FindForeignReference(utf8, amp, ref)) {
            amp = utf8.find("&#", amp + 1);
            continue;
        }
        out.append(utf8, from, amp - from);
        if (utf8[ref.digits] == '0') {
            // Typed by the user: drop the zero the writer added.
            out.append(utf8, amp, ref.digits - amp);
            out.append(utf8, ref.digits + 1, ref.end - ref.digits - 1);
        } else {
            AppendUtf8(out, ref.cp);
        }
        from = ref.end;
        amp = utf8.find("&#", from);
    }
    out.append(utf8, from);
    return out;
}

}  // namespace tabloom
