#include "core/storage/file_text.h"

namespace tabloom {

void ReplaceChar(std::string& text, unsigned char from, unsigned char to) {
    for (char& ch : text) {
        if (static_cast<unsigned char>(ch) == from) ch = static_cast<char>(to);
    }
}

std::string FileNameOf(std::string_view path, bool lower) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return {};
    const std::string_view name = path.substr(slash + 1);
    return lower ? LowerCase1252(name) : std::string(name);
}

std::string LowerCase1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b >= 'A' && b <= 'Z') {
            out.push_back(static_cast<char>(b + 32));
            continue;
        }
        if (i + 1 < utf8.size()) {
            const auto b1 = static_cast<unsigned char>(utf8[i + 1]);
            // U+00C0..U+00DE (C3 80..C3 9E) without U+00D7 (C3 97).
            if (b == 0xC3 && b1 >= 0x80 && b1 <= 0x9E && b1 != 0x97) {
                out.push_back(static_cast<char>(b));
                out.push_back(static_cast<char>(b1 + 0x20));
                ++i;
                continue;
            }
            // Š U+0160, Œ U+0152, Ž U+017D: the small letter follows each.
            if (b == 0xC5 && (b1 == 0xA0 || b1 == 0x92 || b1 == 0xBD)) {
                out.push_back(static_cast<char>(b));
                out.push_back(static_cast<char>(b1 + 1));
                ++i;
                continue;
            }
            // Ÿ U+0178 lowers to ÿ U+00FF.
            if (b == 0xC5 && b1 == 0xB8) {
                out += "\xC3\xBF";
                ++i;
                continue;
            }
        }
        out.push_back(static_cast<char>(b));
    }
    return out;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace tabloom
