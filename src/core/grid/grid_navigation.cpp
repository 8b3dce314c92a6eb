#include "core/grid/grid_navigation.h"

#include <algorithm>

namespace tabloom {

void NormaliseCurrentCell(const TableSpec& table, std::int16_t& row, std::int16_t& col) {
    const int r = std::clamp<int>(row, 1, std::max<int>(table.intNumRows, 1));
    const int c = std::clamp<int>(col, 1, std::max<int>(table.intNumCols, 1));
    const CellSpec& pos = table.At(r, c);
    if (pos.intRowSpan > 0 && pos.intColSpan > 0) {
        row = static_cast<std::int16_t>(r);
        col = static_cast<std::int16_t>(c);
    } else {
        row = pos.intOwnerRow;
        col = pos.intOwnerCol;
    }
}

void MoveCurrentCell(const TableSpec& table, GridMove move, std::int16_t& row, std::int16_t& col) {
    NormaliseCurrentCell(table, row, col);
    const CellSpec& cell = table.At(row, col);
    int r = row;
    int c = col;
    switch (move) {
        case GridMove::Left:
            c = col - 1;
            break;
        case GridMove::Right:
            c = col + cell.intColSpan;
            break;
        case GridMove::Up:
            r = row - 1;
            break;
        case GridMove::Down:
            r = row + cell.intRowSpan;
            break;
        case GridMove::RowStart:
            c = 1;
            break;
        case GridMove::RowEnd:
            c = table.intNumCols;
            break;
        case GridMove::TableStart:
            r = 1;
            c = 1;
            break;
        case GridMove::TableEnd:
            r = table.intNumRows;
            c = table.intNumCols;
            break;
    }
    if (r < 1 || c < 1 || r > table.intNumRows || c > table.intNumCols) return;
    row = static_cast<std::int16_t>(r);
    col = static_cast<std::int16_t>(c);
    NormaliseCurrentCell(table, row, col);
}

void MoveByTab(const TableSpec& table, bool forward, std::int16_t& row, std::int16_t& col) {
    NormaliseCurrentCell(table, row, col);
    const int rows = table.intNumRows;
    const int cols = table.intNumCols;
    const int step = forward ? 1 : -1;
    // Walk the positions in reading order to the next anchor.
    for (int i = (row - 1) * cols + (col - 1) + step; i >= 0 && i < rows * cols; i += step) {
        const int r = i / cols + 1;
        const int c = i % cols + 1;
        if (table.At(r, c).intRowSpan > 0) {
            row = static_cast<std::int16_t>(r);
            col = static_cast<std::int16_t>(c);
            return;
        }
    }
}

}  // namespace tabloom
