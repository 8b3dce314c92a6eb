#include "core/grid/paste_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/check_table.h"
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

struct GrowCase {
    const char* name;
    int tableRows, tableCols;
    int row, col;
    int blockRows, blockCols;
    int rowsAfter, colsAfter;
    int placed, rowsCut, colsCut;
};

class PasteGrowTest : public ::testing::TestWithParam<GrowCase> {};

TEST_P(PasteGrowTest, FillsGrowsAndCounts) {
    const GrowCase& c = GetParam();
    TableSpec table = StartTable(c.tableRows, c.tableCols);
    table.At(1, 1).strContent = "kept unless pasted over";
    const PasteOutcome outcome = PasteValues(table, c.row, c.col, Block(c.blockRows, c.blockCols));
    EXPECT_EQ(table.intNumRows, c.rowsAfter);
    EXPECT_EQ(table.intNumCols, c.colsAfter);
    EXPECT_EQ(outcome.placed, c.placed);
    EXPECT_EQ(outcome.rowsCut, c.rowsCut);
    EXPECT_EQ(outcome.colsCut, c.colsCut);
    EXPECT_EQ(outcome.skipped, 0);
    EXPECT_EQ(CheckTable(table), "");
    for (int r = 1; r <= table.intNumRows; ++r) {
        for (int c2 = 1; c2 <= table.intNumCols; ++c2) {
            const bool inside =
                r >= c.row && r < c.row + c.blockRows && c2 >= c.col && c2 < c.col + c.blockCols;
            std::string expected;
            if (inside) {
                expected = std::to_string(r - c.row + 1) + "," + std::to_string(c2 - c.col + 1);
            } else if (r == 1 && c2 == 1) {
                expected = "kept unless pasted over";
            }
            EXPECT_EQ(table.At(r, c2).strContent, expected) << "at " << r << "," << c2;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, PasteGrowTest,
    ::testing::Values(GrowCase{"InsideTable", 6, 6, 2, 2, 3, 4, 6, 6, 12, 0, 0},
                      GrowCase{"GrowsBoth", 2, 2, 2, 2, 3, 3, 4, 4, 9, 0, 0},
                      GrowCase{"CutBothWays", 6, 6, 19, 19, 4, 4, 20, 20, 4, 2, 2},
                      GrowCase{"NeverShrinks", 10, 10, 1, 1, 1, 1, 10, 10, 1, 0, 0},
                      GrowCase{"StartOnLastRow", 6, 6, 20, 1, 2, 1, 20, 6, 1, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PasteValuesTest, SkipsCoveredPositionsAndKeepsTheAnchor) {
    TableSpec table = StartTable(6, 6);
    Span(table, 3, 3, 2, 2);
    table.At(3, 3).strContent = "anchor";
    table.At(4, 4).strContent = "hidden";
    const Rows rows = {{"a", "b", "c"}, {"d", "e", "f"}, {"g", "", "i"}};
    const PasteOutcome outcome = PasteValues(table, 2, 2, rows);
    EXPECT_EQ(table.At(3, 3).strContent, "e");  // the anchor takes its own value
    EXPECT_EQ(table.At(4, 4).strContent, "hidden");
    EXPECT_EQ(table.At(4, 3).intRowSpan, 0);
    EXPECT_EQ(table.At(3, 3).intRowSpan, 2);
    // f and i are lost; the empty value on (4,3) loses nothing.
    EXPECT_EQ(outcome.skipped, 2);
    EXPECT_EQ(outcome.placed, 6);
    EXPECT_EQ(table.At(4, 2).strContent, "g");
}

// Without markers an empty value empties its cell; a short row leaves the rest.
TEST(PasteValuesTest, ShortRowsLeaveTheirCellsAlone) {
    TableSpec table = StartTable(3, 3);
    table.At(1, 1).strContent = table.At(1, 3).strContent = "old";
    PasteValues(table, 1, 1, {{""}, {"y", "z", "w"}});
    EXPECT_EQ(table.At(1, 1).strContent, "");
    EXPECT_EQ(table.At(1, 3).strContent, "old");
    EXPECT_EQ(table.At(2, 3).strContent, "w");
}

TEST(PasteValuesTest, EmptyBlockChangesNothing) {
    TableSpec table = StartTable(6, 6);
    const TableSpec before = table;
    for (const Rows& rows : {Rows{}, Rows{{}, {}}}) {
        const PasteOutcome outcome = PasteValues(table, 6, 6, rows);
        EXPECT_EQ(outcome.placed, 0);
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
    ASSERT_EQ(table.intNumRows, 3);
    ASSERT_EQ(table.intNumCols, 3);
    EXPECT_EQ(table.At(2, 2).strContent, "v");
    EXPECT_EQ(table.At(2, 3).strContent, "R2C3");  // an empty value leaves the cell empty
    EXPECT_EQ(table.At(3, 3).strContent, "R3C3");
    EXPECT_EQ(table.At(3, 1).strContent, "R3C1");  // grown, outside the block
}

}  // namespace
}  // namespace tabloom
