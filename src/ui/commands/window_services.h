#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>

#include "core/grid/cell_block.h"

class QWidget;

namespace tabloom {

class frmView;

// What commands ask of the window they run in. The main window provides it;
// tests give a plain widget and record what was asked.
class WindowServices {
  public:
    virtual ~WindowServices() = default;

    // The parent of the commands' windows and the frame they are placed by.
    virtual QWidget& Widget() = 0;
    virtual void FocusHelpButton() = 0;
    // A window over the grid closed: the click that closed it must not
    // reach the grid.
    virtual void SuppressGridClicks() = 0;

    // The grid: drawn afresh (a dialog's outline goes), a cell outlined (false
    // when it is not drawn), the current cell moved, the selected block.
    virtual void RedrawGrid() = 0;
    virtual bool HighlightCell(std::int16_t& row, std::int16_t& col) = 0;
    virtual void GoToCell(int row, int col) = 0;
    virtual std::optional<CellBlock> SelectedBlock() const = 0;
    // Where a dialog for a cell of the given row goes, below that row.
    virtual QPoint BelowRow(int row, QSize dialogFrame) const = 0;
    // The top-left corner of the grid on the screen.
    virtual QPoint GridCorner() const = 0;

    // The viewer of output files and help, made when first needed.
    virtual frmView& ViewerWindow() = 0;
    // Hides the windows, shows the other-products window and ends the
    // program when it closes.
    virtual void EndProgram() = 0;
};

}  // namespace tabloom
