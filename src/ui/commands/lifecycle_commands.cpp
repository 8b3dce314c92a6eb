#include "ui/commands/lifecycle_commands.h"

#include <QFile>
#include <cstdio>

#include "core/storage/settings_file.h"
#include "core/storage/table_file.h"
#include "ui/commands/command_context.h"
#include "ui/commands/window_services.h"
#include "ui/document/table_document.h"
#include "ui/platform/data_folder.h"
#include "ui/platform/file_chooser.h"
#include "ui/platform/path_helpers.h"
#include "ui/platform/prompter.h"

namespace tabloom {

namespace {

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

const char* const kResetQuestion =
    "Do you wish to re-initialize this program?\n\n"
    "This will also erase the present table specification.\n"
    "If you wish to re-initialize the program without erasing the table specification\n"
    "then first save the table, re-initialize, then restore or load the table.";

const char* const kUnsavedQuestion =
    "When Tabloom was last ended by the system or a log-out, its table could not be saved "
    "and was kept aside.\n\nRestore that table now? No discards it.";

void SetAside(const QString& file) {
    const QString damaged = LifecycleCommands::DamagedName(file);
    QFile::remove(damaged);
    QFile::rename(file, damaged);
}

}  // namespace

void LifecycleCommands::LoadSettingsAtStart() {
    ProgramState& state = ctx_.state;
    const QString settings = state.strSettingsFile;
    if (!settings.isEmpty() && FileExists(settings)) {
        TableSpec loaded = ctx_.document.Table();
        std::string outputPath;
        std::string reason;
        if (LoadTableInto(Native(settings), loaded, outputPath, reason)) {
            ctx_.document.Replace(loaded, QString::fromStdString(outputPath), QString());
            ctx_.window.FocusHelpButton();
            state.strTableFile = settings;
            OfferUnsavedTable();
            return;
        }
        // Kept aside rather than deleted: the last table may still be
        // recovered from it by hand.
        SetAside(settings);
    }
    TableSpec fresh = ctx_.document.Table();
    NewTable(fresh);
    ctx_.document.Replace(fresh, ctx_.document.OutputPath(), QString());
    ctx_.window.FocusHelpButton();
    state.strTableFile.clear();
    OfferUnsavedTable();
}

void LifecycleCommands::OfferUnsavedTable() {
    const QString settings = ctx_.state.strSettingsFile;
    if (settings.isEmpty()) return;
    const QString unsaved = QFile::decodeName(UnsavedTableFile(Native(settings)).c_str());
    if (!FileExists(unsaved)) return;
    Prompter& prompts = ctx_.prompter;
    if (prompts.Show(kUnsavedQuestion, "Restore table", PromptIcon::Question, PromptButtons::YesNo,
                     unsaved) == PromptAnswer::Yes) {
        TableSpec loaded = ctx_.document.Table();
        std::string outputPath;
        std::string reason;
        if (!LoadTableInto(Native(unsaved), loaded, outputPath, reason)) {
            prompts.Show("Error when attempting to restore table.", "Restore table",
                         PromptIcon::Exclamation, PromptButtons::Ok,
                         QString::fromStdString(reason));
            SetAside(unsaved);
            return;
        }
        ctx_.document.Replace(loaded, QString::fromStdString(outputPath), QString());
        ctx_.window.FocusHelpButton();
    }
    QFile::remove(unsaved);
}

void LifecycleCommands::InitProgramState(const QString& what) {
    ProgramState& state = ctx_.state;
    state.strOutputFilePrompt = kOutputFilePrompt;
    state.lngMaxViewKB = 60;
    state.strSettingsFile =
        QString::fromStdString(LocateSettingsFile(Native(ConfigFolderFor(ctx_.configFolder))).path);
    state.strTableFile.clear();
    TableSpec initial;
    InitTableState(initial);
    ctx_.document.Replace(initial, QString(), what);
}

void LifecycleCommands::Reset() {
    if (ctx_.prompter.Show(kResetQuestion, "Reset", PromptIcon::None, PromptButtons::YesNo) ==
        PromptAnswer::Yes) {
        ProgramState& state = ctx_.state;
        const QString tableFile = state.strTableFile;
        InitProgramState("reset");
        state.strTableFile = tableFile;
    }
    ctx_.window.FocusHelpButton();
}

bool LifecycleCommands::SaveSettings(QString* reason) {
    const ProgramState& state = ctx_.state;
    std::string why;
    if (SaveSettingsFile(ctx_.document.Table(), Native(ctx_.document.OutputPath()),
                         Native(state.strSettingsFile), ctx_.saving, why)) {
        // A table kept aside by an earlier failure is older than this one.
        QFile::remove(QFile::decodeName(UnsavedTableFile(Native(state.strSettingsFile)).c_str()));
        return true;
    }
    if (reason != nullptr) *reason = QString::fromStdString(why);
    return false;
}

void LifecycleCommands::SaveAtEnd() {
    QString reason;
    if (SaveSettings(&reason)) return;
    // Nobody is there to answer a message box: the table goes beside the
    // settings file and the next start offers it.
    const ProgramState& state = ctx_.state;
    const std::string settings = Native(state.strSettingsFile);
    std::string why;
    const bool kept = KeepUnsavedTable(ctx_.document.Table(), Native(ctx_.document.OutputPath()),
                                       settings, ctx_.saving, why);
    std::fprintf(stderr, "tabloom: the table could not be saved for the next start: %s\n",
                 reason.toLocal8Bit().constData());
    if (kept) {
        std::fprintf(stderr, "tabloom: it is kept in %s and offered at the next start\n",
                     UnsavedTableFile(settings).c_str());
    } else {
        std::fprintf(stderr, "tabloom: nor could it be kept aside: %s\n", why.c_str());
    }
    std::fflush(stderr);
}

bool LifecycleCommands::Quit() {
    Prompter& prompts = ctx_.prompter;
    if (prompts.Show("Really quit?", "Quit", PromptIcon::None, PromptButtons::YesNo) !=
        PromptAnswer::Yes) {
        return false;
    }
    QString reason;
    // A failed save leaves the previous settings file as it was; the user
    // decides whether to end without keeping this table, and Enter does not.
    if (!SaveSettings(&reason) &&
        prompts.Show("The table could not be kept for the next start.\n\nQuit anyway?", "Quit",
                     PromptIcon::Exclamation, PromptButtons::YesNoDefaultNo,
                     reason) != PromptAnswer::Yes) {
        return false;
    }
    ctx_.window.EndProgram();
    return true;
}

}  // namespace tabloom
