#include "core/dialogs/colour_checks.h"

#include <gtest/gtest.h>

#include "param_name.h"

namespace tabloom {
namespace {

struct ComponentTextCase {
    const char* text;
    bool valid;
};

class ValidComponentTextTest : public ::testing::TestWithParam<ComponentTextCase> {};

TEST_P(ValidComponentTextTest, AcceptsOnlyUpToThreeDigitsWorthAByte) {
    EXPECT_EQ(ValidComponentText(GetParam().text), GetParam().valid)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValidComponentTextTest,
    ::testing::Values(ComponentTextCase{"", true}, ComponentTextCase{"0", true},
                      ComponentTextCase{"7", true}, ComponentTextCase{"007", true},
                      ComponentTextCase{"255", true}, ComponentTextCase{"099", true},
                      ComponentTextCase{"256", false}, ComponentTextCase{"999", false},
                      ComponentTextCase{"0255", false}, ComponentTextCase{"-1", false},
                      ComponentTextCase{"+1", false}, ComponentTextCase{"1e2", false},
                      ComponentTextCase{"12.", false}, ComponentTextCase{" 12", false},
                      ComponentTextCase{"1 2", false}, ComponentTextCase{"x", false},
                      ComponentTextCase{"\xD9\xA3", false}),
    [](const auto& info) { return SpelledParamName(info.param.text); });

struct OutcomeCase {
    const char* typed;
    ColourElement element;
    ColourComponent component;
    const char* text;
    const char* message;
    int value;
};

class CheckComponentTextTest : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(CheckComponentTextTest, TrimsFallsBackAndReports) {
    const OutcomeCase& c = GetParam();
    const ComponentTextOutcome out = CheckComponentText(c.typed, c.element, c.component);
    EXPECT_EQ(out.text, c.text);
    EXPECT_EQ(out.message, c.message);
    EXPECT_EQ(out.value, c.value);
}

constexpr auto Text = ColourElement::Text;
constexpr auto Back = ColourElement::Background;
constexpr auto Red = ColourComponent::Red;
constexpr auto Green = ColourComponent::Green;
constexpr auto Blue = ColourComponent::Blue;

std::string OutcomeName(const ::testing::TestParamInfo<OutcomeCase>& info) {
    const char* const parts[] = {"red", "green", "blue"};
    return SpelledParamName(info.param.typed) +
           (info.param.element == Text ? "_text_" : "_background_") +
           parts[static_cast<int>(info.param.component)];
}

INSTANTIATE_TEST_SUITE_P(
    Edits, CheckComponentTextTest,
    ::testing::Values(OutcomeCase{"128", Text, Red, "128", "", 128},
                      OutcomeCase{"  64 ", Back, Green, "64", "", 64},
                      OutcomeCase{"007", Text, Blue, "007", "", 7},
                      OutcomeCase{"", Back, Red, "", "", 0},
                      OutcomeCase{"   ", Text, Red, "", "", 0},
                      OutcomeCase{"300", Back, Red, "255", "Invalid entry for red value.", 255},
                      OutcomeCase{"300", Text, Red, "0", "Invalid entry for red value.", 0},
                      OutcomeCase{"-1", Text, Green, "0", "Invalid entry for green value.", 0},
                      OutcomeCase{"1e2", Back, Blue, "255", "Invalid entry for blue value.", 255},
                      OutcomeCase{"25 5", Back, Green, "255", "Invalid entry for green value.",
                                  255}),
    OutcomeName);

}  // namespace
}  // namespace tabloom
