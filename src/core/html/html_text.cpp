#include "core/html/html_text.h"

#include <charconv>

#include "core/encoding/windows1252.h"
#include "core/model/colour.h"

namespace tabloom {

void AppendPageText(std::string& out, std::string_view utf8) {
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        // Plain ASCII runs, the common case, are copied whole.
        std::size_t run = i;
        while (run < n && static_cast<unsigned char>(utf8[run]) < 0x80 && utf8[run] != '\r' &&
               utf8[run] != '\n') {
            ++run;
        }
        out.append(utf8.data() + i, run - i);
        i = run;
        if (i == n) break;
        if (utf8[i] == '\r' || utf8[i] == '\n') {
            out += kCrLf;
            i += utf8.compare(i, 2, kCrLf) == 0 ? 2 : 1;
            continue;
        }
        const char32_t cp = NextUtf8CodePoint(utf8, i);
        const int byte = Windows1252ByteOf(cp);
        // The bytes the code page leaves undefined come from C1 controls.
        const bool undefined =
            byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        if (byte >= 0 && !undefined) {
            out.push_back(static_cast<char>(byte));
        } else {
            out += "&#";
            AppendNumber(out, static_cast<int>(cp));
            out += ';';
        }
    }
}

std::string AttributeText(std::string_view utf8) {
    std::string encoded;
    AppendPageText(encoded, utf8);
    if (encoded.find('"') == std::string::npos) return encoded;
    std::string out;
    out.reserve(encoded.size() + 8);
    for (char ch : encoded) {
        if (ch == '"') {
            out += "&quot;";
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// #RRGGBB of a colour; formatted here for real colour values because the
// generator writes hundreds of them, anything else goes through ColorToHex.
void AppendColour(std::string& out, std::int32_t colour) {
    if (colour < 0 || colour > 0xFFFFFF) {
        out += ColorToHex(colour);
        return;
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char text[7] = {'#'};
    const int shifts[3] = {0, 8, 16};  // red, green, blue
    for (int i = 0; i < 3; ++i) {
        const int component = (colour >> shifts[i]) & 0xFF;
        text[1 + 2 * i] = kDigits[component >> 4];
        text[2 + 2 * i] = kDigits[component & 0xF];
    }
    out.append(text, sizeof text);
}

void AppendColourAttribute(std::string& out, std::string_view name, std::int32_t colour) {
    out += ' ';
    out += name;
    out += "=\"";
    AppendColour(out, colour);
    out += '"';
}

void AppendAttribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

void AppendSizeAttribute(std::string& out, std::string_view name, int value, int unit) {
    out += ' ';
    out += name;
    out += "=\"";
    AppendNumber(out, value);
    if (unit == 0) out += '%';
    out += '"';
}

void AppendUtf8PageText(std::string& out, std::string_view utf8) {
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        std::size_t run = i;
        while (run < n && utf8[run] != '\r' && utf8[run] != '\n') ++run;
        out.append(utf8.data() + i, run - i);
        i = run;
        if (i == n) break;
        out += kCrLf;
        i += utf8.compare(i, 2, kCrLf) == 0 ? 2 : 1;
    }
}

std::string EscapedText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char ch : utf8) {
        if (ch == '&') {
            out += "&amp;";
        } else if (ch == '<') {
            out += "&lt;";
        } else if (ch == '>') {
            out += "&gt;";
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

std::string Utf8AttributeText(std::string_view utf8) {
    std::string out = EscapedText(utf8);
    for (std::size_t at = out.find('"'); at != std::string::npos; at = out.find('"', at)) {
        out.replace(at, 1, "&quot;");
    }
    return out;
}

void AppendNumber(std::string& out, int n) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, end);
}

}  // namespace tabloom
