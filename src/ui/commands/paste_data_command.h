#pragma once

#include <QString>

namespace tabloom {

struct CommandContext;

// Pastes rows of values from the clipboard (as spreadsheets put them there)
// into the table at the current cell, as one undo step.
class PasteDataCommand {
  public:
    explicit PasteDataCommand(CommandContext& context) : ctx_(context) {}

    void Run();

  private:
    void Tell(const QString& text);

    CommandContext& ctx_;
};

}  // namespace tabloom
