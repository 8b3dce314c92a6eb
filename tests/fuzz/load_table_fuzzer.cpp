// libFuzzer target: any bytes as a table file on disk. LoadTable on the file
// must agree with ParseTable on the bytes; a file that loads must save and
// load again to the same table, and saving that gives the same bytes;
// LoadTableInto must change the table only when the file loads.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/model/table_spec.h"
#include "core/storage/table_file.h"

namespace {

[[noreturn]] void Broken(const char* what) {
    __builtin_printf("load broken: %s\n", what);
    std::abort();
}

const std::string& FuzzFile() {
    static const std::string file = [] {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp != nullptr ? tmp : "/tmp") + "/tabloom-load-fuzz-" +
               std::to_string(::getpid()) + ".tbl";
    }();
    return file;
}

void WriteFile(const std::string& file, std::string_view bytes) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) Broken("cannot create the input file");
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    if (std::fclose(out) != 0 || !ok) Broken("cannot write the input file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tabloom;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string& file = FuzzFile();
    WriteFile(file, bytes);

    const TableLoadResult fromFile = LoadTable(file);
    const TableLoadResult fromBytes = ParseTable(bytes);
    if (fromFile.ok != fromBytes.ok) Broken("file and bytes disagree");
    if (fromFile.reason != fromBytes.reason) Broken("different reasons");
    if (fromFile.ok && (!fromFile.data.table.SameSpec(fromBytes.data.table) ||
                        fromFile.data.strOutputFile != fromBytes.data.strOutputFile)) {
        Broken("different tables");
    }
    // What loads saves again, extension block and decoded references
    // included, loads to the same table and saves to the same bytes.
    if (fromBytes.ok) {
        std::string again;
        std::string why;
        if (!FormatTable(fromBytes.data.table, fromBytes.data.strOutputFile, again, why)) {
            Broken("a loaded table cannot be saved");
        }
        const TableLoadResult reloaded = ParseTable(again);
        if (!reloaded.ok || !reloaded.data.table.SameSpec(fromBytes.data.table) ||
            reloaded.data.strOutputFile != fromBytes.data.strOutputFile) {
            Broken("save and load again differ");
        }
        TableSpec applied;
        InitTableState(applied);
        std::string bytesAgain;
        const std::string path = ApplyLoadedTable(reloaded.data, applied);
        if (!applied.SameSpec(fromBytes.data.table) || path != fromBytes.data.strOutputFile) {
            Broken("applying the table changed it");
        }
        if (!FormatTable(applied, path, bytesAgain, why) || bytesAgain != again) {
            Broken("different bytes");
        }
    }

    TableSpec table;
    InitTableState(table);
    table.At(1, 1).strContent = "before";
    const TableSpec before = table;
    std::string path = "/before.htm";
    std::string reason;
    const bool loaded = LoadTableInto(file, table, path, reason);
    if (loaded != fromFile.ok) Broken("LoadTableInto disagrees");
    if (!loaded && (!table.SameSpec(before) || path != "/before.htm" || reason.empty())) {
        Broken("a refused file changed the table");
    }
    std::remove(file.c_str());
    return 0;
}
