#pragma once

#include <string>

#include "core/model/table_spec.h"

namespace tabloom {

// A rectangle of grid positions, rows top..bottom and columns left..right.
struct CellBlock {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;

    bool Contains(int row, int col) const {
        return row >= top && row <= bottom && col >= left && col <= right;
    }
    bool Single() const { return top == bottom && left == right; }
    bool operator==(const CellBlock&) const = default;
};

// The smallest block that holds both positions (clamped into the table) and
// every span it touches whole.
CellBlock BlockBetween(const TableSpec& table, int row1, int col1, int row2, int col2);

// Grows block until no span crosses its edge.
CellBlock GrowToSpans(const TableSpec& table, CellBlock block);

// True when block is exactly one cell: a single position or one whole span.
bool IsOneCell(const TableSpec& table, const CellBlock& block);

// "rows 2 to 4, columns 1 to 3 selected"; a single row or column is named
// alone ("row 2, columns 1 to 3 selected").
std::string DescribeBlock(const CellBlock& block);

}  // namespace tabloom
