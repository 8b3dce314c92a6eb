#pragma once

#include <QString>
#include <cstdint>

#include "core/model/table_spec.h"

namespace tabloom {

inline constexpr const char* kOutputFilePrompt =
    "Click on the button at left to specify the location and name for an output file.";

// The state the main window keeps for the whole run besides its controls.
struct ProgramState {
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

    // The current cell, the one for every command: clicks and the grid's
    // keys move it; it is edited, copied from, pasted at, emptied, and rows
    // and columns are inserted and deleted beside it.
    std::int16_t intRow = 1;
    std::int16_t intCol = 1;
    std::int16_t intHighlightRow = 0;
    std::int16_t intHighlightCol = 0;
    // The anchor a refused span would overlap.
    std::int16_t intOverlapRow = 0;
    std::int16_t intOverlapCol = 0;
    // Colours handed to and from the cell dialog.
    std::int32_t lngEditCellTextColor = NotSpecifiedColor;
    std::int32_t lngEditCellBgColor = NotSpecifiedColor;
    std::int32_t lngEditTableTextColor = 0x000000;
    std::int32_t lngEditTableBgColor = 0xFFFFFF;
};

}  // namespace tabloom
