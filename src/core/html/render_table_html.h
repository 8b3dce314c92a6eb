#pragma once

#include <string>

#include "core/model/clock.h"
#include "core/model/table_spec.h"

namespace tabloom {

// The HTML code of a table with CR LF line ends, Windows-1252 bytes in the
// classic style and UTF-8 in the standard one:
// head is the optional page start, the comment and the table start tag;
// body the rows and the end. Both are empty when CheckTable refuses the table.
struct TableHtmlParts {
    std::string head;
    std::string body;
};

TableHtmlParts RenderTableHtmlParts(const TableSpec& table, const Clock& clock);

// The exact bytes Create writes for table at the clock's time, in the
// table's output style; empty when CheckTable refuses the table.
std::string RenderTableHtml(const TableSpec& table, const Clock& clock);

// The same code as UTF-8 text, whatever the style's encoding.
std::string RenderTableHtmlText(const TableSpec& table, const Clock& clock);

}  // namespace tabloom
