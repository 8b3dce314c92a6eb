#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "core/model/table_history.h"
#include "core/model/table_spec.h"

namespace tabloom {

// The table being composed, with its options, the output path and the undo
// history. Every change goes through here as one named step, and every
// window showing the table follows the one changed signal.
class TableDocument : public QObject {
    Q_OBJECT

  public:
    // What a change touched, for views that can save work.
    enum What : int {
        kCells = 1,       // cell contents or properties only
        kShape = 2,       // dimensions, spans or table options
        kOutputPath = 4,  // the output path
        kHistory = 8,     // only the undo steps (nothing of the table)
        kEverything = kCells | kShape | kOutputPath,
    };

    explicit TableDocument(QObject* parent = nullptr);

    const TableSpec& Table() const { return table_; }
    const QString& OutputPath() const { return outputPath_; }
    // For the grid alone: drawing records where each cell went on the
    // screen, which is no part of the table's content nor an undo step.
    TableSpec& ForDrawing() { return table_; }

    // Applies edit to the table; when the table differs afterwards the change
    // is one undo step named what (none when what is empty) and views hear
    // of it. Returns whether anything changed.
    bool Change(const QString& what, const std::function<void(TableSpec&)>& edit,
                int touched = kCells | kShape);
    // Puts a whole table and output path in place (load, new, reset): one
    // undo step named what, none when what is empty.
    void Replace(const TableSpec& table, const QString& outputPath, const QString& what);
    // Sets the output path (trimmed); an undo step named what when it differs.
    void SetOutputPath(const QString& path, const QString& what);

    void Undo();
    void Redo();
    void ClearHistory();
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // "Undo: edit cell at row 3 column 2", or "Undo" when there is nothing.
    QString UndoCaption() const;
    QString RedoCaption() const;
    int StepCount() const { return static_cast<int>(history_.Count()); }

  signals:
    // After every change of the table, the path or the history; what holds
    // What flags.
    void changed(int what);

  private:
    HistoryState State() const;
    void Record(const QString& what, const HistoryState& before);
    void PutBack(HistoryState state);

    TableSpec table_;
    QString outputPath_;
    TableHistory history_;
};

}  // namespace tabloom
