#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tabloom {

class frmMain;

// Where a dialog about a cell of the grid opens: below the cell's row, left
// aligned with the grid, never lower than four fifths down the screen.
struct RowPlacementInput {
    QPoint windowFrameTopLeft;  // the main window's outer frame, screen pixels
    QPoint gridInWindow;        // the grid's top-left inside the main window
    int cellHeight = 0;         // the row height of the last drawing
    int row = 1;
    QRect screen;  // the screen the main window is on
    double twipsPerPixel = 15.0;
    QSize dialogFrame;  // the dialog's outer size; invalid when not known
};

// The top-left corner of the dialog's frame. With a known dialog size the
// whole frame is kept on the screen as well.
QPoint DialogBelowRowPosition(const RowPlacementInput& in);

// The same for a row of the main window's grid, in screen pixels.
QPoint PlaceDialogBelowRow(const frmMain& window, int row, QSize dialogFrame = QSize());

}  // namespace tabloom
