#pragma once

#include "core/export/export_table.h"

namespace tabloom {

// The table as a GitHub-flavoured Markdown pipe table.
ExportResult ExportMarkdown(const TableSpec& table);

}  // namespace tabloom
