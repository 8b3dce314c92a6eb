#include "ui/commands/table_frame_commands.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/dialogs/table_frame_check.h"
#include "ui/commands/command_context.h"
#include "ui/commands/window_services.h"
#include "ui/dialogs/frm_specify_border_etc.h"
#include "ui/dialogs/frm_specify_colors.h"
#include "ui/document/table_document.h"
#include "ui/view/twips.h"

namespace tabloom {

namespace {

constexpr int kBorderDialogTopTwips = 350;
constexpr int kBorderDialogLeftTwips = 100;
constexpr int kColorsDialogTopTwips = 700;
constexpr int kColorsDialogRightTwips = 100;

// Keeps a window of the given size on the main window's screen.
QPoint OnScreen(const QWidget& window, QPoint at, QSize size) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) return at;
    const QRect area = screen->availableGeometry();
    at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
    return at;
}

}  // namespace

TableFrameCommands::TableFrameCommands(CommandContext& context) : ctx_(context) {}

void TableFrameCommands::cmdSpecifyBorder_Click() {
    if (borderDialog_ == nullptr) {
        borderDialog_ = new frmSpecifyBorderEtc(ctx_.prompter, &ctx_.window.Widget());
        QObject::connect(borderDialog_, &QDialog::finished, borderDialog_,
                         [this] { BorderDialogClosed(); });
    }
    borderDialog_->Fill(TableFrameEntryOf(ctx_.document.Table()));
    borderDialog_->blnAccepted = false;
    borderDialog_->adjustSize();
    // Offset from the grid's top-left corner.
    const double tpp = TwipsPerPixel(&ctx_.window.Widget());
    const QPoint at = ctx_.window.GridCorner() + QPoint(TwipsToPixels(kBorderDialogLeftTwips, tpp),
                                                        TwipsToPixels(kBorderDialogTopTwips, tpp));
    borderDialog_->move(OnScreen(ctx_.window.Widget(), at, borderDialog_->frameGeometry().size()));
    borderDialog_->open();
}

void TableFrameCommands::BorderDialogClosed() {
    if (!borderDialog_->blnAccepted) return;
    ctx_.document.Change(
        "set table width, border and spacing",
        [this](TableSpec& t) { StoreTableFrame(borderDialog_->Entry(), t); },
        TableDocument::kShape);
}

void TableFrameCommands::cmdSpecifyColors_Click() {
    if (colorsDialog_ == nullptr) {
        colorsDialog_ = new frmSpecifyColors(ctx_.prompter, &ctx_.window.Widget());
        QObject::connect(colorsDialog_, &QDialog::finished, colorsDialog_,
                         [this] { ColorsDialogClosed(); });
    }
    const TableSpec& table = ctx_.document.Table();
    colorsDialog_->lngChosenTextColor = table.lngTableTextColor;
    colorsDialog_->lngChosenBgColor = table.lngTableBgColor;
    colorsDialog_->SetHeading("Tabloom: table colors");
    colorsDialog_->blnAccepted = false;
    colorsDialog_->adjustSize();
    // Near the main window's top right corner, clear of the grid.
    const double tpp = TwipsPerPixel(&ctx_.window.Widget());
    const QRect main = ctx_.window.Widget().frameGeometry();
    const QSize size = colorsDialog_->frameGeometry().size();
    const QPoint at(main.right() + 1 - size.width() - TwipsToPixels(kColorsDialogRightTwips, tpp),
                    main.top() + TwipsToPixels(kColorsDialogTopTwips, tpp));
    colorsDialog_->move(OnScreen(ctx_.window.Widget(), at, size));
    colorsDialog_->open();
}

void TableFrameCommands::ColorsDialogClosed() {
    if (colorsDialog_->blnAccepted) {
        ctx_.document.Change(
            "set table colors",
            [this](TableSpec& t) {
                t.lngTableTextColor = colorsDialog_->lngChosenTextColor;
                t.lngTableBgColor = colorsDialog_->lngChosenBgColor;
            },
            TableDocument::kShape);
    }
}

}  // namespace tabloom
