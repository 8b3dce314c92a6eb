#pragma once

#include <QString>

#include "core/model/table_spec.h"

namespace tabloom {

inline constexpr const char* kOutputFilePrompt =
    "Click on the button at left to specify the location and name for an output file.";

// The state the main window keeps for the whole run besides its controls.
struct ProgramState {
    TableSpec table;
    QString strOutputFilePrompt;
    long lngMaxViewKB = 60;
    long lngOutputFileLen = 0;
    QString strOutputFile;  // the path the last Create wrote to
    bool blnOutputWritten = false;
    QString strSettingsFile;
    QString strTableFile;
    QString strDataFileName;
    bool blnFormInitialized = false;
    bool blnIgnoreGridClick = false;
};

}  // namespace tabloom
