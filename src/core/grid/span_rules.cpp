#include "core/grid/span_rules.h"

#include <algorithm>

namespace tabloom {

namespace {

bool InsideTable(const TableSpec& table, int row, int col) {
    return row >= 1 && col >= 1 && row <= table.intNumRows && col <= table.intNumCols;
}

void Release(CellSpec& cell, int row, int col) {
    cell.intRowSpan = 1;
    cell.intColSpan = 1;
    cell.intOwnerRow = static_cast<std::int16_t>(row);
    cell.intOwnerCol = static_cast<std::int16_t>(col);
}

}  // namespace

bool CellSizeOK(const TableSpec& table, int row, int col, int newRowSpan, int newColSpan,
                std::int16_t& overlapRow, std::int16_t& overlapCol) {
    const int lastRow = row + newRowSpan - 1;
    const int lastCol = col + newColSpan - 1;
    if (newRowSpan < 1 || newColSpan < 1 || !InsideTable(table, row, col) ||
        !InsideTable(table, lastRow, lastCol)) {
        overlapRow = static_cast<std::int16_t>(row);
        overlapCol = static_cast<std::int16_t>(col);
        return false;
    }
    for (int i = row; i <= lastRow; ++i) {
        for (int j = col; j <= lastCol; ++j) {
            const CellSpec& pos = table.At(i, j);
            const int mr = pos.intOwnerRow;
            const int mc = pos.intOwnerCol;
            if (mr == row && mc == col) continue;
            const CellSpec& owner = table.At(mr, mc);
            const bool offends = mr + owner.intRowSpan - 1 > lastRow || mr < row ||
                                 mc + owner.intColSpan - 1 > lastCol || mc < col;
            if (offends) {
                overlapRow = static_cast<std::int16_t>(mr);
                overlapCol = static_cast<std::int16_t>(mc);
                return false;
            }
        }
    }
    return true;
}

void ApplySpans(TableSpec& table, int row, int col, int newRowSpan, int newColSpan) {
    if (!InsideTable(table, row, col)) return;
    CellSpec& anchor = table.At(row, col);
    const int oldRows = std::max<int>(anchor.intRowSpan, 1);
    const int oldCols = std::max<int>(anchor.intColSpan, 1);
    const int newRows = std::clamp(newRowSpan, 1, table.intNumRows - row + 1);
    const int newCols = std::clamp(newColSpan, 1, table.intNumCols - col + 1);
    const int lastRow = row + newRows - 1;
    const int lastCol = col + newCols - 1;
    auto inNew = [&](int i, int j) { return i <= lastRow && j <= lastCol; };

    // Cells swallowed by the new block: release their positions that stay
    // outside it before taking the block over.
    for (int i = row; i <= lastRow; ++i) {
        for (int j = col; j <= lastCol; ++j) {
            const int mr = table.At(i, j).intOwnerRow;
            const int mc = table.At(i, j).intOwnerCol;
            if ((mr == row && mc == col) || !InsideTable(table, mr, mc)) continue;
            const CellSpec& owner = table.At(mr, mc);
            if (owner.intRowSpan < 1 || owner.intColSpan < 1) continue;
            const int ownerLastRow = std::min(mr + owner.intRowSpan - 1, int{table.intNumRows});
            const int ownerLastCol = std::min(mc + owner.intColSpan - 1, int{table.intNumCols});
            for (int a = mr; a <= ownerLastRow; ++a) {
                for (int b = mc; b <= ownerLastCol; ++b) {
                    const bool insideNew = a >= row && b >= col && inNew(a, b);
                    if (!insideNew) Release(table.At(a, b), a, b);
                }
            }
        }
    }

    const int lastOldRow = std::min(row + oldRows - 1, int{table.intNumRows});
    const int lastOldCol = std::min(col + oldCols - 1, int{table.intNumCols});
    for (int i = row; i <= std::max(lastRow, lastOldRow); ++i) {
        for (int j = col; j <= std::max(lastCol, lastOldCol); ++j) {
            if (i == row && j == col) continue;
            CellSpec& pos = table.At(i, j);
            if (inNew(i, j)) {
                pos.intRowSpan = 0;
                pos.intColSpan = 0;
                pos.intOwnerRow = static_cast<std::int16_t>(row);
                pos.intOwnerCol = static_cast<std::int16_t>(col);
            } else if (i <= lastOldRow && j <= lastOldCol) {
                Release(pos, i, j);
            }
        }
    }
    anchor.intRowSpan = static_cast<std::int16_t>(newRows);
    anchor.intColSpan = static_cast<std::int16_t>(newCols);
    anchor.intOwnerRow = static_cast<std::int16_t>(row);
    anchor.intOwnerCol = static_cast<std::int16_t>(col);
}

}  // namespace tabloom
