#include "core/model/colour.h"

#include <cstdio>

namespace tabloom {

std::int16_t RedOf(std::int32_t colour) { return static_cast<std::int16_t>(colour % 256); }

std::int16_t GreenOf(std::int32_t colour) {
    return static_cast<std::int16_t>((colour % 65536) / 256);
}

std::int16_t BlueOf(std::int32_t colour) { return static_cast<std::int16_t>(colour / 65536); }

std::int32_t ColorFromRGB(std::int16_t red, std::int16_t green, std::int16_t blue) {
    return static_cast<std::int32_t>(red) + 256 * static_cast<std::int32_t>(green) +
           65536 * static_cast<std::int32_t>(blue);
}

namespace {

std::string Hex2(std::int16_t x) {
    char buffer[16];
    // Negative components only arise from negative colour values; their
    // two's-complement 16-bit form is what the hexadecimal text shows.
    std::snprintf(buffer, sizeof buffer, "%X",
                  static_cast<unsigned>(static_cast<std::uint16_t>(x)));
    std::string text = buffer;
    if (x >= 0 && x < 16) text.insert(text.begin(), '0');
    return text;
}

}  // namespace

std::string HexColor(std::int16_t red, std::int16_t green, std::int16_t blue) {
    return "#" + Hex2(red) + Hex2(green) + Hex2(blue);
}

std::string ColorToHex(std::int32_t colour) {
    return HexColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

}  // namespace tabloom
