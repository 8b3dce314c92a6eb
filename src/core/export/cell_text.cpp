#include "core/export/cell_text.h"

namespace tabloom {

std::vector<std::string> CellText::Lines(std::string_view content) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char ch = content[i];
        if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back().push_back(ch);
        }
    }
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
    return lines;
}

std::string CellText::Joined(std::string_view content, std::string_view separator) {
    std::string out;
    const std::vector<std::string> lines = Lines(content);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += separator;
        out += lines[i];
    }
    return out;
}

bool CellText::IsHeader(const TableSpec& table, int row, int col) {
    return row <= table.intHeaderRows || col <= table.intHeaderCols;
}

int CellText::CountSpans(const TableSpec& table) {
    return CountAnchors(table,
                        [](const CellSpec& c) { return c.intRowSpan > 1 || c.intColSpan > 1; });
}

bool CellText::HasColours(const TableSpec& table) {
    return table.lngTableTextColor != 0x000000 || table.lngTableBgColor != 0xFFFFFF ||
           CountAnchors(table, [](const CellSpec& c) {
               return c.lngTextColor != NotSpecifiedColor || c.lngBgColor != NotSpecifiedColor;
           }) > 0;
}

bool CellText::HasSizes(const TableSpec& table) {
    return table.intTableWidth > 0 || CountAnchors(table, [](const CellSpec& c) {
                                          return c.intWidth > 0 || c.intHeight > 0;
                                      }) > 0;
}

bool CellText::HasFonts(const TableSpec& table) {
    return CountAnchors(table, [](const CellSpec& c) {
               return !c.strFontFace.empty() || !c.strFontSize.empty();
           }) > 0;
}

std::string CellText::Count(int n, const char* singular, const char* plural) {
    return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

}  // namespace tabloom
