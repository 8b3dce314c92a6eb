#include "core/model/table_spec.h"

#include <utility>

namespace tabloom {

TableSpec::TableSpec() {
    for (std::int16_t r = 0; r <= intMaxRows; ++r) {
        for (std::int16_t c = 0; c <= intMaxCols; ++c) {
            Cell[r][c].intOwnerRow = r;
            Cell[r][c].intOwnerCol = c;
        }
    }
}

bool TableSpec::SameSpec(const TableSpec& o) const {
    if (TableFields() != o.TableFields()) return false;
    for (int r = 1; r <= intNumRows && r <= intMaxRows; ++r) {
        for (int c = 1; c <= intNumCols && c <= intMaxCols; ++c) {
            if (!Cell[r][c].SameSpec(o.Cell[r][c])) return false;
        }
    }
    return true;
}

void ResetCell(TableSpec& table, std::int16_t row, std::int16_t col) {
    CellSpec& cell = table.Cell[row][col];
    CellSpec fresh;
    fresh.intOwnerRow = row;
    fresh.intOwnerCol = col;
    fresh.intTop = cell.intTop;
    fresh.intLeft = cell.intLeft;
    fresh.intBottom = cell.intBottom;
    fresh.intRight = cell.intRight;
    cell = std::move(fresh);
}

void NewTable(TableSpec& table) {
    table.lngTableTextColor = 0x000000;
    table.lngTableBgColor = 0xFFFFFF;
    table.intNumRows = 6;
    table.intNumCols = 6;
    table.intHeaderRows = 0;
    table.intHeaderCols = 0;
    table.strCaption.clear();
    for (std::int16_t r = 1; r <= intMaxRows; ++r) {
        for (std::int16_t c = 1; c <= intMaxCols; ++c) ResetCell(table, r, c);
    }
}

void AdjustCellsToDimensions(TableSpec& table) {
    const std::int16_t rows = table.intNumRows;
    const std::int16_t cols = table.intNumCols;
    if (table.intHeaderRows > rows) table.intHeaderRows = rows;
    if (table.intHeaderCols > cols) table.intHeaderCols = cols;
    for (std::int16_t r = 1; r <= intMaxRows; ++r) {
        for (std::int16_t c = 1; c <= intMaxCols; ++c) {
            if (r > rows || c > cols) {
                ResetCell(table, r, c);
                continue;
            }
            CellSpec& cell = table.Cell[r][c];
            if (r + cell.intRowSpan - 1 > rows)
                cell.intRowSpan = static_cast<std::int16_t>(rows - r + 1);
            if (c + cell.intColSpan - 1 > cols)
                cell.intColSpan = static_cast<std::int16_t>(cols - c + 1);
        }
    }
}

void InitTableState(TableSpec& table) {
    table.lngTableTextColor = 0x000000;
    table.lngTableBgColor = 0xFFFFFF;
    table.intTableWidth = -1;
    table.intTableWidthUnit = 1;
    table.intBorder = 4;
    table.intCellPadding = 4;
    table.intCellSpacing = 4;
    table.intBorderColorIndex = 0;
    table.intBorderStyleIndex = 2;
    table.blnAddHTMLWrapper = false;
    table.blnCenterTable = false;
    table.blnAddPlaceMarkers = false;
    NewTable(table);
}

}  // namespace tabloom
