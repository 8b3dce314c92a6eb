#pragma once

#include <QObject>

class QBoxLayout;
class QPushButton;
class QWidget;

namespace tabloom {

class TableDocument;

// The Undo and Redo buttons with their keys: they step the document back
// and forth, and their states and tooltips follow it.
class UndoButtons : public QObject {
    Q_OBJECT

  public:
    // Adds the buttons to row and their keys to window.
    UndoButtons(TableDocument& document, QBoxLayout* row, QWidget* window);

  private:
    void ShowState();

    TableDocument& document_;
    QPushButton* undoButton_ = nullptr;
    QPushButton* redoButton_ = nullptr;
};

}  // namespace tabloom
