// libFuzzer target: any bytes as a table file. A file that loads must apply,
// save and load again to the same table, and saving that gives the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/model/table_spec.h"
#include "core/storage/table_file.h"

namespace {

[[noreturn]] void Broken(const char* what) {
    __builtin_printf("round trip broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tabloom;
    const TableLoadResult first =
        ParseTable(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!first.ok) {
        if (first.reason.empty()) Broken("refusal without a reason");
        return 0;
    }

    TableSpec table;
    InitTableState(table);
    const std::string path = ApplyLoadedTable(first.data, table);

    std::string bytes;
    std::string reason;
    if (!FormatTable(table, path, bytes, reason)) Broken(reason.c_str());
    const TableLoadResult second = ParseTable(bytes);
    if (!second.ok) Broken(second.reason.c_str());

    TableSpec again;
    InitTableState(again);
    const std::string pathAgain = ApplyLoadedTable(second.data, again);
    if (!again.SameSpec(table)) Broken("different table");
    if (pathAgain != path) Broken("different output path");

    std::string bytesAgain;
    if (!FormatTable(again, pathAgain, bytesAgain, reason)) Broken(reason.c_str());
    if (bytesAgain != bytes) Broken("different bytes");
    return 0;
}
