#include "core/grid/span_rules.h"

#include <gtest/gtest.h>

#include <vector>

#include "grid_layout.h"

namespace tabloom {
namespace {

using testing::LabelledTable;
using testing::Layout;
using testing::PutBlock;

struct Block {
    int row, col, rows, cols;
};

struct SizeCase {
    const char* name;
    std::vector<Block> blocks;
    int row, col, rows, cols;
    bool ok;
    int overlapRow, overlapCol;  // only when refused
};

class CellSizeOKTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(CellSizeOKTest, AnswersAndNamesTheFirstOffender) {
    const SizeCase& c = GetParam();
    TableSpec table = LabelledTable(6, 6);
    for (const Block& b : c.blocks) PutBlock(table, b.row, b.col, b.rows, b.cols);
    std::int16_t overlapRow = -7, overlapCol = -7;
    EXPECT_EQ(CellSizeOK(table, c.row, c.col, c.rows, c.cols, overlapRow, overlapCol), c.ok);
    if (c.ok) {
        EXPECT_EQ(overlapRow, -7);
        EXPECT_EQ(overlapCol, -7);
    } else {
        EXPECT_EQ(overlapRow, c.overlapRow);
        EXPECT_EQ(overlapCol, c.overlapCol);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CellSizeOKTest,
    ::testing::Values(
        SizeCase{"KeepSpans", {{2, 2, 2, 3}}, 2, 2, 2, 3, true, 0, 0},
        SizeCase{"Shrink3x3To1x1", {{1, 1, 3, 3}}, 1, 1, 1, 1, true, 0, 0},
        SizeCase{"ShrinkNextToOthers", {{1, 1, 3, 3}, {1, 4, 3, 1}}, 1, 1, 2, 2, true, 0, 0},
        SizeCase{"GrowOverPlainNeighbours", {}, 1, 1, 2, 2, true, 0, 0},
        SizeCase{"SpanReachesPastLastRow", {{2, 2, 2, 2}}, 1, 1, 2, 2, false, 2, 2},
        SizeCase{"OwnerStartsAbove", {{1, 3, 2, 1}}, 2, 2, 1, 2, false, 1, 3},
        SizeCase{"SwallowWhole2x2", {{2, 2, 2, 2}}, 1, 1, 3, 3, true, 0, 0},
        SizeCase{"SpanReachesPastLastColumn", {{2, 1, 1, 2}}, 1, 1, 2, 1, false, 2, 1},
        SizeCase{"OwnerStartsLeft", {{2, 1, 1, 2}}, 1, 2, 2, 1, false, 2, 1},
        SizeCase{"FirstOffenderInScanOrder", {{3, 1, 2, 1}, {1, 3, 1, 2}}, 1, 1, 3, 3, false, 1, 3},
        SizeCase{"OffenderReachedThroughLaterRow",
                 {{2, 3, 2, 2}, {3, 1, 2, 1}},
                 1,
                 1,
                 3,
                 3,
                 false,
                 2,
                 3},
        SizeCase{"WholeTable", {{2, 2, 2, 2}, {5, 5, 2, 2}}, 1, 1, 6, 6, true, 0, 0},
        SizeCase{"PastBottomEdge", {}, 6, 1, 2, 1, false, 6, 1},
        SizeCase{"PastRightEdge", {}, 1, 6, 1, 2, false, 1, 6},
        SizeCase{"ZeroSpan", {}, 1, 1, 0, 1, false, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct ApplyCase {
    const char* name;
    std::vector<Block> blocks;
    int row, col, rows, cols;
    const char* layout;
};

class ApplySpansTest : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(ApplySpansTest, LeavesTheExpectedLayoutAndKeepsFields) {
    const ApplyCase& c = GetParam();
    TableSpec table = LabelledTable(4, 4);
    for (const Block& b : c.blocks) PutBlock(table, b.row, b.col, b.rows, b.cols);
    ApplySpans(table, c.row, c.col, c.rows, c.cols);
    EXPECT_EQ(Layout(table), c.layout);
    // Covering and releasing touch only spans and owners.
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            EXPECT_EQ(table.At(i, j).strContent, "r" + std::to_string(i) + "c" + std::to_string(j));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ApplySpansTest,
    ::testing::Values(
        ApplyCase{"Unchanged",
                  {{1, 1, 2, 2}},
                  1,
                  1,
                  2,
                  2,
                  "a2x2 1,1 a1x1 a1x1|1,1 1,1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1"},
        ApplyCase{"Shrink3x3To1x1",
                  {{1, 1, 3, 3}},
                  1,
                  1,
                  1,
                  1,
                  "a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a1x1 "
                  "a1x1"},
        ApplyCase{"GrowOverWhole2x2",
                  {{2, 2, 2, 2}},
                  1,
                  1,
                  3,
                  3,
                  "a3x3 1,1 1,1 a1x1|1,1 1,1 1,1 a1x1|1,1 1,1 1,1 a1x1|a1x1 a1x1 a1x1 a1x1"},
        ApplyCase{"TwoRowsBecomeTwoColumns",
                  {{2, 2, 2, 1}},
                  2,
                  2,
                  1,
                  2,
                  "a1x1 a1x1 a1x1 a1x1|a1x1 a1x2 2,2 a1x1|a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1"},
        ApplyCase{"GrowInBothDirectionsFromSpan",
                  {{3, 3, 1, 2}},
                  3,
                  3,
                  2,
                  1,
                  "a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a2x1 a1x1|a1x1 a1x1 3,3 a1x1"},
        ApplyCase{"CutBackAtTableEdge",
                  {},
                  3,
                  3,
                  5,
                  5,
                  "a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a2x2 3,3|a1x1 a1x1 3,3 3,3"},
        ApplyCase{"PartlySwallowedCellReleasesTheRest",
                  {{2, 2, 2, 2}},
                  1,
                  1,
                  2,
                  2,
                  "a2x2 1,1 a1x1 a1x1|1,1 1,1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tabloom
