#include "ui/main_window/dialog_placement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/main_window/frm_main.h"
#include "ui/view/twips.h"

namespace tabloom {

namespace {
// Room between the row and the dialog, for the dialog's title bar.
constexpr double kGapTwips = 540.0;
constexpr double kLowestTopShare = 0.8;
}  // namespace

QPoint DialogBelowRowPosition(const RowPlacementInput& in) {
    int top = (in.cellHeight + 1) * in.row + in.gridInWindow.y() + in.windowFrameTopLeft.y() +
              TwipsToPixels(kGapTwips, in.twipsPerPixel);
    const int lowest = in.screen.top() + static_cast<int>(kLowestTopShare * in.screen.height());
    top = std::min(top, lowest);
    int left = in.gridInWindow.x() + in.windowFrameTopLeft.x();

    if (in.dialogFrame.isValid() && in.screen.isValid()) {
        // Right and bottom edges first, so a dialog larger than the screen
        // still shows its title bar and left edge.
        left = std::min(left, in.screen.right() + 1 - in.dialogFrame.width());
        top = std::min(top, in.screen.bottom() + 1 - in.dialogFrame.height());
        left = std::max(left, in.screen.left());
        top = std::max(top, in.screen.top());
    }
    return {left, top};
}

QPoint PlaceDialogBelowRow(const frmMain& window, int row, QSize dialogFrame) {
    RowPlacementInput in;
    in.windowFrameTopLeft = window.frameGeometry().topLeft();
    const QWidget* grid = window.GridWidget();
    in.gridInWindow = grid != nullptr ? grid->mapTo(&window, QPoint(0, 0)) : QPoint();
    in.cellHeight = window.CellHeight();
    in.row = row;
    const QScreen* screen = window.screen();
    if (screen != nullptr) in.screen = screen->geometry();
    in.twipsPerPixel = TwipsPerPixel(&window);
    in.dialogFrame = dialogFrame;
    return DialogBelowRowPosition(in);
}

}  // namespace tabloom
