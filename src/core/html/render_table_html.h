#pragma once

#include <string>

#include "core/model/clock.h"
#include "core/model/table_spec.h"

namespace tabloom {

// The HTML code of a table as Windows-1252 bytes with CR LF line ends:
// head is the optional page start, the comment and the table start tag;
// body the rows and the end. Both are empty when CheckTable refuses the table.
struct TableHtmlParts {
    std::string head;
    std::string body;
};

TableHtmlParts RenderTableHtmlParts(const TableSpec& table, const Clock& clock);

// The exact bytes Create writes for table at the clock's time; empty when
// CheckTable refuses the table.
std::string RenderTableHtml(const TableSpec& table, const Clock& clock);

}  // namespace tabloom
