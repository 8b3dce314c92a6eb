#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/html/render_table_html.h"
#include "core/html/write_table_html.h"
#include "core/model/clock.h"
#include "core/model/table_spec.h"

namespace tabloom {
namespace {

// The largest table: every cell with two lines, a face, a size and colours.
TableSpec FullTable() {
    TableSpec table;
    InitTableState(table);
    table.intNumRows = intMaxRows;
    table.intNumCols = intMaxCols;
    table.blnAddHTMLWrapper = true;
    table.blnCenterTable = true;
    table.intTableWidth = 90;
    table.intTableWidthUnit = 0;
    for (int r = 1; r <= intMaxRows; ++r) {
        for (int c = 1; c <= intMaxCols; ++c) {
            CellSpec& cell = table.At(r, c);
            cell.strContent = "Row " + std::to_string(r) + " column " + std::to_string(c) +
                              "\r\n  second line \xE2\x82\xAC";
            cell.strFontFace = "Verdana";
            cell.strFontSize = "2";
            cell.lngTextColor = 0x102030 * (c % 4);
            cell.lngBgColor = 0x0F0F0F * (r % 8) + c;
            cell.intAlign = static_cast<std::int16_t>(c % 4);
        }
    }
    return table;
}

const FixedClock kClock(LocalDateTime{2026, 12, 5, 14, 5, 0});

std::string BenchPath() {
    return (std::filesystem::temp_directory_path() / "tabloom_html_bench.htm").string();
}

// Generation alone: the bytes in memory, in each output style.
void BM_GenerateFullTable(benchmark::State& state) {
    TableSpec table = FullTable();
    table.outputStyle = static_cast<OutputStyle>(state.range(0));
    table.intHeaderRows = static_cast<std::int16_t>(state.range(0));
    table.intHeaderCols = static_cast<std::int16_t>(state.range(0));
    table.strCaption = state.range(0) != 0 ? "Full table" : "";
    state.SetLabel(state.range(0) != 0 ? "standard, header row and column, caption" : "classic");
    for (auto _ : state) {
        const std::string bytes = RenderTableHtml(table, kClock);
        if (bytes.empty()) {
            state.SkipWithError("table refused");
            break;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_GenerateFullTable)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The usual case of Create: a file that is not there yet.
void BM_WriteFullTableNewFile(benchmark::State& state) {
    const TableSpec table = FullTable();
    const std::string path = BenchPath();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(path);
        state.ResumeTiming();
        const HtmlResult result = WriteTableHtml(table, path, kClock, "Done.");
        if (!result.blnOutputWritten) {
            state.SkipWithError(result.strResult.c_str());
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteFullTableNewFile)->Unit(benchmark::kMicrosecond);

// Create again over the last output: the file is truncated and rewritten.
void BM_WriteFullTableReplaceFile(benchmark::State& state) {
    const TableSpec table = FullTable();
    const std::string path = BenchPath();
    for (auto _ : state) {
        const HtmlResult result = WriteTableHtml(table, path, kClock, "Done.");
        if (!result.blnOutputWritten) {
            state.SkipWithError(result.strResult.c_str());
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteFullTableReplaceFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tabloom

BENCHMARK_MAIN();
