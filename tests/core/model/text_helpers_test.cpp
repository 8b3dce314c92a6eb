#include "core/model/text_helpers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace tabloom {
namespace {

struct NumberCase {
    const char* text;
    double value;
};

// A German desktop sets a decimal comma as the process locale; typed numbers
// still read a decimal point.
TEST(LeadingNumberTest, ReadsTheLongestLeadingNumberUnderEveryLocale) {
    // clang-format off
    const NumberCase cases[] = {
        {"12px", 12}, {"99.5", 99.5}, {"1e2", 100}, {" -3 ", -3}, {"", 0}, {"abc", 0},
        {".5", 0.5}, {"5.", 5}, {"1 2", 12}, {"1e", 1}, {"2E-1x", 0.2}, {"-.", 0},
        {"3.25.1", 3.25}, {"0x10", 0}, {"1,5", 1}, {"1e999", HUGE_VAL}, {"-9e999", -HUGE_VAL},
        {"0.00e400", 0}};
    // clang-format on
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"C", "de_DE.UTF-8"}) {
        // scripts/install-deps generates the German locale.
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << name << " is not installed";
        for (const auto& c : cases)
            EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text << " under " << name;
    }
    std::setlocale(LC_ALL, before.c_str());
}

TEST(RoundingTest, HalvesGoToEvenAndInt16Saturates) {
    const double in[] = {0.5, 1.5, -0.5, -1.5, 2.4999, 2.5001};
    const double out[] = {0, 2, 0, -2, 2, 3};
    for (std::size_t i = 0; i < std::size(in); ++i) EXPECT_EQ(RoundHalfEven(in[i]), out[i]) << i;
    const std::pair<double, int> int16s[] = {
        {40000, 32767}, {-40000, -32768}, {INFINITY, 32767}, {NAN, 0}, {12.5, 12}};
    for (const auto& [value, rounded] : int16s) EXPECT_EQ(RoundToInt16(value), rounded) << value;
}

struct SplitCase {
    const char* text;
    std::vector<std::string> parts;
};

TEST(SplitTextTest, CrLfSplittingRules) {
    const SplitCase cases[] = {
        {"a\r\n", {"a"}}, {"\r\n\r\na", {"", "a"}},       {"a\r\n\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},   {"a\r\n  b\r\n", {"a", "  b"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> parts;
        EXPECT_EQ(SplitText(c.text, "\r\n", 1, parts, false, 0, 0),
                  static_cast<int>(c.parts.size()))
            << c.text;
        EXPECT_EQ(parts, c.parts) << c.text;
    }
}

TEST(SplitTextTest, EmptyTextLeavesPartsAlone) {
    std::vector<std::string> parts = {"keep"};
    EXPECT_EQ(SplitText("", "\r\n", 1, parts, false, 0, 0), 0);
    EXPECT_EQ(SplitText("abc", "\r\n", 4, parts, false, 0, 0), 0);
    EXPECT_EQ(parts, std::vector<std::string>{"keep"});
}

TEST(SplitTextTest, TrimMinLengthMaxPartsAndBlankDelimiter) {
    std::vector<std::string> parts;
    EXPECT_EQ(SplitText(" a , b ,, c ", ",", 1, parts, true, 0, 1), 3);
    EXPECT_EQ(parts, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitText("a,b,c,d", ",", 1, parts, false, 2, 0), 2);
    EXPECT_EQ(parts, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SplitText("one   two three", " ", 1, parts, false, 0, 0), 3);
    EXPECT_EQ(parts, (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(SplitText("xxab", ",", 3, parts, false, 0, 0), 1);
    EXPECT_EQ(parts, (std::vector<std::string>{"ab"}));
}

TEST(FirstNotInTest, Positions) {
    EXPECT_EQ(FirstNotIn("", 1, " "), 0);
    EXPECT_EQ(FirstNotIn("abc", 1, ""), 1);
    EXPECT_EQ(FirstNonBlank("  b", 1), 3);
    EXPECT_EQ(FirstNonBlank("   ", 1), 0);
    EXPECT_EQ(FirstNonBlank("ab", 0), 1);
    EXPECT_EQ(FirstNotIn("aabx", 1, "ab"), 4);
}

TEST(TimeStampTest, Forms) {
    const LocalDateTime t{2026, 12, 5, 14, 5, 9};
    EXPECT_EQ(TimeStamp(t, true, false), "14:05 on 2026-12-05");
    EXPECT_EQ(TimeStamp(t, true, true), "14:05:09 on 2026-12-05");
    EXPECT_EQ(TimeStamp(t, false, true), "2026-12-05 14:05:09");
    EXPECT_EQ(TimeStamp(FixedClock({2027, 1, 2, 3, 4, 5}), false, false), "2027-01-02 03:04");
}

}  // namespace
}  // namespace tabloom
