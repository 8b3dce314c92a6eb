#pragma once

#include <QString>

namespace tabloom {

struct CommandContext;

// The settings file that carries the table from one run to the next, and
// the Reset and Quit commands.
class LifecycleCommands {
  public:
    explicit LifecycleCommands(CommandContext& context) : ctx_(context) {}

    // Puts the program and the table as they are at the start; what names
    // the undo step (none when empty).
    void InitProgramState(const QString& what = {});
    // The last step of start-up: the table of the last run, or a new one.
    void LoadSettingsAtStart();
    void Reset();
    // Asks, saves the table for the next start and ends the program. False
    // when the program goes on.
    bool Quit();
    // Saves the table for the next start without asking. False, with the
    // reason, on failure.
    bool SaveSettings(QString* reason = nullptr);
    // The session or the system ends the program: saves the table, or else
    // keeps it in the unsaved-table file and says why on standard error.
    void SaveAtEnd();

    // The name a damaged settings file is moved to.
    static QString DamagedName(const QString& settingsFile) { return settingsFile + ".damaged"; }

  private:
    // A table kept at the end of the last run is offered back.
    void OfferUnsavedTable();

    CommandContext& ctx_;
};

}  // namespace tabloom
