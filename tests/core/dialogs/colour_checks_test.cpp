#include "core/dialogs/colour_checks.h"

#include <gtest/gtest.h>

#include <utility>

namespace tabloom {
namespace {

// Up to three digits worth a byte, nothing else.
TEST(ValidComponentTextTest, AcceptsOnlyUpToThreeDigitsWorthAByte) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},    {"0", true},        {"7", true},    {"007", true},   {"255", true},
        {"099", true}, {"256", false},     {"999", false}, {"0255", false}, {"-1", false},
        {"+1", false}, {"1e2", false},     {"12.", false}, {" 12", false},  {"1 2", false},
        {"x", false},  {"\xD9\xA3", false}};
    for (const auto& [text, valid] : cases) {
        EXPECT_EQ(ValidComponentText(text), valid) << '"' << text << '"';
    }
}

constexpr auto Text = ColourElement::Text;
constexpr auto Back = ColourElement::Background;
constexpr auto Red = ColourComponent::Red;
constexpr auto Green = ColourComponent::Green;
constexpr auto Blue = ColourComponent::Blue;

// Blanks are trimmed; a refused text falls back to the element's default.
TEST(CheckComponentTextTest, TrimsFallsBackAndReports) {
    const struct {
        const char* typed;
        ColourElement element;
        ColourComponent component;
        const char* text;
        const char* message;
        int value;
    } cases[] = {{"128", Text, Red, "128", "", 128},
                 {"  64 ", Back, Green, "64", "", 64},
                 {"007", Text, Blue, "007", "", 7},
                 {"", Back, Red, "", "", 0},
                 {"   ", Text, Red, "", "", 0},
                 {"300", Back, Red, "255", "Invalid entry for red value.", 255},
                 {"300", Text, Red, "0", "Invalid entry for red value.", 0},
                 {"-1", Text, Green, "0", "Invalid entry for green value.", 0},
                 {"1e2", Back, Blue, "255", "Invalid entry for blue value.", 255},
                 {"25 5", Back, Green, "255", "Invalid entry for green value.", 255}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const ComponentTextOutcome out = CheckComponentText(c.typed, c.element, c.component);
        EXPECT_EQ(out.text, c.text);
        EXPECT_EQ(out.message, c.message);
        EXPECT_EQ(out.value, c.value);
    }
}

}  // namespace
}  // namespace tabloom
