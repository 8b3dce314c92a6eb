#include "core/grid/block_clipboard.h"

#include "core/model/colour.h"
#include "core/model/place_markers.h"

namespace tabloom {

namespace {

// The content of the anchor at (row, col) with its line ends as replacement
// (CR LF, a lone CR or LF each one line end).
std::string ContentWithLineEnds(const TableSpec& table, int row, int col, const char* lineEnd) {
    if (IsPlaceMarker(table, row, col)) return {};
    const std::string& content = table.At(row, col).strContent;
    std::string out;
    out.reserve(content.size());
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' || content[i] == '\n') {
            out += lineEnd;
            if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
        } else {
            out += content[i];
        }
    }
    return out;
}

std::string QuotedField(const std::string& value) {
    if (value.find_first_of("\t\n\"") == std::string::npos) return value;
    std::string out = "\"";
    for (const char ch : value) {
        if (ch == '"') out += '"';
        out += ch;
    }
    return out + "\"";
}

std::string CellStyle(const TableSpec& table, const CellSpec& cell) {
    std::string style;
    const auto colour = [&](const char* property, std::int32_t own, std::int32_t tables) {
        const std::int32_t value = own != NotSpecifiedColor ? own : tables;
        style += std::string(property) + ":" + ColorToHex(value) + ";";
    };
    colour("background-color", cell.lngBgColor, table.lngTableBgColor);
    colour("color", cell.lngTextColor, table.lngTableTextColor);
    if (cell.intAlign > 0) style += std::string("text-align:") + strAlignName[cell.intAlign] + ";";
    if (cell.intVAlign > 0) {
        style += std::string("vertical-align:") + strVAlignName[cell.intVAlign] + ";";
    }
    return style;
}

}  // namespace

std::string BlockAsTabText(const TableSpec& table, const CellBlock& block) {
    std::string text;
    for (int r = block.top; r <= block.bottom; ++r) {
        for (int c = block.left; c <= block.right; ++c) {
            if (c > block.left) text += '\t';
            if (table.At(r, c).intRowSpan > 0) {
                text += QuotedField(ContentWithLineEnds(table, r, c, "\n"));
            }
        }
        text += '\n';
    }
    return text;
}

std::string BlockAsHtml(const TableSpec& table, const CellBlock& block) {
    std::string html = "<table>\n";
    for (int r = block.top; r <= block.bottom; ++r) {
        html += "<tr>";
        for (int c = block.left; c <= block.right; ++c) {
            const CellSpec& cell = table.At(r, c);
            if (cell.intRowSpan == 0) continue;
            const bool header = r <= table.intHeaderRows || c <= table.intHeaderCols;
            const char* tag = header ? "th" : "td";
            html += std::string("<") + tag;
            if (cell.intRowSpan > 1) html += " rowspan=\"" + std::to_string(cell.intRowSpan) + "\"";
            if (cell.intColSpan > 1) html += " colspan=\"" + std::to_string(cell.intColSpan) + "\"";
            html += " style=\"" + CellStyle(table, cell) + "\">";
            html += ContentWithLineEnds(table, r, c, "<br>");
            html += std::string("</") + tag + ">";
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace tabloom
