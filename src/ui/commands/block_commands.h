#pragma once

#include <QObject>
#include <optional>

#include "core/grid/cell_block.h"
#include "core/grid/grid_navigation.h"

class QAction;
class QMenu;

namespace tabloom {

class GridCommands;
class PicTable;
struct CommandContext;

// The block of cells selected on the grid and the commands on it: merge,
// split, empty, copy and cut. The block runs from an anchor (the current
// cell when it began) to an end the pointer or Shift+arrows move, grown to
// hold every span it touches.
class BlockCommands : public QObject {
    Q_OBJECT

  public:
    BlockCommands(CommandContext& context, GridCommands& grid, PicTable& picTable);

    // Adds the block's entries, with their keys, to the grid's menu.
    void AddToMenu(QMenu* menu);

    // The selected block; none while a single cell is current.
    const std::optional<CellBlock>& Block() const { return block_; }
    // The block the commands act on: the selection, or the current cell.
    CellBlock Target() const;

    void Select(int anchorRow, int anchorCol, int endRow, int endCol);
    void Extend(GridMove move);
    void ExtendTo(int row, int col);
    void SelectAll();
    void Clear();
    // Follows a change of the table: the block is grown or clamped again,
    // drawn and announced.
    void Refresh();
    // Shift+arrows and Ctrl+A select; with a block, Delete empties it and
    // Escape ends it. False for keys it leaves to the grid.
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers);
    // Tells assistive technology about the block; false without one.
    bool Announce();

    void Merge();
    void Split();
    void Empty();
    void Copy();
    void Cut();

  signals:
    void changed();

  private:
    void Show();
    void EmptyAs(const QString& verb);
    void UpdateActions();

    CommandContext& ctx_;
    GridCommands& grid_;
    PicTable& picTable_;
    std::optional<CellBlock> block_;
    int anchorRow_ = 1, anchorCol_ = 1, endRow_ = 1, endCol_ = 1;
    QAction* merge_ = nullptr;
    QAction* split_ = nullptr;
    QAction* copy_ = nullptr;
    QAction* cut_ = nullptr;
};

}  // namespace tabloom
