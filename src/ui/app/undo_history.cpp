#include "ui/app/undo_history.h"

#include <utility>

#include "ui/app/frm_main.h"

namespace tabloom {

namespace {

HistoryState ToState(const TableSnapshot& snapshot) {
    return {snapshot.table, snapshot.outputPath.toStdString()};
}

QString Caption(const char* verb, bool can, const std::string& text) {
    return can ? QString("%1: %2").arg(verb, QString::fromStdString(text)) : QString(verb);
}

}  // namespace

UndoHistory::UndoHistory(frmMain& window) : QObject(&window), window_(window) {}

void UndoHistory::Record(const QString& what, TableSnapshot before, TableSnapshot after) {
    history_.Record(what.toStdString(), ToState(before), ToState(after));
    emit changed();
}

void UndoHistory::Undo() {
    if (!history_.CanUndo()) return;
    HistoryState state = history_.Undo();
    window_.ApplySnapshot({std::move(state.table), QString::fromStdString(state.outputPath)});
    emit changed();
}

void UndoHistory::Redo() {
    if (!history_.CanRedo()) return;
    HistoryState state = history_.Redo();
    window_.ApplySnapshot({std::move(state.table), QString::fromStdString(state.outputPath)});
    emit changed();
}

void UndoHistory::Clear() {
    history_.Clear();
    emit changed();
}

bool UndoHistory::CanUndo() const { return history_.CanUndo(); }

bool UndoHistory::CanRedo() const { return history_.CanRedo(); }

QString UndoHistory::UndoCaption() const { return Caption("Undo", CanUndo(), history_.UndoText()); }

QString UndoHistory::RedoCaption() const { return Caption("Redo", CanRedo(), history_.RedoText()); }

int UndoHistory::Count() const { return static_cast<int>(history_.Count()); }

}  // namespace tabloom
