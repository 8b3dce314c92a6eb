#pragma once

#include "core/export/export_table.h"

namespace tabloom {

// The table as a LaTeX tabular; it needs the packages xcolor (with the table option), multirow and
// the T1 font encoding.
ExportResult ExportLatex(const TableSpec& table);

}  // namespace tabloom
