// Resident memory of the program after 250 undoable changes of a full table
// of 2048-character cells: the undo history must stay bounded whatever the
// table. Prints the figures and exits 1 when the limit is passed.
#include <QApplication>
#include <QCheckBox>
#include <cstdio>
#include <fstream>
#include <string>

#include "ui/document/table_document.h"
#include "ui/main_window/frm_main.h"

namespace {

constexpr long kLimitKiB = 64 * 1024;

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tabloom::frmMain window;
    if (!window.StartUp()) {
        std::fprintf(stderr, "the program texts were not found next to the benchmark\n");
        return 2;
    }
    tabloom::TableSpec full = window.Table();
    full.intNumRows = tabloom::intMaxRows;
    full.intNumCols = tabloom::intMaxCols;
    for (int r = 1; r <= tabloom::intMaxRows; ++r) {
        for (int c = 1; c <= tabloom::intMaxCols; ++c) {
            full.At(r, c).strContent = std::string(2048, static_cast<char>('a' + r));
        }
    }
    window.Document().Replace(full, QString(), QString());
    window.Document().ClearHistory();
    const long loaded = ResidentKiB();
    auto* centre = window.findChild<QCheckBox*>("chkCenterTable4");
    for (int i = 0; i < 250; ++i) centre->click();
    const long after = ResidentKiB();
    std::printf(
        "undo steps: %d\nresident with the table loaded: %ld KiB\n"
        "resident after 250 changes: %ld KiB (limit %ld KiB)\n",
        window.Document().StepCount(), loaded, after, kLimitKiB);
    return after <= kLimitKiB ? 0 : 1;
}
