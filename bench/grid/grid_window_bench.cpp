// A full redraw onto the grid's image, and a row count change in the main
// window with its handlers and redraw.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <string>

#include "core/grid/grid_drawing.h"
#include "ui/app/frm_main.h"
#include "ui/grid/image_canvas.h"

namespace tabloom {
namespace {

void BM_DrawTableOnImage(benchmark::State& state) {
    TableSpec table;
    table.intNumRows = intMaxRows;
    table.intNumCols = intMaxCols;
    for (int i = 1; i <= intMaxRows; ++i) {
        for (int j = 1; j <= intMaxCols; ++j) {
            table.At(i, j).strContent = "Row " + std::to_string(i) + "\r\nCol " + std::to_string(j);
        }
    }
    QImage image(517, 231, QImage::Format_RGB32);
    ImageCanvas canvas(image);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawTable(table, canvas));
    }
}
BENCHMARK(BM_DrawTableOnImage)->Unit(benchmark::kMillisecond);

void BM_RowsSixToTwentyWithMarkers(benchmark::State& state) {
    frmMain window;
    if (!window.StartUp()) {
        state.SkipWithError("the program texts were not found next to the benchmark");
        return;
    }
    auto* rows = window.findChild<QComboBox*>("cboNumberOfRows");
    window.findChild<QCheckBox*>("chkAddPlaceMarkers")->setChecked(true);
    for (auto _ : state) {
        state.PauseTiming();
        rows->setCurrentIndex(5);
        state.ResumeTiming();
        rows->setCurrentIndex(19);
    }
}
BENCHMARK(BM_RowsSixToTwentyWithMarkers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tabloom

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
