#pragma once

#include <QObject>

namespace tabloom {

class frmCellInfo;
struct CommandContext;

// The left-click command on a cell: the cell dialog is filled from the cell,
// opened below its row, and what the user accepted is stored. The dialog is
// opened window-modal without a nested event loop; the command finishes
// when it closes.
class CellCommands : public QObject {
    Q_OBJECT

  public:
    explicit CellCommands(CommandContext& context);

    // Edits the cell at (State().intRow, State().intCol).
    void EditCell();
    // The dialog, null until first used.
    frmCellInfo* Dialog() const { return dialog_; }

  private:
    void DialogClosed();

    CommandContext& ctx_;
    frmCellInfo* dialog_ = nullptr;
    int row_ = 1;
    int col_ = 1;
};

}  // namespace tabloom
