#include "core/grid/block_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/csv/delimited_text.h"
#include "core/grid/block_clipboard.h"
#include "core/grid/copy_cell_properties.h"
#include "core/grid/grid_navigation.h"
#include "core/grid/place_marker_fill.h"
#include "core/model/check_table.h"
#include "grid_layout.h"
#include "table_builders.h"

namespace tabloom {
namespace {

// 5 x 5 with A, a 2 x 2 block at (2, 2), and B, a 1 x 3 block at (4, 3).
TableSpec TwoSpans() {
    TableSpec t = testing::StartTable(5, 5);
    testing::Span(t, 2, 2, 2, 2);
    testing::Span(t, 4, 3, 1, 3);
    return t;
}

// Chain: A reaches down into B, which widens the block to column 5.
// Clamped: column 5 reaches B, and B's column 3 reaches A.
TEST(BlockBetweenTest, HoldsEverySpanItTouchesAndSaysSo) {
    const std::pair<CellBlock, CellBlock> cases[] = {{{1, 1, 1, 1}, {1, 1, 1, 1}},
                                                     {{3, 3, 3, 3}, {2, 2, 3, 3}},
                                                     {{3, 1, 1, 2}, {1, 1, 3, 3}},
                                                     {{3, 3, 4, 3}, {2, 2, 4, 5}},
                                                     {{0, 9, 5, 5}, {1, 2, 5, 5}}};
    for (const auto& [from, expected] : cases)
        EXPECT_EQ(BlockBetween(TwoSpans(), from.top, from.left, from.bottom, from.right), expected);
    EXPECT_EQ(DescribeBlock({1, 1, 1, 1}), "row 1, column 1 selected");
}

TEST(BlockEditTest, MergeJoinsContentsAndSplitGivesEmptyCellsBack) {
    TableSpec t = TwoSpans();
    t.blnAddPlaceMarkers = true;
    t.At(1, 1).strContent = "R1C1";  // a marker: left out
    t.At(1, 2).strContent = "north";
    t.At(2, 2).strContent = "centre";
    t.At(3, 1).strContent = "west\r\nside";
    const CellBlock block{1, 1, 3, 3};
    const MergeOutcome merged = MergeBlock(t, block);
    ASSERT_TRUE(merged.merged) << merged.message;
    EXPECT_EQ(t.At(1, 1).intRowSpan * 10 + t.At(1, 1).intColSpan, 33);
    EXPECT_EQ(t.At(1, 1).strContent, "north\r\ncentre\r\nwest\r\nside");
    EXPECT_EQ(SplitBlock(t, block), 1);
    EXPECT_EQ(CheckTable(t), "");
    EXPECT_EQ(t.At(3, 1).strContent, "R3C1");
    EXPECT_EQ(SplitBlock(t, block), 0);
}

TEST(BlockEditTest, MergeIsRefusedAcrossASpanAndWhenTooLong) {
    TableSpec t = TwoSpans();
    const TableSpec before = t;
    // Rows 3 to 4 of column 2 cut A in half.
    MergeOutcome outcome = MergeBlock(t, CellBlock{3, 1, 4, 2});
    EXPECT_FALSE(outcome.merged);
    EXPECT_TRUE(t.SameSpec(before)) << outcome.message;

    t.At(1, 1).strContent = std::string(1500, 'a');
    t.At(1, 2).strContent = std::string(1500, 'b');
    EXPECT_FALSE(MergeBlock(t, CellBlock{1, 1, 1, 2}).merged);
}

TEST(BlockEditTest, TypedContentFollowsTheCellDialogsRules) {
    TableSpec t = testing::StartTable(3, 3);
    std::string greek;
    for (int i = 0; i < 2100; ++i) greek += "\xCE\xB1";  // alpha
    StoreTypedContent(t, 1, 2, greek);
    EXPECT_EQ(CountCodePoints(t.At(1, 2).strContent), 2048u);

    t.blnAddPlaceMarkers = true;
    EXPECT_TRUE(StoreTypedContent(t, 2, 3, "   ") && t.At(2, 3).strContent == "R2C3");
    EXPECT_FALSE(StoreTypedContent(t, 2, 3, " R2C3"));
    // Every cell but (2, 3) changes: the untouched ones had no marker yet.
    EXPECT_EQ(EmptyBlock(t, CellBlock{1, 1, 3, 3}), 8);
    EXPECT_EQ(t.At(1, 1).strContent, "R1C1");
}

// Positions as row * 10 + column: covered positions are passed over and
// either end of the table stays put.
TEST(BlockEditTest, TabWalksTheCellsInReadingOrder) {
    const TableSpec t = TwoSpans();
    const int cases[][3] = {{15, true, 21}, {21, true, 22},  {22, true, 24}, {24, true, 25},
                            {55, true, 55}, {43, false, 42}, {11, false, 11}};
    for (const auto& [from, forward, to] : cases) {
        std::int16_t row = static_cast<std::int16_t>(from / 10);
        std::int16_t col = static_cast<std::int16_t>(from % 10);
        MoveByTab(t, forward != 0, row, col);
        EXPECT_EQ(row * 10 + col, to) << from;
    }
}

TEST(BlockClipboardTest, TabTextReadsBackAndHtmlKeepsSpansAndColours) {
    TableSpec t = TwoSpans();
    t.intHeaderRows = 1;
    t.At(1, 2).strContent = "say \"hi\"";
    t.At(2, 2).strContent = "two\r\nlines";
    t.At(2, 2).lngBgColor = 0x0000FF;  // red
    t.At(2, 2).intAlign = 2;
    const CellBlock block{1, 2, 3, 3};
    const std::vector<std::vector<std::string>> expected = {
        {"say \"hi\"", ""}, {"two\r\nlines", ""}, {"", ""}};
    EXPECT_EQ(ReadDelimited(BlockAsTabText(t, block)).data.rows, expected);
    EXPECT_EQ(BlockAsHtml(t, block),
              "<table>\n"
              "<tr><th style=\"background-color:#FFFFFF;color:#000000;\">say \"hi\"</th>"
              "<th style=\"background-color:#FFFFFF;color:#000000;\"></th></tr>\n"
              "<tr><td rowspan=\"2\" colspan=\"2\" style=\"background-color:#FF0000;"
              "color:#000000;text-align:center;\">two<br>lines</td></tr>\n"
              "<tr></tr>\n"
              "</table>\n");
}

// clang-format off
struct MoveCase { const char* name; int row, col; GridMove move; int endRow, endCol; };
// clang-format on

// 5 x 5 with a 2 x 2 block at (2, 2) and a 1 x 2 block at (5, 4).
TEST(MoveCurrentCellTest, StopsOnceOnEveryAnchor) {
    TableSpec table = testing::StartTable(5, 5);
    testing::Span(table, 2, 2, 2, 2);
    testing::Span(table, 5, 4, 1, 2);
    // clang-format off
    const MoveCase cases[] = {
        {"RightOverSpan", 2, 2, GridMove::Right, 2, 4}, {"DownOverSpan", 2, 2, GridMove::Down, 4, 2},
        {"UpIntoSpan", 4, 3, GridMove::Up, 2, 2}, {"LeftEdgeStays", 3, 1, GridMove::Left, 3, 1},
        {"RightEdgeFromSpanStays", 5, 4, GridMove::Right, 5, 4}, {"RowStart", 3, 5, GridMove::RowStart, 3, 1},
        {"RowEndOnSpan", 5, 1, GridMove::RowEnd, 5, 4}, {"TableStart", 4, 4, GridMove::TableStart, 1, 1},
        {"TableEndOnSpan", 1, 1, GridMove::TableEnd, 5, 4},
        {"CoveredStartIsOwner", 3, 3, GridMove::Right, 2, 4},
        {"OutsideTableIsClamped", 9, 9, GridMove::Left, 5, 3}};
    for (const MoveCase& c : cases) {
        std::int16_t row = static_cast<std::int16_t>(c.row), col = static_cast<std::int16_t>(c.col);
        MoveCurrentCell(table, c.move, row, col);
        EXPECT_EQ(std::pair(row * 1, col * 1), std::pair(c.endRow, c.endCol)) << c.name;
    }
}

// before: content of (2, 1); (1, 1) spans 1 x 2 over (1, 2).
struct MarkerCase { const char* name; int rows, cols; bool on; std::string before;
    std::string after; bool changed; };
// clang-format on

TEST(FillPlaceMarkersTest, FillsBlanksOrClearsMarkers) {
    const MarkerCase cases[] = {{"FillEmpty", 2, 2, true, "", "R2C1", true},
                                {"KeepContent", 2, 2, true, "text", "text", false},
                                {"ClearOtherCellsMarker", 3, 3, false, " R3C2 ", "", true},
                                {"KeepMissingRow", 2, 2, false, "R3C1", "R3C1", false}};
    for (const MarkerCase& c : cases) {
        SCOPED_TRACE(c.name);
        TableSpec table;
        table.intNumRows = static_cast<std::int16_t>(c.rows);
        table.intNumCols = static_cast<std::int16_t>(c.cols);
        testing::Span(table, 1, 1, 1, 2);
        table.At(1, 1).strContent = "Head";
        table.At(2, 1).strContent = c.before;
        for (int j = 2; j <= c.cols; ++j) table.At(2, j).strContent = "x";
        EXPECT_EQ(FillPlaceMarkers(table, c.on), c.changed);
        EXPECT_EQ(table.At(2, 1).strContent, c.after);
        // The covered position is never filled.
        EXPECT_EQ(table.At(1, 1).strContent + "|" + table.At(1, 2).strContent, "Head|");
    }
}

using testing::LabelledTable;
using testing::Span;

constexpr std::int32_t kSrcText = 0x112233;
constexpr std::int32_t kSrcBg = 0x445566;

// A 4 x 4 table, source at (2, 2) with every property set, a 1 x 2 span at
// (3, 3) covering (3, 4).
TableSpec SourceTable(const std::string& sourceContent, bool sourceColors) {
    TableSpec table = LabelledTable(4, 4);
    // clang-format off
    table.At(2, 2) = {.lngTextColor = sourceColors ? kSrcText : NotSpecifiedColor,
                      .lngBgColor = sourceColors ? kSrcBg : NotSpecifiedColor,
                      .strContent = sourceContent, .intOwnerRow = 2, .intOwnerCol = 2,
                      .intAlign = 2, .intVAlign = 3, .intWidth = 50, .intWidthUnit = 0,
                      .strFontFace = "Verdana", .strFontSize = "+1", .intHeight = 40};
    // clang-format on
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

void ExpectFontOnlyAt(const CopyCase& c) {
    SCOPED_TRACE(c.name);
    TableSpec table = SourceTable("x", false);
    CopyCellProperties(table, 2, 2, c.choice);
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            if (i == 2 && j == 2) continue;
            const std::string at = std::to_string(i) + "," + std::to_string(j);
            const bool expected =
                (" " + c.fontTargets + " ").find(" " + at + " ") != std::string::npos;
            EXPECT_EQ(GotFont(table.At(i, j)), expected) << "row " << i << " column " << j;
        }
    }
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
    {"CoveredTarget", Font(CopyTarget::OneCell, 3, 4), ""},
    {"OutsideTable", Font(CopyTarget::OneCell, 5, 1), ""},
    {"Row", Font(CopyTarget::Row), "2,1 2,3 2,4"},
    {"Column", Font(CopyTarget::Column), "1,2 3,2 4,2"},
    {"BlockPastTheEdge", Font(CopyTarget::Block, 0, 0, {4, 3, 9, 9}), "4,3 4,4"},
    {"Table", Font(CopyTarget::Table), "1,1 1,2 1,3 1,4 2,1 2,3 2,4 3,1 3,2 3,3 4,1 4,2 4,3 4,4"},
};

TEST(CopyRangeTest, CopiesToTheAnchorsOfTheRangeOnly) {
    for (const CopyCase& c : kRanges) ExpectFontOnlyAt(c);
}

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
    EXPECT_EQ(table.At(1, 3).strContent, "Hi");
    EXPECT_FALSE(GotFont(table.At(1, 3)));
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

// A source without colours of its own gives the table the default colours.
TEST(CopyCellPropertiesTest, ColoursToTheTableBecomeTableColoursAndClearCellColours) {
    TableSpec table = SourceTable("Hi", false);
    CopyChoice choice = ToFirstRow(CopyTarget::Table);
    choice.colors = true;
    CopyCellProperties(table, 2, 2, choice);
    EXPECT_EQ(std::tie(table.lngTableTextColor, table.lngTableBgColor),
              std::make_tuple(0x000000, 0xFFFFFF));
    EXPECT_EQ(std::tie(table.At(1, 4).lngTextColor, table.At(1, 4).lngBgColor),
              std::make_tuple(NotSpecifiedColor, NotSpecifiedColor));
}

}  // namespace
}  // namespace tabloom
