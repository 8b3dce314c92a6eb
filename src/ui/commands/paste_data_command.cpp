#include "ui/commands/paste_data_command.h"

#include <algorithm>

#include "core/csv/delimited_text.h"
#include "core/grid/paste_values.h"
#include "core/import/import_html_table.h"
#include "ui/commands/command_context.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/window_services.h"
#include "ui/document/table_document.h"
#include "ui/platform/clipboard.h"
#include "ui/platform/prompter.h"

namespace tabloom {

namespace {

const char* const kTitle = "Paste data";

QString Count(int n, const char* one, const char* many) {
    return QString::number(n) + ' ' + (n == 1 ? one : many);
}

}  // namespace

void PasteDataCommand::Tell(const QString& text) {
    ctx_.prompter.Show(text, kTitle, PromptIcon::Information, PromptButtons::Ok);
}

void PasteDataCommand::Run() {
    // Spreadsheets and browsers put the copied cells on the clipboard as an
    // HTML table too: it brings the merges and colours the text lacks.
    const QString html = ctx_.clipboard.Html();
    const HtmlTableImport cells =
        html.isEmpty() ? HtmlTableImport{} : ImportHtmlTable(html.toStdString(), 0);
    DelimitedResult read;
    if (!cells.ok) {
        const QString text = ctx_.clipboard.Text();
        read = ReadDelimited(text.toStdString());
        if (!read.ok) {
            Tell(QString("The clipboard text cannot be pasted as rows of values (line %1: %2).")
                     .arg(read.line)
                     .arg(QString::fromStdString(read.reason)));
            return;
        }
        const auto& values = read.data.rows;
        const bool blank = std::all_of(values.begin(), values.end(), [](const auto& row) {
            return std::all_of(row.begin(), row.end(), [](const std::string& v) {
                return v.find_first_not_of(" \t\r\n") == std::string::npos;
            });
        });
        if (text.trimmed().isEmpty() || blank) {
            Tell(
                "The clipboard holds no text to paste. Copy cells in a spreadsheet (or rows of "
                "values separated by tabs or commas) and paste again.");
            return;
        }
    }
    const auto& rows = read.data.rows;

    const TableSpec& table = ctx_.document.Table();
    const int row = std::clamp<int>(ctx_.state.intRow, 1, table.intNumRows);
    const int col = std::clamp<int>(ctx_.state.intCol, 1, table.intNumCols);
    const PasteDimensions size =
        cells.ok ? GrownDimensions(table, row, col, cells.table.intNumRows, cells.table.intNumCols)
                 : GrownDimensions(table, row, col, rows);
    PasteOutcome outcome;
    // Growing the table and placing the values are one step; the keyboard
    // stays where it is.
    ctx_.document.Change("paste data", [&](TableSpec& t) {
        ResizeTable(t, size.rows, size.cols);
        outcome = cells.ok ? PasteCells(t, row, col, cells.table) : PasteValues(t, row, col, rows);
    });

    QStringList lost;
    if (cells.ok && !cells.losses.empty()) {
        lost << QString::fromStdString(ImportLossReport(cells.losses));
    }
    if (outcome.split > 0) {
        lost << Count(outcome.split, "merged cell was", "merged cells were") +
                    " split to make room for the pasted cells.";
    }
    if (outcome.skipped > 0) {
        lost << Count(outcome.skipped, "value was", "values were") +
                    " skipped: they fell on cells covered by another cell's span.";
    }
    if (outcome.rowsCut > 0 || outcome.colsCut > 0) {
        lost << Count(outcome.rowsCut, "row", "rows") + " and " +
                    Count(outcome.colsCut, "column", "columns") +
                    QString(" did not fit: a table has at most %1 rows and %2 columns.")
                        .arg(intMaxRows)
                        .arg(intMaxCols);
    }
    if (!lost.isEmpty()) {
        Tell(Count(outcome.placed, "value was", "values were") + " pasted. " + lost.join(' '));
    }
}

}  // namespace tabloom
