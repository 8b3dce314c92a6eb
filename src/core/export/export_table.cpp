#include "core/export/export_table.h"

#include "core/export/export_csv.h"
#include "core/export/export_latex.h"
#include "core/export/export_markdown.h"
#include "core/export/export_mediawiki.h"

namespace tabloom {

namespace {

// Everything the program knows of a format, in one row.
struct FormatRow {
    ExportFormat format;
    std::string_view name;  // as --to names it
    const char* title;
    const char* suffix;
    ExportResult (*write)(const TableSpec&);
};

constexpr FormatRow kFormats[] = {
    {ExportFormat::Markdown, "markdown", "Markdown", ".md", ExportMarkdown},
    {ExportFormat::Latex, "latex", "LaTeX", ".tex", ExportLatex},
    {ExportFormat::MediaWiki, "mediawiki", "MediaWiki", ".wiki", ExportMediaWiki},
    {ExportFormat::Csv, "csv", "CSV", ".csv", ExportCsv},
};

const FormatRow& Row(ExportFormat format) {
    for (const FormatRow& row : kFormats) {
        if (row.format == format) return row;
    }
    return kFormats[0];  // unreachable: every format has its row
}

}  // namespace

std::optional<ExportFormat> ExportFormatNamed(std::string_view name) {
    for (const FormatRow& row : kFormats) {
        if (row.name == name) return row.format;
    }
    return std::nullopt;
}

const char* ExportFormatTitle(ExportFormat format) { return Row(format).title; }

const char* ExportFileSuffix(ExportFormat format) { return Row(format).suffix; }

ExportResult ExportTable(const TableSpec& table, ExportFormat format) {
    return Row(format).write(table);
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
