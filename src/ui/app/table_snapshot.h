#pragma once

#include <QString>

#include "core/model/table_spec.h"

namespace tabloom {

// Everything an undo step restores: the table with its options and the
// output path shown in the main window.
struct TableSnapshot {
    TableSpec table;
    QString outputPath;
};

}  // namespace tabloom
