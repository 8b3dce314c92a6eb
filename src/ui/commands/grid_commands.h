#pragma once

#include <QObject>
#include <QString>
#include <cstdint>

#include "core/grid/grid_geometry.h"
#include "core/grid/grid_navigation.h"

class QAction;
class QCheckBox;
class QComboBox;
class QKeySequence;
class QMenu;
class QToolButton;

namespace tabloom {

class BlockCommands;
class PicTable;
class TypingCommands;
struct CommandContext;

// The controls of the main window the grid commands work with.
struct GridControls {
    PicTable* picTable = nullptr;
    QComboBox* cboNumberOfRows = nullptr;
    QComboBox* cboNumberOfColumns = nullptr;
    QCheckBox* chkAddPlaceMarkers = nullptr;
    QCheckBox* chkAddHTMLWrapper4 = nullptr;
    QCheckBox* chkCenterTable4 = nullptr;
    QToolButton* cmdGridMenu = nullptr;
};

// Adds an entry to the grid's menu whose keys act while the grid has the
// keyboard.
QAction* AddGridAction(QMenu* menu, QWidget* grid, const QString& text, const QKeySequence& keys);

// Gives table rows x cols cells the way choosing them in the lists does: new
// cells get their place markers while markers are on.
void ResizeTable(TableSpec& table, int rows, int cols);

// The grid's commands: drawing, clicks and keys on the grid, the table's
// dimensions and options, and inserting and deleting rows and columns.
class GridCommands : public QObject {
    Q_OBJECT

  public:
    GridCommands(CommandContext& context, const GridControls& controls);

    void DrawTable();
    bool HighlightCell(std::int16_t& row, std::int16_t& col);
    int CellHeight() const { return geometry_.intCellHeight; }
    const GridGeometry& Geometry() const { return geometry_; }
    QMenu* Menu() const { return menu_; }

    // The current cell (the state's intRow, intCol): clicks and keys move
    // it, and every command on a cell acts on it.
    std::int16_t CurrentRow() const;
    std::int16_t CurrentCol() const;
    // Makes the cell at (row, col), or the cell covering it, the current
    // cell and outlines it, as a click would.
    void GoToCell(int row, int col);
    void MakeCurrent(int row, int col);
    // Moves the current cell and redraws; the block selection ends.
    void MoveCurrent(GridMove move);
    void MoveByTab(bool forward);
    void AnnounceCurrent();

    // The selected block and the commands on it; typing into cells.
    BlockCommands& Blocks() const { return *blocks_; }
    TypingCommands& Typing() const { return *typing_; }

    // Handlers.
    void picTable_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                            double y);
    void picTable_MouseMove(double x, double y);
    void picTable_MouseUp(Qt::MouseButton button, double x, double y);
    void NumberOfRowsOrColumns_Click();
    void chkAddPlaceMarkers_Click();
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers);
    void InsertRowAbove();
    void InsertRowBelow();
    void DeleteRow();
    void InsertColumnLeft();
    void InsertColumnRight();
    void DeleteColumn();

  signals:
    // A click or key asks to edit the current cell (edit) or copy its
    // properties (otherwise).
    void cellCommand(bool edit);

  private:
    void BuildMenu();
    void Connect();
    void OutlineCurrent();
    void UpdateMenu();
    void ClearCurrentCell();
    void CommandOnCurrent(bool edit);
    template <typename Edit>
    void EditRowsOrColumns(const QString& what, Edit edit);

    CommandContext& ctx_;
    GridControls c_;
    GridGeometry geometry_;
    QMenu* menu_ = nullptr;
    BlockCommands* blocks_ = nullptr;
    TypingCommands* typing_ = nullptr;
    // The cell a left press landed on (0 when none) and whether the pointer
    // has since dragged a block out of it or extended one with Shift.
    int pressRow_ = 0;
    int pressCol_ = 0;
    bool selecting_ = false;
    QAction* insertRowAbove_ = nullptr;
    QAction* insertRowBelow_ = nullptr;
    QAction* deleteRow_ = nullptr;
    QAction* insertColumnLeft_ = nullptr;
    QAction* insertColumnRight_ = nullptr;
    QAction* deleteColumn_ = nullptr;
};

}  // namespace tabloom
