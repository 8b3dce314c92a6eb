#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

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

void BM_WriteTableHtmlFullTable(benchmark::State& state) {
    const TableSpec table = FullTable();
    const FixedClock clock(LocalDateTime{2026, 12, 5, 14, 5, 0});
    const std::string path =
        (std::filesystem::temp_directory_path() / "tabloom_html_bench.htm").string();
    for (auto _ : state) {
        const HtmlResult result = WriteTableHtml(table, path, clock, "Done.");
        if (!result.blnOutputWritten) {
            state.SkipWithError(result.strResult.c_str());
            break;
        }
        benchmark::DoNotOptimize(result.stage);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteTableHtmlFullTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tabloom

BENCHMARK_MAIN();
