#pragma once

#include <cstdint>

#include "core/grid/canvas.h"
#include "core/grid/cell_block.h"
#include "core/grid/grid_geometry.h"
#include "core/model/table_spec.h"

namespace tabloom {

inline constexpr std::int32_t kGridStripColour = 0xC0C0C0;
// The size of cell text in the grid, in points at 96 dots per inch.
inline constexpr int kContentPoints = 8;

// The colours a cell is drawn in: its own when it has them, else the table's.
struct DrawnColours {
    std::int32_t text = 0;
    std::int32_t background = 0;
};
DrawnColours CellColours(const TableSpec& table, int row, int col);

// Each of red, green and blue moved half way round: the colour of the grid
// lines and number strips on the given background.
std::int32_t ContrastColor(std::int32_t colour);

// The geometry for the table's dimensions on an area of the given size.
GridGeometry ComputeGeometry(const TableSpec& table, int width, int height);

// The rectangle of the anchor at (row, col) from the geometry, clipped to the
// grid's right and bottom edges.
CellRect CellRectangle(const TableSpec& table, const GridGeometry& geometry, int row, int col);

// The rectangle that covers every position of block, clipped the same way.
CellRect BlockRectangle(const GridGeometry& geometry, const CellBlock& block);

// Redraws the whole grid: number strips, every cell (a spanned cell once per
// position below its first row, so it ends on top), the grey strips past the
// grid. Records each drawn rectangle in its cell and returns the geometry.
GridGeometry DrawTable(TableSpec& table, Canvas& canvas);

// Draws the anchor at (row, col) with the given geometry and records its
// rectangle.
void DrawCell(TableSpec& table, const GridGeometry& geometry, Canvas& canvas, int row, int col);

// Outlines the cell at (row, col). A covered position outlines its owner:
// row and col become the owner's, so do highlightRow/highlightCol, and the
// answer is false. An anchor leaves all four alone and answers true.
bool HighlightCell(const TableSpec& table, const GridGeometry& geometry, Canvas& canvas,
                   std::int16_t& row, std::int16_t& col, std::int16_t& highlightRow,
                   std::int16_t& highlightCol);

}  // namespace tabloom
