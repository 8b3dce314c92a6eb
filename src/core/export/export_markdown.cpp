#include "core/export/export_markdown.h"

#include <array>

#include "core/export/cell_text.h"

namespace tabloom {

namespace {

// Markdown punctuation that would start emphasis, code or a link, and the
// pipe that would end the cell; HTML markup in the content is left to pass.
std::string MarkdownCell(const std::string& content) {
    std::string out;
    const std::string joined = CellText::Joined(content, "\n");
    for (char ch : joined) {
        switch (ch) {
            case '\n':
                out += "<br>";
                break;
            case '\\':
            case '|':
            case '*':
            case '_':
            case '`':
            case '~':
            case '[':
            case ']':
                out.push_back('\\');
                out.push_back(ch);
                break;
            default:
                out.push_back(ch);
        }
    }
    // Leading and trailing blanks would be lost anyway; keep the cell tidy.
    const std::size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

// The alignment most of the column's own cells (span 1 across) share, and
// whether some differ from it.
int ColumnAlign(const TableSpec& table, int col, bool& differs) {
    std::array<int, 4> votes{};
    for (int r = 1 + (table.intHeaderRows > 0 ? 1 : 0); r <= table.intNumRows; ++r) {
        const CellSpec& cell = table.At(r, col);
        if (cell.intRowSpan >= 1 && cell.intColSpan == 1 && cell.intAlign >= 0 &&
            cell.intAlign <= intMaxAlign) {
            ++votes[cell.intAlign];
        }
    }
    int best = 0;
    int used = 0;
    for (int a = 0; a <= intMaxAlign; ++a) {
        if (votes[a] > 0) ++used;
        if (votes[a] > votes[best]) best = a;
    }
    differs = used > 1;
    return best;
}

}  // namespace

ExportResult ExportMarkdown(const TableSpec& table) {
    ExportResult result;
    const int rows = table.intNumRows;
    const int cols = table.intNumCols;
    auto rowText = [&](int r) {
        std::string line = "|";
        for (int c = 1; c <= cols; ++c) {
            const CellSpec& cell = table.At(r, c);
            line += ' ';
            if (r > 0 && cell.intRowSpan >= 1) line += MarkdownCell(cell.strContent);
            line += " |";
        }
        return line + "\n";
    };
    const bool hasHead = table.intHeaderRows > 0;
    result.text += rowText(hasHead ? 1 : 0);
    bool alignDiffers = false;
    std::string rule = "|";
    for (int c = 1; c <= cols; ++c) {
        bool differs = false;
        switch (ColumnAlign(table, c, differs)) {
            case 1:
                rule += " :--- |";
                break;
            case 2:
                rule += " :---: |";
                break;
            case 3:
                rule += " ---: |";
                break;
            default:
                rule += " --- |";
        }
        alignDiffers = alignDiffers || differs;
    }
    result.text += rule + "\n";
    for (int r = hasHead ? 2 : 1; r <= rows; ++r) result.text += rowText(r);

    auto& losses = result.losses;
    if (const int spans = CellText::CountSpans(table); spans > 0) {
        losses.push_back("has no merged cells: " + CellText::Count(spans, "span is", "spans are") +
                         " written as repeated empty cells");
    }
    if (!hasHead) losses.push_back("a table needs a head row: an empty one is written");
    if (table.intHeaderRows > 1) {
        losses.push_back("only the first header row is the head: " +
                         CellText::Count(table.intHeaderRows - 1, "more is", "more are") +
                         " written as ordinary rows");
    }
    if (table.intHeaderCols > 0) losses.push_back("header columns become ordinary cells");
    if (!table.strCaption.empty()) losses.push_back("the caption is dropped");
    if (alignDiffers) losses.push_back("alignments that differ within a column are dropped");
    if (CellText::HasColours(table)) losses.push_back("colours are dropped");
    if (CellText::CountAnchors(table, [](const CellSpec& c) { return c.intVAlign > 0; }) > 0) {
        losses.push_back("vertical alignment is dropped");
    }
    if (CellText::HasSizes(table)) losses.push_back("widths and heights are dropped");
    if (CellText::HasFonts(table)) losses.push_back("fonts are dropped");
    if (table.intBorder > 0 || table.intCellPadding > 0 || table.intCellSpacing > 0) {
        losses.push_back("the border, padding and spacing are dropped");
    }
    return result;
}

}  // namespace tabloom
