#pragma once

#include <string>
#include <string_view>

#include "core/model/table_spec.h"

namespace tabloom {

// The settings older readers do not know follow the output path line as a
// block: the line "[tabloom]", then one "key value" a line. Only settings
// that differ from their defaults are written, so a table that uses none
// is stored exactly as before.

// Appends the block for table, or nothing when every setting is a default.
void AppendExtensionBlock(std::string& out, const TableSpec& table);

// Reads the block from rest, the bytes after the output path line, whose
// first line is line firstLine of the file. Bytes that do not begin with the
// block's first line are ignored, as are keys this version does not know.
// False, with reason naming the line, when a known key holds a value out of
// range; header counts are checked against table's dimensions.
bool ParseExtensionBlock(std::string_view rest, int firstLine, TableSpec& table,
                         std::string& reason);

}  // namespace tabloom
