#include "ui/commands/cell_commands.h"

#include "core/dialogs/cell_dialog_values.h"
#include "ui/commands/command_context.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/window_services.h"
#include "ui/dialogs/frm_cell_info.h"
#include "ui/document/table_document.h"

namespace tabloom {

CellCommands::CellCommands(CommandContext& context)
    : QObject(&context.window.Widget()), ctx_(context) {}

void CellCommands::EditCell() {
    ProgramState& state = ctx_.state;
    // Kept here: other routines move intRow and intCol while the dialog is open.
    row_ = state.intRow;
    col_ = state.intCol;
    if (dialog_ == nullptr) {
        dialog_ = new frmCellInfo(
            ctx_.document.Table(), state, ctx_.prompter,
            [this] { ctx_.window.SuppressGridClicks(); }, &ctx_.window.Widget());
        connect(dialog_, &QDialog::finished, this, &CellCommands::DialogClosed);
    }
    const TableSpec& table = ctx_.document.Table();
    const CellSpec& cell = table.At(row_, col_);
    state.lngEditCellTextColor = cell.lngTextColor;
    state.lngEditCellBgColor = cell.lngBgColor;
    state.lngEditTableTextColor = table.lngTableTextColor;
    state.lngEditTableBgColor = table.lngTableBgColor;
    dialog_->Load(CellDialogValuesFor(table, row_, col_), row_, col_);
    dialog_->adjustSize();
    dialog_->move(ctx_.window.BelowRow(row_, dialog_->frameGeometry().size()));
    dialog_->open();
}

void CellCommands::DialogClosed() {
    if (dialog_->blnAccepted) {
        const bool changed = ctx_.document.Change(
            QString("edit cell at row %1 column %2").arg(row_).arg(col_), [this](TableSpec& t) {
                StoreCellValues(t, row_, col_, dialog_->Values(), dialog_->intNewRowSpan,
                                dialog_->intNewColSpan);
            });
        if (!changed) ctx_.window.RedrawGrid();
    } else {
        // The dialog's outline goes.
        ctx_.window.RedrawGrid();
    }
    ctx_.window.SuppressGridClicks();
}

}  // namespace tabloom
