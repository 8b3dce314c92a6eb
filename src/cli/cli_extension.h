#pragma once

#include <optional>
#include <ostream>
#include <string_view>

#include "core/model/table_spec.h"

namespace tabloom {

// Prints the table's output style, language, header rows and columns and
// caption, one "name: value" a line.
void PrintExtensionSettings(const TableSpec& table, std::ostream& out);

// The style named by a --style value ("classic", "standard"); nullopt for
// any other word.
std::optional<OutputStyle> StyleNamed(std::string_view name);

}  // namespace tabloom
