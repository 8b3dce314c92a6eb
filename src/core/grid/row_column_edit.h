#pragma once

#include "core/model/table_spec.h"

namespace tabloom {

// Inserts an empty row before row `at` (1 .. rows + 1); the rows from `at`
// move down. A block that reaches across the new row from above grows by one
// row. False, with the table untouched, when it already has the most rows or
// `at` is out of range. With place markers on they are renumbered.
bool InsertRow(TableSpec& table, int at);

// Deletes row `row`; the rows below move up. Blocks crossing it lose a row; a
// block starting on it keeps its content in its next row, a one-row block
// goes with it. False when the table has one row or `row` is out of range.
bool DeleteRow(TableSpec& table, int row);

// The same for columns.
bool InsertColumn(TableSpec& table, int at);
bool DeleteColumn(TableSpec& table, int col);

}  // namespace tabloom
