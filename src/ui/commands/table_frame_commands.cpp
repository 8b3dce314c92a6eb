#include "ui/commands/table_frame_commands.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/dialogs/table_frame_check.h"
#include "ui/dialogs/frm_specify_border_etc.h"
#include "ui/dialogs/frm_specify_colors.h"
#include "ui/document/table_document.h"
#include "ui/main_window/frm_main.h"
#include "ui/view/twips.h"

namespace tabloom {

namespace {

constexpr int kBorderDialogTopTwips = 350;
constexpr int kBorderDialogLeftTwips = 100;
constexpr int kColorsDialogTopTwips = 700;
constexpr int kColorsDialogRightTwips = 100;

// Keeps a window of the given size on the main window's screen.
QPoint OnScreen(const frmMain& window, QPoint at, QSize size) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return at;
    const QRect area = screen->availableGeometry();
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
    return at;
}

// Where a window of the given size goes: offset from the grid's top-left
// corner, kept on the main window's screen.
QPoint BelowGridCorner(const frmMain& window, QSize size, int downTwips, int rightTwips) {
    const double tpp = TwipsPerPixel(&window);
    QPoint grid = window.frameGeometry().topLeft();
    if (const QWidget* picture = window.GridWidget()) {
        grid += picture->mapTo(&window, QPoint(0, 0));
    }
    return OnScreen(
        window, grid + QPoint(TwipsToPixels(rightTwips, tpp), TwipsToPixels(downTwips, tpp)), size);
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
    window_.Document().Change(
        "set table width, border and spacing",
        [this](TableSpec& t) { StoreTableFrame(borderDialog_->Entry(), t); },
        TableDocument::kShape);
}

void TableFrameCommands::cmdSpecifyColors_Click() {
    if (colorsDialog_ == nullptr) {
        colorsDialog_ = new frmSpecifyColors(window_.Prompts(), &window_);
        QObject::connect(colorsDialog_, &QDialog::finished, colorsDialog_,
                         [this] { ColorsDialogClosed(); });
    }
    const TableSpec& table = window_.Table();
    colorsDialog_->lngChosenTextColor = table.lngTableTextColor;
    colorsDialog_->lngChosenBgColor = table.lngTableBgColor;
    colorsDialog_->SetHeading("Tabloom: table colors");
    colorsDialog_->blnAccepted = false;
    colorsDialog_->adjustSize();
    // Near the main window's top right corner, clear of the grid.
    const double tpp = TwipsPerPixel(&window_);
    const QRect main = window_.frameGeometry();
    const QSize size = colorsDialog_->frameGeometry().size();
    const QPoint at(main.right() + 1 - size.width() - TwipsToPixels(kColorsDialogRightTwips, tpp),
                    main.top() + TwipsToPixels(kColorsDialogTopTwips, tpp));
    colorsDialog_->move(OnScreen(window_, at, size));
    colorsDialog_->open();
}

void TableFrameCommands::ColorsDialogClosed() {
    if (colorsDialog_->blnAccepted) {
        window_.Document().Change(
            "set table colors",
            [this](TableSpec& t) {
                t.lngTableTextColor = colorsDialog_->lngChosenTextColor;
                t.lngTableBgColor = colorsDialog_->lngChosenBgColor;
            },
            TableDocument::kShape);
    }
}

}  // namespace tabloom
