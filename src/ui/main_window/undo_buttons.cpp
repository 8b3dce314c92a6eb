#include "ui/main_window/undo_buttons.h"

#include <QBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "ui/document/table_document.h"

namespace tabloom {

UndoButtons::UndoButtons(TableDocument& document, QBoxLayout* row, QWidget* window)
    : QObject(window), document_(document) {
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
    connect(undoButton_, &QPushButton::clicked, &document_, &TableDocument::Undo);
    connect(redoButton_, &QPushButton::clicked, &document_, &TableDocument::Redo);
    connect(&document_, &TableDocument::changed, this, &UndoButtons::ShowState);
    const auto shortcut = [this, window](const QKeySequence& keys, void (TableDocument::*slot)()) {
        connect(new QShortcut(keys, window), &QShortcut::activated, &document_, slot);
    };
    shortcut(QKeySequence::Undo, &TableDocument::Undo);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &TableDocument::Redo);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &TableDocument::Redo);
    ShowState();
}

void UndoButtons::ShowState() {
    undoButton_->setEnabled(document_.CanUndo());
    redoButton_->setEnabled(document_.CanRedo());
    undoButton_->setToolTip(document_.UndoCaption() + " (Ctrl+Z)");
    redoButton_->setToolTip(document_.RedoCaption() + " (Ctrl+Y)");
    undoButton_->setAccessibleDescription(document_.UndoCaption());
    redoButton_->setAccessibleDescription(document_.RedoCaption());
}

}  // namespace tabloom
