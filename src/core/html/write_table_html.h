#pragma once

#include <string>

#include "core/model/clock.h"
#include "core/model/table_spec.h"

namespace tabloom {

// Outcome of one HTML generation.
struct HtmlResult {
    int stage = 0;               // 0 done; 1..4 the stage a failure ended
    std::string strResult;       // the result line shown to the user
    bool blnOutputWritten = false;
};

// Writes the HTML code of the table to outputPath (used exactly as given:
// no trimming). successText is shown on success (program text 29).
HtmlResult WriteTableHtml(const TableSpec& table, const std::string& outputPath,
                          const Clock& clock, const std::string& successText);

}  // namespace tabloom
