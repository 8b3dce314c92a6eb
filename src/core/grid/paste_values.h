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
    int split = 0;    // merged cells of the table split to make room for pasted cells
};

// The dimensions the table takes for a paste of rows at (row, col): grown
// as far as the block needs, never shrunk, at most intMaxRows x intMaxCols.
struct PasteDimensions {
    int rows = 0;
    int cols = 0;
};
PasteDimensions GrownDimensions(const TableSpec& table, int row, int col,
                                const std::vector<std::vector<std::string>>& rows);
// The same for a block of height x width cells.
PasteDimensions GrownDimensions(const TableSpec& table, int row, int col, int height, int width);

// Fills the contents of the cells from (row, col) rightwards and downwards
// with rows of values. The table grows as far as the block needs, up to
// intMaxRows x intMaxCols; a value on a covered position is skipped and the
// block's anchor keeps its own. With place markers on, empty cells get their
// markers as ticking the box would give them. row and col are clamped to
// the grid.
PasteOutcome PasteValues(TableSpec& table, int row, int col,
                         const std::vector<std::vector<std::string>>& rows);

// Pastes the cells of source (a table read from a page or another program's
// clipboard) at (row, col) with their spans and their own properties:
// colours, alignment, sizes and font. The table grows as PasteValues grows
// it; merged cells of the table that reach into the pasted area are split
// first, and a pasted span is cut back at the table's last row or column.
// The table's own options are left alone.
PasteOutcome PasteCells(TableSpec& table, int row, int col, const TableSpec& source);

}  // namespace tabloom
