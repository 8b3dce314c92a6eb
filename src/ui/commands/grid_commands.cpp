#include "ui/commands/grid_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>

#include "core/grid/grid_drawing.h"
#include "core/grid/grid_hit_test.h"
#include "core/grid/place_marker_fill.h"
#include "core/grid/row_column_edit.h"
#include "core/model/place_markers.h"
#include "ui/commands/block_commands.h"
#include "ui/commands/command_context.h"
#include "ui/commands/typing_commands.h"
#include "ui/commands/window_services.h"
#include "ui/document/table_document.h"
#include "ui/grid/pic_table.h"

namespace tabloom {

namespace {

QString CellName(int row, int col) { return QString("row %1 column %2").arg(row).arg(col); }

// Shown on an insert entry while the table is full.
QString FullTableTip(const char* what, int most) {
    return QString("A table has at most %1 %2: delete one to insert another.").arg(most).arg(what);
}

}  // namespace

QAction* AddGridAction(QMenu* menu, QWidget* grid, const QString& text, const QKeySequence& keys) {
    auto* action = menu->addAction(text);
    action->setShortcut(keys);
    // The keys act while the grid has the keyboard; the menu shows them.
    action->setShortcutContext(Qt::WidgetShortcut);
    grid->addAction(action);
    return action;
}

void ResizeTable(TableSpec& table, int rows, int cols) {
    table.intNumRows = static_cast<std::int16_t>(rows);
    table.intNumCols = static_cast<std::int16_t>(cols);
    AdjustCellsToDimensions(table);
    FillPlaceMarkers(table, table.blnAddPlaceMarkers);
}

GridCommands::GridCommands(CommandContext& context, const GridControls& controls)
    : QObject(&context.window.Widget()), ctx_(context), c_(controls) {
    blocks_ = new BlockCommands(context, *this, *c_.picTable);
    typing_ = new TypingCommands(context, *this, *c_.picTable);
    BuildMenu();
    Connect();
}

void GridCommands::BuildMenu() {
    menu_ = new QMenu(c_.cmdGridMenu);
    menu_->setObjectName("mnuGrid");
    QWidget* grid = c_.picTable;
    insertRowAbove_ = AddGridAction(menu_, grid, "Insert row above", QKeySequence("Ctrl+Shift+Up"));
    insertRowBelow_ =
        AddGridAction(menu_, grid, "Insert row below", QKeySequence("Ctrl+Shift+Down"));
    deleteRow_ = AddGridAction(menu_, grid, "Delete row", QKeySequence("Ctrl+Del"));
    menu_->addSeparator();
    insertColumnLeft_ =
        AddGridAction(menu_, grid, "Insert column left", QKeySequence("Ctrl+Shift+Left"));
    insertColumnRight_ =
        AddGridAction(menu_, grid, "Insert column right", QKeySequence("Ctrl+Shift+Right"));
    deleteColumn_ = AddGridAction(menu_, grid, "Delete column", QKeySequence("Ctrl+Shift+Del"));
    blocks_->AddToMenu(menu_);
    menu_->setToolTipsVisible(true);
    c_.cmdGridMenu->setMenu(menu_);
    // A split button lists its menu among its accessible children, so a
    // screen reader reaches the open menu from the window; an instant popup
    // would leave it outside the tree.
    c_.cmdGridMenu->setPopupMode(QToolButton::MenuButtonPopup);
    connect(c_.cmdGridMenu, &QToolButton::clicked, c_.cmdGridMenu, &QToolButton::showMenu);
}

std::int16_t GridCommands::CurrentRow() const { return ctx_.state.intRow; }

std::int16_t GridCommands::CurrentCol() const { return ctx_.state.intCol; }

void GridCommands::Connect() {
    connect(c_.picTable, &PicTable::pressed, this, &GridCommands::picTable_MouseDown);
    connect(c_.picTable, &PicTable::dragged, this, &GridCommands::picTable_MouseMove);
    connect(c_.picTable, &PicTable::released, this, &GridCommands::picTable_MouseUp);
    connect(c_.picTable, &PicTable::typed, this, [this](const QString& text) {
        if (ctx_.state.blnFormInitialized) typing_->Start(text, false);
    });
    connect(c_.picTable, &PicTable::keyPressed, this,
            [this](int key, Qt::KeyboardModifiers modifiers, bool& handled) {
                handled = KeyPressed(key, modifiers);
            });
    connect(c_.picTable, &PicTable::focusEntered, this, [this] {
        if (!ctx_.state.blnFormInitialized) return;
        OutlineCurrent();
        AnnounceCurrent();
        c_.picTable->Present();
    });
    connect(c_.cboNumberOfRows, &QComboBox::currentIndexChanged, this,
            &GridCommands::NumberOfRowsOrColumns_Click);
    connect(c_.cboNumberOfColumns, &QComboBox::currentIndexChanged, this,
            &GridCommands::NumberOfRowsOrColumns_Click);
    connect(c_.chkAddPlaceMarkers, &QCheckBox::toggled, this,
            &GridCommands::chkAddPlaceMarkers_Click);
    auto option = [this](QCheckBox* box, bool TableSpec::*field, const char* name) {
        connect(box, &QCheckBox::toggled, this, [this, field, name](bool on) {
            ctx_.document.Change(
                QString("turn %1 %2").arg(name, on ? "on" : "off"),
                [field, on](TableSpec& t) { t.*field = on; }, TableDocument::kShape);
        });
    };
    option(c_.chkAddHTMLWrapper4, &TableSpec::blnAddHTMLWrapper, "the HTML wrapper");
    option(c_.chkCenterTable4, &TableSpec::blnCenterTable, "centring");
    connect(insertRowAbove_, &QAction::triggered, this, &GridCommands::InsertRowAbove);
    connect(insertRowBelow_, &QAction::triggered, this, &GridCommands::InsertRowBelow);
    connect(deleteRow_, &QAction::triggered, this, &GridCommands::DeleteRow);
    connect(insertColumnLeft_, &QAction::triggered, this, &GridCommands::InsertColumnLeft);
    connect(insertColumnRight_, &QAction::triggered, this, &GridCommands::InsertColumnRight);
    connect(deleteColumn_, &QAction::triggered, this, &GridCommands::DeleteColumn);
}

void GridCommands::DrawTable() {
    ProgramState& state = ctx_.state;
    if (!state.blnFormInitialized) return;
    TableSpec& table = ctx_.document.ForDrawing();
    // The current cell stays where it was, brought back into a table that
    // shrank or onto the span that now covers it.
    NormaliseCurrentCell(table, state.intRow, state.intCol);
    geometry_ = tabloom::DrawTable(table, c_.picTable->Surface());
    if (c_.picTable->hasFocus()) OutlineCurrent();
    UpdateMenu();
    blocks_->Refresh();
    if (!blocks_->Announce()) AnnounceCurrent();
    c_.picTable->Present();
}

bool GridCommands::HighlightCell(std::int16_t& row, std::int16_t& col) {
    ProgramState& state = ctx_.state;
    const bool anchor =
        tabloom::HighlightCell(ctx_.document.Table(), geometry_, c_.picTable->Surface(), row, col,
                               state.intHighlightRow, state.intHighlightCol);
    c_.picTable->Present();
    return anchor;
}

void GridCommands::picTable_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                      double x, double y) {
    ProgramState& state = ctx_.state;
    pressRow_ = pressCol_ = 0;
    selecting_ = false;
    if (button != Qt::LeftButton || state.blnIgnoreGridClick || !state.blnFormInitialized) return;
    std::int16_t row = 0, col = 0;
    if (!GridHitTest(ctx_.document.Table(), x, y, row, col)) return;
    pressRow_ = row;
    pressCol_ = col;
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        // Shift+click reaches from the current cell (or the block's anchor).
        selecting_ = true;
        blocks_->ExtendTo(row, col);
    }
}

void GridCommands::picTable_MouseMove(double x, double y) {
    if (pressRow_ == 0) return;
    std::int16_t row = 0, col = 0;
    if (!GridHitTest(ctx_.document.Table(), x, y, row, col)) return;
    if (!selecting_ && row == pressRow_ && col == pressCol_) return;
    if (!selecting_) {
        selecting_ = true;
        MakeCurrent(pressRow_, pressCol_);
        blocks_->Clear();
    }
    blocks_->ExtendTo(row, col);
}

void GridCommands::picTable_MouseUp(Qt::MouseButton button, double x, double y) {
    ProgramState& state = ctx_.state;
    if (state.blnIgnoreGridClick || !state.blnFormInitialized) return;
    std::int16_t row = 0, col = 0;
    if (button == Qt::LeftButton && selecting_) {
        // A drag or a Shift+click selected a block: no dialog.
        selecting_ = false;
        pressRow_ = 0;
        DrawTable();
        return;
    }
    if (!GridHitTest(ctx_.document.Table(), x, y, row, col)) return;
    // A right click inside the block keeps it for the copy window.
    const auto& block = blocks_->Block();
    if (button == Qt::LeftButton || !block || !block->Contains(row, col)) blocks_->Clear();
    MakeCurrent(row, col);
    // The press gave the grid focus and outlined the old current cell; only
    // the clicked one keeps an outline.
    if (c_.picTable->hasFocus()) DrawTable();
    HighlightCell(state.intRow, state.intCol);
    emit cellCommand(button == Qt::LeftButton);
}

void GridCommands::NumberOfRowsOrColumns_Click() {
    const int rows = c_.cboNumberOfRows->currentIndex() + 1;
    const int cols = c_.cboNumberOfColumns->currentIndex() + 1;
    ctx_.document.Change(
        QString("change the table to %1 rows and %2 columns").arg(rows).arg(cols),
        [rows, cols](TableSpec& t) { ResizeTable(t, rows, cols); }, TableDocument::kShape);
    if (ctx_.window.Widget().isVisible()) ctx_.window.FocusHelpButton();
}

void GridCommands::chkAddPlaceMarkers_Click() {
    const bool on = c_.chkAddPlaceMarkers->isChecked();
    ctx_.document.Change(on ? "turn place markers on" : "turn place markers off",
                         [on](TableSpec& t) {
                             t.blnAddPlaceMarkers = on;
                             FillPlaceMarkers(t, on);
                         });
}

void GridCommands::MakeCurrent(int row, int col) {
    ProgramState& state = ctx_.state;
    state.intRow = static_cast<std::int16_t>(row);
    state.intCol = static_cast<std::int16_t>(col);
    NormaliseCurrentCell(ctx_.document.Table(), state.intRow, state.intCol);
    AnnounceCurrent();
}

void GridCommands::GoToCell(int row, int col) {
    ProgramState& state = ctx_.state;
    if (!state.blnFormInitialized) return;
    MakeCurrent(row, col);
    DrawTable();
    OutlineCurrent();
    c_.picTable->Present();
}

void GridCommands::OutlineCurrent() {
    // The keyboard's cell carries the outline while the grid has focus; the
    // highlight fields stay the dialogs' own.
    ProgramState& state = ctx_.state;
    const TableSpec& table = ctx_.document.Table();
    NormaliseCurrentCell(table, state.intRow, state.intCol);
    std::int16_t row = state.intRow, col = state.intCol;
    std::int16_t ignoreRow = 0, ignoreCol = 0;
    tabloom::HighlightCell(table, geometry_, c_.picTable->Surface(), row, col, ignoreRow,
                           ignoreCol);
}

void GridCommands::AnnounceCurrent() {
    const ProgramState& state = ctx_.state;
    QString content =
        QString::fromStdString(ctx_.document.Table().At(state.intRow, state.intCol).strContent);
    content.replace("\r\n", "\n");
    c_.picTable->AnnounceCell(state.intRow, state.intCol, content);
}

void GridCommands::MoveCurrent(GridMove move) {
    ProgramState& state = ctx_.state;
    blocks_->Clear();
    MoveCurrentCell(ctx_.document.Table(), move, state.intRow, state.intCol);
    DrawTable();
}

void GridCommands::MoveByTab(bool forward) {
    ProgramState& state = ctx_.state;
    blocks_->Clear();
    tabloom::MoveByTab(ctx_.document.Table(), forward, state.intRow, state.intCol);
    DrawTable();
}

bool GridCommands::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if (!ctx_.state.blnFormInitialized) return false;
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool plain = !ctrl && !shift && !modifiers.testFlag(Qt::AltModifier);
    if (blocks_->KeyPressed(key, modifiers)) return true;
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (!plain) return false;
            MoveCurrent(key == Qt::Key_Left    ? GridMove::Left
                        : key == Qt::Key_Right ? GridMove::Right
                        : key == Qt::Key_Up    ? GridMove::Up
                                               : GridMove::Down);
            return true;
        case Qt::Key_Home:
            MoveCurrent(ctrl ? GridMove::TableStart : GridMove::RowStart);
            return true;
        case Qt::Key_End:
            MoveCurrent(ctrl ? GridMove::TableEnd : GridMove::RowEnd);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!plain) return false;
            CommandOnCurrent(true);
            return true;
        case Qt::Key_F2:
            if (!plain) return false;
            typing_->Start(QString(), true);
            return true;
        case Qt::Key_F10:
            if (!shift || ctrl) return false;
            CommandOnCurrent(false);
            return true;
        case Qt::Key_Menu:
            CommandOnCurrent(false);
            return true;
        case Qt::Key_Delete:
            if (!plain) return false;
            ClearCurrentCell();
            return true;
        default:
            return false;
    }
}

void GridCommands::CommandOnCurrent(bool edit) {
    ProgramState& state = ctx_.state;
    NormaliseCurrentCell(ctx_.document.Table(), state.intRow, state.intCol);
    HighlightCell(state.intRow, state.intCol);
    emit cellCommand(edit);
}

void GridCommands::ClearCurrentCell() {
    ProgramState& state = ctx_.state;
    NormaliseCurrentCell(ctx_.document.Table(), state.intRow, state.intCol);
    const int row = state.intRow, col = state.intCol;
    ctx_.document.Change("empty cell at " + CellName(row, col), [row, col](TableSpec& t) {
        // An emptied cell shows its marker again while markers are on.
        t.At(row, col).strContent =
            t.blnAddPlaceMarkers ? MakePlaceMarker(row, col) : std::string();
    });
}

template <typename Edit>
void GridCommands::EditRowsOrColumns(const QString& what, Edit edit) {
    ProgramState& state = ctx_.state;
    if (!state.blnFormInitialized) return;
    NormaliseCurrentCell(ctx_.document.Table(), state.intRow, state.intCol);
    ctx_.document.Change(
        what, [&edit](TableSpec& t) { edit(t); }, TableDocument::kShape);
}

void GridCommands::InsertRowAbove() {
    const int at = CurrentRow();
    EditRowsOrColumns(QString("insert a row above row %1").arg(at),
                      [at](TableSpec& t) { return InsertRow(t, at); });
}

void GridCommands::InsertRowBelow() {
    const int at = CurrentRow() + ctx_.document.Table().At(CurrentRow(), CurrentCol()).intRowSpan;
    EditRowsOrColumns(QString("insert a row below row %1").arg(at - 1),
                      [at](TableSpec& t) { return InsertRow(t, at); });
}

void GridCommands::DeleteRow() {
    const int row = CurrentRow();
    EditRowsOrColumns(QString("delete row %1").arg(row),
                      [row](TableSpec& t) { return tabloom::DeleteRow(t, row); });
}

void GridCommands::InsertColumnLeft() {
    const int at = CurrentCol();
    EditRowsOrColumns(QString("insert a column left of column %1").arg(at),
                      [at](TableSpec& t) { return InsertColumn(t, at); });
}

void GridCommands::InsertColumnRight() {
    const int at = CurrentCol() + ctx_.document.Table().At(CurrentRow(), CurrentCol()).intColSpan;
    EditRowsOrColumns(QString("insert a column right of column %1").arg(at - 1),
                      [at](TableSpec& t) { return InsertColumn(t, at); });
}

void GridCommands::DeleteColumn() {
    const int col = CurrentCol();
    EditRowsOrColumns(QString("delete column %1").arg(col),
                      [col](TableSpec& t) { return tabloom::DeleteColumn(t, col); });
}

void GridCommands::UpdateMenu() {
    const TableSpec& table = ctx_.document.Table();
    const bool canInsertRow = table.intNumRows < intMaxRows;
    const bool canInsertCol = table.intNumCols < intMaxCols;
    const QString rowTip = canInsertRow ? QString() : FullTableTip("rows", intMaxRows);
    const QString colTip = canInsertCol ? QString() : FullTableTip("columns", intMaxCols);
    for (QAction* insert : {insertRowAbove_, insertRowBelow_}) {
        insert->setEnabled(canInsertRow);
        insert->setToolTip(rowTip);
    }
    for (QAction* insert : {insertColumnLeft_, insertColumnRight_}) {
        insert->setEnabled(canInsertCol);
        insert->setToolTip(colTip);
    }
    deleteRow_->setEnabled(table.intNumRows > 1);
    deleteColumn_->setEnabled(table.intNumCols > 1);
}

}  // namespace tabloom
