#pragma once

#include <QObject>
#include <QString>

#include "core/model/table_history.h"
#include "ui/app/table_snapshot.h"

namespace tabloom {

class frmMain;

// The undo and redo steps of the table: each holds the table before and
// after one change (cells shared between steps), and is put back the way a
// loaded table file is.
class UndoHistory : public QObject {
    Q_OBJECT

  public:
    // At least this many steps are kept.
    static constexpr int kStepsKept = static_cast<int>(TableHistory::kStepsKept);

    explicit UndoHistory(frmMain& window);

    void Record(const QString& what, TableSnapshot before, TableSnapshot after);
    void Undo();
    void Redo();
    void Clear();

    bool CanUndo() const;
    bool CanRedo() const;
    // "Undo: edit cell at row 3 column 2", or "Undo" when there is nothing.
    QString UndoCaption() const;
    QString RedoCaption() const;
    int Count() const;

  signals:
    void changed();

  private:
    frmMain& window_;
    TableHistory history_;
};

}  // namespace tabloom
