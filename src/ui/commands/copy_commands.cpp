#include "ui/commands/copy_commands.h"

#include "core/dialogs/copy_source_summary.h"
#include "core/grid/copy_cell_properties.h"
#include "ui/commands/block_commands.h"
#include "ui/commands/command_context.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/window_services.h"
#include "ui/dialogs/frm_copy_cell.h"
#include "ui/document/table_document.h"

namespace tabloom {

CopyCommands::CopyCommands(CommandContext& context) : ctx_(context) {}

frmCopyCell& CopyCommands::DialogWindow() {
    if (dialog_ == nullptr) {
        dialog_ = new frmCopyCell(ctx_.prompter, &ctx_.window.Widget());
        dialog_->SetTargetHighlighter([this](int& row, int& col) {
            ctx_.window.RedrawGrid();
            auto r = static_cast<std::int16_t>(row);
            auto c = static_cast<std::int16_t>(col);
            if (ctx_.window.HighlightCell(r, c)) return true;
            row = ctx_.state.intHighlightRow;
            col = ctx_.state.intHighlightCol;
            return false;
        });
        QObject::connect(dialog_, &QDialog::finished, dialog_, [this] { DialogClosed(); });
        RefillCopyTargetLists();
    }
    return *dialog_;
}

void CopyCommands::RefillCopyTargetLists() {
    if (dialog_ == nullptr) return;
    const TableSpec& table = ctx_.document.Table();
    dialog_->RefillTargetLists(table.intNumRows, table.intNumCols);
}

void CopyCommands::CopyCommand() {
    frmCopyCell& dialog = DialogWindow();
    srcRow_ = ctx_.state.intRow;
    srcCol_ = ctx_.state.intCol;
    dialog.Fill(SummarizeCopySource(ctx_.document.Table(), srcRow_, srcCol_), srcRow_, srcCol_);
    dialog.OfferBlock(ctx_.window.SelectedBlock());
    dialog.blnAccepted = false;
    dialog.adjustSize();
    dialog.move(ctx_.window.BelowRow(srcRow_, dialog.frameGeometry().size()));
    // Modal, but not a nested loop: the copy follows when the window closes.
    dialog.open();
}

void CopyCommands::DialogClosed() {
    if (dialog_->blnAccepted) {
        const bool changed = ctx_.document.Change("copy cell properties", [this](TableSpec& t) {
            CopyCellProperties(t, srcRow_, srcCol_, dialog_->Choice());
        });
        if (changed) {
            ctx_.window.SuppressGridClicks();
            return;
        }
    }
    // The dialog's outlines go.
    ctx_.window.RedrawGrid();
    ctx_.window.SuppressGridClicks();
}

}  // namespace tabloom
