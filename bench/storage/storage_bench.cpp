// Load and save of a full 20 x 20 table.
//   storage_bench [benchmark flags]
//   storage_bench --write-table FILE   writes the benchmark table and exits
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

#include "core/model/table_spec.h"
#include "core/storage/table_file.h"

namespace {

using namespace tabloom;

TableSpec FullTable() {
    TableSpec t;
    InitTableState(t);
    t.intNumRows = 20;
    t.intNumCols = 20;
    t.blnAddHTMLWrapper = true;
    t.intTableWidth = 90;
    t.intTableWidthUnit = 0;
    for (int r = 1; r <= 20; ++r) {
        for (int c = 1; c <= 20; ++c) {
            CellSpec& cell = t.At(r, c);
            cell.strContent = "Row " + std::to_string(r) + ", column " + std::to_string(c) +
                              "\r\n  second line with \"quotes\" and caf\xC3\xA9";
            cell.strFontFace = "Arial";
            cell.strFontSize = "+1";
            cell.lngTextColor = 0x112233 * r;
            cell.lngBgColor = 0x010101 * c;
            cell.intAlign = static_cast<std::int16_t>(c % 4);
            cell.intVAlign = static_cast<std::int16_t>(r % 4);
            cell.intWidth = 40;
        }
    }
    return t;
}

std::filesystem::path BenchFile() {
    return std::filesystem::temp_directory_path() /
           ("tabloom-storage-bench-" + std::to_string(::getpid()) + ".tbl");
}

// The in-memory part: bytes out and back in.
void BM_FormatAndParse20x20(benchmark::State& state) {
    const TableSpec table = FullTable();
    std::string bytes;
    std::string reason;
    TableSpec target;
    for (auto _ : state) {
        FormatTable(table, "/home/user/out.htm", bytes, reason);
        const TableLoadResult loaded = ParseTable(bytes);
        ApplyLoadedTable(loaded.data, target);
        benchmark::DoNotOptimize(target);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size() * 2));
}
BENCHMARK(BM_FormatAndParse20x20)->Unit(benchmark::kMicrosecond);

// Save (temporary file, fsync, rename) and load from disk, as the program does.
void BM_SaveAndLoad20x20(benchmark::State& state) {
    const TableSpec table = FullTable();
    const std::string file = BenchFile().string();
    TableSpec target;
    std::string path;
    std::string reason;
    for (auto _ : state) {
        if (!SaveTable(table, "/home/user/out.htm", file)) state.SkipWithError("save failed");
        if (!LoadTableInto(file, target, path, reason)) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(target);
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_SaveAndLoad20x20)->Unit(benchmark::kMicrosecond);

// Load alone, the start-up path.
void BM_Load20x20(benchmark::State& state) {
    const std::string file = BenchFile().string();
    SaveTable(FullTable(), "/home/user/out.htm", file);
    for (auto _ : state) {
        const TableLoadResult loaded = LoadTable(file);
        benchmark::DoNotOptimize(loaded);
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_Load20x20)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-table") == 0) {
        std::string reason;
        if (!SaveTable(FullTable(), argv[2], argv[2], SaveOptions{}, &reason)) {
            std::cerr << "storage_bench: " << reason << "\n";
            return 1;
        }
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
