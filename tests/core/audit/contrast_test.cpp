#include "core/audit/contrast.h"

#include <gtest/gtest.h>

namespace tabloom {
namespace {

struct RatioCase {
    std::int32_t a, b;  // colour values 0x00BBGGRR
    double ratio;
};

// WCAG's own figures, and pure red and blue, which tell the byte order apart.
TEST(ContrastTest, RatioMatchesWcagValues) {
    const RatioCase cases[] = {
        {0x000000, 0xFFFFFF, 21.0},  {0xFFFFFF, 0x000000, 21.0},   {0x777777, 0xFFFFFF, 4.478},
        {0x767676, 0xFFFFFF, 4.542}, {0x0000FF, 0xFFFFFF, 3.998},  {0x0000FF, 0x000000, 5.252},
        {0xFF0000, 0x000000, 2.444}, {0x00FF00, 0x000000, 15.304}, {0x123456, 0x123456, 1.0}};
    for (const RatioCase& c : cases) {
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.001) << std::hex << c.a << " on " << c.b;
    }
}

struct NearestCase {
    std::int32_t text, bg;
    double ratio;
    std::int32_t expected;  // -1: only checked to reach the ratio in text's hue
};

TEST(ContrastTest, NearestTextColourKeepsTheHueAndReachesTheRatio) {
    const NearestCase cases[] = {
        {0x999999, 0xFFFFFF, 4.5, 0x767676},  // the lightest grey that reaches 4.5 on white
        {0x333333, 0x000000, 4.5, -1},        // lighter on black
        {0x000000, 0xFFFFFF, 4.5, 0x000000},  // already enough
        {0x0080FF, 0xFFFFFF, 4.5, -1},        // orange darkens to a brown
        {0x0080FF, 0xFFFFFF, 3.0, -1},
        {0xFFFFFF, 0x777777, 7.0, 0x000000},  // no grey reaches 7 on #777: black does most
    };
    for (const NearestCase& c : cases) {
        const std::int32_t got = NearestTextColour(c.text, c.bg, c.ratio);
        if (c.expected >= 0) {
            EXPECT_EQ(got, c.expected) << std::hex << c.text;
            continue;
        }
        EXPECT_GE(ContrastRatio(got, c.bg), c.ratio) << std::hex << c.text;
        // Same hue: the components keep their order.
        const int r = got & 0xFF, g = (got >> 8) & 0xFF, b = (got >> 16) & 0xFF;
        const int r0 = c.text & 0xFF, g0 = (c.text >> 8) & 0xFF, b0 = (c.text >> 16) & 0xFF;
        EXPECT_EQ(r >= g, r0 >= g0) << std::hex << got;
        EXPECT_EQ(g >= b, g0 >= b0) << std::hex << got;
        EXPECT_NE(got, 0x000000);
        EXPECT_NE(got, 0xFFFFFF);
    }
}

}  // namespace
}  // namespace tabloom
