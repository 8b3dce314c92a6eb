#include "ui/commands/html_load_command.h"

#include <QFile>
#include <QFileInfo>

#include "core/import/html_document.h"
#include "core/import/import_html_table.h"
#include "ui/commands/command_context.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/window_services.h"
#include "ui/document/table_document.h"
#include "ui/platform/prompter.h"

namespace tabloom {

namespace {

const char* const kTitle = "Load table";

}  // namespace

bool HtmlLoadCommand::IsPageName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "htm" || suffix == "html";
}

void HtmlLoadCommand::Load(const QString& path) {
    Prompter& prompts = ctx_.prompter;
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly) &&
        file.size() <= static_cast<qint64>(HtmlDocument::kMaxBytes)) {
        bytes = file.readAll();
    }
    // Parsed once for the list of its tables and the table taken.
    const HtmlDocument page(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    int index = 0;
    if (const std::vector<std::string> tables = ListHtmlTables(page); tables.size() > 1) {
        QStringList items;
        for (std::size_t i = 0; i < tables.size(); ++i) {
            const QString label = QString::fromStdString(tables[i]);
            items << QString("%1. %2").arg(i + 1).arg(label.isEmpty() ? "(empty)" : label);
        }
        index =
            prompts.Choose(QString("The page holds %1 tables. Which one becomes the current table?")
                               .arg(tables.size()),
                           kTitle, items);
        if (index < 0) return;
    }
    const HtmlTableImport imported =
        bytes.isEmpty() ? HtmlTableImport{} : ImportHtmlTable(page, index);
    if (!imported.ok) {
        const QString why = imported.reason.empty()
                                ? QString("the file cannot be read, or is larger than 16 MiB")
                                : QString::fromStdString(imported.reason);
        prompts.Show("Error when attempting to load table: " + why + ".", "Load table error",
                     PromptIcon::None, PromptButtons::Ok);
        ctx_.window.RedrawGrid();
        return;
    }
    const QString note = QString::fromStdString(ImportLossReport(imported.losses));
    if (!note.isEmpty() &&
        prompts.Show(note.trimmed() + "\n\nReplace the current table?", kTitle,
                     PromptIcon::Question, PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }
    ctx_.document.Replace(imported.table, ctx_.document.OutputPath(),
                          "load table " + QFileInfo(path).fileName());
    ctx_.window.FocusHelpButton();
}

}  // namespace tabloom
