#include "ui/commands/block_commands.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

#include "core/dialogs/cell_checks.h"
#include "core/grid/block_clipboard.h"
#include "core/grid/block_edit.h"
#include "core/grid/grid_drawing.h"
#include "ui/commands/command_context.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/window_services.h"
#include "ui/document/table_document.h"
#include "ui/grid/pic_table.h"
#include "ui/platform/clipboard.h"
#include "ui/platform/prompter.h"

namespace tabloom {

namespace {

QString Described(const CellBlock& block) {
    return QString::fromStdString(DescribeBlock(block)).replace(" selected", "");
}

}  // namespace

BlockCommands::BlockCommands(CommandContext& context, GridCommands& grid, PicTable& picTable)
    : QObject(&context.window.Widget()), ctx_(context), grid_(grid), picTable_(picTable) {}

void BlockCommands::AddToMenu(QMenu* menu) {
    menu->addSeparator();
    merge_ = AddGridAction(menu, &picTable_, "Merge cells", QKeySequence("Ctrl+M"));
    merge_->setObjectName("mnuMergeCells");
    split_ = AddGridAction(menu, &picTable_, "Split cell", QKeySequence("Ctrl+Shift+M"));
    split_->setObjectName("mnuSplitCell");
    copy_ = AddGridAction(menu, &picTable_, "Copy cells", QKeySequence::Copy);
    copy_->setObjectName("mnuCopyCells");
    cut_ = AddGridAction(menu, &picTable_, "Cut cells", QKeySequence::Cut);
    cut_->setObjectName("mnuCutCells");
    connect(merge_, &QAction::triggered, this, &BlockCommands::Merge);
    connect(split_, &QAction::triggered, this, &BlockCommands::Split);
    connect(copy_, &QAction::triggered, this, &BlockCommands::Copy);
    connect(cut_, &QAction::triggered, this, &BlockCommands::Cut);
    UpdateActions();
}

CellBlock BlockCommands::Target() const {
    if (block_) return *block_;
    const int row = grid_.CurrentRow(), col = grid_.CurrentCol();
    return BlockBetween(ctx_.document.Table(), row, col, row, col);
}

void BlockCommands::Select(int anchorRow, int anchorCol, int endRow, int endCol) {
    anchorRow_ = anchorRow;
    anchorCol_ = anchorCol;
    endRow_ = endRow;
    endCol_ = endCol;
    const TableSpec& table = ctx_.document.Table();
    const CellBlock block = BlockBetween(table, anchorRow, anchorCol, endRow, endCol);
    std::optional<CellBlock> next;
    if (!IsOneCell(table, block)) next = block;
    if (next == block_) return;
    block_ = next;
    Show();
}

void BlockCommands::Extend(GridMove move) {
    if (!block_) {
        anchorRow_ = endRow_ = grid_.CurrentRow();
        anchorCol_ = endCol_ = grid_.CurrentCol();
    }
    // The end steps off the far side of whatever span it stands on.
    auto row = static_cast<std::int16_t>(endRow_);
    auto col = static_cast<std::int16_t>(endCol_);
    MoveCurrentCell(ctx_.document.Table(), move, row, col);
    Select(anchorRow_, anchorCol_, row, col);
}

void BlockCommands::ExtendTo(int row, int col) {
    if (!block_) {
        anchorRow_ = grid_.CurrentRow();
        anchorCol_ = grid_.CurrentCol();
    }
    Select(anchorRow_, anchorCol_, row, col);
}

void BlockCommands::SelectAll() {
    const TableSpec& table = ctx_.document.Table();
    Select(1, 1, table.intNumRows, table.intNumCols);
}

void BlockCommands::Clear() {
    if (!block_) return;
    block_.reset();
    Show();
}

void BlockCommands::Refresh() {
    if (block_) {
        const TableSpec& table = ctx_.document.Table();
        const CellBlock block = BlockBetween(table, anchorRow_, anchorCol_, endRow_, endCol_);
        block_.reset();
        if (!IsOneCell(table, block)) block_ = block;
    }
    const CellRect r = block_ ? BlockRectangle(grid_.Geometry(), *block_) : CellRect{};
    picTable_.SetBlockArea(block_ ? QRect(QPoint(r.x1, r.y1), QPoint(r.x2, r.y2)) : QRect());
    UpdateActions();
}

bool BlockCommands::Announce() {
    if (!block_) return false;
    picTable_.Announce(QString::fromStdString(DescribeBlock(*block_)));
    return true;
}

void BlockCommands::Show() {
    Refresh();
    if (!Announce()) grid_.AnnounceCurrent();
    emit changed();
}

void BlockCommands::UpdateActions() {
    if (merge_ == nullptr) return;
    const TableSpec& table = ctx_.document.Table();
    const CellBlock target = Target();
    bool spans = false;
    for (int i = target.top; i <= target.bottom && !spans; ++i) {
        for (int j = target.left; j <= target.right && !spans; ++j) {
            const CellSpec& cell = table.At(i, j);
            spans = cell.intRowSpan > 1 || cell.intColSpan > 1;
        }
    }
    merge_->setEnabled(block_.has_value());
    split_->setEnabled(spans);
}

bool BlockCommands::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    if (shift && !ctrl && !alt) {
        switch (key) {
            case Qt::Key_Left:
                Extend(GridMove::Left);
                return true;
            case Qt::Key_Right:
                Extend(GridMove::Right);
                return true;
            case Qt::Key_Up:
                Extend(GridMove::Up);
                return true;
            case Qt::Key_Down:
                Extend(GridMove::Down);
                return true;
            default:
                return false;
        }
    }
    if (ctrl && !shift && !alt && key == Qt::Key_A) {
        SelectAll();
        return true;
    }
    if (!block_ || ctrl || shift || alt) return false;
    if (key == Qt::Key_Delete) {
        Empty();
        return true;
    }
    if (key == Qt::Key_Escape) {
        Clear();
        return true;
    }
    return false;
}

void BlockCommands::Merge() {
    if (!block_) return;
    const CellBlock block = *block_;
    TableSpec merged = ctx_.document.Table();
    const MergeOutcome outcome = MergeBlock(merged, block);
    if (!outcome.merged) {
        ctx_.prompter.Show(QString::fromStdString(outcome.message), kInadmissibleTitle,
                           PromptIcon::None, PromptButtons::Ok);
        return;
    }
    block_.reset();
    grid_.MakeCurrent(block.top, block.left);
    ctx_.document.Change("merge " + Described(block),
                         [&merged](TableSpec& t) { t = std::move(merged); });
}

void BlockCommands::Split() {
    const CellBlock block = Target();
    ctx_.document.Change("split " + Described(block),
                         [&block](TableSpec& t) { SplitBlock(t, block); });
}

void BlockCommands::Empty() { EmptyAs("empty"); }

void BlockCommands::EmptyAs(const QString& verb) {
    const CellBlock block = Target();
    ctx_.document.Change(verb + " " + Described(block),
                         [&block](TableSpec& t) { EmptyBlock(t, block); });
}

void BlockCommands::Copy() {
    const TableSpec& table = ctx_.document.Table();
    const CellBlock block = Target();
    ctx_.clipboard.SetContent(QString::fromStdString(BlockAsTabText(table, block)),
                              QString::fromStdString(BlockAsHtml(table, block)));
}

void BlockCommands::Cut() {
    Copy();
    EmptyAs("cut");
}

}  // namespace tabloom
