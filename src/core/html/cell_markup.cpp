#include "core/html/cell_markup.h"

#include <cctype>

#include "core/html/html_text.h"

namespace tabloom {

namespace {

bool EndsWithBreakTag(std::string_view line) {
    const std::size_t end = line.find_last_not_of(' ');
    if (end == std::string_view::npos || line[end] != '>') return false;
    const std::size_t open = line.rfind('<', end);
    if (open == std::string_view::npos) return false;
    std::string tag;
    for (std::size_t i = open + 1; i < end; ++i) {
        if (line[i] != ' ' && line[i] != '/') {
            tag.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(line[i]))));
        }
    }
    return tag == "br";
}

}  // namespace

void AppendStyledText(std::string& out, std::string_view line, OutputStyle style) {
    if (style == OutputStyle::Standard) {
        AppendUtf8PageText(out, line);
    } else {
        AppendPageText(out, line);
    }
}

RowHoist FindRowHoist(const TableSpec& table, int row) {
    RowHoist hoist;
    const CellSpec& ref = table.At(row, 1);
    for (int c = 2; c <= table.intNumCols; ++c) {
        const CellSpec& cell = table.At(row, c);
        if (cell.intAlign != ref.intAlign) hoist.blnSameAlign = false;
        if (cell.intVAlign != ref.intVAlign) hoist.blnSameVAlign = false;
        if (cell.lngBgColor != ref.lngBgColor) hoist.blnSameBg = false;
    }
    return hoist;
}

bool OwnAlign(const TableSpec& table, const CellSpec& cell, const RowHoist& hoist) {
    return cell.intAlign > 0 && (table.intNumCols < 2 || !hoist.blnSameAlign);
}

bool OwnVAlign(const TableSpec& table, const CellSpec& cell, const RowHoist& hoist) {
    return cell.intVAlign > 0 && (table.intNumCols < 2 || !hoist.blnSameVAlign);
}

bool OwnBg(const TableSpec& table, const CellSpec& cell, const RowHoist& hoist) {
    return cell.lngBgColor != NotSpecifiedColor && (table.intNumCols < 2 || !hoist.blnSameBg);
}

FontUse FindFontUse(const TableSpec& table, const CellSpec& cell) {
    FontUse use;
    const bool hasText = !IsBlank(cell.strContent);
    const bool hasFont = !cell.strFontFace.empty() || !cell.strFontSize.empty();
    const bool hasColour = cell.lngTextColor != NotSpecifiedColor || table.blnUseSpecifiedColors;
    use.open = (hasText && hasColour) || hasFont;
    use.colour = hasColour && hasText;
    use.colourValue =
        cell.lngTextColor != NotSpecifiedColor ? cell.lngTextColor : table.lngTableTextColor;
    return use;
}

void AppendContent(std::string& out, std::string_view content, OutputStyle style) {
    if (content.empty()) {
        out += kNbsp;
        return;
    }
    // One leading and one trailing line end are no lines of their own.
    if (content.substr(0, 2) == kCrLf) content.remove_prefix(2);
    if (content.size() >= 2 && content.substr(content.size() - 2) == kCrLf) {
        content.remove_suffix(2);
    }
    std::size_t end = content.find(kCrLf);
    std::string_view previous = content.substr(0, end);
    AppendStyledText(out, previous, style);
    while (end != std::string_view::npos) {
        const std::size_t start = end + 2;
        end = content.find(kCrLf, start);
        const std::string_view line = content.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (end == std::string_view::npos && IsBlank(line)) break;
        if (style == OutputStyle::Standard) {
            if (!EndsWithBreakTag(previous)) out += "<br>";
            out += kCrLf;
        }
        const std::size_t first = line.find_first_not_of(' ');
        if (line.empty()) {
            out += kNbsp;
        } else if (first != std::string_view::npos) {
            for (std::size_t j = 0; j < first; ++j) out += kNbsp;
            AppendStyledText(out, line.substr(first), style);
        }
        if (style == OutputStyle::Classic) out += kCrLf;
        previous = line;
    }
}

void AppendCaptionAndGroups(std::string& out, const TableSpec& table,
                            const HeaderStructure& headers, OutputStyle style) {
    if (!table.strCaption.empty()) {
        out += "<caption>";
        AppendStyledText(out, EscapedText(table.strCaption), style);
        out += "</caption>\r\n";
    }
    for (const int span : headers.colGroupSpans) {
        out += "<colgroup";
        if (span > 1) {
            out += " span=\"";
            AppendNumber(out, span);
            out += '"';
        }
        out += "></colgroup>\r\n";
    }
}

}  // namespace tabloom
