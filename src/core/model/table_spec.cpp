#include "core/model/table_spec.h"

namespace tabloom {

bool CellSpec::SameSpec(const CellSpec& o) const {
    return intRowSpan == o.intRowSpan && intColSpan == o.intColSpan &&
           lngTextColor == o.lngTextColor && lngBgColor == o.lngBgColor &&
           strContent == o.strContent && intOwnerRow == o.intOwnerRow &&
           intOwnerCol == o.intOwnerCol && intAlign == o.intAlign && intVAlign == o.intVAlign &&
           intWidth == o.intWidth && intWidthUnit == o.intWidthUnit &&
           strFontFace == o.strFontFace && strFontSize == o.strFontSize &&
           intHeight == o.intHeight && intHeightUnit == o.intHeightUnit;
}

TableSpec::TableSpec() {
    for (std::int16_t r = 0; r <= intMaxRows; ++r) {
        for (std::int16_t c = 0; c <= intMaxCols; ++c) {
            Cell[r][c].intOwnerRow = r;
            Cell[r][c].intOwnerCol = c;
        }
    }
}

bool TableSpec::SameSpec(const TableSpec& o) const {
    if (intNumRows != o.intNumRows || intNumCols != o.intNumCols ||
        intTableWidth != o.intTableWidth || intTableWidthUnit != o.intTableWidthUnit ||
        intBorder != o.intBorder || intCellPadding != o.intCellPadding ||
        intCellSpacing != o.intCellSpacing || intBorderColorIndex != o.intBorderColorIndex ||
        intBorderStyleIndex != o.intBorderStyleIndex || lngTableTextColor != o.lngTableTextColor ||
        lngTableBgColor != o.lngTableBgColor || blnAddHTMLWrapper != o.blnAddHTMLWrapper ||
        blnCenterTable != o.blnCenterTable || blnAddPlaceMarkers != o.blnAddPlaceMarkers ||
        blnUseSpecifiedColors != o.blnUseSpecifiedColors) {
        return false;
    }
    for (int r = 1; r <= intNumRows && r <= intMaxRows; ++r) {
        for (int c = 1; c <= intNumCols && c <= intMaxCols; ++c) {
            if (!Cell[r][c].SameSpec(o.Cell[r][c])) return false;
        }
    }
    return true;
}

void ResetCell(TableSpec& table, std::int16_t row, std::int16_t col) {
    CellSpec& cell = table.Cell[row][col];
    cell.intRowSpan = 1;
    cell.intColSpan = 1;
    cell.lngTextColor = NotSpecifiedColor;
    cell.lngBgColor = NotSpecifiedColor;
    cell.strContent.clear();
    cell.intOwnerRow = row;
    cell.intOwnerCol = col;
    cell.intAlign = 0;
    cell.intVAlign = 0;
    cell.intWidth = -1;
    cell.intWidthUnit = 1;
    cell.intHeight = -1;
    cell.intHeightUnit = 1;
    cell.strFontFace.clear();
    cell.strFontSize.clear();
}

void NewTable(TableSpec& table) {
    table.lngTableTextColor = 0x000000;
    table.lngTableBgColor = 0xFFFFFF;
    table.intNumRows = 6;
    table.intNumCols = 6;
    for (std::int16_t r = 1; r <= intMaxRows; ++r) {
        for (std::int16_t c = 1; c <= intMaxCols; ++c) ResetCell(table, r, c);
    }
}

void AdjustCellsToDimensions(TableSpec& table) {
    const std::int16_t rows = table.intNumRows;
    const std::int16_t cols = table.intNumCols;
    for (std::int16_t r = 1; r <= intMaxRows; ++r) {
        for (std::int16_t c = 1; c <= intMaxCols; ++c) {
            if (r > rows || c > cols) {
                ResetCell(table, r, c);
                continue;
            }
            CellSpec& cell = table.Cell[r][c];
            if (r + cell.intRowSpan - 1 > rows) cell.intRowSpan = static_cast<std::int16_t>(rows - r + 1);
            if (c + cell.intColSpan - 1 > cols) cell.intColSpan = static_cast<std::int16_t>(cols - c + 1);
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
