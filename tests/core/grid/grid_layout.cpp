#include "grid_layout.h"

namespace tabloom::testing {

void PutBlock(TableSpec& table, int row, int col, int rows, int cols) {
    for (int i = row; i < row + rows; ++i) {
        for (int j = col; j < col + cols; ++j) {
            CellSpec& pos = table.At(i, j);
            pos.intRowSpan = 0;
            pos.intColSpan = 0;
            pos.intOwnerRow = static_cast<std::int16_t>(row);
            pos.intOwnerCol = static_cast<std::int16_t>(col);
        }
    }
    CellSpec& anchor = table.At(row, col);
    anchor.intRowSpan = static_cast<std::int16_t>(rows);
    anchor.intColSpan = static_cast<std::int16_t>(cols);
}

std::string Layout(const TableSpec& table) {
    std::string out;
    for (int i = 1; i <= table.intNumRows; ++i) {
        if (i > 1) out += '|';
        for (int j = 1; j <= table.intNumCols; ++j) {
            if (j > 1) out += ' ';
            const CellSpec& pos = table.At(i, j);
            if (pos.intRowSpan > 0 && pos.intOwnerRow == i && pos.intOwnerCol == j) {
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
