#pragma once

#include <gumbo.h>

#include <set>
#include <string>

#include "core/model/table_spec.h"

namespace tabloom {

// The table element's border, padding, spacing, width, colours and
// centring into t; styles it cannot hold are named in lostStyles. Without
// a border attribute or style the table gets border 0, as the page shows it.
void ReadTableOptions(const GumboNode* node, TableSpec& t, std::set<std::string>& lostStyles);

}  // namespace tabloom
