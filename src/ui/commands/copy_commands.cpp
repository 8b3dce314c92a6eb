#include "ui/commands/copy_commands.h"

#include "core/dialogs/copy_source_summary.h"
#include "core/grid/copy_cell_properties.h"
#include "ui/commands/block_commands.h"
#include "ui/commands/grid_commands.h"
#include "ui/dialogs/frm_copy_cell.h"
#include "ui/document/table_document.h"
#include "ui/main_window/dialog_placement.h"
#include "ui/main_window/frm_main.h"

namespace tabloom {

CopyCommands::CopyCommands(frmMain& window) : window_(window) {}

frmCopyCell& CopyCommands::DialogWindow() {
    if (dialog_ == nullptr) {
        dialog_ = new frmCopyCell(window_.Prompts(), &window_);
        dialog_->SetTargetHighlighter([this](int& row, int& col) {
            window_.Grid().DrawTable();
            auto r = static_cast<std::int16_t>(row);
            auto c = static_cast<std::int16_t>(col);
            if (window_.HighlightCell(r, c)) return true;
            row = window_.State().intHighlightRow;
            col = window_.State().intHighlightCol;
            return false;
        });
        QObject::connect(dialog_, &QDialog::finished, dialog_, [this] { DialogClosed(); });
        RefillCopyTargetLists();
    }
    return *dialog_;
}

void CopyCommands::RefillCopyTargetLists() {
    if (dialog_ == nullptr) return;
    const TableSpec& table = window_.Table();
    dialog_->RefillTargetLists(table.intNumRows, table.intNumCols);
}

void CopyCommands::CopyCommand() {
    frmCopyCell& dialog = DialogWindow();
    srcRow_ = window_.State().intRow;
    srcCol_ = window_.State().intCol;
    dialog.Fill(SummarizeCopySource(window_.Table(), srcRow_, srcCol_), srcRow_, srcCol_);
    dialog.OfferBlock(window_.Grid().Blocks().Block());
    dialog.blnAccepted = false;
    dialog.adjustSize();
    dialog.move(PlaceDialogBelowRow(window_, srcRow_, dialog.frameGeometry().size()));
    // Modal, but not a nested loop: the copy follows when the window closes.
    dialog.open();
}

void CopyCommands::DialogClosed() {
    if (dialog_->blnAccepted) {
        const bool changed = window_.Document().Change(
            "copy cell properties",
            [this](TableSpec& t) { CopyCellProperties(t, srcRow_, srcCol_, dialog_->Choice()); });
        if (changed) {
            window_.SuppressGridClicks();
            return;
        }
    }
    // The dialog's outlines go.
    window_.Grid().DrawTable();
    window_.SuppressGridClicks();
}

}  // namespace tabloom
