#pragma once

#include <QObject>
#include <QString>

#include "core/model/table_history.h"
#include "ui/app/table_snapshot.h"

class QBoxLayout;
class QPushButton;
class QWidget;

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

    // Adds the Undo and Redo buttons to row and their keys to window; the
    // buttons' states and tooltips follow the steps.
    void AddControls(QBoxLayout* row, QWidget* window);

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
    void ShowState();

    frmMain& window_;
    TableHistory history_;
    QPushButton* undoButton_ = nullptr;
    QPushButton* redoButton_ = nullptr;
};

}  // namespace tabloom
