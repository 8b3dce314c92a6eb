#include "core/export/export_mediawiki.h"

#include <cstdlib>

#include "core/export/cell_text.h"
#include "core/model/colour.h"

namespace tabloom {

namespace {

// Characters that wiki markup would read as links, templates, emphasis or
// cell ends become character references; HTML markup passes as the wiki
// allows it.
std::string WikiText(const std::string& content) {
    std::string out;
    for (char ch : CellText::Joined(content, "\n")) {
        switch (ch) {
            case '\n':
                out += "<br />";
                break;
            case '|':
                out += "&#124;";
                break;
            case '!':
                out += "&#33;";
                break;
            case '[':
                out += "&#91;";
                break;
            case ']':
                out += "&#93;";
                break;
            case '{':
                out += "&#123;";
                break;
            case '}':
                out += "&#125;";
                break;
            case '\'':
                out += "&#39;";
                break;
            case '~':
                out += "&#126;";
                break;
            default:
                out.push_back(ch);
        }
    }
    return out;
}

std::string AttributeValue(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '"') {
            out += "&quot;";
        } else if (ch == '\r' || ch == '\n') {
            out.push_back(' ');
        } else {
            out.push_back(ch);
        }
    }
    return out;
}

// CSS for an HTML font size: 1..7, or relative to 3 with a sign.
const char* CssFontSize(const std::string& size) {
    static const char* const kNames[] = {"x-small", "small",    "medium",   "large",
                                         "x-large", "xx-large", "xxx-large"};
    if (size.empty()) return nullptr;
    int n = std::atoi(size.c_str());
    if (size[0] == '+' || size[0] == '-') n += 3;
    if (n < 1) n = 1;
    if (n > 7) n = 7;
    return kNames[n - 1];
}

std::string Length(std::int16_t value, std::int16_t unit) {
    return std::to_string(value) + (unit == 0 ? "%" : "px");
}

std::string CellStyle(const TableSpec& table, const CellSpec& cell) {
    std::string style;
    auto add = [&style](const std::string& item) {
        if (!style.empty()) style += "; ";
        style += item;
    };
    if (cell.lngBgColor != NotSpecifiedColor)
        add("background-color:" + ColorToHex(cell.lngBgColor));
    if (cell.lngTextColor != NotSpecifiedColor) {
        add("color:" + ColorToHex(cell.lngTextColor));
    } else if (table.blnUseSpecifiedColors && table.lngTableTextColor != 0x000000) {
        add("color:" + ColorToHex(table.lngTableTextColor));
    }
    if (cell.intAlign > 0 && cell.intAlign <= intMaxAlign) {
        add(std::string("text-align:") + strAlignName[cell.intAlign]);
    }
    if (cell.intVAlign > 0 && cell.intVAlign <= intMaxVAlign) {
        add(std::string("vertical-align:") + strVAlignName[cell.intVAlign]);
    }
    if (cell.intWidth > 0) add("width:" + Length(cell.intWidth, cell.intWidthUnit));
    if (cell.intHeight > 0) add("height:" + Length(cell.intHeight, cell.intHeightUnit));
    if (!cell.strFontFace.empty()) add("font-family:" + cell.strFontFace);
    if (const char* size = CssFontSize(cell.strFontSize)) add(std::string("font-size:") + size);
    return style;
}

std::string TableAttributes(const TableSpec& table) {
    std::string attrs = "class=\"wikitable\"";
    const char* borderStyle = strBorderStyleName[table.intBorderStyleIndex];
    const char* borderColour = strBorderColorName[table.intBorderColorIndex];
    std::string style = "border:";
    if (table.intBorder >= 0) style += std::to_string(table.intBorder) + "px ";
    style += std::string(borderStyle) + " " + borderColour;
    style += "; background-color:" + ColorToHex(table.lngTableBgColor);
    if (table.intTableWidth > 0)
        style += "; width:" + Length(table.intTableWidth, table.intTableWidthUnit);
    if (table.blnCenterTable) style += "; margin-left:auto; margin-right:auto";
    attrs += " style=\"" + style + "\"";
    if (table.intBorder >= 0) attrs += " border=\"" + std::to_string(table.intBorder) + "\"";
    if (table.intCellPadding >= 0) {
        attrs += " cellpadding=\"" + std::to_string(table.intCellPadding) + "\"";
    }
    if (table.intCellSpacing >= 0) {
        attrs += " cellspacing=\"" + std::to_string(table.intCellSpacing) + "\"";
    }
    return attrs;
}

}  // namespace

ExportResult ExportMediaWiki(const TableSpec& table) {
    ExportResult result;
    std::string& out = result.text;
    out += "{| " + TableAttributes(table) + "\n";
    if (!table.strCaption.empty()) out += "|+ " + WikiText(table.strCaption) + "\n";
    for (int r = 1; r <= table.intNumRows; ++r) {
        out += "|-\n";
        for (int c = 1; c <= table.intNumCols; ++c) {
            const CellSpec& cell = table.At(r, c);
            if (cell.intRowSpan < 1) continue;
            out += CellText::IsHeader(table, r, c) ? "!" : "|";
            std::string attrs;
            if (cell.intRowSpan > 1)
                attrs += " rowspan=\"" + std::to_string(cell.intRowSpan) + "\"";
            if (cell.intColSpan > 1)
                attrs += " colspan=\"" + std::to_string(cell.intColSpan) + "\"";
            if (const std::string style = CellStyle(table, cell); !style.empty()) {
                attrs += " style=\"" + AttributeValue(style) + "\"";
            }
            if (!attrs.empty()) out += attrs + " |";
            out += " " + WikiText(cell.strContent) + "\n";
        }
    }
    out += "|}\n";
    return result;
}

}  // namespace tabloom
