#pragma once

#include <string>
#include <string_view>

#include "core/model/clock.h"
#include "core/model/table_spec.h"

namespace tabloom {

// The HTML code of a table with CR LF line ends, Windows-1252 bytes in the
// classic style and UTF-8 in the standard one:
// head is the optional page start, the comment and the table start tag;
// body the rows and the end. Both are empty when CheckTable refuses the table.
struct TableHtmlParts {
    std::string bytes;  // head, then body
    std::size_t headSize = 0;

    std::string_view Head() const { return std::string_view(bytes).substr(0, headSize); }
    std::string_view Body() const { return std::string_view(bytes).substr(headSize); }
};

// The bytes a table's code takes, or a little more: reserved at once, since
// growing a buffer of this size costs more than writing it.
std::size_t EstimatedHtmlSize(const TableSpec& table, std::size_t perCell);

TableHtmlParts RenderTableHtmlParts(const TableSpec& table, const Clock& clock);

// The exact bytes Create writes for table at the clock's time, in the
// table's output style; empty when CheckTable refuses the table.
std::string RenderTableHtml(const TableSpec& table, const Clock& clock);

// The same code as UTF-8 text, whatever the style's encoding.
std::string RenderTableHtmlText(const TableSpec& table, const Clock& clock);

}  // namespace tabloom
