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

// Every field but the span and owner ones, and the drawn rectangle.
bool SameOtherFields(const CellSpec& a, const CellSpec& b) {
    return a.lngTextColor == b.lngTextColor && a.lngBgColor == b.lngBgColor &&
           a.strContent == b.strContent && a.intAlign == b.intAlign && a.intVAlign == b.intVAlign &&
           a.intWidth == b.intWidth && a.intWidthUnit == b.intWidthUnit &&
           a.strFontFace == b.strFontFace && a.strFontSize == b.strFontSize &&
           a.intHeight == b.intHeight && a.intHeightUnit == b.intHeightUnit;
}

class Random {
  public:
    explicit Random(unsigned seed) : engine_(seed) {}
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }
    bool Coin() { return Between(0, 1) == 1; }

  private:
    std::mt19937 engine_;
};

void Anchor(const TableSpec& table, Random& random, int& row, int& col) {
    row = random.Between(1, table.intNumRows);
    col = random.Between(1, table.intNumCols);
    const CellSpec& pos = table.At(row, col);
    row = pos.intOwnerRow;
    col = pos.intOwnerCol;
}

std::string RoundTrip(const TableSpec& table, std::string& again) {
    std::string bytes, reason;
    if (!FormatTable(table, "out.htm", bytes, reason)) return "format: " + reason;
    const TableLoadResult loaded = ParseTable(bytes);
    if (!loaded.ok) return "parse: " + loaded.reason;
    TableSpec back;
    ApplyLoadedTable(loaded.data, back);
    if (!FormatTable(back, "out.htm", again, reason)) return "format again: " + reason;
    if (again != bytes) return "bytes differ";
    return {};
}

// One random change of the table, described for failure messages.
std::string Step(TableSpec& table, Random& random) {
    int row = 0, col = 0;
    switch (random.Between(0, 7)) {
        case 0:
        case 1: {
            Anchor(table, random, row, col);
            const int rows = random.Between(1, table.intNumRows - row + 1);
            const int cols = random.Between(1, table.intNumCols - col + 1);
            std::int16_t overlapRow = 0, overlapCol = 0;
            if (!CellSizeOK(table, row, col, rows, cols, overlapRow, overlapCol)) return "refused";
            const TableSpec before = table;
            ApplySpans(table, row, col, rows, cols);
            for (int i = 1; i <= intMaxRows; ++i) {
                for (int j = 1; j <= intMaxCols; ++j) {
                    if (!SameOtherFields(before.At(i, j), table.At(i, j))) {
                        return "span edit changed fields at " + std::to_string(i) + "," +
                               std::to_string(j);
                    }
                }
            }
            table.At(row, col).strContent = random.Coin() ? "x" + std::to_string(row) : "a\r\nb";
            return "span " + std::to_string(rows) + "x" + std::to_string(cols) + " at " +
                   std::to_string(row) + "," + std::to_string(col);
        }
        case 2:
            table.intNumRows = static_cast<std::int16_t>(random.Between(1, intMaxRows));
            table.intNumCols = static_cast<std::int16_t>(random.Between(1, intMaxCols));
            AdjustCellsToDimensions(table);
            FillPlaceMarkers(table, table.blnAddPlaceMarkers);
            return "dimensions " + std::to_string(table.intNumRows) + "x" +
                   std::to_string(table.intNumCols);
        case 3: {
            Anchor(table, random, row, col);
            table.At(row, col).lngTextColor = random.Between(0, 0xFFFFFF);
            table.At(row, col).lngBgColor = random.Between(0, 0xFFFFFF);
            table.At(row, col).intAlign = static_cast<std::int16_t>(random.Between(0, 3));
            CopyChoice choice;
            choice.target = static_cast<CopyTarget>(random.Between(0, 3));
            choice.toRow = random.Between(0, table.intNumRows);
            choice.toCol = random.Between(0, table.intNumCols);
            choice.font = random.Coin();
            choice.content = random.Coin();
            choice.alignment = random.Coin();
            choice.width = random.Coin();
            choice.height = random.Coin();
            choice.colors = random.Coin();
            CopyCellProperties(table, row, col, choice);
            return "copy from " + std::to_string(row) + "," + std::to_string(col);
        }
        case 4:
            table.blnAddPlaceMarkers = !table.blnAddPlaceMarkers;
            FillPlaceMarkers(table, table.blnAddPlaceMarkers);
            return "markers";
        case 5:
            row = random.Between(1, table.intNumRows + 1);
            return InsertRow(table, row) ? "insert row " + std::to_string(row) : "no insert";
        case 6:
            row = random.Between(1, table.intNumRows);
            return random.Coin()
                       ? (DeleteRow(table, row) ? "delete row" : "no delete")
                       : (DeleteColumn(table, row <= table.intNumCols ? row : 1) ? "delete column"
                                                                                 : "no delete");
        default:
            col = random.Between(1, table.intNumCols + 1);
            return InsertColumn(table, col) ? "insert column " + std::to_string(col) : "no insert";
    }
}

class GridPropertyTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(GridPropertyTest, RandomEditsKeepTheTableSoundAndStorable) {
    Random random(GetParam());
    TableSpec table;
    InitTableState(table);
    for (int step = 0; step < 300; ++step) {
        const std::string what = Step(table, random);
        ASSERT_EQ(CheckTable(table), "") << "after step " << step << ": " << what;
        if (step % 25 == 0) {
            std::string bytes;
            ASSERT_EQ(RoundTrip(table, bytes), "") << "after step " << step << ": " << what;
        }
    }
    std::string bytes;
    EXPECT_EQ(RoundTrip(table, bytes), "");
}

INSTANTIATE_TEST_SUITE_P(Seeds, GridPropertyTest, ::testing::Range(1u, 41u),
                         [](const auto& info) { return "Seed" + std::to_string(info.param); });

}  // namespace
}  // namespace tabloom
