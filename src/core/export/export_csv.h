#pragma once

#include "core/export/export_table.h"

namespace tabloom {

// The table as comma-separated values, RFC 4180, rows ended by CR LF.
ExportResult ExportCsv(const TableSpec& table);

}  // namespace tabloom
