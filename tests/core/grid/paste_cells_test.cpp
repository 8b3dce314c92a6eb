#include <gtest/gtest.h>

#include <string>

#include "core/grid/paste_values.h"
#include "core/model/check_table.h"
#include "core/model/place_markers.h"
#include "table_builders.h"

namespace tabloom {
namespace {

using testing::Span;
using testing::StartTable;

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

struct PasteCellsCase {
    const char* name;
    int row, col;
    bool tableSpanInTheWay;  // a 3 x 2 merge at (1, 1)
    int rowsAfter, colsAfter, rowsCut, colsCut, split;
    int spanRows, spanCols;  // the pasted merge as it lands
};

class PasteCellsTest : public ::testing::TestWithParam<PasteCellsCase> {};

TEST_P(PasteCellsTest, PlacesSpansAndPropertiesWithoutBreakingTheGrid) {
    const PasteCellsCase& c = GetParam();
    TableSpec table = StartTable(6, 6);
    if (c.tableSpanInTheWay) Span(table, 1, 1, 3, 2);
    const PasteOutcome outcome = PasteCells(table, c.row, c.col, CopiedBlock());

    EXPECT_EQ(CheckTable(table), "");
    EXPECT_EQ(table.intNumRows, c.rowsAfter);
    EXPECT_EQ(table.intNumCols, c.colsAfter);
    EXPECT_EQ(outcome.rowsCut, c.rowsCut);
    EXPECT_EQ(outcome.colsCut, c.colsCut);
    EXPECT_EQ(outcome.split, c.split);
    const CellSpec& anchor = table.At(c.row, c.col);
    EXPECT_EQ(anchor.strContent, "a");
    EXPECT_EQ(anchor.intRowSpan, c.spanRows);
    EXPECT_EQ(anchor.intColSpan, c.spanCols);
    EXPECT_EQ(anchor.strFontFace, "Arial");
    if (c.row < 20) {
        EXPECT_EQ(table.At(c.row + 1, c.col).strContent, "21");
    }
    if (c.col < 20) {
        EXPECT_EQ(table.At(c.row, c.col + 1).intRowSpan, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, PasteCellsTest,
    ::testing::Values(PasteCellsCase{"InsideTheTable", 4, 4, false, 6, 6, 0, 0, 0, 1, 2},
                      PasteCellsCase{"OverAMergeReachingIn", 2, 2, true, 6, 6, 0, 0, 1, 1, 2},
                      PasteCellsCase{"CutAtTheLastRowAndColumn", 20, 20, false, 20, 20, 1, 2, 0, 1,
                                     1}),
    [](const auto& info) { return std::string(info.param.name); });

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
