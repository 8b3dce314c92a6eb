// The cost of following one change of the table in the live preview, for
// the largest table: rendering the HTML, decoding it and laying it out.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <string>

#include "core/encoding/windows1252.h"
#include "core/html/render_table_html.h"
#include "core/model/clock.h"
#include "core/model/table_spec.h"
#include "ui/view/frm_preview.h"

namespace tabloom {
namespace {

// Every cell with two lines, a face, a size, colours and an alignment.
TableSpec FullTable() {
    TableSpec table;
    InitTableState(table);
    table.intNumRows = intMaxRows;
    table.intNumCols = intMaxCols;
    table.blnCenterTable = true;
    for (int r = 1; r <= intMaxRows; ++r) {
        for (int c = 1; c <= intMaxCols; ++c) {
            CellSpec& cell = table.At(r, c);
            cell.strContent = "Row " + std::to_string(r) + " col " + std::to_string(c) +
                              "<br>\xE2\x82\xAC " + std::to_string(r * c);
            cell.strFontFace = "Verdana";
            cell.strFontSize = "2";
            cell.lngTextColor = 0x102030 * (c % 4);
            cell.lngBgColor = 0x0F0F0F * (r % 8) + c;
            cell.intAlign = static_cast<std::int16_t>(c % 4);
        }
    }
    return table;
}

const LocalDateTime kMoment{2026, 3, 14, 15, 9, 26};

// The HTML alone: rendering and decoding it.
void BM_PreviewHtml(benchmark::State& state) {
    const TableSpec table = FullTable();
    const FixedClock clock(kMoment);
    for (auto _ : state) benchmark::DoNotOptimize(DecodeWindows1252(RenderTableHtml(table, clock)));
}
BENCHMARK(BM_PreviewHtml)->Unit(benchmark::kMillisecond);

// Render, decode and hand the text to the viewer (what every change costs);
// with paint, followed by a full paint of the window as the user sees it.
void BM_PreviewUpdate(benchmark::State& state) {
    const bool paint = state.range(0) != 0;
    TableSpec table = FullTable();
    const FixedClock clock(kMoment);
    frmPreview preview(table, clock);
    preview.ShowPreview(QRect(0, 0, 600, 400), QRect(0, 0, 1280, 1024));
    int n = 0;
    for (auto _ : state) {
        table.At(1 + n % 20, 1 + n / 20 % 20).strContent = "changed " + std::to_string(n);
        ++n;
        preview.Refresh();
        if (paint) benchmark::DoNotOptimize(preview.grab());
    }
}
BENCHMARK(BM_PreviewUpdate)->ArgName("paint")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tabloom

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
