#include "ui/app/table_frame_commands.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/dialogs/table_frame_check.h"
#include "ui/app/frm_main.h"
#include "ui/dialogs/frm_specify_border_etc.h"
#include "ui/view/twips.h"

namespace tabloom {

namespace {

constexpr int kBorderDialogTopTwips = 350;
constexpr int kBorderDialogLeftTwips = 100;

// Where a window of the given size goes: offset from the grid's top-left
// corner, kept on the main window's screen.
QPoint BelowGridCorner(const frmMain& window, QSize size, int downTwips, int rightTwips) {
    const double tpp = TwipsPerPixel(&window);
    QPoint grid = window.frameGeometry().topLeft();
    if (const QWidget* picture = window.GridWidget()) {
        grid += picture->mapTo(&window, QPoint(0, 0));
    }
    QPoint at = grid + QPoint(TwipsToPixels(rightTwips, tpp), TwipsToPixels(downTwips, tpp));
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
        at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
    }
    return at;
}

}  // namespace

TableFrameCommands::TableFrameCommands(frmMain& window) : window_(window) {}

void TableFrameCommands::cmdSpecifyBorder_Click() {
    if (borderDialog_ == nullptr) {
        borderDialog_ = new frmSpecifyBorderEtc(window_.Prompts(), &window_);
        QObject::connect(borderDialog_, &QDialog::finished, borderDialog_,
                         [this] { BorderDialogClosed(); });
    }
    borderDialog_->Fill(TableFrameEntryOf(window_.Table()));
    borderDialog_->blnAccepted = false;
    borderDialog_->adjustSize();
    borderDialog_->move(BelowGridCorner(window_, borderDialog_->frameGeometry().size(),
                                        kBorderDialogTopTwips, kBorderDialogLeftTwips));
    borderDialog_->open();
}

void TableFrameCommands::BorderDialogClosed() {
    if (!borderDialog_->blnAccepted) return;
    const TableSnapshot before = window_.Snapshot();
    StoreTableFrame(borderDialog_->Entry(), window_.Table());
    window_.ClearResult();
    if (!before.table.SameSpec(window_.Table())) {
        window_.RecordChange("set table width, border and spacing", before);
    }
}

void TableFrameCommands::cmdSpecifyColors_Click() {}

}  // namespace tabloom
