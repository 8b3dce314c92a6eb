#include "core/grid/row_column_edit.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "core/grid/place_marker_fill.h"
#include "core/grid/span_rules.h"
#include "core/model/check_table.h"
#include "grid_layout.h"

namespace tabloom {
namespace {

using testing::LabelledTable;
using testing::Layout;
using testing::PutBlocks;

using Op = bool (*)(TableSpec&, int);

// blocks: as PutBlocks reads them; layout: nullptr: refused; "": not checked; contents:
// "row,col=text" separated by blanks.
// clang-format off
struct EditCase { const char* name; int rows, cols; const char* blocks; Op op; int at;
    const char* layout; const char* contents; };
// clang-format on

void ExpectContents(const TableSpec& table, const char* contents) {
    std::istringstream in(contents);
    for (std::string item; in >> item;) {
        int row = 0, col = 0;
        char comma = 0;
        std::istringstream at(item.substr(0, item.find('=')));
        at >> row >> comma >> col;
        EXPECT_EQ(table.At(row, col).strContent, item.substr(item.find('=') + 1)) << item;
    }
}

class RowColumnEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(RowColumnEditTest, SpansFollowAndCellsMoveWithTheirContent) {
    const EditCase& c = GetParam();
    TableSpec table = LabelledTable(c.rows, c.cols);
    PutBlocks(table, c.blocks);
    const TableSpec before = table;
    ASSERT_EQ(c.op(table, c.at), c.layout != nullptr);
    if (c.layout == nullptr) {
        EXPECT_TRUE(table.SameSpec(before));
        return;
    }
    if (*c.layout != '\0') {
        EXPECT_EQ(Layout(table), c.layout);
    }
    ExpectContents(table, c.contents);
    // Nothing is left behind outside the table.
    EXPECT_TRUE(table.At(table.intNumRows + 1, 1).strContent.empty());
}

const EditCase kRowCases[] = {
    {"InsertAboveBlock", 4, 4, "2 2 2 2", InsertRow, 2,
     "- - - -|- - - -|- a2x2 3,2 -|- 3,2 3,2 -|- - - -", "2,1= 2,2= 3,2=r2c2 5,4=r4c4 1,1=r1c1"},
    {"InsertInsideBlockWidensIt", 4, 4, "2 2 2 2", InsertRow, 3,
     "- - - -|- a3x2 2,2 -|- 2,2 2,2 -|- 2,2 2,2 -|- - - -", "2,2=r2c2 3,1= 4,1=r3c1 4,3=r3c3"},
    {"InsertAfterLastRow", 4, 4, "2 2 2 2", InsertRow, 5,
     "- - - -|- a2x2 2,2 -|- 2,2 2,2 -|- - - -|- - - -", "4,1=r4c1 5,1="},
    {"InsertAtTwentyRefused", 20, 20, "19 19 2 2", InsertRow, 1, nullptr, ""},
    {"InsertOutOfRangeRefused", 4, 4, "", InsertRow, 6, nullptr, ""},
    {"DeleteAboveBlock", 4, 4, "2 2 2 2", DeleteRow, 1, "- a2x2 1,2 -|- 1,2 1,2 -|- - - -",
     "1,1=r2c1 1,2=r2c2 3,4=r4c4"},
    {"DeleteBlockFirstRowKeepsItsContent", 4, 4, "2 2 2 2", DeleteRow, 2,
     "- - - -|- a1x2 2,2 -|- - - -", "2,1=r3c1 2,2=r2c2 2,4=r3c4"},
    {"DeleteOneRowBlockGoesWithIt", 4, 4, "2 2 1 3", DeleteRow, 2, "- - - -|- - - -|- - - -",
     "2,2=r3c2"},
    {"DeleteLastOfTwenty", 20, 20, "19 19 2 2", DeleteRow, 20, "", "19,19=r19c19"},
    {"DeleteOnlyRowRefused", 1, 4, "", DeleteRow, 1, nullptr, ""},
};

const EditCase kColumnCases[] = {
    {"InsertInsideBlockWidensIt", 3, 3, "1 1 2 2", InsertColumn, 2,
     "a2x3 1,1 1,1 -|1,1 1,1 1,1 -|- - - -", "1,1=r1c1 3,2= 3,3=r3c2 1,4=r1c3"},
    {"DeleteBlockFirstColumn", 3, 3, "1 1 2 2", DeleteColumn, 1, "a2x1 -|1,1 -|- -",
     "1,1=r1c1 1,2=r1c3 3,1=r3c2"},
    {"DeleteOnlyColumnRefused", 4, 1, "", DeleteColumn, 1, nullptr, ""},
};

auto CaseName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Rows, RowColumnEditTest, ::testing::ValuesIn(kRowCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Columns, RowColumnEditTest, ::testing::ValuesIn(kColumnCases), CaseName);

// Place markers are renumbered to their new positions; typed text moves.
TEST(RenumberMarkersTest, MarkersNameTheirNewPositions) {
    TableSpec table = testing::StartTable(3, 3);
    table.blnAddPlaceMarkers = true;
    table.At(2, 2).strContent = "typed";
    FillPlaceMarkers(table, true);
    ASSERT_TRUE(InsertRow(table, 1) && DeleteColumn(table, 1));
    ExpectContents(table, "1,1=R1C1 2,1=R2C1 3,1=typed 4,2=R4C2");
}

// blocks: as PutBlocks reads them; overlapRow, overlapCol: only when refused.
// clang-format off
struct SizeCase { const char* name; const char* blocks; int row, col, rows, cols; bool ok;
    int overlapRow, overlapCol; };
// clang-format on

TEST(CellSizeOKTest, AnswersAndNamesTheFirstOffender) {
    const SizeCase cases[] = {
        {"ShrinkNextToOthers", "1 1 3 3  1 4 3 1", 1, 1, 2, 2, true, 0, 0},
        {"SpanReachesPastLastRow", "2 2 2 2", 1, 1, 2, 2, false, 2, 2},
        {"OwnerStartsAbove", "1 3 2 1", 2, 2, 1, 2, false, 1, 3},
        {"OwnerStartsLeft", "2 1 1 2", 1, 2, 2, 1, false, 2, 1},
        {"FirstOffenderInScanOrder", "3 1 2 1  1 3 1 2", 1, 1, 3, 3, false, 1, 3},
        {"PastBottomEdge", "", 6, 1, 2, 1, false, 6, 1},
        {"ZeroSpan", "", 1, 1, 0, 1, false, 1, 1},
    };
    for (const SizeCase& c : cases) {
        TableSpec table = LabelledTable(6, 6);
        PutBlocks(table, c.blocks);
        std::int16_t overlapRow = -7, overlapCol = -7;
        EXPECT_EQ(CellSizeOK(table, c.row, c.col, c.rows, c.cols, overlapRow, overlapCol), c.ok);
        EXPECT_EQ(std::pair(overlapRow * 1, overlapCol * 1),
                  c.ok ? std::pair(-7, -7) : std::pair(c.overlapRow, c.overlapCol))
            << c.name;
    }
}

// clang-format off
struct ApplyCase { const char* name; const char* blocks; int row, col, rows, cols;
    const char* layout; };
// clang-format on

TEST(ApplySpansTest, LeavesTheExpectedLayout) {
    const ApplyCase cases[] = {
        {"Shrink3x3To1x1", "1 1 3 3", 1, 1, 1, 1, "- - - -|- - - -|- - - -|- - - -"},
        {"TwoRowsBecomeTwoColumns", "2 2 2 1", 2, 2, 1, 2, "- - - -|- a1x2 2,2 -|- - - -|- - - -"},
        {"GrowInBothDirectionsFromSpan", "3 3 1 2", 3, 3, 2, 1,
         "- - - -|- - - -|- - a2x1 -|- - 3,3 -"},
        {"CutBackAtTableEdge", "", 3, 3, 5, 5, "- - - -|- - - -|- - a2x2 3,3|- - 3,3 3,3"},
        {"PartlySwallowedCellReleasesTheRest", "2 2 2 2", 1, 1, 2, 2,
         "a2x2 1,1 - -|1,1 1,1 - -|- - - -|- - - -"},
    };
    for (const ApplyCase& c : cases) {
        TableSpec table = LabelledTable(4, 4);
        PutBlocks(table, c.blocks);
        ApplySpans(table, c.row, c.col, c.rows, c.cols);
        EXPECT_EQ(Layout(table), c.layout) << c.name;
    }
}

// One random change of the table; returns its name for failure messages.
std::string Step(TableSpec& table, std::mt19937& engine) {
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine);
    };
    const CellSpec& picked = table.At(between(1, table.intNumRows), between(1, table.intNumCols));
    const int row = picked.intOwnerRow, col = picked.intOwnerCol;
    switch (between(0, 6)) {
        case 0:
        case 1: {
            const int rows = between(1, table.intNumRows - row + 1);
            const int cols = between(1, table.intNumCols - col + 1);
            std::int16_t overlapRow = 0, overlapCol = 0;
            if (!CellSizeOK(table, row, col, rows, cols, overlapRow, overlapCol)) return "refused";
            ApplySpans(table, row, col, rows, cols);
            table.At(row, col).strContent = between(0, 1) ? "x" : "a\r\nb";
            return "span";
        }
        case 2:
            table.intNumRows = static_cast<std::int16_t>(between(1, intMaxRows));
            table.intNumCols = static_cast<std::int16_t>(between(1, intMaxCols));
            AdjustCellsToDimensions(table);
            FillPlaceMarkers(table, table.blnAddPlaceMarkers);
            return "dimensions";
        case 3:
            table.blnAddPlaceMarkers = !table.blnAddPlaceMarkers;
            FillPlaceMarkers(table, table.blnAddPlaceMarkers);
            return "markers";
        case 4:
            return InsertRow(table, between(1, table.intNumRows + 1)) ? "insert row" : "no insert";
        case 5:
            return DeleteRow(table, row) || DeleteColumn(table, col) ? "delete" : "no delete";
        default:
            return InsertColumn(table, between(1, table.intNumCols + 1)) ? "insert column"
                                                                         : "no insert";
    }
}

class GridPropertyTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(GridPropertyTest, RandomEditsKeepTheTableSound) {
    std::mt19937 engine(GetParam());
    TableSpec table;
    InitTableState(table);
    for (int step = 0; step < 300; ++step) {
        const std::string what = Step(table, engine);
        ASSERT_EQ(CheckTable(table), "") << "after step " << step << ": " << what;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, GridPropertyTest, ::testing::Range(1u, 41u),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });

}  // namespace
}  // namespace tabloom
