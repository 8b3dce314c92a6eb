#pragma once

#include <string>
#include <vector>

#include "core/model/table_spec.h"

namespace tabloom {

// What a paste did with its block of values.
struct PasteOutcome {
    int placed = 0;   // values written into cells
    int skipped = 0;  // non-empty values that landed on covered positions
    int rowsCut = 0;  // rows of the block that lay below the last possible row
    int colsCut = 0;  // columns of the block right of the last possible column
};

// The dimensions the table takes for a paste of rows at (row, col): grown
// as far as the block needs, never shrunk, at most intMaxRows x intMaxCols.
struct PasteDimensions {
    int rows = 0;
    int cols = 0;
};
PasteDimensions GrownDimensions(const TableSpec& table, int row, int col,
                                const std::vector<std::vector<std::string>>& rows);

// Fills the contents of the cells from (row, col) rightwards and downwards
// with rows of values. The table grows as far as the block needs, up to
// intMaxRows x intMaxCols; a value on a covered position is skipped and the
// block's anchor keeps its own. With place markers on, empty cells get their
// markers as ticking the box would give them. row and col are clamped to
// the grid.
PasteOutcome PasteValues(TableSpec& table, int row, int col,
                         const std::vector<std::vector<std::string>>& rows);

}  // namespace tabloom
