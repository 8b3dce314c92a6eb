#include "ui/app/undo_history.h"

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
