#include "core/grid/grid_drawing.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/model/colour.h"
#include "core/model/text_helpers.h"

namespace tabloom {

namespace {

constexpr int kNumberPoints = 10;
constexpr int kLineSpacing = 12;

bool HasOwnColours(const CellSpec& cell) { return cell.lngTextColor != NotSpecifiedColor; }

std::int16_t Rounded(double value) { return RoundToInt16(value); }

void DrawNumbers(const TableSpec& table, const GridGeometry& g, Canvas& canvas) {
    const std::int32_t colour = table.lngTableBgColor;
    const double cw = g.intCellWidth;
    const double lm = g.intLeftMargin;
    for (int j = 1; j <= table.intNumCols; ++j) {
        double x = (j - 1) * cw + 2 * lm;
        // Two-digit numbers are wider; they move left from the ninth on.
        x += j < 9 ? (cw - lm) / 2 + 2 : (cw - 2 * lm) / 2 + 2;
        canvas.DrawText(x, 0, std::to_string(j), kNumberPoints, false, colour);
    }
    const double ch = g.intCellHeight;
    const double tm = g.intTopMargin;
    for (int i = 1; i <= table.intNumRows; ++i) {
        const double y = (i - 1) * ch + tm + (ch - tm) / 2;
        const double x = i < 10 ? lm - 2 : 0;
        canvas.DrawText(x, y, std::to_string(i), kNumberPoints, false, colour);
    }
}

}  // namespace

std::int32_t ContrastColor(std::int32_t colour) {
    const int red = (RedOf(colour) + 128) % 256;
    const int green = (GreenOf(colour) + 128) % 256;
    const int blue = (BlueOf(colour) + 128) % 256;
    return ColorFromRGB(static_cast<std::int16_t>(red), static_cast<std::int16_t>(green),
                        static_cast<std::int16_t>(blue));
}

GridGeometry ComputeGeometry(const TableSpec& table, int width, int height) {
    GridGeometry g;
    const int rows = std::max<int>(table.intNumRows, 1);
    const int cols = std::max<int>(table.intNumCols, 1);
    g.intCellWidth = Rounded(static_cast<double>(width - 2 * g.intLeftMargin) / cols);
    g.intCellHeight = Rounded(static_cast<double>(height - g.intTopMargin) / rows);
    g.intGridBottom = static_cast<std::int16_t>(rows * g.intCellHeight + g.intTopMargin - 2);
    g.intGridRight = static_cast<std::int16_t>(cols * g.intCellWidth + 2 * g.intLeftMargin);
    return g;
}

CellRect CellRectangle(const TableSpec& table, const GridGeometry& g, int row, int col) {
    const CellSpec& cell = table.At(row, col);
    CellRect r;
    r.y1 = (row - 1) * g.intCellHeight + g.intTopMargin;
    r.x1 = (col - 1) * g.intCellWidth + 2 * g.intLeftMargin + 2;
    r.y2 = std::min(cell.intRowSpan * g.intCellHeight + r.y1 - 2, int{g.intGridBottom});
    r.x2 = std::min(cell.intColSpan * g.intCellWidth + r.x1 - 2, int{g.intGridRight});
    return r;
}

CellRect BlockRectangle(const GridGeometry& g, const CellBlock& block) {
    CellRect r;
    r.y1 = (block.top - 1) * g.intCellHeight + g.intTopMargin;
    r.x1 = (block.left - 1) * g.intCellWidth + 2 * g.intLeftMargin + 2;
    r.y2 = std::min(block.bottom * g.intCellHeight + g.intTopMargin - 2, int{g.intGridBottom});
    r.x2 = std::min(block.right * g.intCellWidth + 2 * g.intLeftMargin, int{g.intGridRight});
    return r;
}

DrawnColours CellColours(const TableSpec& table, int row, int col) {
    const CellSpec& cell = table.At(row, col);
    if (HasOwnColours(cell)) return {cell.lngTextColor, cell.lngBgColor};
    return {table.lngTableTextColor, table.lngTableBgColor};
}

void DrawCell(TableSpec& table, const GridGeometry& g, Canvas& canvas, int row, int col) {
    CellSpec& cell = table.At(row, col);
    const CellRect r = CellRectangle(table, g, row, col);
    const DrawnColours colours = CellColours(table, row, col);
    canvas.FillRect(r.x1, r.y1, r.x2, r.y2, colours.background);
    cell.intTop = static_cast<std::int16_t>(r.y1);
    cell.intLeft = static_cast<std::int16_t>(r.x1);
    cell.intBottom = static_cast<std::int16_t>(r.y2);
    cell.intRight = static_cast<std::int16_t>(r.x2);
    if (cell.strContent.empty()) return;

    // Lines as the text splitter gives them: one break at the very start is
    // dropped, one at the very end gives no empty last line, the rest stay.
    std::string_view rest = cell.strContent;
    constexpr std::string_view kBreak = "\r\n";
    if (rest.substr(0, kBreak.size()) == kBreak) rest.remove_prefix(kBreak.size());
    if (rest.size() >= kBreak.size() && rest.substr(rest.size() - kBreak.size()) == kBreak) {
        rest.remove_suffix(kBreak.size());
    }
    const std::int32_t colour = colours.text;
    // Header cells show in bold, as browsers show them.
    const bool header = row <= table.intHeaderRows || col <= table.intHeaderCols;
    double y = r.y1;
    for (;;) {
        const std::size_t end = rest.find(kBreak);
        canvas.DrawText(r.x1, y, rest.substr(0, end), kContentPoints, header, colour);
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + kBreak.size());
        y += kLineSpacing;
    }
}

GridGeometry DrawTable(TableSpec& table, Canvas& canvas) {
    const int width = canvas.InnerWidth();
    const int height = canvas.InnerHeight();
    const GridGeometry g = ComputeGeometry(table, width, height);
    canvas.Clear(ContrastColor(table.lngTableBgColor));
    DrawNumbers(table, g, canvas);

    for (int i = 1; i <= table.intNumRows; ++i) {
        for (int j = 1; j <= table.intNumCols; ++j) {
            const CellSpec& pos = table.At(i, j);
            if (pos.intRowSpan > 0 && pos.intColSpan > 0) {
                DrawCell(table, g, canvas, i, j);
            } else if (pos.intOwnerRow < i) {
                // Drawn again from every row below its first, so a span lies
                // on top of what the rows it covers drew before it.
                const int ownerRow = pos.intOwnerRow;
                const int ownerCol = table.At(ownerRow, j).intOwnerCol;
                DrawCell(table, g, canvas, ownerRow, ownerCol);
            }
        }
    }

    if (g.intGridRight + 2 <= width) {
        canvas.FillRect(g.intGridRight + 2, 0, width, height, kGridStripColour);
    }
    if (g.intGridBottom + 2 <= height) {
        canvas.FillRect(0, g.intGridBottom + 2, width, height, kGridStripColour);
    }
    return g;
}

bool HighlightCell(const TableSpec& table, const GridGeometry& g, Canvas& canvas, std::int16_t& row,
                   std::int16_t& col, std::int16_t& highlightRow, std::int16_t& highlightCol) {
    if (row < 1 || col < 1 || row > intMaxRows || col > intMaxCols) return false;
    bool anchor = true;
    if (table.At(row, col).intRowSpan == 0) {
        row = table.At(row, col).intOwnerRow;
        col = table.At(row, col).intOwnerCol;
        anchor = false;
        highlightRow = row;
        highlightCol = col;
    }
    const CellSpec& cell = table.At(row, col);
    const CellRect r = CellRectangle(table, g, row, col);
    canvas.OutlineRect(r.x1, r.y1, r.x2, r.y2,
                       HasOwnColours(cell) ? cell.lngTextColor : table.lngTableTextColor);
    return anchor;
}

}  // namespace tabloom
