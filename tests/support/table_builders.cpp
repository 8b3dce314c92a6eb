#include "table_builders.h"

#include <string>

namespace tabloom::testing {

TableSpec StartTable(int rows, int cols) {
    TableSpec t;
    InitTableState(t);
    t.intNumRows = static_cast<std::int16_t>(rows);
    t.intNumCols = static_cast<std::int16_t>(cols);
    return t;
}

void Span(TableSpec& t, int r, int c, int rows, int cols) {
    for (int i = r; i < r + rows; ++i) {
        for (int j = c; j < c + cols; ++j) {
            t.At(i, j).intRowSpan = t.At(i, j).intColSpan = 0;
            t.At(i, j).intOwnerRow = static_cast<std::int16_t>(r);
            t.At(i, j).intOwnerCol = static_cast<std::int16_t>(c);
        }
    }
    t.At(r, c).intRowSpan = static_cast<std::int16_t>(rows);
    t.At(r, c).intColSpan = static_cast<std::int16_t>(cols);
}

TableSpec RichTable() {
    TableSpec t;
    InitTableState(t);
    t.intNumRows = 4;
    t.intNumCols = 5;
    t.blnAddHTMLWrapper = true;
    t.blnCenterTable = true;
    t.blnAddPlaceMarkers = true;
    t.intTableWidth = 80;
    t.intTableWidthUnit = 0;
    t.intBorder = -1;
    t.intCellPadding = 0;
    t.intCellSpacing = 100;
    t.intBorderColorIndex = 6;
    t.intBorderStyleIndex = 9;
    t.lngTableTextColor = 0x123456;
    t.lngTableBgColor = 0x00FF00;

    Span(t, 1, 2, 2, 3);
    Span(t, 3, 1, 2, 1);
    Span(t, 4, 4, 1, 2);
    CellSpec& a = t.At(1, 1);
    a.strContent = "Price\r\n10 \"ex\"\r\n   indented, with a comma";
    a.lngTextColor = 0x0000FF;
    a.lngBgColor = 0;
    a.intAlign = 3;
    a.intVAlign = 1;
    a.intWidth = 1000;
    a.intWidthUnit = 1;
    a.intHeight = 10;
    a.strFontFace = "Arial \"Narrow\"";
    a.strFontSize = "+1";
    CellSpec& b = t.At(1, 2);
    b.strContent = "Caf\xC3\xA9 <b>bold</b>";
    b.intAlign = 2;
    b.intVAlign = 3;
    b.intWidth = 50;
    b.intWidthUnit = 0;
    b.strFontSize = "-2";
    t.At(2, 1).strContent = "\r\n\r\n";  // only line breaks
    t.At(3, 1).strContent = "  leading blanks";
    t.At(3, 1).intHeightUnit = 7;              // any unit other than 0 counts as pixels
    t.At(4, 3).strContent = "\xE2\x82\xAC 5";  // euro sign, in the code page
    // A covered position keeps its own content.
    t.At(1, 3).strContent = "hidden under the span";
    return t;
}

bool SameWholeGrid(const TableSpec& a, const TableSpec& b) {
    for (int r = 1; r <= intMaxRows; ++r) {
        for (int c = 1; c <= intMaxCols; ++c) {
            if (!a.At(r, c).SameSpec(b.At(r, c))) return false;
        }
    }
    return true;
}

TableSpec GreyTitledTable() {
    TableSpec t = StartTable(4, 3);
    for (int r = 2; r <= 4; ++r) {
        for (int c = 1; c <= 3; ++c) t.At(r, c).strContent = "v" + std::to_string(r * 10 + c);
    }
    Span(t, 1, 1, 1, 3);
    t.At(1, 1).strContent = "Title";
    t.lngTableTextColor = 0xAAAAAA;
    return t;
}

}  // namespace tabloom::testing
