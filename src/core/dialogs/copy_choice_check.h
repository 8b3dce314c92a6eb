#pragma once

#include <string>

#include "core/grid/copy_cell_properties.h"

namespace tabloom {

inline constexpr const char* kCopyCheckTitle = "Error";

// The message that refuses the choice of the copy window for the source at
// (srcRow, srcCol) of a table of numRows by numCols, empty when it may be
// carried out. Height alone is not a reason to copy, and a single target
// must lie inside the table.
std::string CheckCopyChoice(const CopyChoice& choice, int srcRow, int srcCol, int numRows,
                            int numCols);

// Whether "Do it" can be pressed: a single target needs a row and a column.
bool CopyTargetChosen(const CopyChoice& choice);

}  // namespace tabloom
