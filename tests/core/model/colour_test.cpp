#include "core/model/colour.h"

#include <gtest/gtest.h>

#include "core/model/table_spec.h"

namespace tabloom {
namespace {

struct HexCase {
    std::int32_t colour;
    const char* hex;
};

TEST(ColourTest, ColorToHexWritesRedGreenBlueInUpperCase) {
    const HexCase cases[] = {
        {0x000000, "#000000"}, {0xFFFFFF, "#FFFFFF"},
        {0x0080FF, "#FF8000"}, {0xFF0000, "#0000FF"},
        {0x0000FF, "#FF0000"}, {0xC0C0C0, "#C0C0C0"},
        {0x0A0B0C, "#0C0B0A"}, {NotSpecifiedColor, "#FFFF7FFF"},
    };
    for (const auto& c : cases) EXPECT_EQ(ColorToHex(c.colour), c.hex) << c.colour;
}

TEST(ColourTest, HexColorPadsSingleDigitsButNeverCuts) {
    EXPECT_EQ(HexColor(10, 0, 255), "#0A00FF");
    EXPECT_EQ(HexColor(0, 15, 16), "#000F10");
    EXPECT_EQ(HexColor(255, 255, 32767), "#FFFF7FFF");
}

TEST(ColourTest, ComponentsRoundTripForEveryColourValue) {
    for (std::int32_t c = 0; c <= 0xFFFFFF; c += 997) {
        ASSERT_EQ(ColorFromRGB(RedOf(c), GreenOf(c), BlueOf(c)), c);
        ASSERT_LE(RedOf(c), 255);
        ASSERT_LE(GreenOf(c), 255);
        ASSERT_LE(BlueOf(c), 255);
    }
    EXPECT_EQ(ColorFromRGB(255, 255, 255), 0xFFFFFF);
}

}  // namespace
}  // namespace tabloom
