#pragma once

#include <QObject>
#include <QString>

#include "ui/grid/in_place_editor.h"

namespace tabloom {

class GridCommands;
class PicTable;
struct CommandContext;

// Typing straight into the grid: the editor opens over the current cell,
// and each edit it ends with a commit is stored as one undo step.
class TypingCommands : public QObject {
    Q_OBJECT

  public:
    TypingCommands(CommandContext& context, GridCommands& grid, PicTable& picTable);

    // Edits the current cell, starting from text (what was typed) or, when
    // keep is set, from the cell's content.
    void Start(const QString& text, bool keep);
    bool Editing() const;

  private:
    void Finished(InPlaceEditor::Ending ending);

    CommandContext& ctx_;
    GridCommands& grid_;
    PicTable& picTable_;
    int row_ = 1;
    int col_ = 1;
};

}  // namespace tabloom
