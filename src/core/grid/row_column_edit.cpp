#include "core/grid/row_column_edit.h"

#include <utility>

#include "core/grid/place_marker_fill.h"

namespace tabloom {

namespace {

// Columns are edited as the rows of the transposed table.
void Transpose(TableSpec& table) {
    for (int i = 0; i <= intMaxRows; ++i) {
        for (int j = i; j <= intMaxCols; ++j) std::swap(table.Cell[i][j], table.Cell[j][i]);
    }
    for (auto& row : table.Cell) {
        for (CellSpec& cell : row) {
            std::swap(cell.intRowSpan, cell.intColSpan);
            std::swap(cell.intOwnerRow, cell.intOwnerCol);
            std::swap(cell.intTop, cell.intLeft);
            std::swap(cell.intBottom, cell.intRight);
        }
    }
    std::swap(table.intNumRows, table.intNumCols);
}

void ResetOutside(TableSpec& table) {
    for (int i = 1; i <= intMaxRows; ++i) {
        for (int j = 1; j <= intMaxCols; ++j) {
            if (i > table.intNumRows || j > table.intNumCols) {
                ResetCell(table, static_cast<std::int16_t>(i), static_cast<std::int16_t>(j));
            }
        }
    }
}

// Markers name positions, so they are taken out before cells move and put
// back for the new positions afterwards.
template <typename Edit>
bool WithMarkers(TableSpec& table, Edit edit) {
    const bool markers = table.blnAddPlaceMarkers;
    TableSpec work = table;
    if (markers) FillPlaceMarkers(work, false);
    if (!edit(work)) return false;
    if (markers) FillPlaceMarkers(work, true);
    table = std::move(work);
    return true;
}

bool InsertRowPlain(TableSpec& table, int at) {
    const int rows = table.intNumRows;
    if (rows >= intMaxRows || at < 1 || at > rows + 1) return false;
    for (int i = intMaxRows; i > at; --i) table.Cell[i] = table.Cell[i - 1];
    for (int i = 1; i <= intMaxRows; ++i) {
        for (int j = 1; j <= intMaxCols; ++j) {
            CellSpec& pos = table.At(i, j);
            if (i != at && pos.intOwnerRow >= at) ++pos.intOwnerRow;
        }
    }
    for (int j = 1; j <= intMaxCols; ++j) {
        ResetCell(table, static_cast<std::int16_t>(at), static_cast<std::int16_t>(j));
    }
    table.intNumRows = static_cast<std::int16_t>(rows + 1);
    // Blocks that started above and reached `at` now straddle the new row.
    for (int a = 1; a < at; ++a) {
        for (int c = 1; c <= table.intNumCols; ++c) {
            CellSpec& anchor = table.At(a, c);
            if (anchor.intRowSpan < 1 || a + anchor.intRowSpan - 1 < at) continue;
            ++anchor.intRowSpan;
            for (int j = c; j < c + anchor.intColSpan; ++j) {
                CellSpec& pos = table.At(at, j);
                pos.intRowSpan = 0;
                pos.intColSpan = 0;
                pos.intOwnerRow = static_cast<std::int16_t>(a);
                pos.intOwnerCol = static_cast<std::int16_t>(c);
            }
        }
    }
    ResetOutside(table);
    return true;
}

bool DeleteRowPlain(TableSpec& table, int row) {
    const int rows = table.intNumRows;
    if (rows <= 1 || row < 1 || row > rows) return false;
    for (int c = 1; c <= table.intNumCols; ++c) {
        for (int a = 1; a <= row; ++a) {
            CellSpec& anchor = table.At(a, c);
            if (anchor.intRowSpan < 1 || a + anchor.intRowSpan - 1 < row) continue;
            if (a < row) {
                --anchor.intRowSpan;
                continue;
            }
            if (anchor.intRowSpan == 1) continue;  // goes with the row
            // The block keeps its content: its record moves to its next row.
            const int cols = anchor.intColSpan;
            CellSpec moved = anchor;
            --moved.intRowSpan;
            moved.intOwnerRow = static_cast<std::int16_t>(row + 1);
            const int last = row + anchor.intRowSpan - 1;
            table.At(row + 1, c) = std::move(moved);
            for (int i = row + 1; i <= last; ++i) {
                for (int j = c; j < c + cols; ++j) {
                    if (i == row + 1 && j == c) continue;
                    table.At(i, j).intOwnerRow = static_cast<std::int16_t>(row + 1);
                }
            }
        }
    }
    for (int i = row; i < intMaxRows; ++i) table.Cell[i] = table.Cell[i + 1];
    for (int j = 0; j <= intMaxCols; ++j) table.Cell[intMaxRows][j] = CellSpec{};
    for (int i = 1; i <= intMaxRows; ++i) {
        for (int j = 1; j <= intMaxCols; ++j) {
            CellSpec& pos = table.At(i, j);
            if (pos.intOwnerRow > row) --pos.intOwnerRow;
        }
    }
    table.intNumRows = static_cast<std::int16_t>(rows - 1);
    ResetOutside(table);
    return true;
}

}  // namespace

bool InsertRow(TableSpec& table, int at) {
    return WithMarkers(table, [at](TableSpec& t) { return InsertRowPlain(t, at); });
}

bool DeleteRow(TableSpec& table, int row) {
    return WithMarkers(table, [row](TableSpec& t) { return DeleteRowPlain(t, row); });
}

bool InsertColumn(TableSpec& table, int at) {
    return WithMarkers(table, [at](TableSpec& t) {
        Transpose(t);
        const bool done = InsertRowPlain(t, at);
        Transpose(t);
        return done;
    });
}

bool DeleteColumn(TableSpec& table, int col) {
    return WithMarkers(table, [col](TableSpec& t) {
        Transpose(t);
        const bool done = DeleteRowPlain(t, col);
        Transpose(t);
        return done;
    });
}

}  // namespace tabloom
