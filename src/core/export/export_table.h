#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/table_spec.h"

namespace tabloom {

enum class ExportFormat { Markdown, Latex, MediaWiki, Csv };

// The text of a table in another format, UTF-8 with LF line ends (CSV: CR
// LF), and what the format could not hold, each a phrase such as "colours
// are dropped".
struct ExportResult {
    std::string text;
    std::vector<std::string> losses;
};

// "markdown", "latex", "mediawiki" or "csv".
std::optional<ExportFormat> ExportFormatNamed(std::string_view name);
// "Markdown", "LaTeX", "MediaWiki", "CSV".
const char* ExportFormatTitle(ExportFormat format);
// ".md", ".tex", ".wiki", ".csv".
const char* ExportFileSuffix(ExportFormat format);

ExportResult ExportTable(const TableSpec& table, ExportFormat format);

// One line for the user: "Markdown has no merged cells: 2 spans are ...;
// colours are dropped"; empty when nothing is lost.
std::string LossReport(ExportFormat format, const std::vector<std::string>& losses);

}  // namespace tabloom
