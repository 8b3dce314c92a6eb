#pragma once

#include <cstdint>

#include "core/model/table_spec.h"

namespace tabloom {

// The anchor whose recorded rectangle (both ends included) holds the point,
// tried row by row and column by column; covered positions take no part.
// False when the point lies on a gap, a number strip or a grey strip.
bool GridHitTest(const TableSpec& table, double x, double y, std::int16_t& row, std::int16_t& col);

}  // namespace tabloom
