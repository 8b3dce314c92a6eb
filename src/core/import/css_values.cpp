#include "core/import/css_values.h"

#include <array>
#include <cctype>

#include "core/model/colour.h"

namespace tabloom {

namespace {

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f'; }

int HexDigit(char ch) {
    if (ch >= '0' && ch <= '9') return ch - '0';
    if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
    return -1;
}

struct NamedColour {
    const char* name;
    std::uint32_t rgb;  // 0xRRGGBB
};

constexpr std::array<NamedColour, 19> kNames = {{
    {"black", 0x000000},   {"silver", 0xC0C0C0}, {"gray", 0x808080},    {"grey", 0x808080},
    {"white", 0xFFFFFF},   {"maroon", 0x800000}, {"red", 0xFF0000},     {"purple", 0x800080},
    {"fuchsia", 0xFF00FF}, {"green", 0x008000},  {"lime", 0x00FF00},    {"olive", 0x808000},
    {"yellow", 0xFFFF00},  {"navy", 0x000080},   {"blue", 0x0000FF},    {"teal", 0x008080},
    {"aqua", 0x00FFFF},    {"orange", 0xFFA500}, {"magenta", 0xFF00FF},
}};

std::int32_t FromRgb(std::uint32_t rgb) {
    return ColorFromRGB(static_cast<std::int16_t>((rgb >> 16) & 0xFF),
                        static_cast<std::int16_t>((rgb >> 8) & 0xFF),
                        static_cast<std::int16_t>(rgb & 0xFF));
}

}  // namespace

std::string LowerTrimmed(std::string_view text) {
    std::size_t a = 0;
    std::size_t b = text.size();
    while (a < b && IsSpace(text[a])) ++a;
    while (b > a && IsSpace(text[b - 1])) --b;
    std::string out(text.substr(a, b - a));
    for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

std::vector<std::pair<std::string, std::string>> StyleDeclarations(std::string_view style) {
    std::vector<std::pair<std::string, std::string>> out;
    std::size_t start = 0;
    while (start <= style.size()) {
        std::size_t end = style.find(';', start);
        if (end == std::string_view::npos) end = style.size();
        const std::string_view item = style.substr(start, end - start);
        const std::size_t colon = item.find(':');
        if (colon != std::string_view::npos) {
            std::string name = LowerTrimmed(item.substr(0, colon));
            std::string value = LowerTrimmed(item.substr(colon + 1));
            if (const std::size_t bang = value.find("!important"); bang != std::string::npos) {
                value = LowerTrimmed(value.substr(0, bang));
            }
            if (!name.empty()) out.emplace_back(std::move(name), std::move(value));
        }
        start = end + 1;
    }
    return out;
}

std::optional<std::int32_t> ParseHtmlColour(std::string_view text) {
    const std::string value = LowerTrimmed(text);
    if (!value.empty() && value[0] == '#') {
        std::uint32_t rgb = 0;
        if (value.size() == 7 || value.size() == 4) {
            for (std::size_t i = 1; i < value.size(); ++i) {
                const int d = HexDigit(value[i]);
                if (d < 0) return std::nullopt;
                rgb = value.size() == 7 ? (rgb << 4) | d : (rgb << 8) | (d * 17);
            }
            return FromRgb(rgb);
        }
        return std::nullopt;
    }
    if (value.rfind("rgb(", 0) == 0 && value.back() == ')') {
        std::array<int, 3> parts{};
        std::size_t at = 4;
        for (int i = 0; i < 3; ++i) {
            while (at < value.size() && IsSpace(value[at])) ++at;
            int n = 0;
            int digits = 0;
            while (at < value.size() && std::isdigit(static_cast<unsigned char>(value[at])) &&
                   digits < 4) {
                n = n * 10 + (value[at++] - '0');
                ++digits;
            }
            if (digits == 0 || n > 255) return std::nullopt;
            parts[i] = n;
            while (at < value.size() && IsSpace(value[at])) ++at;
            const char want = i < 2 ? ',' : ')';
            if (at >= value.size() || value[at] != want) return std::nullopt;
            ++at;
        }
        if (at != value.size()) return std::nullopt;
        return FromRgb((parts[0] << 16) | (parts[1] << 8) | parts[2]);
    }
    for (const NamedColour& named : kNames) {
        if (value == named.name) return FromRgb(named.rgb);
    }
    return std::nullopt;
}

std::optional<HtmlLength> ParseHtmlLength(std::string_view text) {
    const std::string value = LowerTrimmed(text);
    std::size_t at = 0;
    long n = 0;
    while (at < value.size() && std::isdigit(static_cast<unsigned char>(value[at]))) {
        if (n < 100000) n = n * 10 + (value[at] - '0');
        ++at;
    }
    if (at == 0) return std::nullopt;
    // A fraction is read and dropped: HTML lengths here are whole numbers.
    if (at < value.size() && value[at] == '.') {
        ++at;
        while (at < value.size() && std::isdigit(static_cast<unsigned char>(value[at]))) ++at;
    }
    const std::string unit = value.substr(at);
    HtmlLength length;
    length.value = static_cast<std::int16_t>(n > 32767 ? 32767 : n);
    if (unit == "%") {
        length.unit = 0;
    } else if (unit.empty() || unit == "px") {
        length.unit = 1;
    } else {
        return std::nullopt;
    }
    return length;
}

}  // namespace tabloom
