#include "core/grid/paste_values.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/grid/block_edit.h"
#include "core/grid/cell_block.h"
#include "core/grid/place_marker_fill.h"
#include "core/grid/span_rules.h"

namespace tabloom {

namespace {

std::size_t Width(const std::vector<std::vector<std::string>>& rows) {
    std::size_t width = 0;
    for (const auto& values : rows) width = std::max(width, values.size());
    return width;
}

int ClampRow(int row) { return std::clamp(row, 1, static_cast<int>(intMaxRows)); }
int ClampCol(int col) { return std::clamp(col, 1, static_cast<int>(intMaxCols)); }

// Grows the table for a block of height x width at (row, col) and counts
// what lies beyond the last possible row and column.
void Grow(TableSpec& table, int row, int col, int height, int width, PasteOutcome& outcome) {
    outcome.rowsCut = std::max(0, row + height - 1 - intMaxRows);
    outcome.colsCut = std::max(0, col + width - 1 - intMaxCols);
    const PasteDimensions size = GrownDimensions(table, row, col, height, width);
    if (size.rows != table.intNumRows || size.cols != table.intNumCols) {
        table.intNumRows = static_cast<std::int16_t>(size.rows);
        table.intNumCols = static_cast<std::int16_t>(size.cols);
        AdjustCellsToDimensions(table);
    }
}

}  // namespace

PasteDimensions GrownDimensions(const TableSpec& table, int row, int col, int height, int width) {
    PasteDimensions size{table.intNumRows, table.intNumCols};
    if (height <= 0 || width <= 0) return size;
    const int lastRow = ClampRow(row) + height - 1;
    const int lastCol = ClampCol(col) + width - 1;
    size.rows = std::max<int>(size.rows, std::min<int>(lastRow, intMaxRows));
    size.cols = std::max<int>(size.cols, std::min<int>(lastCol, intMaxCols));
    return size;
}

PasteDimensions GrownDimensions(const TableSpec& table, int row, int col,
                                const std::vector<std::vector<std::string>>& rows) {
    return GrownDimensions(table, row, col, static_cast<int>(rows.size()),
                           static_cast<int>(Width(rows)));
}

PasteOutcome PasteValues(TableSpec& table, int row, int col,
                         const std::vector<std::vector<std::string>>& rows) {
    PasteOutcome outcome;
    row = ClampRow(row);
    col = ClampCol(col);
    const std::size_t width = Width(rows);
    if (rows.empty() || width == 0) return outcome;

    Grow(table, row, col, static_cast<int>(rows.size()), static_cast<int>(width), outcome);

    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = row + static_cast<int>(i);
        if (r > intMaxRows) break;
        for (std::size_t j = 0; j < rows[i].size(); ++j) {
            const int c = col + static_cast<int>(j);
            if (c > intMaxCols) break;
            CellSpec& cell = table.Cell[r][c];
            if (cell.intRowSpan == 0) {
                if (!rows[i][j].empty()) ++outcome.skipped;
                continue;
            }
            cell.strContent = rows[i][j];
            ++outcome.placed;
        }
    }

    if (table.blnAddPlaceMarkers) FillPlaceMarkers(table, true);
    return outcome;
}

PasteOutcome PasteCells(TableSpec& table, int row, int col, const TableSpec& source) {
    PasteOutcome outcome;
    row = ClampRow(row);
    col = ClampCol(col);
    if (source.intNumRows <= 0 || source.intNumCols <= 0) return outcome;
    Grow(table, row, col, source.intNumRows, source.intNumCols, outcome);
    const int lastRow = std::min<int>(row + source.intNumRows - 1, table.intNumRows);
    const int lastCol = std::min<int>(col + source.intNumCols - 1, table.intNumCols);
    // The merges the paste breaks up; one the pasted cells make again (a
    // merged cell pasted onto itself) is no loss to tell of.
    const CellBlock area = GrowToSpans(table, CellBlock{row, col, lastRow, lastCol});
    std::vector<std::array<int, 4>> merges;
    for (int r = area.top; r <= area.bottom; ++r) {
        for (int c = area.left; c <= area.right; ++c) {
            const CellSpec& cell = table.Cell[r][c];
            if (cell.intRowSpan > 1 || cell.intColSpan > 1) {
                merges.push_back({r, c, cell.intRowSpan, cell.intColSpan});
            }
        }
    }
    SplitBlock(table, area);

    for (int r = row; r <= lastRow; ++r) {
        for (int c = col; c <= lastCol; ++c) {
            const CellSpec& from = source.Cell[r - row + 1][c - col + 1];
            if (from.intRowSpan == 0) continue;  // its anchor's spans cover it
            CellSpec& to = table.Cell[r][c];
            const std::int16_t rowSpan = from.intRowSpan, colSpan = from.intColSpan;
            to = from;
            to.intRowSpan = to.intColSpan = 1;
            to.intOwnerRow = static_cast<std::int16_t>(r);
            to.intOwnerCol = static_cast<std::int16_t>(c);
            ApplySpans(table, r, c, std::min(rowSpan, static_cast<std::int16_t>(lastRow - r + 1)),
                       std::min(colSpan, static_cast<std::int16_t>(lastCol - c + 1)));
            ++outcome.placed;
        }
    }
    for (const auto& [r, c, rowSpan, colSpan] : merges) {
        const CellSpec& now = table.Cell[r][c];
        if (now.intRowSpan != rowSpan || now.intColSpan != colSpan) ++outcome.split;
    }
    if (table.blnAddPlaceMarkers) FillPlaceMarkers(table, true);
    return outcome;
}

}  // namespace tabloom
