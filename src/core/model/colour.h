#pragma once

#include <cstdint>
#include <string>

namespace tabloom {

// Colour values are 0x00BBGGRR: red in the low byte.
std::int16_t RedOf(std::int32_t colour);
std::int16_t GreenOf(std::int32_t colour);
std::int16_t BlueOf(std::int32_t colour);
std::int32_t ColorFromRGB(std::int16_t red, std::int16_t green, std::int16_t blue);

// "#" + Hex2(red) + Hex2(green) + Hex2(blue); Hex2 pads to two digits but
// never cuts, so out-of-range components give longer text.
std::string HexColor(std::int16_t red, std::int16_t green, std::int16_t blue);
std::string ColorToHex(std::int32_t colour);

}  // namespace tabloom
