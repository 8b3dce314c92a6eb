#include "core/grid/cell_block.h"

#include <algorithm>

namespace tabloom {

namespace {

std::string Range(const char* one, const char* many, int from, int to) {
    if (from == to) return std::string(one) + " " + std::to_string(from);
    return std::string(many) + " " + std::to_string(from) + " to " + std::to_string(to);
}

}  // namespace

CellBlock GrowToSpans(const TableSpec& table, CellBlock block) {
    // Each pass takes in the blocks of the anchors that hold a position on
    // the block; growing may reach new spans, so repeat until it is stable.
    for (bool grown = true; grown;) {
        grown = false;
        for (int r = block.top; r <= block.bottom; ++r) {
            for (int c = block.left; c <= block.right; ++c) {
                const CellSpec& pos = table.At(r, c);
                const int ar = pos.intRowSpan > 0 ? r : pos.intOwnerRow;
                const int ac = pos.intRowSpan > 0 ? c : pos.intOwnerCol;
                const CellSpec& anchor = table.At(ar, ac);
                const CellBlock held{ar, ac, ar + std::max<int>(anchor.intRowSpan, 1) - 1,
                                     ac + std::max<int>(anchor.intColSpan, 1) - 1};
                const CellBlock joined{
                    std::min(block.top, held.top), std::min(block.left, held.left),
                    std::max(block.bottom, held.bottom), std::max(block.right, held.right)};
                if (!(joined == block)) {
                    block = joined;
                    grown = true;
                }
            }
        }
    }
    return block;
}

CellBlock BlockBetween(const TableSpec& table, int row1, int col1, int row2, int col2) {
    const int rows = std::max<int>(table.intNumRows, 1);
    const int cols = std::max<int>(table.intNumCols, 1);
    row1 = std::clamp(row1, 1, rows);
    row2 = std::clamp(row2, 1, rows);
    col1 = std::clamp(col1, 1, cols);
    col2 = std::clamp(col2, 1, cols);
    return GrowToSpans(table, {std::min(row1, row2), std::min(col1, col2), std::max(row1, row2),
                               std::max(col1, col2)});
}

bool IsOneCell(const TableSpec& table, const CellBlock& block) {
    const CellSpec& anchor = table.At(block.top, block.left);
    return anchor.intRowSpan == block.bottom - block.top + 1 &&
           anchor.intColSpan == block.right - block.left + 1;
}

std::string DescribeBlock(const CellBlock& block) {
    return Range("row", "rows", block.top, block.bottom) + ", " +
           Range("column", "columns", block.left, block.right) + " selected";
}

}  // namespace tabloom
