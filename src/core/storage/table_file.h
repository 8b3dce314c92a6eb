#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "core/model/table_spec.h"

namespace tabloom {

// Everything a table file holds, read and checked but not yet applied.
struct LoadedTable {
    // The table as stored; the check boxes count as set when stored as 1.
    TableSpec table;
    // Check box states as stored: 0, 1 or 2 (greyed).
    std::int16_t chkAddHTMLWrapper4 = 0;
    std::int16_t chkCenterTable4 = 0;
    std::int16_t chkAddPlaceMarkers = 0;
    // UTF-8, leading and trailing spaces removed.
    std::string strOutputFile;
};

struct TableLoadResult {
    bool ok = false;
    std::string reason;  // why the file was refused, naming line and field
    LoadedTable data;
};

// Test seams for saving: the write fails like a full disk once this many
// bytes are written; no temporary file can be made beside the file.
struct SaveOptions {
    std::size_t byteBudget = std::numeric_limits<std::size_t>::max();
    bool refuseTemporaryFile = false;
};

// The bytes of the table file for table and outputPath. False, with reason,
// when the table cannot be stored so that it loads again (dimensions, spans
// or indexes out of order, a font size or path that the fields cannot hold).
bool FormatTable(const TableSpec& table, std::string_view outputPath, std::string& bytes,
                 std::string& reason);

// Parses and checks a whole table file; nothing is applied anywhere.
TableLoadResult ParseTable(std::string_view bytes);

// Reads file and parses it. Anything but a regular file is refused before
// it can block (a FIFO, a device).
TableLoadResult LoadTable(const std::string& file);

// Writes the table file through a temporary file in the same folder that
// replaces file only when it is complete (or, where the folder allows no new
// file, by rewriting file in place); on failure file keeps its old bytes.
bool SaveTable(const TableSpec& table, const std::string& outputPath, const std::string& file);
bool SaveTable(const TableSpec& table, const std::string& outputPath, const std::string& file,
               const SaveOptions& options, std::string* reason);

// Applies a checked file to table: check boxes, dimensions (cells outside
// them reset), frame values, cells; the drawn rectangles and the colour
// choice stay. Returns the output path.
std::string ApplyLoadedTable(const LoadedTable& loaded, TableSpec& table);

// Loads file and applies it only when the whole file is valid: on failure
// table and outputPath stay exactly as they were and reason tells why.
bool LoadTableInto(const std::string& file, TableSpec& table, std::string& outputPath,
                   std::string& reason);

}  // namespace tabloom
