#pragma once

#include <cstdint>

#include "core/model/table_spec.h"

namespace tabloom {

// True when the cell at (row, col) may take the proposed spans: every cell the
// proposed block touches is the cell itself or lies wholly inside the block.
// On false, overlapRow/overlapCol name the owner of the first offending
// position in row-major order. A block that leaves the table, or spans below
// 1, are refused and report the edited cell itself.
bool CellSizeOK(const TableSpec& table, int row, int col, int newRowSpan, int newColSpan,
                std::int16_t& overlapRow, std::int16_t& overlapCol);

// Gives the anchor at (row, col) the new spans: positions of the new block are
// covered by it, positions of the old block outside the new one become 1 x 1
// cells again with their earlier fields. Positions of a swallowed cell that lie
// outside the new block are released too, so the grid stays sound even when
// the caller skipped CellSizeOK. Spans are cut back to the table's edge.
void ApplySpans(TableSpec& table, int row, int col, int newRowSpan, int newColSpan);

}  // namespace tabloom
