#pragma once

#include "core/model/table_spec.h"

namespace tabloom::testing {

// The program-start table with rows x cols in use.
TableSpec StartTable(int rows, int cols);

// Gives (r, c) a span over rows x cols and covers the other positions,
// written directly so the tests do not depend on the code under test.
void Span(TableSpec& t, int r, int c, int rows, int cols);

// A 4 x 5 table that uses every stored field: spans, colours, alignments,
// sizes, multi-line content with quotes and leading blanks, fonts, options.
TableSpec RichTable();

// A 4 x 3 table whose first row is one titled cell over three columns, with
// light grey text (#AAAAAA) on white below: contrast, headers, caption and
// title row for the table checker to find.
TableSpec GreyTitledTable();

// True when every stored field of every grid position 1..20 is equal.
bool SameWholeGrid(const TableSpec& a, const TableSpec& b);

}  // namespace tabloom::testing
