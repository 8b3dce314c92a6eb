// A full redraw onto the grid's image, a row count change in the main
// window with its handlers and redraw, a commit of a cell typed in place and
// a block selection change while the pointer drags.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <string>

#include "core/grid/grid_drawing.h"
#include "ui/commands/block_commands.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/typing_commands.h"
#include "ui/document/table_document.h"
#include "ui/grid/image_canvas.h"
#include "ui/grid/pic_table.h"
#include "ui/main_window/frm_main.h"

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

// Starts the window showing 20 x 20 cells of two lines each; false (with the
// benchmark told why) when the program texts are missing.
bool StartFull(frmMain& window, benchmark::State& state) {
    if (!window.StartUp()) {
        state.SkipWithError("the program texts were not found next to the benchmark");
        return false;
    }
    window.findChild<QComboBox*>("cboNumberOfRows")->setCurrentIndex(intMaxRows - 1);
    window.findChild<QComboBox*>("cboNumberOfColumns")->setCurrentIndex(intMaxCols - 1);
    window.Document().Change({}, [](TableSpec& table) {
        for (int i = 1; i <= intMaxRows; ++i) {
            for (int j = 1; j <= intMaxCols; ++j) {
                table.At(i, j).strContent =
                    "Row " + std::to_string(i) + "\r\nCol " + std::to_string(j);
            }
        }
    });
    return true;
}

// Opening the editor is not timed; its commit (stored, one undo step, the
// grid redrawn and the current cell moved down) is.
void BM_CommitTypedCell(benchmark::State& state) {
    frmMain window;
    if (!StartFull(window, state)) return;
    auto* grid = window.findChild<PicTable*>("picTable");
    // Painted here as it would be on the screen.
    QImage screen(grid->size(), QImage::Format_RGB32);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.Grid().MakeCurrent(1 + n % intMaxRows, 1 + n / intMaxRows % intMaxCols);
        window.Grid().Typing().Start("Typed " + QString::number(n++) + "\nsecond line", false);
        state.ResumeTiming();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&grid->Editor(), &enter);
        grid->render(&screen);
    }
}
BENCHMARK(BM_CommitTypedCell)->Unit(benchmark::kMillisecond);

// The block follows the pointer across the grid's cells.
void BM_DragSelectionChange(benchmark::State& state) {
    frmMain window;
    if (!StartFull(window, state)) return;
    BlockCommands& blocks = window.Grid().Blocks();
    auto* grid = window.findChild<PicTable*>("picTable");
    // Painted here as it would be on the screen.
    QImage screen(grid->size(), QImage::Format_RGB32);
    int n = 0;
    for (auto _ : state) {
        ++n;
        blocks.Select(3, 3, 4 + n % 16, 4 + n / 16 % 16);
        grid->render(&screen);  // the tint painted over the kept image
    }
}
BENCHMARK(BM_DragSelectionChange)->Unit(benchmark::kMillisecond);

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
