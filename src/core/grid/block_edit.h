#pragma once

#include <cstdint>
#include <string>

#include "core/grid/cell_block.h"
#include "core/model/table_spec.h"

namespace tabloom {

// What a merge came to: refused with the message to show, or done.
struct MergeOutcome {
    bool merged = false;
    std::string message;  // why it was refused
    std::int16_t overlapRow = 0;
    std::int16_t overlapCol = 0;
};

// Makes the block one cell spanning it: the non-empty contents of its cells
// (place markers left out) joined by line breaks in reading order go to the
// top-left cell, which keeps its other properties; the other cells' contents
// are emptied. Refused with the overlap message when a span crosses the
// block's edge, and when the joined content would be too long.
MergeOutcome MergeBlock(TableSpec& table, const CellBlock& block);

// Turns every spanning cell of the block back into single cells; the freed
// positions come back empty (with their markers while markers are on).
// Returns how many cells were split.
int SplitBlock(TableSpec& table, const CellBlock& block);

// Empties the content of every cell of the block (markers while they are
// on). Returns how many cells changed.
int EmptyBlock(TableSpec& table, const CellBlock& block);

// Stores text typed into the cell at (row, col) by the rules of the cell
// dialog: trimmed, at most intMaxContentLength characters, its place marker
// when left empty and markers are on. Returns whether the content changed.
bool StoreTypedContent(TableSpec& table, int row, int col, const std::string& text);

// The text "Merge" would put into the top-left cell.
std::string JoinedContents(const TableSpec& table, const CellBlock& block);

}  // namespace tabloom
