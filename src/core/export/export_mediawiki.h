#pragma once

#include "core/export/export_table.h"

namespace tabloom {

// The table as a MediaWiki wikitable.
ExportResult ExportMediaWiki(const TableSpec& table);

}  // namespace tabloom
