#pragma once

#include <string>

#include "core/audit/table_audit.h"
#include "core/model/table_spec.h"

namespace tabloom {

// The table with the repair of one finding of AuditTable(table) made; the
// table unchanged when the finding has none (fixable is false).
//   NoHeaders: row 1 becomes the header row; with a title row, the title
//     first goes into the caption, so the row after it becomes the header.
//   TitleRow, and NoCaption when a title row is there: the title's text goes
//     into the caption and its row is deleted.
//   Contrast: the text colour of the cells becomes NearestTextColour; cells
//     on the table's colours get it as the table's text colour.
//   ClassicStyle: the output style becomes Standard.
TableSpec FixFinding(const TableSpec& table, const Finding& finding);

// What FixFinding does to the finding, e.g. "Move the title row into the
// caption"; empty when it has no repair.
std::string FixCaption(const Finding& finding);

// Every repair FixFinding knows, made until no fixable finding is left.
TableSpec FixAll(const TableSpec& table);

}  // namespace tabloom
