#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/table_spec.h"

namespace tabloom {

class HtmlDocument;

// A table read from an HTML page.
struct HtmlTableImport {
    bool ok = false;
    std::string reason;  // why nothing was read, when not ok
    int tableCount = 0;  // tables the page holds
    TableSpec table;
    // What the table model could not hold, each a phrase such as
    // "2 rows beyond 20 are cut".
    std::vector<std::string> losses;
};

// One entry per table of the page (tables inside another table's cell are
// part of that table): its caption, or the text of its first row when it
// has none, cut to about 60 characters.
std::vector<std::string> ListHtmlTables(std::string_view html);
std::vector<std::string> ListHtmlTables(const HtmlDocument& doc);

// The table with the 0-based index of ListHtmlTables, over the table
// options of a program start. Keeps the cells' text and inline markup,
// spans, th as header rows and columns, the caption, colours, alignment,
// widths, heights, fonts, and the table's border, padding, spacing, width
// and centring.
HtmlTableImport ImportHtmlTable(std::string_view html, int index);
// The same from a page already parsed, for callers that list its tables too.
HtmlTableImport ImportHtmlTable(const HtmlDocument& doc, int index);

// "The table does not fit entirely: ...", or empty when nothing is lost.
std::string ImportLossReport(const std::vector<std::string>& losses);

}  // namespace tabloom
