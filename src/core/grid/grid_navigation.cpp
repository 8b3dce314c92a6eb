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

}  // namespace tabloom
