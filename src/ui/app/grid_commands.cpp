#include "ui/app/grid_commands.h"

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
#include "ui/app/frm_main.h"
#include "ui/grid/pic_table.h"

namespace tabloom {

namespace {

QString CellName(int row, int col) { return QString("row %1 column %2").arg(row).arg(col); }

QAction* AddAction(QMenu* menu, QWidget* grid, const QString& text, const QKeySequence& keys) {
    auto* action = menu->addAction(text);
    action->setShortcut(keys);
    // The keys act while the grid has the keyboard; the menu shows them.
    action->setShortcutContext(Qt::WidgetShortcut);
    grid->addAction(action);
    return action;
}

}  // namespace

GridCommands::GridCommands(frmMain& window, const GridControls& controls)
    : QObject(&window), window_(window), c_(controls) {
    BuildMenu();
    Connect();
}

void GridCommands::BuildMenu() {
    menu_ = new QMenu(c_.cmdGridMenu);
    menu_->setObjectName("mnuGrid");
    QWidget* grid = c_.picTable;
    insertRowAbove_ = AddAction(menu_, grid, "Insert row above", QKeySequence("Ctrl+Shift+Up"));
    insertRowBelow_ = AddAction(menu_, grid, "Insert row below", QKeySequence("Ctrl+Shift+Down"));
    deleteRow_ = AddAction(menu_, grid, "Delete row", QKeySequence("Ctrl+Del"));
    menu_->addSeparator();
    insertColumnLeft_ =
        AddAction(menu_, grid, "Insert column left", QKeySequence("Ctrl+Shift+Left"));
    insertColumnRight_ =
        AddAction(menu_, grid, "Insert column right", QKeySequence("Ctrl+Shift+Right"));
    deleteColumn_ = AddAction(menu_, grid, "Delete column", QKeySequence("Ctrl+Shift+Del"));
    c_.cmdGridMenu->setMenu(menu_);
    c_.cmdGridMenu->setPopupMode(QToolButton::InstantPopup);
}

void GridCommands::Connect() {
    connect(c_.picTable, &PicTable::released, this, &GridCommands::picTable_MouseUp);
    connect(c_.picTable, &PicTable::keyPressed, this,
            [this](int key, Qt::KeyboardModifiers modifiers, bool& handled) {
                handled = KeyPressed(key, modifiers);
            });
    connect(c_.picTable, &PicTable::focusEntered, this, [this] {
        if (!window_.State().blnFormInitialized) return;
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
            const TableSnapshot before = window_.Snapshot();
            window_.Table().*field = on;
            window_.ClearResult();
            window_.RecordChange(QString("turn %1 %2").arg(name, on ? "on" : "off"), before);
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

void GridCommands::RefreshCounts() {
    TableSpec& table = window_.Table();
    table.intNumRows = static_cast<std::int16_t>(c_.cboNumberOfRows->currentText().toInt());
    table.intNumCols = static_cast<std::int16_t>(c_.cboNumberOfColumns->currentText().toInt());
}

void GridCommands::ShowCountsInLists() {
    const QSignalBlocker rows(c_.cboNumberOfRows);
    const QSignalBlocker cols(c_.cboNumberOfColumns);
    c_.cboNumberOfRows->setCurrentIndex(window_.Table().intNumRows - 1);
    c_.cboNumberOfColumns->setCurrentIndex(window_.Table().intNumCols - 1);
}

void GridCommands::DrawTable() {
    ProgramState& state = window_.State();
    if (!state.blnFormInitialized) return;
    RefreshCounts();
    TableSpec& table = state.table;
    geometry_ = tabloom::DrawTable(table, c_.picTable->Surface());
    if (c_.picTable->hasFocus()) OutlineCurrent();
    UpdateMenu();
    c_.picTable->Present();
}

bool GridCommands::HighlightCell(std::int16_t& row, std::int16_t& col) {
    ProgramState& state = window_.State();
    const bool anchor = tabloom::HighlightCell(state.table, geometry_, c_.picTable->Surface(), row,
                                               col, state.intHighlightRow, state.intHighlightCol);
    c_.picTable->Present();
    return anchor;
}

void GridCommands::picTable_MouseUp(Qt::MouseButton button, double x, double y) {
    ProgramState& state = window_.State();
    if (state.blnIgnoreGridClick || !state.blnFormInitialized) return;
    RefreshCounts();
    std::int16_t row = 0, col = 0;
    if (!GridHitTest(state.table, x, y, row, col)) return;
    state.intRow = row;
    state.intCol = col;
    MakeCurrent(row, col);
    // The press gave the grid focus and outlined the old current cell; only
    // the clicked one keeps an outline.
    if (c_.picTable->hasFocus()) DrawTable();
    HighlightCell(state.intRow, state.intCol);
    if (button == Qt::LeftButton) {
        window_.CellCommand();
    } else {
        window_.CopyCommand();
    }
}

void GridCommands::NumberOfRowsOrColumns_Click() {
    ProgramState& state = window_.State();
    if (state.blnFormInitialized) {
        const TableSnapshot before = window_.Snapshot();
        RefreshCounts();
        AdjustCellsToDimensions(state.table);
        chkAddPlaceMarkers_Click();
        if (!state.table.SameSpec(before.table) ||
            state.table.intNumRows != before.table.intNumRows ||
            state.table.intNumCols != before.table.intNumCols) {
            window_.RecordChange(QString("change the table to %1 rows and %2 columns")
                                     .arg(state.table.intNumRows)
                                     .arg(state.table.intNumCols),
                                 before);
        }
    }
    emit dimensionsChanged();
    if (window_.isVisible()) window_.FocusHelpButton();
}

void GridCommands::chkAddPlaceMarkers_Click() {
    ProgramState& state = window_.State();
    const bool on = c_.chkAddPlaceMarkers->isChecked();
    const bool changedOption = state.table.blnAddPlaceMarkers != on;
    const TableSnapshot before = changedOption ? window_.Snapshot() : TableSnapshot{};
    state.table.blnAddPlaceMarkers = on;
    if (!state.blnFormInitialized) return;
    RefreshCounts();
    FillPlaceMarkers(state.table, on);
    DrawTable();
    window_.ClearResult();
    // A dimension change runs this too; it records itself as one step.
    if (changedOption) {
        window_.RecordChange(on ? "turn place markers on" : "turn place markers off", before);
    }
}

void GridCommands::MakeCurrent(int row, int col) {
    currentRow_ = static_cast<std::int16_t>(row);
    currentCol_ = static_cast<std::int16_t>(col);
    NormaliseCurrentCell(window_.Table(), currentRow_, currentCol_);
    AnnounceCurrent();
}

void GridCommands::GoToCell(int row, int col) {
    ProgramState& state = window_.State();
    if (!state.blnFormInitialized) return;
    MakeCurrent(row, col);
    state.intRow = currentRow_;
    state.intCol = currentCol_;
    DrawTable();
    OutlineCurrent();
    c_.picTable->Present();
}

void GridCommands::OutlineCurrent() {
    // The keyboard's cell carries the outline while the grid has focus; the
    // highlight fields stay the dialogs' own.
    const TableSpec& table = window_.Table();
    NormaliseCurrentCell(table, currentRow_, currentCol_);
    std::int16_t row = currentRow_, col = currentCol_;
    std::int16_t ignoreRow = 0, ignoreCol = 0;
    tabloom::HighlightCell(table, geometry_, c_.picTable->Surface(), row, col, ignoreRow,
                           ignoreCol);
}

void GridCommands::AnnounceCurrent() {
    QString content =
        QString::fromStdString(window_.Table().At(currentRow_, currentCol_).strContent);
    content.replace("\r\n", "\n");
    c_.picTable->AnnounceCell(currentRow_, currentCol_, content);
}

void GridCommands::Move(GridMove move) {
    MoveCurrentCell(window_.Table(), move, currentRow_, currentCol_);
    AnnounceCurrent();
    DrawTable();
}

bool GridCommands::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if (!window_.State().blnFormInitialized) return false;
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool plain = !ctrl && !shift && !modifiers.testFlag(Qt::AltModifier);
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (!plain) return false;
            Move(key == Qt::Key_Left    ? GridMove::Left
                 : key == Qt::Key_Right ? GridMove::Right
                 : key == Qt::Key_Up    ? GridMove::Up
                                        : GridMove::Down);
            return true;
        case Qt::Key_Home:
            Move(ctrl ? GridMove::TableStart : GridMove::RowStart);
            return true;
        case Qt::Key_End:
            Move(ctrl ? GridMove::TableEnd : GridMove::RowEnd);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_F2:
            if (!plain) return false;
            CommandOnCurrent(true);
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
    ProgramState& state = window_.State();
    RefreshCounts();
    NormaliseCurrentCell(state.table, currentRow_, currentCol_);
    state.intRow = currentRow_;
    state.intCol = currentCol_;
    HighlightCell(state.intRow, state.intCol);
    if (edit) {
        window_.CellCommand();
    } else {
        window_.CopyCommand();
    }
}

void GridCommands::ClearCurrentCell() {
    TableSpec& table = window_.Table();
    NormaliseCurrentCell(table, currentRow_, currentCol_);
    CellSpec& cell = table.At(currentRow_, currentCol_);
    // An emptied cell shows its marker again while markers are on.
    const std::string emptied =
        table.blnAddPlaceMarkers ? MakePlaceMarker(currentRow_, currentCol_) : std::string();
    if (cell.strContent == emptied) return;
    const TableSnapshot before = window_.Snapshot();
    cell.strContent = emptied;
    window_.ClearResult();
    DrawTable();
    AnnounceCurrent();
    window_.RecordChange("empty cell at " + CellName(currentRow_, currentCol_), before);
}

template <typename Edit>
void GridCommands::EditRowsOrColumns(const QString& what, Edit edit) {
    ProgramState& state = window_.State();
    if (!state.blnFormInitialized) return;
    RefreshCounts();
    NormaliseCurrentCell(state.table, currentRow_, currentCol_);
    const TableSnapshot before = window_.Snapshot();
    if (!edit(state.table)) return;
    ShowCountsInLists();
    emit dimensionsChanged();
    window_.ClearResult();
    DrawTable();
    AnnounceCurrent();
    window_.RecordChange(what, before);
}

void GridCommands::InsertRowAbove() {
    const int at = currentRow_;
    EditRowsOrColumns(QString("insert a row above row %1").arg(at),
                      [at](TableSpec& t) { return InsertRow(t, at); });
}

void GridCommands::InsertRowBelow() {
    const int at = currentRow_ + window_.Table().At(currentRow_, currentCol_).intRowSpan;
    EditRowsOrColumns(QString("insert a row below row %1").arg(at - 1),
                      [at](TableSpec& t) { return InsertRow(t, at); });
}

void GridCommands::DeleteRow() {
    const int row = currentRow_;
    EditRowsOrColumns(QString("delete row %1").arg(row),
                      [row](TableSpec& t) { return tabloom::DeleteRow(t, row); });
}

void GridCommands::InsertColumnLeft() {
    const int at = currentCol_;
    EditRowsOrColumns(QString("insert a column left of column %1").arg(at),
                      [at](TableSpec& t) { return InsertColumn(t, at); });
}

void GridCommands::InsertColumnRight() {
    const int at = currentCol_ + window_.Table().At(currentRow_, currentCol_).intColSpan;
    EditRowsOrColumns(QString("insert a column right of column %1").arg(at - 1),
                      [at](TableSpec& t) { return InsertColumn(t, at); });
}

void GridCommands::DeleteColumn() {
    const int col = currentCol_;
    EditRowsOrColumns(QString("delete column %1").arg(col),
                      [col](TableSpec& t) { return tabloom::DeleteColumn(t, col); });
}

void GridCommands::UpdateMenu() {
    const TableSpec& table = window_.Table();
    const bool canInsertRow = table.intNumRows < intMaxRows;
    const bool canInsertCol = table.intNumCols < intMaxCols;
    insertRowAbove_->setEnabled(canInsertRow);
    insertRowBelow_->setEnabled(canInsertRow);
    deleteRow_->setEnabled(table.intNumRows > 1);
    insertColumnLeft_->setEnabled(canInsertCol);
    insertColumnRight_->setEnabled(canInsertCol);
    deleteColumn_->setEnabled(table.intNumCols > 1);
}

}  // namespace tabloom
