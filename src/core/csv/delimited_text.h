#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabloom {

// Rows of fields read from comma- or tab-separated text. Fields are UTF-8;
// a line break inside a quoted field is CR LF.
struct DelimitedText {
    char separator = ',';
    std::vector<std::vector<std::string>> rows;
    // The line of the text on which each row starts (1-based).
    std::vector<int> rowLines;
};

struct DelimitedResult {
    bool ok = false;
    int line = 0;        // where the text stopped being readable
    std::string reason;  // why, without the line
    DelimitedText data;
};

// Reads text as spreadsheets write it: tab-separated when it holds a tab
// outside quoted fields, comma-separated otherwise. Fields may be quoted, with "" for a quote
// inside and line breaks (CR LF, LF or CR) kept. The line break after the
// last row is optional; a UTF-8 byte order mark at the start is ignored.
// Refuses text that is not UTF-8, holds a NUL byte or leaves a quote open.
DelimitedResult ReadDelimited(std::string_view text);

// The text that ReadDelimited reads back as rows: every field quoted,
// rows ended by CR LF.
std::string WriteDelimited(const std::vector<std::vector<std::string>>& rows, char separator);

}  // namespace tabloom
