#include "ui/commands/cell_commands.h"

#include "core/dialogs/cell_dialog_values.h"
#include "ui/commands/grid_commands.h"
#include "ui/dialogs/frm_cell_info.h"
#include "ui/document/table_document.h"
#include "ui/main_window/dialog_placement.h"
#include "ui/main_window/frm_main.h"

namespace tabloom {

CellCommands::CellCommands(frmMain& window) : QObject(&window), window_(window) {}

void CellCommands::EditCell() {
    ProgramState& state = window_.State();
    // Kept here: other routines move intRow and intCol while the dialog is open.
    row_ = state.intRow;
    col_ = state.intCol;
    if (dialog_ == nullptr) {
        dialog_ = new frmCellInfo(
            window_.Table(), state, window_.Prompts(), [this] { window_.SuppressGridClicks(); },
            &window_);
        connect(dialog_, &QDialog::finished, this, &CellCommands::DialogClosed);
    }
    const TableSpec& table = window_.Table();
    const CellSpec& cell = table.At(row_, col_);
    state.lngEditCellTextColor = cell.lngTextColor;
    state.lngEditCellBgColor = cell.lngBgColor;
    state.lngEditTableTextColor = table.lngTableTextColor;
    state.lngEditTableBgColor = table.lngTableBgColor;
    dialog_->Load(CellDialogValuesFor(table, row_, col_), row_, col_);
    dialog_->adjustSize();
    dialog_->move(PlaceDialogBelowRow(window_, row_, dialog_->frameGeometry().size()));
    dialog_->open();
}

void CellCommands::DialogClosed() {
    if (dialog_->blnAccepted) {
        const bool changed = window_.Document().Change(
            QString("edit cell at row %1 column %2").arg(row_).arg(col_), [this](TableSpec& t) {
                StoreCellValues(t, row_, col_, dialog_->Values(), dialog_->intNewRowSpan,
                                dialog_->intNewColSpan);
            });
        if (!changed) window_.Grid().DrawTable();
    } else {
        // The dialog's outline goes.
        window_.Grid().DrawTable();
    }
    window_.SuppressGridClicks();
}

}  // namespace tabloom
