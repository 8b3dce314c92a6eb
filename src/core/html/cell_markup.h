#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/html/header_structure.h"
#include "core/model/table_spec.h"

namespace tabloom {

// What both output styles decide alike for rows and cells.

// Which of the row's reference values every column shares; a shared value
// goes on the tr and is left out of the cells. Only for two columns or more.
struct RowHoist {
    bool blnSameAlign = true;
    bool blnSameVAlign = true;
    bool blnSameBg = true;
};

// Covered positions take part: they keep their own values.
RowHoist FindRowHoist(const TableSpec& table, int row);

// Whether the cell's value goes on the cell rather than on its row.
bool OwnAlign(const TableSpec& table, const CellSpec& cell, const RowHoist& hoist);
bool OwnVAlign(const TableSpec& table, const CellSpec& cell, const RowHoist& hoist);
bool OwnBg(const TableSpec& table, const CellSpec& cell, const RowHoist& hoist);

// The text look of a cell's content: the font element of the classic
// markup, a styled span in the standard one.
struct FontUse {
    bool open = false;    // an element encloses the content
    bool colour = false;  // with colour
    std::int32_t colourValue = 0;
};

FontUse FindFontUse(const TableSpec& table, const CellSpec& cell);

// Appends the cell's content. The first line runs on after the start tag,
// later lines get their leading blanks as &nbsp; and a blank last line is
// dropped. Classic: Windows-1252, each later line ends with a line end and
// nothing marks the break. Standard: UTF-8, a line end with <br> before each
// later line unless the line before already ends with a <br> tag.
void AppendContent(std::string& out, std::string_view content, OutputStyle style);

// Text in the style's encoding: Windows-1252 or UTF-8.
void AppendStyledText(std::string& out, std::string_view utf8, OutputStyle style);

// The caption, escaped as plain text, and the colgroup elements that the
// column group headers name; the first children of the table.
void AppendCaptionAndGroups(std::string& out, const TableSpec& table,
                            const HeaderStructure& headers, OutputStyle style);

}  // namespace tabloom
