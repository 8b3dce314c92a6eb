#include "ui/commands/export_command.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "core/export/export_table.h"
#include "core/storage/atomic_file.h"
#include "ui/commands/command_context.h"
#include "ui/commands/window_services.h"
#include "ui/document/table_document.h"
#include "ui/platform/file_chooser.h"
#include "ui/platform/prompter.h"

namespace tabloom {

namespace {

const char* const kTitle = "Export table";

constexpr ExportFormat kFormats[] = {ExportFormat::Markdown, ExportFormat::Latex,
                                     ExportFormat::MediaWiki, ExportFormat::Csv};

// The format a file name's ending names.
std::optional<ExportFormat> FormatOf(const QString& path) {
    const QString suffix = '.' + QFileInfo(path).suffix().toLower();
    for (ExportFormat format : kFormats) {
        if (suffix == ExportFileSuffix(format)) return format;
    }
    if (suffix == ".markdown") return ExportFormat::Markdown;
    return std::nullopt;
}

}  // namespace

void ExportCommand::Run() {
    FileDialogRequest request;
    request.title = "Export table as";
    QStringList filters;
    for (ExportFormat format : kFormats) {
        filters << QString("%1 (*%2) | *%2")
                       .arg(ExportFormatTitle(format))
                       .arg(ExportFileSuffix(format));
    }
    request.filter = filters.join(" | ");
    request.confirmOverwrite = true;
    request.hideReadOnly = true;
    const QString chosen = ctx_.files.ChooseSaveFile(request);
    ctx_.window.SuppressGridClicks();
    if (chosen.isEmpty()) return;
    Prompter& prompts = ctx_.prompter;
    const std::optional<ExportFormat> format = FormatOf(chosen);
    if (!format) {
        prompts.Show("The file name must end in .md, .tex, .wiki or .csv, which names the format.",
                     kTitle, PromptIcon::Exclamation, PromptButtons::Ok);
        return;
    }
    const ExportResult result = ExportTable(ctx_.document.Table(), *format);
    if (const std::string report = LossReport(*format, result.losses); !report.empty()) {
        const QString question = QString::fromStdString(report) + ".\n\nExport anyway?";
        if (prompts.Show(question, kTitle, PromptIcon::Question, PromptButtons::YesNo) !=
            PromptAnswer::Yes) {
            return;
        }
    }
    std::string reason;
    if (!WriteFileAtomically(QFile::encodeName(chosen).toStdString(), result.text, WriteFaults{},
                             reason)) {
        prompts.Show("Error when attempting to export table.", "Error", PromptIcon::Critical,
                     PromptButtons::Ok, QString::fromStdString(reason));
    }
}

}  // namespace tabloom
