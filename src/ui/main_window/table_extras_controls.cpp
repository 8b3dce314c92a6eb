#include "ui/main_window/table_extras_controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui/document/table_document.h"

namespace tabloom {

namespace {

QSpinBox* MakeCountBox(QWidget* parent, const char* name, const QString& tip) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setToolTip(tip);
    box->setRange(0, 0);
    return box;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    buddy->setAccessibleName(QString(text).remove('&').remove(':'));
    return label;
}

}  // namespace

TableExtrasControls::TableExtrasControls(TableDocument& document, QWidget* parent)
    : QObject(parent), document_(document) {
    cboOutputStyle_ = new QComboBox(parent);
    cboOutputStyle_->setObjectName("cboOutputStyle");
    cboOutputStyle_->addItems({"Classic", "Standard"});
    cboOutputStyle_->setToolTip(
        "Classic: the markup Tabloom always wrote. Standard: HTML as today's standard "
        "defines it, with CSS and UTF-8.");
    lblOutputStyle_ = MakeLabel(parent, "lblOutputStyle", "St&yle:", cboOutputStyle_);

    spnHeaderRows_ =
        MakeCountBox(parent, "spnHeaderRows", "Rows at the top that head the columns.");
    spnHeaderColumns_ =
        MakeCountBox(parent, "spnHeaderColumns", "Columns at the left that head the rows.");
    txbCaption_ = new QLineEdit(parent);
    txbCaption_->setObjectName("txbCaption");
    txbCaption_->setMaxLength(intMaxCaptionLength);
    txbCaption_->setToolTip("The table's title, shown above it.");
    tableLayout_ = new QGridLayout;
    tableLayout_->addWidget(MakeLabel(parent, "lblHeaderRows", "Header ro&ws:", spnHeaderRows_), 0,
                            0);
    tableLayout_->addWidget(spnHeaderRows_, 0, 1);
    tableLayout_->addWidget(
        MakeLabel(parent, "lblHeaderColumns", "Header col&umns:", spnHeaderColumns_), 1, 0);
    tableLayout_->addWidget(spnHeaderColumns_, 1, 1);
    tableLayout_->addWidget(MakeLabel(parent, "lblCaption", "Ca&ption:", txbCaption_), 2, 0);
    tableLayout_->addWidget(txbCaption_, 2, 1, 1, 2);
    tableLayout_->setColumnStretch(2, 1);

    connect(cboOutputStyle_, &QComboBox::activated, this, &TableExtrasControls::StyleChosen);
    connect(spnHeaderRows_, &QSpinBox::valueChanged, this, &TableExtrasControls::HeaderRowsChanged);
    connect(spnHeaderColumns_, &QSpinBox::valueChanged, this,
            &TableExtrasControls::HeaderColumnsChanged);
    connect(txbCaption_, &QLineEdit::editingFinished, this, &TableExtrasControls::CaptionEdited);
}

void TableExtrasControls::Refresh() {
    const TableSpec& t = document_.Table();
    const QSignalBlocker styleBlock(cboOutputStyle_);
    const QSignalBlocker rowsBlock(spnHeaderRows_);
    const QSignalBlocker colsBlock(spnHeaderColumns_);
    cboOutputStyle_->setCurrentIndex(static_cast<int>(t.outputStyle));
    spnHeaderRows_->setMaximum(t.intNumRows);
    spnHeaderRows_->setValue(t.intHeaderRows);
    spnHeaderColumns_->setMaximum(t.intNumCols);
    spnHeaderColumns_->setValue(t.intHeaderCols);
    // Text being typed stays until its editing ends.
    const QString caption = QString::fromStdString(t.strCaption);
    if (!txbCaption_->isModified() && txbCaption_->text() != caption) {
        txbCaption_->setText(caption);
    }
}

void TableExtrasControls::StyleChosen(int index) {
    const auto style = index == 1 ? OutputStyle::Standard : OutputStyle::Classic;
    document_.Change(
        QString("choose the %1 output style").arg(index == 1 ? "standard" : "classic"),
        [style](TableSpec& t) { t.outputStyle = style; }, TableDocument::kShape);
}

void TableExtrasControls::HeaderRowsChanged(int value) {
    document_.Change(
        QString("set header rows to %1").arg(value),
        [value](TableSpec& t) { t.intHeaderRows = static_cast<std::int16_t>(value); },
        TableDocument::kShape);
}

void TableExtrasControls::HeaderColumnsChanged(int value) {
    document_.Change(
        QString("set header columns to %1").arg(value),
        [value](TableSpec& t) { t.intHeaderCols = static_cast<std::int16_t>(value); },
        TableDocument::kShape);
}

void TableExtrasControls::CaptionEdited() {
    txbCaption_->setModified(false);
    // One line of text: control characters a paste brought become blanks.
    QString text = txbCaption_->text();
    for (QChar& ch : text) {
        if (ch.unicode() < 0x20) ch = QChar(' ');
    }
    const std::string caption = text.toStdString();
    if (caption == document_.Table().strCaption) return;
    if (!document_.Change(
            "change the caption", [&caption](TableSpec& t) { t.strCaption = caption; },
            TableDocument::kShape)) {
        Refresh();
    }
}

}  // namespace tabloom
