#include "core/grid/paste_values.h"

#include <algorithm>
#include <cstddef>

#include "core/model/place_markers.h"
#include "core/model/text_helpers.h"

namespace tabloom {

namespace {

std::size_t Width(const std::vector<std::vector<std::string>>& rows) {
    std::size_t width = 0;
    for (const auto& values : rows) width = std::max(width, values.size());
    return width;
}

int ClampRow(int row) { return std::clamp(row, 1, static_cast<int>(intMaxRows)); }
int ClampCol(int col) { return std::clamp(col, 1, static_cast<int>(intMaxCols)); }

}  // namespace

PasteDimensions GrownDimensions(const TableSpec& table, int row, int col,
                                const std::vector<std::vector<std::string>>& rows) {
    PasteDimensions size{table.intNumRows, table.intNumCols};
    const std::size_t width = Width(rows);
    if (rows.empty() || width == 0) return size;
    const int lastRow = ClampRow(row) + static_cast<int>(rows.size()) - 1;
    const int lastCol = ClampCol(col) + static_cast<int>(width) - 1;
    size.rows = std::max<int>(size.rows, std::min<int>(lastRow, intMaxRows));
    size.cols = std::max<int>(size.cols, std::min<int>(lastCol, intMaxCols));
    return size;
}

PasteOutcome PasteValues(TableSpec& table, int row, int col,
                         const std::vector<std::vector<std::string>>& rows) {
    PasteOutcome outcome;
    row = ClampRow(row);
    col = ClampCol(col);
    const std::size_t width = Width(rows);
    if (rows.empty() || width == 0) return outcome;

    outcome.rowsCut = std::max(0, row + static_cast<int>(rows.size()) - 1 - intMaxRows);
    outcome.colsCut = std::max(0, col + static_cast<int>(width) - 1 - intMaxCols);
    const PasteDimensions size = GrownDimensions(table, row, col, rows);
    if (size.rows != table.intNumRows || size.cols != table.intNumCols) {
        table.intNumRows = static_cast<std::int16_t>(size.rows);
        table.intNumCols = static_cast<std::int16_t>(size.cols);
        AdjustCellsToDimensions(table);
    }

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

    if (table.blnAddPlaceMarkers) {
        for (int r = 1; r <= table.intNumRows; ++r) {
            for (int c = 1; c <= table.intNumCols; ++c) {
                CellSpec& cell = table.Cell[r][c];
                if (cell.intRowSpan > 0 && TrimBlanks(cell.strContent).empty()) {
                    cell.strContent = MakePlaceMarker(r, c);
                }
            }
        }
    }
    return outcome;
}

}  // namespace tabloom
