#include "ui/app/undo_history.h"

#include <QBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QUndoCommand>
#include <QUndoStack>
#include <utility>

#include "ui/app/frm_main.h"

namespace tabloom {

namespace {

class TableChange : public QUndoCommand {
  public:
    TableChange(frmMain& window, const QString& what, TableSnapshot before, TableSnapshot after)
        : QUndoCommand(what),
          window_(window),
          before_(std::move(before)),
          after_(std::move(after)) {}

    void undo() override { window_.ApplySnapshot(before_); }
    void redo() override {
        // The change itself has been made already when it is recorded.
        if (recorded_) {
            recorded_ = false;
            return;
        }
        window_.ApplySnapshot(after_);
    }

  private:
    frmMain& window_;
    TableSnapshot before_;
    TableSnapshot after_;
    bool recorded_ = true;
};

QString Caption(const char* verb, bool can, const QString& text) {
    return can ? QString("%1: %2").arg(verb, text) : QString(verb);
}

}  // namespace

UndoHistory::UndoHistory(frmMain& window) : QObject(&window), window_(window) {
    stack_ = new QUndoStack(this);
    stack_->setUndoLimit(kStepsKept);
    connect(stack_, &QUndoStack::indexChanged, this, &UndoHistory::changed);
    connect(stack_, &QUndoStack::cleanChanged, this, &UndoHistory::changed);
}

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
    stack_->push(new TableChange(window_, what, std::move(before), std::move(after)));
    emit changed();
}

void UndoHistory::Undo() { stack_->undo(); }

void UndoHistory::Redo() { stack_->redo(); }

void UndoHistory::Clear() {
    stack_->clear();
    emit changed();
}

bool UndoHistory::CanUndo() const { return stack_->canUndo(); }

bool UndoHistory::CanRedo() const { return stack_->canRedo(); }

QString UndoHistory::UndoCaption() const { return Caption("Undo", CanUndo(), stack_->undoText()); }

QString UndoHistory::RedoCaption() const { return Caption("Redo", CanRedo(), stack_->redoText()); }

int UndoHistory::Count() const { return stack_->count(); }

}  // namespace tabloom
