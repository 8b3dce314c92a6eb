#pragma once

namespace tabloom {

struct CommandContext;
class frmSpecifyBorderEtc;
class frmSpecifyColors;

// The table-wide buttons of the main window: the table's width, border and
// spacing through the table frame window, and the table's colours through
// the colour chooser.
class TableFrameCommands {
  public:
    explicit TableFrameCommands(CommandContext& context);

    void cmdSpecifyBorder_Click();
    void cmdSpecifyColors_Click();

    // The table frame window; null until first used.
    frmSpecifyBorderEtc* BorderDialog() const { return borderDialog_; }
    // The colour chooser of the table colours; null until first used.
    frmSpecifyColors* ColorsDialog() const { return colorsDialog_; }

  private:
    void BorderDialogClosed();
    void ColorsDialogClosed();

    CommandContext& ctx_;
    frmSpecifyBorderEtc* borderDialog_ = nullptr;
    frmSpecifyColors* colorsDialog_ = nullptr;
};

}  // namespace tabloom
