#include "core/export/export_table.h"

#include "core/export/export_csv.h"
#include "core/export/export_latex.h"
#include "core/export/export_markdown.h"
#include "core/export/export_mediawiki.h"

namespace tabloom {

std::optional<ExportFormat> ExportFormatNamed(std::string_view name) {
    if (name == "markdown") return ExportFormat::Markdown;
    if (name == "latex") return ExportFormat::Latex;
    if (name == "mediawiki") return ExportFormat::MediaWiki;
    if (name == "csv") return ExportFormat::Csv;
    return std::nullopt;
}

const char* ExportFormatTitle(ExportFormat format) {
    switch (format) {
        case ExportFormat::Markdown:
            return "Markdown";
        case ExportFormat::Latex:
            return "LaTeX";
        case ExportFormat::MediaWiki:
            return "MediaWiki";
        case ExportFormat::Csv:
            return "CSV";
    }
    return "";
}

const char* ExportFileSuffix(ExportFormat format) {
    switch (format) {
        case ExportFormat::Markdown:
            return ".md";
        case ExportFormat::Latex:
            return ".tex";
        case ExportFormat::MediaWiki:
            return ".wiki";
        case ExportFormat::Csv:
            return ".csv";
    }
    return "";
}

ExportResult ExportTable(const TableSpec& table, ExportFormat format) {
    switch (format) {
        case ExportFormat::Markdown:
            return ExportMarkdown(table);
        case ExportFormat::Latex:
            return ExportLatex(table);
        case ExportFormat::MediaWiki:
            return ExportMediaWiki(table);
        case ExportFormat::Csv:
            return ExportCsv(table);
    }
    return {};
}

std::string LossReport(ExportFormat format, const std::vector<std::string>& losses) {
    if (losses.empty()) return {};
    std::string report = ExportFormatTitle(format);
    // "has no ..." reads on from the format's name; anything else after a colon.
    report += losses.front().rfind("has ", 0) == 0 ? " " : ": ";
    for (std::size_t i = 0; i < losses.size(); ++i) {
        if (i > 0) report += "; ";
        report += losses[i];
    }
    return report;
}

}  // namespace tabloom
