#include "core/dialogs/cell_checks.h"

#include <gtest/gtest.h>

#include "core/model/table_spec.h"
#include "param_name.h"

namespace tabloom {
namespace {

constexpr const char* kPercentMessage = " Width in percent must be in the range 1 through 100.";
constexpr const char* kPixelsMessage = " Width in pixels must be in the range 10 through 1000.";
constexpr const char* kHeightMessage = " Height in pixels must be in the range 10 through 1000.";

struct WidthCase {
    const char* text;
    bool percent;
    bool ok;
};

class CellWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(CellWidthTest, RangeDependsOnTheUnit) {
    const WidthCase& c = GetParam();
    const std::string expected = c.ok ? "" : (c.percent ? kPercentMessage : kPixelsMessage);
    EXPECT_EQ(CheckCellWidth(c.text, c.percent), expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, CellWidthTest,
    ::testing::Values(WidthCase{"", true, true}, WidthCase{"1", true, true},
                      WidthCase{"100", true, true}, WidthCase{"99.5", true, true},
                      WidthCase{"0.5", true, false}, WidthCase{"0", true, false},
                      WidthCase{"101", true, false}, WidthCase{"100.1", true, false},
                      WidthCase{"10", false, true}, WidthCase{"1000", false, true},
                      WidthCase{"9", false, false}, WidthCase{"1001", false, false},
                      WidthCase{"9.99", false, false}, WidthCase{"12px", false, true},
                      WidthCase{"px", false, false},
                      // The same number switches with the unit.
                      WidthCase{"500", true, false}, WidthCase{"500", false, true}),
    [](const auto& info) {
        return SpelledParamName(info.param.text) + (info.param.percent ? "_percent" : "_pixels");
    });

struct HeightCase {
    const char* text;
    bool ok;
};

class CellHeightTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(CellHeightTest, TenToAThousandPixels) {
    EXPECT_EQ(CheckCellHeight(GetParam().text), GetParam().ok ? "" : kHeightMessage)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Boundaries, CellHeightTest,
                         ::testing::Values(HeightCase{"", true}, HeightCase{"10", true},
                                           HeightCase{"1000", true}, HeightCase{"9", false},
                                           HeightCase{"1001", false}, HeightCase{"9.5", false},
                                           HeightCase{"1e3", true}, HeightCase{"x", false}),
                         [](const auto& info) { return SpelledParamName(info.param.text); });

struct FontSizeCase {
    const char* text;
    bool ok;
};

class FontSizeTest : public ::testing::TestWithParam<FontSizeCase> {};

TEST_P(FontSizeTest, AbsoluteOneToSevenOrSignedStep) {
    EXPECT_EQ(CheckFontSize(GetParam().text).empty(), GetParam().ok)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontSizeTest,
                         ::testing::Values(FontSizeCase{"", true}, FontSizeCase{"1", true},
                                           FontSizeCase{"7", true}, FontSizeCase{"+6", true},
                                           FontSizeCase{"-6", true}, FontSizeCase{"+0", true},
                                           FontSizeCase{"+", true}, FontSizeCase{"0", false},
                                           FontSizeCase{"8", false}, FontSizeCase{"+7", false},
                                           FontSizeCase{"-7", false}, FontSizeCase{"07", false},
                                           FontSizeCase{"2.5", false}, FontSizeCase{"+ 3", false},
                                           FontSizeCase{"3+", false}, FontSizeCase{"++1", false},
                                           FontSizeCase{"+-", false}, FontSizeCase{"x", false}),
                         [](const auto& info) { return SpelledParamName(info.param.text); });

struct KeepCase {
    const char* text;
    bool minusAllowed;
    const char* kept;
};

class KeepSignedDigitsTest : public ::testing::TestWithParam<KeepCase> {};

TEST_P(KeepSignedDigitsTest, DropsWhatCannotBeASignedInteger) {
    EXPECT_EQ(KeepSignedDigits(GetParam().text, GetParam().minusAllowed), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Texts, KeepSignedDigitsTest,
                         ::testing::Values(KeepCase{"", true, ""}, KeepCase{"42", true, "42"},
                                           KeepCase{"+-3", true, "+-3"},
                                           KeepCase{"-+3", true, "-+3"},
                                           KeepCase{"++3", true, "+3"}, KeepCase{"--3", true, "-3"},
                                           KeepCase{"-3", false, "3"}, KeepCase{"3+4", true, "34"},
                                           KeepCase{"3-", true, "3"}, KeepCase{"2.5", true, "25"},
                                           KeepCase{"3pt", true, "3"}, KeepCase{"+ 3", true, "+3"},
                                           KeepCase{"\xC3\xA9"
                                                    "1",
                                                    true, "1"}),
                         [](const auto& info) {
                             return SpelledParamName(info.param.text) +
                                    (info.param.minusAllowed ? "" : "_no_minus");
                         });

struct FaceCase {
    const char* typed;
    const char* stored;
};

class CleanFontFaceTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(CleanFontFaceTest, NoQuotesNoBlanksAtTheEnds) {
    EXPECT_EQ(CleanFontFace(GetParam().typed), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Faces, CleanFontFaceTest,
                         ::testing::Values(FaceCase{"", ""}, FaceCase{"Arial", "Arial"},
                                           FaceCase{"  Times New Roman  ", "Times New Roman"},
                                           FaceCase{" \"Courier\" New ", "Courier New"},
                                           FaceCase{"\" Verdana \"", "Verdana"},
                                           FaceCase{"\"\"\"", ""},
                                           FaceCase{"Arial, \"Helvetica\"", "Arial, Helvetica"}),
                         [](const auto& info) { return SpelledParamName(info.param.typed); });

struct ColourViewCase {
    const char* name;
    bool ticked;
    std::int32_t cellText;
    std::int32_t cellBg;
    bool tableColours;
    const char* textLabel;
    const char* bgLabel;
    std::int32_t shownText;
    std::int32_t shownBg;
};

class CellColourViewTest : public ::testing::TestWithParam<ColourViewCase> {};

TEST_P(CellColourViewTest, LabelsAndPreview) {
    const ColourViewCase& c = GetParam();
    const CellColourView v =
        CellColourViewFor(c.ticked, c.cellText, c.cellBg, 0x112233, 0xDDEEFF, c.tableColours);
    EXPECT_EQ(v.textLabel, c.textLabel);
    EXPECT_EQ(v.backgroundLabel, c.bgLabel);
    EXPECT_EQ(v.textColour, c.shownText);
    EXPECT_EQ(v.backgroundColour, c.shownBg);
    EXPECT_EQ(v.specifyEnabled, c.ticked);
}

INSTANTIATE_TEST_SUITE_P(
    States, CellColourViewTest,
    ::testing::Values(ColourViewCase{"own colours", true, 0x0000FF, 0x00FF00, true, "#FF0000",
                                     "#00FF00", 0x0000FF, 0x00FF00},
                      ColourViewCase{"ticked without colours", true, NotSpecifiedColor,
                                     NotSpecifiedColor, true, "table default", "table default",
                                     0x112233, 0xDDEEFF},
                      ColourViewCase{"cleared box hides own colours", false, 0x0000FF, 0x00FF00,
                                     true, "table default", "table default", 0x112233, 0xDDEEFF},
                      ColourViewCase{"cleared without table colours", false, 0x0000FF, 0x00FF00,
                                     false, "page default", "page default", 0x112233, 0xDDEEFF},
                      ColourViewCase{"text colour alone", true, 0x000080, NotSpecifiedColor, true,
                                     "#800000", "table default", 0x000080, 0xDDEEFF}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        return n;
    });

// Content is counted in characters as the user sees them, never in bytes;
// a CR LF pair counts twice and is kept or refused whole.
TEST(ContentLimitTest, KeepsTheLeadingCharactersThatFit) {
    struct Case {
        std::string inserted;
        std::size_t others;
        std::size_t keptBytes;
    };
    const std::string alpha = "\xCE\xB1";           // 2 bytes
    const std::string beyond = "\xF0\x9D\x94\xB8";  // 4 bytes, one character
    const Case cases[] = {
        {"abc", 2045, 3},        {"abc", 2046, 2},         {"abc", 2048, 0},
        {"abc", 3000, 0},        {alpha + alpha, 2047, 2}, {beyond + beyond, 2046, 8},
        {beyond + "x", 2047, 4}, {"a\r\nb", 2046, 1},      {"a\r\nb", 2045, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FittingPrefix(c.inserted, c.others), c.keptBytes)
            << c.inserted << " " << c.others;
    EXPECT_EQ(ContentLength(std::string(2048 / 2, 'a') + alpha + beyond + "\r\n"), 1024u + 4);
}

}  // namespace
}  // namespace tabloom
