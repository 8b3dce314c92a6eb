#include "core/import/html_table_options.h"

#include <algorithm>
#include <cstdlib>

#include "core/import/css_values.h"
#include "core/import/html_document.h"

namespace tabloom {

namespace {

long Number(const char* text, long low, long high) {
    const long n = std::strtol(text, nullptr, 10);
    return std::clamp(n, low, high);
}

void TableWidth(const std::string& text, TableSpec& t, std::set<std::string>& lostStyles) {
    if (auto length = ParseHtmlLength(text); length && length->value > 0) {
        t.intTableWidth = length->value;
        t.intTableWidthUnit = length->unit;
    } else {
        lostStyles.insert("table width");
    }
}

// "4px solid gray": the width counts only when no border attribute gave one.
void Border(const std::string& value, bool takeWidth, TableSpec& t,
            std::set<std::string>& lostStyles) {
    std::size_t at = 0;
    while (at < value.size()) {
        const std::size_t end = std::min(value.find(' ', at), value.size());
        const std::string token = value.substr(at, end - at);
        at = end + 1;
        if (token.empty()) continue;
        if (auto length = ParseHtmlLength(token); length && length->unit == 1) {
            if (takeWidth) t.intBorder = length->value;
            continue;
        }
        bool known = false;
        for (int i = 0; i < static_cast<int>(strBorderStyleName.size()); ++i) {
            if (token == strBorderStyleName[i]) {
                t.intBorderStyleIndex = static_cast<std::int16_t>(i);
                known = true;
            }
        }
        for (int i = 0; i < static_cast<int>(strBorderColorName.size()); ++i) {
            if (token == strBorderColorName[i]) {
                t.intBorderColorIndex = static_cast<std::int16_t>(i);
                known = true;
            }
        }
        if (!known) lostStyles.insert("border colour " + token);
    }
    if (takeWidth && t.intBorder == 0 && value.find("px") == std::string::npos) t.intBorder = -1;
}

}  // namespace

void ReadTableOptions(const GumboNode* node, TableSpec& t, std::set<std::string>& lostStyles) {
    const char* border = HtmlDocument::Attribute(node, "border");
    t.intBorder = border != nullptr ? static_cast<std::int16_t>(Number(border, 0, 1000)) : 0;
    const char* padding = HtmlDocument::Attribute(node, "cellpadding");
    t.intCellPadding =
        padding != nullptr ? static_cast<std::int16_t>(Number(padding, 0, 1000)) : -1;
    const char* spacing = HtmlDocument::Attribute(node, "cellspacing");
    t.intCellSpacing =
        spacing != nullptr ? static_cast<std::int16_t>(Number(spacing, 0, 1000)) : -1;
    if (const char* width = HtmlDocument::Attribute(node, "width"))
        TableWidth(width, t, lostStyles);
    if (const char* bg = HtmlDocument::Attribute(node, "bgcolor")) {
        if (auto colour = ParseHtmlColour(bg))
            t.lngTableBgColor = *colour;
        else
            lostStyles.insert("bgcolor");
    }
    const char* align = HtmlDocument::Attribute(node, "align");
    t.blnCenterTable =
        (align != nullptr && LowerTrimmed(align) == "center") ||
        (node->parent != nullptr && HtmlDocument::IsElement(node->parent, GUMBO_TAG_CENTER));
    const char* style = HtmlDocument::Attribute(node, "style");
    if (style == nullptr) return;
    bool autoLeft = false;
    bool autoRight = false;
    for (const auto& [name, value] : StyleDeclarations(style)) {
        if (name == "border") {
            Border(value, border == nullptr, t, lostStyles);
        } else if (name == "background-color" || name == "background") {
            if (auto colour = ParseHtmlColour(value))
                t.lngTableBgColor = *colour;
            else
                lostStyles.insert(name);
        } else if (name == "color") {
            if (auto colour = ParseHtmlColour(value))
                t.lngTableTextColor = *colour;
            else
                lostStyles.insert(name);
        } else if (name == "width") {
            TableWidth(value, t, lostStyles);
        } else if (name == "margin-left" || name == "margin-right") {
            (name == "margin-left" ? autoLeft : autoRight) = value == "auto";
        } else if (name == "margin") {
            autoLeft = autoRight = value.find("auto") != std::string::npos;
        } else {
            lostStyles.insert(name);
        }
    }
    if (autoLeft && autoRight) t.blnCenterTable = true;
}

}  // namespace tabloom
