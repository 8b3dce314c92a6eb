#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "core/model/clock.h"
#include "core/model/table_spec.h"

namespace tabloom {

// Outcome of one HTML generation.
struct HtmlResult {
    int stage = 0;          // 0 done; 1..4 the stage a failure ended
    std::string strResult;  // the result line shown to the user
    bool blnOutputWritten = false;
};

// Opens the output stream for a path (create or truncate, binary). A null
// pointer or a stream that is not good counts as a failed open.
using HtmlStreamOpener = std::function<std::unique_ptr<std::ostream>(const std::string& path)>;

// The opener used by default: a std::ofstream in binary, truncating mode.
std::unique_ptr<std::ostream> OpenHtmlFileStream(const std::string& path);

// Writes the HTML code of the table to outputPath (used exactly as given:
// no trimming). successText is shown on success (program text 29).
HtmlResult WriteTableHtml(const TableSpec& table, const std::string& outputPath, const Clock& clock,
                          const std::string& successText);

// As above, with the stream supplied by open; lets callers redirect or
// break the output (tests inject write failures this way).
HtmlResult WriteTableHtml(const TableSpec& table, const std::string& outputPath, const Clock& clock,
                          const std::string& successText, const HtmlStreamOpener& open);

}  // namespace tabloom
