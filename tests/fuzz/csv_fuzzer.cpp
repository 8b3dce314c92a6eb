// libFuzzer target: any bytes as comma- or tab-separated text. Text that
// reads must read again to the same rows once written, hold line breaks
// only as CR LF, and paste into a table without breaking its dimensions.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/csv/delimited_text.h"
#include "core/grid/paste_values.h"
#include "core/model/check_table.h"
#include "core/model/table_spec.h"

namespace {

[[noreturn]] void Broken(const char* what) {
    __builtin_printf("delimited text broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tabloom;
    const DelimitedResult first =
        ReadDelimited(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!first.ok) {
        if (first.reason.empty() || first.line < 1) Broken("refusal without a line or reason");
        return 0;
    }
    if (first.data.rows.size() != first.data.rowLines.size()) Broken("lines do not match rows");
    for (const auto& row : first.data.rows) {
        if (row.empty()) Broken("a row without fields");
        for (const std::string& field : row) {
            for (std::size_t i = 0; i < field.size(); ++i) {
                if (field[i] == '\r' && (i + 1 == field.size() || field[i + 1] != '\n')) {
                    Broken("a lone CR in a field");
                }
                if (field[i] == '\n' && (i == 0 || field[i - 1] != '\r')) {
                    Broken("a lone LF in a field");
                }
            }
        }
    }

    const DelimitedResult second =
        ReadDelimited(WriteDelimited(first.data.rows, first.data.separator));
    if (!second.ok) Broken(second.reason.c_str());
    if (second.data.rows != first.data.rows) Broken("different rows after writing");

    TableSpec table;
    InitTableState(table);
    const PasteOutcome outcome = PasteValues(table, 3, 3, first.data.rows);
    if (table.intNumRows < 6 || table.intNumRows > intMaxRows || table.intNumCols < 6 ||
        table.intNumCols > intMaxCols) {
        Broken("dimensions out of range");
    }
    if (outcome.skipped != 0) Broken("skipped a value without any span");
    if (const std::string offence = CheckTable(table); !offence.empty()) Broken(offence.c_str());
    return 0;
}
