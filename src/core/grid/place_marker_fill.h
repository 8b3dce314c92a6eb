#pragma once

#include "core/model/table_spec.h"

namespace tabloom {

// With on, every blank anchor gets its place marker; without, every anchor
// whose content is a place marker of the table (whoever typed it) is emptied.
// Covered positions are left alone. True when any content changed.
bool FillPlaceMarkers(TableSpec& table, bool on);

}  // namespace tabloom
