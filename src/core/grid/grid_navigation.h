#pragma once

#include <cstdint>

#include "core/model/table_spec.h"

namespace tabloom {

enum class GridMove { Left, Right, Up, Down, RowStart, RowEnd, TableStart, TableEnd };

// Moves the current cell (row, col) to the next anchor in the given
// direction; a spanned cell is one stop. A position outside the table or a
// covered one is first brought to the anchor that holds it. At an edge the
// cell stays where it is.
void MoveCurrentCell(const TableSpec& table, GridMove move, std::int16_t& row, std::int16_t& col);

// Moves the current cell to the next (or previous) cell in reading order,
// as Tab (Shift+Tab) does: past a row's last cell to the next row's first.
// At the first or last cell of the table it stays.
void MoveByTab(const TableSpec& table, bool forward, std::int16_t& row, std::int16_t& col);

// The anchor that holds (row, col) once it is clamped into the table.
void NormaliseCurrentCell(const TableSpec& table, std::int16_t& row, std::int16_t& col);

}  // namespace tabloom
