#pragma once

#include <cstdint>
#include <string>

#include "core/model/table_spec.h"

namespace tabloom {

// "R" + row + "C" + col.
std::string MakePlaceMarker(int row, int col);

// True when the content of the cell at (row, col), blanks trimmed, is the
// place marker of any cell of the current table (not only its own).
bool IsPlaceMarker(const TableSpec& table, int row, int col);

// The same test on a bare text against the given dimensions.
bool IsPlaceMarkerText(const std::string& content, int numRows, int numCols);

}  // namespace tabloom
