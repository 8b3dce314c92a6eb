#pragma once

namespace tabloom {

class frmMain;
class frmSpecifyBorderEtc;

// The table-wide buttons of the main window: the table's width, border and
// spacing through the table frame window, and the table's colours through
// the colour chooser.
class TableFrameCommands {
  public:
    explicit TableFrameCommands(frmMain& window);

    void cmdSpecifyBorder_Click();
    void cmdSpecifyColors_Click();

    // The table frame window; null until first used.
    frmSpecifyBorderEtc* BorderDialog() const { return borderDialog_; }

  private:
    void BorderDialogClosed();

    frmMain& window_;
    frmSpecifyBorderEtc* borderDialog_ = nullptr;
};

}  // namespace tabloom
