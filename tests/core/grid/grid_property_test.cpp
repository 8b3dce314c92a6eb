#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/grid/copy_cell_properties.h"
#include "core/grid/place_marker_fill.h"
#include "core/grid/row_column_edit.h"
#include "core/grid/span_rules.h"
#include "core/model/check_table.h"
#include "core/storage/table_file.h"

namespace tabloom {
namespace {

// One random change of the table; returns its name for failure messages.
std::string Step(TableSpec& table, std::mt19937& engine) {
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine);
    };
    const CellSpec& picked = table.At(between(1, table.intNumRows), between(1, table.intNumCols));
    const int row = picked.intOwnerRow, col = picked.intOwnerCol;
    switch (between(0, 7)) {
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
        case 3: {
            table.At(row, col).lngTextColor = between(0, 0xFFFFFF);
            table.At(row, col).lngBgColor = between(0, 0xFFFFFF);
            CopyChoice choice;
            choice.target = static_cast<CopyTarget>(between(0, 3));
            choice.toRow = between(0, table.intNumRows);
            choice.toCol = between(0, table.intNumCols);
            choice.font = choice.content = choice.width = between(0, 1);
            choice.alignment = choice.height = choice.colors = between(0, 1);
            CopyCellProperties(table, row, col, choice);
            return "copy";
        }
        case 4:
            table.blnAddPlaceMarkers = !table.blnAddPlaceMarkers;
            FillPlaceMarkers(table, table.blnAddPlaceMarkers);
            return "markers";
        case 5:
            return InsertRow(table, between(1, table.intNumRows + 1)) ? "insert row" : "no insert";
        case 6:
            return DeleteRow(table, row) || DeleteColumn(table, col) ? "delete" : "no delete";
        default:
            return InsertColumn(table, between(1, table.intNumCols + 1)) ? "insert column"
                                                                         : "no insert";
    }
}

class GridPropertyTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(GridPropertyTest, RandomEditsKeepTheTableSoundAndStorable) {
    std::mt19937 engine(GetParam());
    TableSpec table;
    InitTableState(table);
    for (int step = 0; step < 300; ++step) {
        const std::string what = Step(table, engine);
        ASSERT_EQ(CheckTable(table), "") << "after step " << step << ": " << what;
    }
    std::string bytes, again, reason;
    ASSERT_TRUE(FormatTable(table, "out.htm", bytes, reason)) << reason;
    const TableLoadResult loaded = ParseTable(bytes);
    ASSERT_TRUE(loaded.ok) << loaded.reason;
    TableSpec back;
    ApplyLoadedTable(loaded.data, back);
    ASSERT_TRUE(FormatTable(back, "out.htm", again, reason)) << reason;
    EXPECT_EQ(again, bytes);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GridPropertyTest, ::testing::Range(1u, 41u),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });

}  // namespace
}  // namespace tabloom
