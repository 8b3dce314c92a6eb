#pragma once

#include <QString>

namespace tabloom {

class frmMain;

// Save table, Load table, New table and Restore table of the main window.
class TableFileCommands {
  public:
    explicit TableFileCommands(frmMain& window) : window_(window) {}

    void SaveTable();
    void LoadTable();
    void NewTable();
    void RestoreTable();

  private:
    frmMain& window_;
};

}  // namespace tabloom
