#include "core/grid/paste_values.h"

#include <algorithm>
#include <cstddef>

#include "core/model/place_markers.h"
#include "core/model/text_helpers.h"

namespace tabloom {

PasteOutcome PasteValues(TableSpec& table, int row, int col,
                         const std::vector<std::vector<std::string>>& rows) {
    PasteOutcome outcome;
    row = std::clamp(row, 1, static_cast<int>(intMaxRows));
    col = std::clamp(col, 1, static_cast<int>(intMaxCols));
    std::size_t width = 0;
    for (const auto& values : rows) width = std::max(width, values.size());
    if (rows.empty() || width == 0) return outcome;

    const int lastRow = row + static_cast<int>(rows.size()) - 1;
    const int lastCol = col + static_cast<int>(width) - 1;
    outcome.rowsCut = std::max(0, lastRow - intMaxRows);
    outcome.colsCut = std::max(0, lastCol - intMaxCols);
    const int newRows = std::max<int>(table.intNumRows, std::min<int>(lastRow, intMaxRows));
    const int newCols = std::max<int>(table.intNumCols, std::min<int>(lastCol, intMaxCols));
    if (newRows != table.intNumRows || newCols != table.intNumCols) {
        table.intNumRows = static_cast<std::int16_t>(newRows);
        table.intNumCols = static_cast<std::int16_t>(newCols);
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
