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
        {0x000000, "#000000"},
        {0xFFFFFF, "#FFFFFF"},
        {0x0A0B0C, "#0C0B0A"},
        {NotSpecifiedColor, "#FFFF7FFF"},
    };
    for (const auto& c : cases) EXPECT_EQ(ColorToHex(c.colour), c.hex) << c.colour;
}

TEST(ColourTest, HexColorPadsSingleDigitsButNeverCuts) {
    EXPECT_EQ(HexColor(10, 0, 255), "#0A00FF");
    EXPECT_EQ(HexColor(255, 255, 32767), "#FFFF7FFF");
}

TEST(ColourTest, ComponentsComposeBackToTheColour) {
    EXPECT_EQ(ColorFromRGB(0x0C, 0x0B, 0x0A), 0x0A0B0C);
    EXPECT_EQ(ColorFromRGB(255, 255, 255), 0xFFFFFF);
}

}  // namespace
}  // namespace tabloom
