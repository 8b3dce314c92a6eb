#include "ui/commands/table_file_commands.h"

#include <QFile>
#include <QFileInfo>

#include "core/grid/place_marker_fill.h"
#include "core/storage/table_file.h"
#include "ui/commands/command_context.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/html_load_command.h"
#include "ui/commands/window_services.h"
#include "ui/document/table_document.h"
#include "ui/platform/file_chooser.h"
#include "ui/platform/path_helpers.h"
#include "ui/platform/prompter.h"

namespace tabloom {

namespace {

const char* const kTableFilter = "Table files (*.tbl) | *.tbl";
const char* const kSettingsFileName = "tbm.usr";
const char* const kRestoreTitle = "Restore table";

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

void TableFileCommands::SaveTable() {
    ProgramState& state = ctx_.state;
    FileDialogRequest request;
    request.title = "Save table as";
    request.filter = kTableFilter;
    request.confirmOverwrite = true;
    request.hideReadOnly = true;
    request.defaultSuffix = "tbl";
    // The settings file is the program's own; it is never offered.
    if (QFileInfo(state.strTableFile).fileName().toLower() == kSettingsFileName) {
        state.strTableFile.clear();
    }
    if (!state.strTableFile.isEmpty() && !FileExists(state.strTableFile)) {
        state.strTableFile.clear();
    }
    request.presetName = state.strTableFile;
    QString chosen = ctx_.files.ChooseSaveFile(request);
    if (chosen.isEmpty()) return;
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += ".tbl";

    std::string reason;
    if (!tabloom::SaveTable(ctx_.document.Table(), Native(ctx_.document.OutputPath()),
                            Native(chosen), ctx_.saving, &reason)) {
        ctx_.prompter.Show("Error when attempting to save table.", "Error", PromptIcon::None,
                           PromptButtons::Ok, QString::fromStdString(reason));
        return;
    }
    state.strTableFile = chosen;
}

void TableFileCommands::LoadTable() {
    FileDialogRequest request;
    request.title = "Load table from";
    request.filter = QString(kTableFilter) + " | Web pages (*.htm, *.html) | *.htm *.html";
    request.hideReadOnly = true;
    const QString chosen = ctx_.files.ChooseOpenFile(request);
    ctx_.window.SuppressGridClicks();
    if (chosen.isEmpty()) return;
    if (HtmlLoadCommand::IsPageName(chosen)) {
        HtmlLoadCommand(ctx_).Load(chosen);
        return;
    }

    // Nothing of a damaged file is applied, so the table the user has stays
    // exactly as it is.
    TableSpec loaded = ctx_.document.Table();
    std::string outputPath;
    std::string reason;
    if (!LoadTableInto(Native(chosen), loaded, outputPath, reason)) {
        ctx_.prompter.Show("Error when attempting to load table.", "Load table error",
                           PromptIcon::None, PromptButtons::Ok);
        ctx_.window.RedrawGrid();
        return;
    }
    ctx_.document.Replace(loaded, QString::fromStdString(outputPath),
                          "load table " + QFileInfo(chosen).fileName());
    ctx_.window.FocusHelpButton();
}

void TableFileCommands::NewTable() {
    if (ctx_.prompter.Show("Clear table and start anew?", "New table", PromptIcon::None,
                           PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    TableSpec fresh = ctx_.document.Table();
    tabloom::NewTable(fresh);
    ctx_.document.Replace(fresh, ctx_.document.OutputPath(), "new table");
    ctx_.window.FocusHelpButton();
}

void TableFileCommands::RestoreTable() {
    const ProgramState& state = ctx_.state;
    Prompter& prompts = ctx_.prompter;
    if (state.strTableFile.isEmpty()) {
        prompts.Show("Table never saved, or no record of it.", kRestoreTitle, PromptIcon::None,
                     PromptButtons::Ok);
        return;
    }
    if (!FileExists(state.strTableFile)) {
        prompts.Show("The file with the last saved table no longer exists.", kRestoreTitle,
                     PromptIcon::None, PromptButtons::Ok);
        return;
    }
    const TableSpec& current = ctx_.document.Table();
    TableSpec loaded = current;
    std::string outputPath;
    std::string reason;
    if (!LoadTableInto(Native(state.strTableFile), loaded, outputPath, reason)) {
        prompts.Show("Error when attempting to restore table.", kRestoreTitle,
                     PromptIcon::Exclamation, PromptButtons::Ok);
        return;
    }
    // The wrapper, centring and place marker choices stay as they are; the
    // place marker box then fills or clears the markers of the new cells.
    loaded.blnAddHTMLWrapper = current.blnAddHTMLWrapper;
    loaded.blnCenterTable = current.blnCenterTable;
    if (loaded.blnAddPlaceMarkers != current.blnAddPlaceMarkers) {
        loaded.blnAddPlaceMarkers = current.blnAddPlaceMarkers;
        FillPlaceMarkers(loaded, loaded.blnAddPlaceMarkers);
    }
    ctx_.document.Replace(loaded, QString::fromStdString(outputPath), "restore table");
    ctx_.window.FocusHelpButton();
}

}  // namespace tabloom
