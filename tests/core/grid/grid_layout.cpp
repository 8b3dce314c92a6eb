#include "grid_layout.h"

#include <sstream>

namespace tabloom::testing {

void PutBlocks(TableSpec& table, const char* blocks) {
    std::istringstream in(blocks);
    for (int row, col, rows, cols; in >> row >> col >> rows >> cols;) {
        Span(table, row, col, rows, cols);
    }
}

std::string Layout(const TableSpec& table) {
    std::string out;
    for (int i = 1; i <= table.intNumRows; ++i) {
        if (i > 1) out += '|';
        for (int j = 1; j <= table.intNumCols; ++j) {
            if (j > 1) out += ' ';
            const CellSpec& pos = table.At(i, j);
            const bool anchor = pos.intRowSpan > 0 && pos.intOwnerRow == i && pos.intOwnerCol == j;
            if (anchor && pos.intRowSpan == 1 && pos.intColSpan == 1) {
                out += '-';
            } else if (anchor) {
                out += "a" + std::to_string(pos.intRowSpan) + "x" + std::to_string(pos.intColSpan);
            } else {
                out += std::to_string(pos.intOwnerRow) + "," + std::to_string(pos.intOwnerCol);
            }
        }
    }
    return out;
}

TableSpec LabelledTable(int rows, int cols) {
    TableSpec table;
    table.intNumRows = static_cast<std::int16_t>(rows);
    table.intNumCols = static_cast<std::int16_t>(cols);
    for (int i = 1; i <= intMaxRows; ++i) {
        for (int j = 1; j <= intMaxCols; ++j) {
            table.At(i, j).strContent = "r" + std::to_string(i) + "c" + std::to_string(j);
        }
    }
    return table;
}

}  // namespace tabloom::testing
