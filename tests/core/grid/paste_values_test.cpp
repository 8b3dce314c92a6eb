#include "core/grid/paste_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/check_table.h"
#include "core/model/place_markers.h"
#include "table_builders.h"

namespace tabloom {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using testing::Span;
using testing::StartTable;

// A block of h x w values "r,c" (1-based within the block).
Rows Block(int h, int w) {
    Rows rows(static_cast<std::size_t>(h));
    for (int i = 0; i < h; ++i) {
        for (int j = 0; j < w; ++j) {
            rows[static_cast<std::size_t>(i)].push_back(std::to_string(i + 1) + "," +
                                                        std::to_string(j + 1));
        }
    }
    return rows;
}

// clang-format off
struct GrowCase { const char* name; int tableRows, tableCols, row, col, blockRows, blockCols;
    int rowsAfter, colsAfter, placed, rowsCut, colsCut; };
// clang-format on

TEST(PasteValuesTest, FillsGrowsAndCounts) {
    // clang-format off
    const GrowCase cases[] = {{"InsideTable", 6, 6, 2, 2, 3, 4, 6, 6, 12, 0, 0},
                              {"GrowsBoth", 2, 2, 2, 2, 3, 3, 4, 4, 9, 0, 0},
                              {"CutBothWays", 6, 6, 19, 19, 4, 4, 20, 20, 4, 2, 2},
                              {"NeverShrinks", 10, 10, 1, 1, 1, 1, 10, 10, 1, 0, 0},
                              {"StartOnLastRow", 6, 6, 20, 1, 2, 1, 20, 6, 1, 1, 0}};
    // clang-format on
    for (const GrowCase& c : cases) {
        SCOPED_TRACE(c.name);
        TableSpec table = StartTable(c.tableRows, c.tableCols);
        table.At(1, 1).strContent = "kept unless pasted over";
        const PasteOutcome out = PasteValues(table, c.row, c.col, Block(c.blockRows, c.blockCols));
        EXPECT_EQ((std::vector<int>{table.intNumRows, table.intNumCols, out.placed, out.rowsCut,
                                    out.colsCut, out.skipped}),
                  (std::vector<int>{c.rowsAfter, c.colsAfter, c.placed, c.rowsCut, c.colsCut, 0}));
        EXPECT_EQ(CheckTable(table), "");
        for (int r = 1; r <= table.intNumRows; ++r) {
            for (int c2 = 1; c2 <= table.intNumCols; ++c2) {
                const bool inside = r >= c.row && r < c.row + c.blockRows && c2 >= c.col &&
                                    c2 < c.col + c.blockCols;
                std::string expected = r == 1 && c2 == 1 ? "kept unless pasted over" : "";
                if (inside)
                    expected = std::to_string(r - c.row + 1) + "," + std::to_string(c2 - c.col + 1);
                EXPECT_EQ(table.At(r, c2).strContent, expected) << "at " << r << "," << c2;
            }
        }
    }
}

TEST(PasteValuesTest, SkipsCoveredPositionsAndKeepsTheAnchor) {
    TableSpec table = StartTable(6, 6);
    Span(table, 3, 3, 2, 2);
    table.At(3, 3).strContent = "anchor";
    table.At(4, 4).strContent = "hidden";
    const PasteOutcome outcome =
        PasteValues(table, 2, 2, {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "", "i"}});
    // The anchor takes its own value; f and i are lost, the empty value on
    // (4, 3) loses nothing.
    EXPECT_EQ(table.At(3, 3).strContent + table.At(4, 4).strContent + table.At(4, 2).strContent,
              "ehiddeng");
    EXPECT_EQ((std::vector<int>{table.At(4, 3).intRowSpan, table.At(3, 3).intRowSpan,
                                outcome.skipped, outcome.placed}),
              (std::vector<int>{0, 2, 2, 6}));
}

// Without markers an empty value empties its cell; a short row leaves the
// rest; an empty block changes nothing.
TEST(PasteValuesTest, ShortRowsAndEmptyBlocksLeaveTheirCellsAlone) {
    TableSpec table = StartTable(3, 3);
    table.At(1, 1).strContent = table.At(1, 3).strContent = "old";
    PasteValues(table, 1, 1, {{""}, {"y", "z", "w"}});
    EXPECT_EQ(table.At(1, 1).strContent + "|" + table.At(1, 3).strContent + "|" +
                  table.At(2, 3).strContent,
              "|old|w");
    const TableSpec before = table;
    for (const Rows& rows : {Rows{}, Rows{{}, {}}}) {
        EXPECT_EQ(PasteValues(table, 3, 3, rows).placed, 0);
        EXPECT_TRUE(table.SameSpec(before));
    }
}

TEST(PasteValuesTest, PlaceMarkersStayConsistent) {
    TableSpec table = StartTable(2, 2);
    table.blnAddPlaceMarkers = true;
    table.At(1, 1).strContent = "R1C1";
    table.At(1, 2).strContent = "R1C2";
    table.At(2, 1).strContent = "R2C1";
    table.At(2, 2).strContent = "R2C2";
    PasteValues(table, 2, 2, {{"v", ""}, {"", "  "}});
    ASSERT_EQ(table.intNumRows * 100 + table.intNumCols, 303);
    // An empty value leaves the cell empty: its marker comes back; (3, 1)
    // grew outside the block.
    EXPECT_EQ(table.At(2, 2).strContent + " " + table.At(2, 3).strContent + " " +
                  table.At(3, 3).strContent + " " + table.At(3, 1).strContent,
              "v R2C3 R3C3 R3C1");
}

// A 2 x 3 block as a spreadsheet's HTML gives it: "a" in Arial over two
// columns, then a row of three.
TableSpec CopiedBlock() {
    TableSpec block = StartTable(2, 3);
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 3; ++c) block.Cell[r][c].strContent = std::to_string(r * 10 + c);
    }
    Span(block, 1, 1, 1, 2);
    block.Cell[1][1].strContent = "a";
    block.Cell[1][1].strFontFace = "Arial";
    return block;
}

// tableSpanInTheWay: a 3 x 2 merge at (1, 1); spanRows, spanCols: the pasted merge as it lands.
// clang-format off
struct PasteCellsCase { const char* name; int row, col; bool tableSpanInTheWay;
    int rowsAfter, colsAfter, rowsCut, colsCut, split; int spanRows, spanCols; };
// clang-format on

TEST(PasteCellsTest, PlacesSpansAndPropertiesWithoutBreakingTheGrid) {
    const PasteCellsCase cases[] = {
        {"InsideTheTable", 4, 4, false, 6, 6, 0, 0, 0, 1, 2},
        {"OverAMergeReachingIn", 2, 2, true, 6, 6, 0, 0, 1, 1, 2},
        {"CutAtTheLastRowAndColumn", 20, 20, false, 20, 20, 1, 2, 0, 1, 1}};
    for (const PasteCellsCase& c : cases) {
        SCOPED_TRACE(c.name);
        TableSpec table = StartTable(6, 6);
        if (c.tableSpanInTheWay) Span(table, 1, 1, 3, 2);
        const PasteOutcome out = PasteCells(table, c.row, c.col, CopiedBlock());
        EXPECT_EQ(CheckTable(table), "");
        const CellSpec& anchor = table.At(c.row, c.col);
        EXPECT_EQ((std::vector<int>{table.intNumRows, table.intNumCols, out.rowsCut, out.colsCut,
                                    out.split, anchor.intRowSpan, anchor.intColSpan}),
                  (std::vector<int>{c.rowsAfter, c.colsAfter, c.rowsCut, c.colsCut, c.split,
                                    c.spanRows, c.spanCols}));
        EXPECT_EQ(anchor.strContent + "|" + anchor.strFontFace, "a|Arial");
        EXPECT_TRUE(c.row == 20 || table.At(c.row + 1, c.col).strContent == "21");
        EXPECT_TRUE(c.col == 20 || table.At(c.row, c.col + 1).intRowSpan == 0);
    }
}

TEST(PasteCellsMarkers, EmptyPastedCellsGetTheirMarkers) {
    TableSpec table = StartTable(3, 3);
    table.blnAddPlaceMarkers = true;
    TableSpec block = CopiedBlock();
    block.Cell[2][2].strContent.clear();
    PasteCells(table, 1, 1, block);
    EXPECT_EQ(table.At(2, 2).strContent, MakePlaceMarker(2, 2));
    EXPECT_EQ(CheckTable(table), "");
}

// Copying a merged cell and pasting it where it is breaks nothing up.
TEST(PasteCellsSplit, AMergePastedOntoItselfIsNoLoss) {
    TableSpec table = StartTable(3, 3);
    Span(table, 1, 1, 1, 2);
    EXPECT_EQ(PasteCells(table, 1, 1, CopiedBlock()).split, 0);
    EXPECT_EQ(table.At(1, 1).intColSpan, 2);
}

}  // namespace
}  // namespace tabloom
