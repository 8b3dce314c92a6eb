#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tabloom {

// The declarations of a style attribute, names in lower case, values
// trimmed: "color: red; width:5px" gives (color, red), (width, 5px).
std::vector<std::pair<std::string, std::string>> StyleDeclarations(std::string_view style);

// A colour as HTML and CSS write it: #RGB, #RRGGBB, rgb(r, g, b) or one of
// the basic colour names; a colour value 0x00BBGGRR, or nothing.
std::optional<std::int32_t> ParseHtmlColour(std::string_view text);

// A length in pixels ("40", "40px") or percent ("50%"): the value and the
// unit (0 percent, 1 pixels); nothing for other units or no number.
struct HtmlLength {
    std::int16_t value = 0;
    std::int16_t unit = 1;
};
std::optional<HtmlLength> ParseHtmlLength(std::string_view text);

// ASCII lower case, leading and trailing white space removed.
std::string LowerTrimmed(std::string_view text);

}  // namespace tabloom
