#pragma once

#include <string>

#include "core/model/table_spec.h"

namespace tabloom::testing {

// Makes (row, col) the anchor of a rows x cols block, written directly so the
// tests do not depend on the code under test to build their tables.
void PutBlock(TableSpec& table, int row, int col, int rows, int cols);

// The span layout of the table: rows separated by '|', positions by ' ';
// an anchor is "a<rowspan>x<colspan>", a covered position "<ownerrow>,<ownercol>".
std::string Layout(const TableSpec& table);

// A table of the given size whose anchors hold "r<row>c<col>" as content.
TableSpec LabelledTable(int rows, int cols);

}  // namespace tabloom::testing
