#pragma once

#include <QString>

namespace tabloom {

struct CommandContext;

// Save table, Load table, New table and Restore table of the main window.
class TableFileCommands {
  public:
    explicit TableFileCommands(CommandContext& context) : ctx_(context) {}

    void SaveTable();
    void LoadTable();
    void NewTable();
    void RestoreTable();

  private:
    CommandContext& ctx_;
};

}  // namespace tabloom
