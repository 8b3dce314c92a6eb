#include "ui/app/undo_history.h"

#include <QBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
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

void UndoHistory::AddControls(QBoxLayout* row, QWidget* window) {
    const auto button = [row, window](const char* name, const char* caption) {
        auto* made = new QPushButton(caption, window);
        made->setObjectName(name);
        // A click leaves the keyboard where it was, on the grid most often.
        made->setFocusPolicy(Qt::TabFocus);
        row->addWidget(made);
        return made;
    };
    undoButton_ = button("cmdUndo", "Undo");
    redoButton_ = button("cmdRedo", "Redo");
    connect(undoButton_, &QPushButton::clicked, this, &UndoHistory::Undo);
    connect(redoButton_, &QPushButton::clicked, this, &UndoHistory::Redo);
    connect(this, &UndoHistory::changed, this, &UndoHistory::ShowState);
    const auto shortcut = [this, window](const QKeySequence& keys, void (UndoHistory::*slot)()) {
        connect(new QShortcut(keys, window), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Undo, &UndoHistory::Undo);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &UndoHistory::Redo);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &UndoHistory::Redo);
    ShowState();
}

void UndoHistory::ShowState() {
    undoButton_->setEnabled(CanUndo());
    redoButton_->setEnabled(CanRedo());
    undoButton_->setToolTip(UndoCaption() + " (Ctrl+Z)");
    redoButton_->setToolTip(RedoCaption() + " (Ctrl+Y)");
    undoButton_->setAccessibleDescription(UndoCaption());
    redoButton_->setAccessibleDescription(RedoCaption());
}

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
