#include "core/grid/row_column_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid_layout.h"

namespace tabloom {
namespace {

using testing::LabelledTable;
using testing::Layout;
using testing::PutBlock;

enum class Op { InsertRow, DeleteRow, InsertColumn, DeleteColumn };

struct Block {
    int row, col, rows, cols;
};

struct Content {
    int row, col;
    const char* text;
};

struct EditCase {
    const char* name;
    int rows, cols;
    std::vector<Block> blocks;
    Op op;
    int at;
    bool done;
    const char* layout;
    std::vector<Content> contents;
};

bool Apply(TableSpec& table, Op op, int at) {
    switch (op) {
        case Op::InsertRow:
            return InsertRow(table, at);
        case Op::DeleteRow:
            return DeleteRow(table, at);
        case Op::InsertColumn:
            return InsertColumn(table, at);
        case Op::DeleteColumn:
            return DeleteColumn(table, at);
    }
    return false;
}

class RowColumnEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(RowColumnEditTest, SpansFollowAndCellsMoveWithTheirContent) {
    const EditCase& c = GetParam();
    TableSpec table = LabelledTable(c.rows, c.cols);
    for (const Block& b : c.blocks) PutBlock(table, b.row, b.col, b.rows, b.cols);
    const TableSpec before = table;
    ASSERT_EQ(Apply(table, c.op, c.at), c.done);
    if (!c.done) {
        EXPECT_TRUE(table.SameSpec(before));
        return;
    }
    if (c.layout != nullptr) {
        EXPECT_EQ(Layout(table), c.layout);
    }
    for (const Content& want : c.contents) {
        EXPECT_EQ(table.At(want.row, want.col).strContent, want.text)
            << "row " << want.row << " column " << want.col;
    }
    // Nothing is left behind outside the table.
    for (int i = 1; i <= intMaxRows; ++i) {
        for (int j = 1; j <= intMaxCols; ++j) {
            if (i <= table.intNumRows && j <= table.intNumCols) continue;
            EXPECT_TRUE(table.At(i, j).strContent.empty()) << i << "," << j;
            EXPECT_EQ(table.At(i, j).intOwnerRow, i);
            EXPECT_EQ(table.At(i, j).intOwnerCol, j);
        }
    }
}

constexpr const char* kPlain3x4 = "a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1";
constexpr const char* kBlockRowsKept =
    "a1x1 a1x1 a1x1 a1x1|a1x1 a2x2 2,2 a1x1|a1x1 2,2 2,2 a1x1|a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 "
    "a1x1 a1x1";

INSTANTIATE_TEST_SUITE_P(
    Rows, RowColumnEditTest,
    ::testing::Values(
        EditCase{"InsertAboveBlock",
                 4,
                 4,
                 {{2, 2, 2, 2}},
                 Op::InsertRow,
                 2,
                 true,
                 "a1x1 a1x1 a1x1 a1x1|a1x1 a1x1 a1x1 a1x1|a1x1 a2x2 3,2 a1x1|a1x1 3,2 3,2 "
                 "a1x1|a1x1 a1x1 a1x1 a1x1",
                 {{2, 1, ""}, {2, 2, ""}, {3, 2, "r2c2"}, {5, 4, "r4c4"}, {1, 1, "r1c1"}}},
        EditCase{"InsertInsideBlockWidensIt",
                 4,
                 4,
                 {{2, 2, 2, 2}},
                 Op::InsertRow,
                 3,
                 true,
                 "a1x1 a1x1 a1x1 a1x1|a1x1 a3x2 2,2 a1x1|a1x1 2,2 2,2 a1x1|a1x1 2,2 2,2 "
                 "a1x1|a1x1 a1x1 a1x1 a1x1",
                 {{2, 2, "r2c2"}, {3, 1, ""}, {4, 1, "r3c1"}, {4, 3, "r3c3"}}},
        EditCase{"InsertBelowBlock",
                 4,
                 4,
                 {{2, 2, 2, 2}},
                 Op::InsertRow,
                 4,
                 true,
                 kBlockRowsKept,
                 {{4, 1, ""}, {5, 1, "r4c1"}}},
        EditCase{"InsertAfterLastRow",
                 4,
                 4,
                 {{2, 2, 2, 2}},
                 Op::InsertRow,
                 5,
                 true,
                 kBlockRowsKept,
                 {{4, 1, "r4c1"}, {5, 1, ""}}},
        EditCase{"InsertOneByOne",
                 1,
                 1,
                 {},
                 Op::InsertRow,
                 1,
                 true,
                 "a1x1|a1x1",
                 {{1, 1, ""}, {2, 1, "r1c1"}}},
        EditCase{
            "InsertAtTwentyRefused", 20, 20, {{19, 19, 2, 2}}, Op::InsertRow, 1, false, "", {}},
        EditCase{"InsertOutOfRangeRefused", 4, 4, {}, Op::InsertRow, 6, false, "", {}},
        EditCase{"DeleteAboveBlock",
                 4,
                 4,
                 {{2, 2, 2, 2}},
                 Op::DeleteRow,
                 1,
                 true,
                 "a1x1 a2x2 1,2 a1x1|a1x1 1,2 1,2 a1x1|a1x1 a1x1 a1x1 a1x1",
                 {{1, 1, "r2c1"}, {1, 2, "r2c2"}, {3, 4, "r4c4"}}},
        EditCase{"DeleteBlockFirstRowKeepsItsContent",
                 4,
                 4,
                 {{2, 2, 2, 2}},
                 Op::DeleteRow,
                 2,
                 true,
                 "a1x1 a1x1 a1x1 a1x1|a1x1 a1x2 2,2 a1x1|a1x1 a1x1 a1x1 a1x1",
                 {{2, 1, "r3c1"}, {2, 2, "r2c2"}, {2, 4, "r3c4"}}},
        EditCase{"DeleteBlockLastRow",
                 4,
                 4,
                 {{2, 2, 2, 2}},
                 Op::DeleteRow,
                 3,
                 true,
                 "a1x1 a1x1 a1x1 a1x1|a1x1 a1x2 2,2 a1x1|a1x1 a1x1 a1x1 a1x1",
                 {{2, 2, "r2c2"}, {3, 1, "r4c1"}}},
        EditCase{"DeleteMiddleOfTallBlock",
                 4,
                 4,
                 {{1, 1, 4, 1}},
                 Op::DeleteRow,
                 2,
                 true,
                 "a3x1 a1x1 a1x1 a1x1|1,1 a1x1 a1x1 a1x1|1,1 a1x1 a1x1 a1x1",
                 {{1, 1, "r1c1"}, {2, 2, "r3c2"}}},
        EditCase{"DeleteOneRowBlockGoesWithIt",
                 4,
                 4,
                 {{2, 2, 1, 3}},
                 Op::DeleteRow,
                 2,
                 true,
                 kPlain3x4,
                 {{2, 2, "r3c2"}}},
        EditCase{"DeleteBelowBlock",
                 4,
                 4,
                 {{1, 2, 2, 2}},
                 Op::DeleteRow,
                 4,
                 true,
                 "a1x1 a2x2 1,2 a1x1|a1x1 1,2 1,2 a1x1|a1x1 a1x1 a1x1 a1x1",
                 {{3, 1, "r3c1"}}},
        EditCase{"DeleteLastOfTwenty",
                 20,
                 20,
                 {{19, 19, 2, 2}},
                 Op::DeleteRow,
                 20,
                 true,
                 nullptr,
                 {{19, 19, "r19c19"}}},
        EditCase{"DeleteOnlyRowRefused", 1, 4, {}, Op::DeleteRow, 1, false, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Columns, RowColumnEditTest,
    ::testing::Values(
        EditCase{"InsertInsideBlockWidensIt",
                 3,
                 3,
                 {{1, 1, 2, 2}},
                 Op::InsertColumn,
                 2,
                 true,
                 "a2x3 1,1 1,1 a1x1|1,1 1,1 1,1 a1x1|a1x1 a1x1 a1x1 a1x1",
                 {{1, 1, "r1c1"}, {3, 2, ""}, {3, 3, "r3c2"}, {1, 4, "r1c3"}}},
        EditCase{"InsertLeftOfBlock",
                 3,
                 3,
                 {{1, 2, 2, 2}},
                 Op::InsertColumn,
                 1,
                 true,
                 "a1x1 a1x1 a2x2 1,3|a1x1 a1x1 1,3 1,3|a1x1 a1x1 a1x1 a1x1",
                 {{1, 1, ""}, {1, 2, "r1c1"}, {1, 3, "r1c2"}}},
        EditCase{"DeleteBlockFirstColumn",
                 3,
                 3,
                 {{1, 1, 2, 2}},
                 Op::DeleteColumn,
                 1,
                 true,
                 "a2x1 a1x1|1,1 a1x1|a1x1 a1x1",
                 {{1, 1, "r1c1"}, {1, 2, "r1c3"}, {3, 1, "r3c2"}}},
        EditCase{"DeleteOneColumnBlockGoesWithIt",
                 3,
                 3,
                 {{1, 2, 3, 1}},
                 Op::DeleteColumn,
                 2,
                 true,
                 "a1x1 a1x1|a1x1 a1x1|a1x1 a1x1",
                 {{2, 2, "r2c3"}}},
        EditCase{"InsertAtTwentyRefused", 4, 20, {}, Op::InsertColumn, 3, false, "", {}},
        EditCase{"DeleteOnlyColumnRefused", 4, 1, {}, Op::DeleteColumn, 1, false, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct MarkerCase {
    const char* name;
    Op op;
    int at;
    std::vector<Content> contents;
};

class RenumberMarkersTest : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(RenumberMarkersTest, MarkersNameTheirNewPositions) {
    const MarkerCase& c = GetParam();
    TableSpec table;
    table.intNumRows = 3;
    table.intNumCols = 3;
    table.blnAddPlaceMarkers = true;
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j)
            table.At(i, j).strContent = "R" + std::to_string(i) + "C" + std::to_string(j);
    }
    table.At(2, 2).strContent = "typed";
    ASSERT_TRUE(Apply(table, c.op, c.at));
    for (const Content& want : c.contents) {
        EXPECT_EQ(table.At(want.row, want.col).strContent, want.text)
            << "row " << want.row << " column " << want.col;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Markers, RenumberMarkersTest,
    ::testing::Values(
        MarkerCase{"InsertRow",
                   Op::InsertRow,
                   1,
                   {{1, 1, "R1C1"}, {2, 1, "R2C1"}, {3, 2, "typed"}, {4, 3, "R4C3"}}},
        MarkerCase{"DeleteRow", Op::DeleteRow, 1, {{1, 2, "typed"}, {2, 3, "R2C3"}}},
        MarkerCase{
            "InsertColumn", Op::InsertColumn, 2, {{2, 2, "R2C2"}, {2, 3, "typed"}, {3, 4, "R3C4"}}},
        MarkerCase{"DeleteColumn", Op::DeleteColumn, 1, {{2, 1, "typed"}, {3, 2, "R3C2"}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tabloom
