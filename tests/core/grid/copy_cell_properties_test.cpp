#include "core/grid/copy_cell_properties.h"

#include <gtest/gtest.h>

#include <string>

#include "grid_layout.h"

namespace tabloom {
namespace {

using testing::LabelledTable;
using testing::Span;

constexpr std::int32_t kSrcText = 0x112233;
constexpr std::int32_t kSrcBg = 0x445566;

// A 4 x 4 table, source at (2, 2) with every property set, a 1 x 2 span at
// (3, 3) covering (3, 4).
TableSpec SourceTable(const std::string& sourceContent, bool sourceColors) {
    TableSpec table = LabelledTable(4, 4);
    CellSpec& s = table.At(2, 2);
    s.strContent = sourceContent;
    s.strFontFace = "Verdana";
    s.strFontSize = "+1";
    s.intAlign = 2;
    s.intVAlign = 3;
    s.intWidth = 50;
    s.intWidthUnit = 0;
    s.intHeight = 40;
    s.intHeightUnit = 1;
    if (sourceColors) {
        s.lngTextColor = kSrcText;
        s.lngBgColor = kSrcBg;
    }
    table.At(1, 4).lngTextColor = 0x010101;
    table.At(1, 4).lngBgColor = 0x020202;
    Span(table, 3, 3, 1, 2);
    return table;
}

bool GotFont(const CellSpec& c) { return c.strFontFace == "Verdana" && c.strFontSize == "+1"; }

struct CopyCase {
    const char* name;
    CopyChoice choice;
    std::string sourceContent;
    bool sourceColors;
    // Positions expected to receive the font (only the font box is checked for
    // the range); all other anchors must keep theirs.
    // "row,col" positions separated by blanks.
    std::string fontTargets;
};

class CopyRangeTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyRangeTest, CopiesToTheAnchorsOfTheRangeOnly) {
    const CopyCase& c = GetParam();
    TableSpec table = SourceTable(c.sourceContent, c.sourceColors);
    CopyCellProperties(table, 2, 2, c.choice);
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            if (i == 2 && j == 2) continue;
            const std::string at = std::to_string(i) + "," + std::to_string(j);
            const bool expected =
                (" " + c.fontTargets + " ").find(" " + at + " ") != std::string::npos;
            EXPECT_EQ(GotFont(table.At(i, j)), expected) << "row " << i << " column " << j;
            EXPECT_EQ(table.At(i, j).intRowSpan, i == 3 && j == 4 ? 0 : 1);
        }
    }
    EXPECT_EQ(table.At(3, 3).intColSpan, 2);
}

CopyChoice Font(CopyTarget target, int toRow = 0, int toCol = 0, CellBlock block = {}) {
    CopyChoice choice;
    choice.block = block;
    choice.target = target;
    choice.toRow = toRow;
    choice.toCol = toCol;
    choice.font = true;
    return choice;
}

const CopyCase kRanges[] = {
    {"OneCell", Font(CopyTarget::OneCell, 4, 1), "x", false, "4,1"},
    {"NoRowSelected", Font(CopyTarget::OneCell, 0, 1), "x", false, ""},
    {"NoColumnSelected", Font(CopyTarget::OneCell, 1, 0), "x", false, ""},
    {"CoveredTarget", Font(CopyTarget::OneCell, 3, 4), "x", false, ""},
    {"OutsideTable", Font(CopyTarget::OneCell, 5, 1), "x", false, ""},
    {"Row", Font(CopyTarget::Row), "x", false, "2,1 2,3 2,4"},
    {"Column", Font(CopyTarget::Column), "x", false, "1,2 3,2 4,2"},
    {"Block", Font(CopyTarget::Block, 0, 0, {3, 1, 4, 3}), "x", false, "3,1 3,2 3,3 4,1 4,2 4,3"},
    {"BlockPastTheEdge", Font(CopyTarget::Block, 0, 0, {4, 3, 9, 9}), "x", false, "4,3 4,4"},
    {"Table", Font(CopyTarget::Table), "x", false,
     "1,1 1,2 1,3 1,4 2,1 2,3 2,4 3,1 3,2 3,3 4,1 4,2 4,3 4,4"},
};

INSTANTIATE_TEST_SUITE_P(Ranges, CopyRangeTest, ::testing::ValuesIn(kRanges),
                         [](const auto& info) { return std::string(info.param.name); });

struct FieldCase {
    const char* name;
    CopyChoice choice;
    std::string sourceContent;
    bool sourceColors;
    // Expected fields of the target (1, 3) after the copy.
    std::string content;
    int align, valign, width, widthUnit, height;
    std::int32_t text, bg;
    // Expected table colours and the source's own text colour afterwards.
    std::int32_t tableText, tableBg, sourceText;
};

class CopyFieldsTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CopyFieldsTest, CopiesTheTickedGroups) {
    const FieldCase& c = GetParam();
    TableSpec table = SourceTable(c.sourceContent, c.sourceColors);
    CopyCellProperties(table, 2, 2, c.choice);
    const CellSpec& t = table.At(1, 3);
    EXPECT_EQ(t.strContent, c.content);
    EXPECT_EQ(t.intAlign, c.align);
    EXPECT_EQ(t.intVAlign, c.valign);
    EXPECT_EQ(t.intWidth, c.width);
    EXPECT_EQ(t.intWidthUnit, c.widthUnit);
    EXPECT_EQ(t.intHeight, c.height);
    EXPECT_EQ(t.lngTextColor, c.text);
    EXPECT_EQ(t.lngBgColor, c.bg);
    EXPECT_EQ(table.lngTableTextColor, c.tableText);
    EXPECT_EQ(table.lngTableBgColor, c.tableBg);
    EXPECT_EQ(table.At(2, 2).lngTextColor, c.sourceText);
    EXPECT_EQ(table.At(2, 2).intRowSpan, 1);
    EXPECT_EQ(t.intOwnerRow, 1);
    EXPECT_EQ(t.intOwnerCol, 3);
}

CopyChoice Pick(CopyTarget target, bool content, bool alignment, bool width, bool height,
                bool colors) {
    CopyChoice choice;
    choice.target = target;
    choice.toRow = 1;
    choice.toCol = 3;
    choice.content = content;
    choice.alignment = alignment;
    choice.width = width;
    choice.height = height;
    choice.colors = colors;
    return choice;
}

constexpr std::int32_t kNone = NotSpecifiedColor;
constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kWhite = 0xFFFFFF;

INSTANTIATE_TEST_SUITE_P(
    Groups, CopyFieldsTest,
    ::testing::Values(
        FieldCase{"Nothing", Pick(CopyTarget::OneCell, false, false, false, false, false), "Hi",
                  true, "r1c3", 0, 0, -1, 1, -1, kNone, kNone, kBlack, kWhite, kSrcText},
        FieldCase{"Content", Pick(CopyTarget::OneCell, true, false, false, false, false), "Hi",
                  true, "Hi", 0, 0, -1, 1, -1, kNone, kNone, kBlack, kWhite, kSrcText},
        FieldCase{"PlaceMarkerNeverCopied",
                  Pick(CopyTarget::OneCell, true, false, false, false, false), " R4C1 ", false,
                  "r1c3", 0, 0, -1, 1, -1, kNone, kNone, kBlack, kWhite, kNone},
        FieldCase{"MarkerOfMissingRowIsContent",
                  Pick(CopyTarget::OneCell, true, false, false, false, false), "R5C1", false,
                  "R5C1", 0, 0, -1, 1, -1, kNone, kNone, kBlack, kWhite, kNone},
        FieldCase{"AlignmentWidthHeight", Pick(CopyTarget::OneCell, false, true, true, true, false),
                  "Hi", false, "r1c3", 2, 3, 50, 0, 40, kNone, kNone, kBlack, kWhite, kNone},
        FieldCase{"ColorsToOneCell", Pick(CopyTarget::OneCell, false, false, false, false, true),
                  "Hi", true, "r1c3", 0, 0, -1, 1, -1, kSrcText, kSrcBg, kBlack, kWhite, kSrcText},
        FieldCase{"ColorsToRowOfOtherRow", Pick(CopyTarget::Row, false, false, false, false, true),
                  "Hi", true, "r1c3", 0, 0, -1, 1, -1, kNone, kNone, kBlack, kWhite, kSrcText},
        FieldCase{"ColorsToTableBecomeTableColors",
                  Pick(CopyTarget::Table, false, false, false, false, true), "Hi", true, "r1c3", 0,
                  0, -1, 1, -1, kNone, kNone, kSrcText, kSrcBg, kNone},
        FieldCase{"TableColorsKeptWithoutOwnColors",
                  Pick(CopyTarget::Table, false, false, false, false, true), "Hi", false, "r1c3", 0,
                  0, -1, 1, -1, kNone, kNone, kBlack, kWhite, kNone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CopyCellPropertiesTest, ColorsToTableClearOtherCellsOwnColors) {
    TableSpec table = SourceTable("Hi", true);
    CopyChoice choice = Pick(CopyTarget::Table, false, false, false, false, true);
    CopyCellProperties(table, 2, 2, choice);
    EXPECT_EQ(table.At(1, 4).lngTextColor, NotSpecifiedColor);
    EXPECT_EQ(table.At(1, 4).lngBgColor, NotSpecifiedColor);
}

}  // namespace
}  // namespace tabloom
