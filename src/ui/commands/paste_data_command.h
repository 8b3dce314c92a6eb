#pragma once

#include <QString>

namespace tabloom {

class Clipboard;
class frmMain;

// Pastes rows of values from the clipboard (as spreadsheets put them there)
// into the table at the current cell, as one undo step.
class PasteDataCommand {
  public:
    PasteDataCommand(frmMain& window, Clipboard& clipboard);

    void Run();

  private:
    void Tell(const QString& text);

    frmMain& window_;
    Clipboard& clipboard_;
};

}  // namespace tabloom
