#include "ui/commands/table_file_commands.h"

#include <QFile>
#include <QFileInfo>

#include "core/grid/place_marker_fill.h"
#include "core/storage/table_file.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/html_load_command.h"
#include "ui/document/table_document.h"
#include "ui/main_window/frm_main.h"
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
    ProgramState& state = window_.State();
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
    QString chosen = window_.Files().ChooseSaveFile(request);
    if (chosen.isEmpty()) return;
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += ".tbl";

    std::string reason;
    if (!tabloom::SaveTable(window_.Table(), Native(window_.OutputPath()), Native(chosen),
                            window_.Saving(), &reason)) {
        window_.Prompts().Show("Error when attempting to save table.", "Error", PromptIcon::None,
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
    const QString chosen = window_.Files().ChooseOpenFile(request);
    window_.SuppressGridClicks();
    if (chosen.isEmpty()) return;
    if (HtmlLoadCommand::IsPageName(chosen)) {
        HtmlLoadCommand(window_).Load(chosen);
        return;
    }

    // Nothing of a damaged file is applied, so the table the user has stays
    // exactly as it is.
    TableSpec loaded = window_.Table();
    std::string outputPath;
    std::string reason;
    if (!LoadTableInto(Native(chosen), loaded, outputPath, reason)) {
        window_.Prompts().Show("Error when attempting to load table.", "Load table error",
                               PromptIcon::None, PromptButtons::Ok);
        window_.Grid().DrawTable();
        return;
    }
    window_.Document().Replace(loaded, QString::fromStdString(outputPath),
                               "load table " + QFileInfo(chosen).fileName());
    window_.FocusHelpButton();
}

void TableFileCommands::NewTable() {
    if (window_.Prompts().Show("Clear table and start anew?", "New table", PromptIcon::None,
                               PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    TableSpec fresh = window_.Table();
    tabloom::NewTable(fresh);
    window_.Document().Replace(fresh, window_.OutputPath(), "new table");
    window_.FocusHelpButton();
}

void TableFileCommands::RestoreTable() {
    const ProgramState& state = window_.State();
    Prompter& prompts = window_.Prompts();
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
    const TableSpec& current = window_.Table();
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
    window_.Document().Replace(loaded, QString::fromStdString(outputPath), "restore table");
    window_.FocusHelpButton();
}

}  // namespace tabloom
