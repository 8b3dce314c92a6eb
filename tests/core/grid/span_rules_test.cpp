#include "core/grid/span_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "grid_layout.h"

namespace tabloom {
namespace {

using testing::LabelledTable;
using testing::Layout;
using testing::PutBlocks;

struct SizeCase {
    const char* name;
    const char* blocks;  // as PutBlocks reads them
    int row, col, rows, cols;
    bool ok;
    int overlapRow, overlapCol;  // only when refused
};

class CellSizeOKTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(CellSizeOKTest, AnswersAndNamesTheFirstOffender) {
    const SizeCase& c = GetParam();
    TableSpec table = LabelledTable(6, 6);
    PutBlocks(table, c.blocks);
    std::int16_t overlapRow = -7, overlapCol = -7;
    EXPECT_EQ(CellSizeOK(table, c.row, c.col, c.rows, c.cols, overlapRow, overlapCol), c.ok);
    EXPECT_EQ(overlapRow, c.ok ? -7 : c.overlapRow);
    EXPECT_EQ(overlapCol, c.ok ? -7 : c.overlapCol);
}

const SizeCase kSizeCases[] = {
    {"ShrinkNextToOthers", "1 1 3 3  1 4 3 1", 1, 1, 2, 2, true, 0, 0},
    {"SpanReachesPastLastRow", "2 2 2 2", 1, 1, 2, 2, false, 2, 2},
    {"OwnerStartsAbove", "1 3 2 1", 2, 2, 1, 2, false, 1, 3},
    {"SwallowWhole2x2", "2 2 2 2", 1, 1, 3, 3, true, 0, 0},
    {"OwnerStartsLeft", "2 1 1 2", 1, 2, 2, 1, false, 2, 1},
    {"FirstOffenderInScanOrder", "3 1 2 1  1 3 1 2", 1, 1, 3, 3, false, 1, 3},
    {"PastBottomEdge", "", 6, 1, 2, 1, false, 6, 1},
    {"ZeroSpan", "", 1, 1, 0, 1, false, 1, 1},
};

auto CaseName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Examples, CellSizeOKTest, ::testing::ValuesIn(kSizeCases), CaseName);

struct ApplyCase {
    const char* name;
    const char* blocks;
    int row, col, rows, cols;
    const char* layout;
};

class ApplySpansTest : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(ApplySpansTest, LeavesTheExpectedLayoutAndKeepsFields) {
    const ApplyCase& c = GetParam();
    TableSpec table = LabelledTable(4, 4);
    PutBlocks(table, c.blocks);
    ApplySpans(table, c.row, c.col, c.rows, c.cols);
    EXPECT_EQ(Layout(table), c.layout);
    // Covering and releasing touch only spans and owners.
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            EXPECT_EQ(table.At(i, j).strContent, "r" + std::to_string(i) + "c" + std::to_string(j));
        }
    }
}

const ApplyCase kApplyCases[] = {
    {"Shrink3x3To1x1", "1 1 3 3", 1, 1, 1, 1, "- - - -|- - - -|- - - -|- - - -"},
    {"GrowOverWhole2x2", "2 2 2 2", 1, 1, 3, 3,
     "a3x3 1,1 1,1 -|1,1 1,1 1,1 -|1,1 1,1 1,1 -|- - - -"},
    {"TwoRowsBecomeTwoColumns", "2 2 2 1", 2, 2, 1, 2, "- - - -|- a1x2 2,2 -|- - - -|- - - -"},
    {"GrowInBothDirectionsFromSpan", "3 3 1 2", 3, 3, 2, 1, "- - - -|- - - -|- - a2x1 -|- - 3,3 -"},
    {"CutBackAtTableEdge", "", 3, 3, 5, 5, "- - - -|- - - -|- - a2x2 3,3|- - 3,3 3,3"},
    {"PartlySwallowedCellReleasesTheRest", "2 2 2 2", 1, 1, 2, 2,
     "a2x2 1,1 - -|1,1 1,1 - -|- - - -|- - - -"},
};

INSTANTIATE_TEST_SUITE_P(Examples, ApplySpansTest, ::testing::ValuesIn(kApplyCases), CaseName);

}  // namespace
}  // namespace tabloom
