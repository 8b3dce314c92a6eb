#pragma once

#include <string>

#include "core/model/table_spec.h"
#include "table_builders.h"

namespace tabloom::testing {

// Span for each "row col rows cols" group of numbers in blocks.
void PutBlocks(TableSpec& table, const char* blocks);

// The span layout of the table: rows separated by '|', positions by ' ';
// a plain cell is "-", a spanning anchor "a<rowspan>x<colspan>", a covered
// position "<ownerrow>,<ownercol>".
std::string Layout(const TableSpec& table);

// A table of the given size whose anchors hold "r<row>c<col>" as content.
TableSpec LabelledTable(int rows, int cols);

}  // namespace tabloom::testing
