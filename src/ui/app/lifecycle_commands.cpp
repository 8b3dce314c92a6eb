#include "ui/app/lifecycle_commands.h"

#include <QFile>

#include "core/storage/table_file.h"
#include "ui/app/file_chooser.h"
#include "ui/app/frm_main.h"
#include "ui/app/path_helpers.h"
#include "ui/app/prompter.h"

namespace tabloom {

namespace {

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

const char* const kResetQuestion =
    "Do you wish to re-initialize this program?\n\n"
    "This will also erase the present table specification.\n"
    "If you wish to re-initialize the program without erasing the table specification\n"
    "then first save the table, re-initialize, then restore or load the table.";

}  // namespace

void LifecycleCommands::LoadSettingsAtStart() {
    ProgramState& state = window_.State();
    const QString settings = state.strSettingsFile;
    if (!settings.isEmpty() && FileExists(settings)) {
        TableSpec loaded = state.table;
        std::string outputPath;
        std::string reason;
        if (LoadTableInto(Native(settings), loaded, outputPath, reason)) {
            window_.ApplyTable(loaded, QString::fromStdString(outputPath));
            state.strTableFile = settings;
            return;
        }
        // Kept aside rather than deleted: the last table may still be
        // recovered from it by hand.
        const QString damaged = DamagedName(settings);
        QFile::remove(damaged);
        QFile::rename(settings, damaged);
    }
    window_.StartNewTable();
    state.strTableFile.clear();
}

void LifecycleCommands::Reset() {
    if (window_.Prompts().Show(kResetQuestion, "Reset", PromptIcon::None, PromptButtons::YesNo) ==
        PromptAnswer::Yes) {
        ProgramState& state = window_.State();
        const TableSnapshot before = window_.Snapshot();
        const QString tableFile = state.strTableFile;
        {
            const frmMain::RecordingPause pause(window_);
            state.blnFormInitialized = false;
            window_.InitProgramState();
            state.blnFormInitialized = true;
            window_.DrawTable();
        }
        state.strTableFile = tableFile;
        window_.RecordChange("reset", before);
    }
    window_.FocusHelpButton();
}

bool LifecycleCommands::SaveSettings(QString* reason) {
    const ProgramState& state = window_.State();
    std::string why;
    if (state.strSettingsFile.isEmpty()) {
        why = "no folder for the settings file";
    } else if (SaveTable(state.table, Native(window_.OutputPath()), Native(state.strSettingsFile),
                         SaveOptions{}, &why)) {
        return true;
    }
    if (reason != nullptr) *reason = QString::fromStdString(why);
    return false;
}

bool LifecycleCommands::Quit() {
    Prompter& prompts = window_.Prompts();
    if (prompts.Show("Really quit?", "Quit", PromptIcon::None, PromptButtons::YesNo) !=
        PromptAnswer::Yes) {
        return false;
    }
    QString reason;
    // A failed save leaves the previous settings file as it was; the user
    // decides whether to end without keeping this table.
    if (!SaveSettings(&reason) &&
        prompts.Show(
            "The table could not be kept for the next start:\n" + reason + "\n\nQuit anyway?",
            "Quit", PromptIcon::Exclamation, PromptButtons::YesNo) != PromptAnswer::Yes) {
        return false;
    }
    window_.EndProgram();
    return true;
}

}  // namespace tabloom
