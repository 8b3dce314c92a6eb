#include "core/grid/copy_cell_properties.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

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
    // "row,col" anchors that receive the font (only the font box is checked
    // for the range), separated by blanks; all others keep theirs.
    std::string fontTargets;
};

class CopyRangeTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyRangeTest, CopiesToTheAnchorsOfTheRangeOnly) {
    const CopyCase& c = GetParam();
    TableSpec table = SourceTable("x", false);
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
    {"OneCell", Font(CopyTarget::OneCell, 4, 1), "4,1"},
    {"NoRowSelected", Font(CopyTarget::OneCell, 0, 1), ""},
    {"CoveredTarget", Font(CopyTarget::OneCell, 3, 4), ""},
    {"OutsideTable", Font(CopyTarget::OneCell, 5, 1), ""},
    {"Row", Font(CopyTarget::Row), "2,1 2,3 2,4"},
    {"Column", Font(CopyTarget::Column), "1,2 3,2 4,2"},
    {"BlockPastTheEdge", Font(CopyTarget::Block, 0, 0, {4, 3, 9, 9}), "4,3 4,4"},
    {"Table", Font(CopyTarget::Table), "1,1 1,2 1,3 1,4 2,1 2,3 2,4 3,1 3,2 3,3 4,1 4,2 4,3 4,4"},
};

INSTANTIATE_TEST_SUITE_P(Ranges, CopyRangeTest, ::testing::ValuesIn(kRanges),
                         [](const auto& info) { return std::string(info.param.name); });

CopyChoice ToFirstRow(CopyTarget target) {
    CopyChoice choice;
    choice.target = target;
    choice.toRow = 1;
    choice.toCol = 3;
    return choice;
}

TEST(CopyCellPropertiesTest, CopiesOnlyTheTickedGroups) {
    TableSpec table = SourceTable("Hi", true);
    const TableSpec before = table;
    CopyCellProperties(table, 2, 2, ToFirstRow(CopyTarget::OneCell));
    EXPECT_TRUE(table.SameSpec(before));

    CopyChoice all = ToFirstRow(CopyTarget::OneCell);
    all.content = all.alignment = all.width = all.height = all.colors = true;
    CopyCellProperties(table, 2, 2, all);
    const CellSpec& t = table.At(1, 3);
    const CellSpec& s = table.At(2, 2);
    EXPECT_EQ(t.strContent, "Hi");
    EXPECT_EQ(
        std::tie(t.intAlign, t.intVAlign, t.intWidth, t.intWidthUnit, t.intHeight, t.intHeightUnit),
        std::tie(s.intAlign, s.intVAlign, s.intWidth, s.intWidthUnit, s.intHeight,
                 s.intHeightUnit));
    EXPECT_EQ(std::tie(t.lngTextColor, t.lngBgColor), std::make_tuple(kSrcText, kSrcBg));
    EXPECT_FALSE(GotFont(t));
    EXPECT_EQ(std::tie(table.lngTableTextColor, table.lngTableBgColor),
              std::tie(before.lngTableTextColor, before.lngTableBgColor));
}

// A marker of a cell of the table is never copied; one of a missing row is text.
TEST(CopyCellPropertiesTest, PlaceMarkerIsNeverCopied) {
    for (const auto& [content, expected] :
         {std::pair<std::string, std::string>{" R4C1 ", "r1c3"}, {"R5C1", "R5C1"}}) {
        TableSpec table = SourceTable(content, false);
        CopyChoice choice = ToFirstRow(CopyTarget::OneCell);
        choice.content = true;
        CopyCellProperties(table, 2, 2, choice);
        EXPECT_EQ(table.At(1, 3).strContent, expected) << content;
    }
}

TEST(CopyCellPropertiesTest, ColoursToTheTableBecomeTableColoursAndClearCellColours) {
    for (const bool sourceColors : {true, false}) {
        SCOPED_TRACE(sourceColors);
        TableSpec table = SourceTable("Hi", sourceColors);
        CopyChoice choice = ToFirstRow(CopyTarget::Table);
        choice.colors = true;
        CopyCellProperties(table, 2, 2, choice);
        EXPECT_EQ(table.lngTableTextColor, sourceColors ? kSrcText : 0x000000);
        EXPECT_EQ(table.lngTableBgColor, sourceColors ? kSrcBg : 0xFFFFFF);
        for (const CellSpec* cell : {&table.At(2, 2), &table.At(1, 4)}) {
            EXPECT_EQ(cell->lngTextColor, NotSpecifiedColor);
            EXPECT_EQ(cell->lngBgColor, NotSpecifiedColor);
        }
    }
}

}  // namespace
}  // namespace tabloom
