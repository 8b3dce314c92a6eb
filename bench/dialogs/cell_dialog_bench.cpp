// The cell command on a 20 x 20 table, in the real main window (offscreen
// unless a display is chosen): from the click to the cell dialog shown, and
// from Accept to the grid redrawn. One frame is about 16 ms.
//   cell_dialog_bench [benchmark flags]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/grid/span_rules.h"
#include "ui/dialogs/frm_cell_info.h"
#include "ui/document/table_document.h"
#include "ui/grid/pic_table.h"
#include "ui/main_window/frm_main.h"

namespace {

using namespace tabloom;

constexpr int kFrame = 2;  // the grid's frame, around the drawn image

struct Bench {
    Bench() {
        window = std::make_unique<frmMain>();
        if (!window->StartUp()) qFatal("start-up failed");
        window->findChild<QComboBox*>("cboNumberOfRows")->setCurrentText("20");
        window->findChild<QComboBox*>("cboNumberOfColumns")->setCurrentText("20");
        window->Document().Change({}, [](TableSpec& table) {
            for (int r = 1; r <= 20; ++r) {
                for (int c = 1; c <= 20; ++c) {
                    table.At(r, c).strContent = "R" + std::to_string(r) + " C" + std::to_string(c);
                }
            }
            ApplySpans(table, 4, 4, 3, 3);
        });
        grid = window->findChild<PicTable*>("picTable");
    }
    frmCellInfo* Click(int row, int col) {
        window->Clock2_Timer();  // a second has passed since the last dialog
        const CellSpec& cell = window->Table().At(row, col);
        QTest::mouseClick(grid, Qt::LeftButton, {},
                          QPoint((cell.intLeft + cell.intRight) / 2 + kFrame,
                                 (cell.intTop + cell.intBottom) / 2 + kFrame));
        auto* dialog = window->findChild<frmCellInfo*>();
        if (dialog == nullptr || !dialog->isVisible()) qFatal("no cell dialog");
        return dialog;
    }
    std::unique_ptr<frmMain> window;
    PicTable* grid = nullptr;
};

Bench& Shared() {
    static Bench bench;
    return bench;
}

void BM_ClickToDialogShown(benchmark::State& state) {
    Bench& b = Shared();
    for (auto _ : state) {
        frmCellInfo* dialog = b.Click(15, 12);
        QApplication::processEvents();  // the dialog's first paint
        state.PauseTiming();
        dialog->findChild<QPushButton*>("cmdCancel")->click();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClickToDialogShown)->Unit(benchmark::kMillisecond);

void BM_AcceptToGridRedrawn(benchmark::State& state) {
    Bench& b = Shared();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        frmCellInfo* dialog = b.Click(15, 12);
        dialog->findChild<QPlainTextEdit*>("txbCellContent")
            ->setPlainText(QString("edited %1\nsecond line").arg(++n));
        dialog->findChild<QComboBox*>("cboColSpan")->setCurrentIndex(n % 2);
        QApplication::processEvents();
        state.ResumeTiming();
        dialog->findChild<QPushButton*>("cmdAccept")->click();
        b.grid->repaint();
    }
}
BENCHMARK(BM_AcceptToGridRedrawn)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
