#include "ui/app/paste_data_command.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <algorithm>

#include "core/csv/delimited_text.h"
#include "core/grid/paste_values.h"
#include "core/import/import_html_table.h"
#include "ui/app/clipboard.h"
#include "ui/app/frm_main.h"
#include "ui/app/prompter.h"

namespace tabloom {

namespace {

const char* const kTitle = "Paste data";

QString Count(int n, const char* one, const char* many) {
    return QString::number(n) + ' ' + (n == 1 ? one : many);
}

// Selects entry n of the count list name, which runs its handler as the
// user's choice would.
void SelectCount(frmMain& window, const char* name, int n) {
    if (auto* list = window.findChild<QComboBox*>(name)) list->setCurrentIndex(n - 1);
}

}  // namespace

PasteDataCommand::PasteDataCommand(frmMain& window, Clipboard& clipboard)
    : window_(window), clipboard_(clipboard) {}

void PasteDataCommand::Tell(const QString& text) {
    window_.Prompts().Show(text, kTitle, PromptIcon::Information, PromptButtons::Ok);
}

void PasteDataCommand::Run() {
    // Spreadsheets and browsers put the copied cells on the clipboard as an
    // HTML table too: it brings the merges and colours the text lacks.
    const QString html = clipboard_.Html();
    const HtmlTableImport cells =
        html.isEmpty() ? HtmlTableImport{} : ImportHtmlTable(html.toStdString(), 0);
    DelimitedResult read;
    if (!cells.ok) {
        const QString text = clipboard_.Text();
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

    const auto before = window_.Snapshot();
    TableSpec& table = window_.Table();
    const int row = std::clamp<int>(window_.State().intRow, 1, table.intNumRows);
    const int col = std::clamp<int>(window_.State().intCol, 1, table.intNumCols);
    const PasteDimensions size =
        cells.ok ? GrownDimensions(table, row, col, cells.table.intNumRows, cells.table.intNumCols)
                 : GrownDimensions(table, row, col, rows);
    PasteOutcome outcome;
    {
        // The lists' handlers would record steps of their own, the paste is
        // one; and they would move the keyboard to Help, the paste leaves it.
        const frmMain::RecordingPause pause(window_);
        const QPointer<QWidget> focus = QApplication::focusWidget();
        SelectCount(window_, "cboNumberOfRows", size.rows);
        SelectCount(window_, "cboNumberOfColumns", size.cols);
        outcome = cells.ok ? PasteCells(table, row, col, cells.table)
                           : PasteValues(table, row, col, rows);
        if (focus != nullptr) focus->setFocus();
    }
    window_.DrawTable();
    window_.ClearResult();
    if (!table.SameSpec(before.table)) window_.RecordChange("paste data", before);

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
