#include "core/html/html_text.h"

#include <charconv>

#include "core/encoding/windows1252.h"
#include "core/model/colour.h"

namespace tabloom {

void AppendPageText(std::string& out, std::string_view utf8) {
    const std::size_t start = out.size();
    AppendWindows1252(out, utf8);
    auto odd = [](unsigned char b) {
        return b == '\r' || b == '\n' || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 ||
               b == 0x9D;
    };
    std::size_t i = start;
    while (i < out.size() && !odd(static_cast<unsigned char>(out[i]))) ++i;
    if (i == out.size()) return;
    std::string fixed = out.substr(i);
    out.resize(i);
    for (std::size_t j = 0; j < fixed.size(); ++j) {
        const auto b = static_cast<unsigned char>(fixed[j]);
        if (b == '\r' || b == '\n') {
            out += kCrLf;
            if (b == '\r' && j + 1 < fixed.size() && fixed[j + 1] == '\n') ++j;
        } else if (odd(b)) {
            out += "&#" + std::to_string(b) + ';';
        } else {
            out.push_back(static_cast<char>(b));
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
    std::size_t from = 0;
    for (std::size_t i = utf8.find_first_of("\r\n"); i != std::string_view::npos;
         i = utf8.find_first_of("\r\n", from)) {
        out.append(utf8, from, i - from);
        out += kCrLf;
        from = i + (utf8.compare(i, 2, kCrLf) == 0 ? 2 : 1);
    }
    out.append(utf8, from);
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

void AppendNumber(std::string& out, int n) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out.append(digits, end);
}

}  // namespace tabloom
