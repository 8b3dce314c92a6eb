#pragma once

#include <QObject>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace tabloom {

class TableDocument;

// The output style list (beside Create) and the header rows, header
// columns and caption inputs of the Table group. Each change is one undo
// step; the controls follow the table after every change.
class TableExtrasControls : public QObject {
    Q_OBJECT

  public:
    // The widgets are made in parent; the caller places them.
    TableExtrasControls(TableDocument& document, QWidget* parent);

    // Header rows, header columns and caption with their labels.
    QGridLayout* TableLayout() const { return tableLayout_; }
    QLabel* StyleLabel() const { return lblOutputStyle_; }
    QComboBox* StyleList() const { return cboOutputStyle_; }

    // Shows the table's values; the spin boxes' ranges follow its size.
    void Refresh();

  private:
    void StyleChosen(int index);
    void HeaderRowsChanged(int value);
    void HeaderColumnsChanged(int value);
    void CaptionEdited();

    TableDocument& document_;
    QGridLayout* tableLayout_ = nullptr;
    QLabel* lblOutputStyle_ = nullptr;
    QComboBox* cboOutputStyle_ = nullptr;
    QSpinBox* spnHeaderRows_ = nullptr;
    QSpinBox* spnHeaderColumns_ = nullptr;
    QLineEdit* txbCaption_ = nullptr;
};

}  // namespace tabloom
