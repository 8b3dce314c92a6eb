#include "cli_from_csv.h"

#include <iterator>
#include <vector>

#include "cli_commands.h"
#include "cli_input.h"
#include "core/csv/delimited_text.h"
#include "core/grid/paste_values.h"
#include "core/model/table_spec.h"
#include "core/storage/table_file.h"

namespace tabloom {

namespace {

// The table file stands byte 253 (y acute) in for a double quote, so a real
// one would come back as a quote; its character reference survives and
// gives the same HTML.
void ProtectQuoteStandIn(std::vector<std::vector<std::string>>& rows) {
    static const std::string kYAcute = "\xC3\xBD";
    for (auto& row : rows) {
        for (std::string& value : row) {
            for (std::size_t at = value.find(kYAcute); at != std::string::npos;
                 at = value.find(kYAcute, at)) {
                value.replace(at, kYAcute.size(), "&#253;");
            }
        }
    }
}

}  // namespace

int FromCsv(const std::string& inFile, const std::string& outFile, std::istream& in,
            std::ostream& err) {
    const std::string name = inFile == "-" ? "standard input" : inFile;
    std::string bytes;
    std::string reason;
    if (!ReadCliInput(inFile, in, bytes, reason)) {
        err << "error: cannot read " << name << ": " << reason << "\n";
        return kExitFailed;
    }
    DelimitedResult text = ReadDelimited(bytes);
    if (!text.ok) {
        err << "error: " << name << " line " << text.line << ": " << text.reason << "\n";
        return kExitFailed;
    }
    const auto& rows = text.data.rows;
    if (rows.empty()) {
        err << "error: " << name << " holds no rows\n";
        return kExitFailed;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int line = text.data.rowLines[i];
        if (i >= static_cast<std::size_t>(intMaxRows)) {
            err << "error: " << name << " line " << line << ": row " << i + 1
                << " does not fit; a table has at most " << intMaxRows << " rows\n";
            return kExitFailed;
        }
        if (rows[i].size() > static_cast<std::size_t>(intMaxCols)) {
            err << "error: " << name << " line " << line << ": " << rows[i].size()
                << " fields do not fit; a table has at most " << intMaxCols << " columns\n";
            return kExitFailed;
        }
    }

    TableSpec table;
    InitTableState(table);
    table.intNumRows = 1;
    table.intNumCols = 1;
    AdjustCellsToDimensions(table);
    ProtectQuoteStandIn(text.data.rows);
    PasteValues(table, 1, 1, rows);
    if (!SaveTable(table, std::string(), outFile, SaveOptions{}, &reason)) {
        err << "error: " << reason << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace tabloom
