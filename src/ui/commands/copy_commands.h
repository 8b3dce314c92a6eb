#pragma once

namespace tabloom {

class frmCopyCell;
struct CommandContext;

// The copy command of the grid: copies chosen properties of the clicked
// cell to a cell, its row, its column or the whole table through the copy
// window, which is made on first use and then only hidden and shown.
class CopyCommands {
  public:
    explicit CopyCommands(CommandContext& context);

    // Opens the copy window for the cell (intRow, intCol) of the state. The
    // copy happens when the window closes with "Do it".
    void CopyCommand();

    // The copy window's target lists follow the table's dimensions.
    void RefillCopyTargetLists();

    // The copy window; null until the first copy command.
    frmCopyCell* Dialog() const { return dialog_; }

  private:
    frmCopyCell& DialogWindow();
    void DialogClosed();

    CommandContext& ctx_;
    frmCopyCell* dialog_ = nullptr;
    int srcRow_ = 0;
    int srcCol_ = 0;
};

}  // namespace tabloom
