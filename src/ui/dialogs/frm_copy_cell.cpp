#include "ui/dialogs/frm_copy_cell.h"

#include <QShowEvent>
#include <QSignalBlocker>

#include "core/dialogs/copy_choice_check.h"
#include "ui/main_window/form_style.h"
#include "ui/platform/prompter.h"
#include "ui_frm_copy_cell.h"

namespace tabloom {

namespace {

QColor ColourOf(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace

frmCopyCell::frmCopyCell(Prompter& prompter, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmCopyCell>()), prompter_(prompter) {
    ui_->setupUi(this);
    SetFormFont(this, "Arial", true, true);

    ui_->optToSelectedCells->hide();
    for (QRadioButton* option :
         {ui_->optToOneCell, ui_->optToAllCellsInRow, ui_->optToAllCellsInColumn,
          ui_->optToAllCellsInTable, ui_->optToSelectedCells}) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) UpdateTargetControls();
        });
    }
    for (QComboBox* list : {ui_->cboToRow, ui_->cboToCol}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!isVisible()) return;
            ShowTargetCell();
            UpdateTargetControls();
        });
    }
    for (QCheckBox* box :
         {ui_->chkFont, ui_->chkContent, ui_->chkColors, ui_->chkAlignment, ui_->chkWidth}) {
        connect(box, &QCheckBox::clicked, this, [this] { ui_->cmdCancel->setFocus(); });
    }
    connect(ui_->cmdDoCopy, &QPushButton::clicked, this, &frmCopyCell::cmdDoCopy_Click);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &frmCopyCell::reject);
}

frmCopyCell::~frmCopyCell() = default;

void frmCopyCell::SetTargetHighlighter(TargetHighlighter highlighter) {
    highlighter_ = std::move(highlighter);
}

void frmCopyCell::RefillTargetLists(int rows, int cols) {
    if (ui_->cboToRow->count() == rows && ui_->cboToCol->count() == cols) return;
    const QSignalBlocker blockRows(ui_->cboToRow);
    const QSignalBlocker blockCols(ui_->cboToCol);
    ui_->cboToRow->clear();
    ui_->cboToCol->clear();
    for (int n = 1; n <= rows; ++n) ui_->cboToRow->addItem(QString::number(n));
    for (int n = 1; n <= cols; ++n) ui_->cboToCol->addItem(QString::number(n));
    ui_->cboToRow->setCurrentIndex(-1);
    ui_->cboToCol->setCurrentIndex(-1);
}

void frmCopyCell::Fill(const CopySourceSummary& summary, int row, int col) {
    srcRow_ = row;
    srcCol_ = col;
    numRows_ = summary.numRows;
    numCols_ = summary.numCols;
    ui_->lblOfCellAt->setText(QString::fromStdString(summary.ofCellAt));
    rowOption_ = QString::fromStdString(summary.rowOption);
    columnOption_ = QString::fromStdString(summary.columnOption);

    ui_->txbCellContent->setPlainText(QString::fromStdString(summary.content));
    ui_->txbCellContent->setEnabled(summary.contentEnabled);
    QPalette palette = ui_->txbCellContent->palette();
    palette.setColor(QPalette::Base, ColourOf(summary.bgColor));
    palette.setColor(QPalette::Text, ColourOf(summary.textColor));
    ui_->txbCellContent->setPalette(palette);

    ui_->lblAlign->setText(QString::fromStdString(summary.align));
    ui_->lblVAlign->setText(QString::fromStdString(summary.valign));
    ui_->lblWidth->setText(QString::fromStdString(summary.width));
    ui_->lblHeight->setText(QString::fromStdString(summary.height));
    ui_->txbFontFace->setText(QString::fromStdString(summary.fontFace));
    ui_->txbFontFace->setEnabled(summary.fontFaceEnabled);
    ui_->txbFontSize->setText(QString::fromStdString(summary.fontSize));

    ui_->cboToRow->setCurrentIndex(-1);
    ui_->cboToCol->setCurrentIndex(-1);
    if (summary.toRow > 0 && summary.toCol > 0) {
        ui_->cboToRow->setCurrentIndex(summary.toRow - 1);
        ui_->cboToCol->setCurrentIndex(summary.toCol - 1);
    }
    ui_->optToOneCell->setChecked(true);
}

void frmCopyCell::OfferBlock(const std::optional<CellBlock>& block) {
    block_ = block;
    ui_->optToSelectedCells->setVisible(block.has_value());
    if (!block) return;
    QString where = QString::fromStdString(DescribeBlock(*block));
    where.chop(QString(" selected").size());
    ui_->optToSelectedCells->setText("to the selected cells (" + where + ")");
    ui_->optToSelectedCells->setChecked(true);
}

CopyChoice frmCopyCell::Choice() const {
    CopyChoice choice;
    if (ui_->optToOneCell->isChecked()) {
        choice.target = CopyTarget::OneCell;
    } else if (ui_->optToAllCellsInRow->isChecked()) {
        choice.target = CopyTarget::Row;
    } else if (ui_->optToAllCellsInColumn->isChecked()) {
        choice.target = CopyTarget::Column;
    } else if (ui_->optToSelectedCells->isChecked() && block_) {
        choice.target = CopyTarget::Block;
        choice.block = *block_;
    } else {
        choice.target = CopyTarget::Table;
    }
    choice.toRow = ui_->cboToRow->currentIndex() + 1;
    choice.toCol = ui_->cboToCol->currentIndex() + 1;
    choice.font = ui_->chkFont->isChecked();
    choice.content = ui_->chkContent->isChecked();
    choice.alignment = ui_->chkAlignment->isChecked();
    choice.width = ui_->chkWidth->isChecked();
    choice.height = ui_->chkHeight->isChecked();
    choice.colors = ui_->chkColors->isChecked();
    return choice;
}

void frmCopyCell::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui_->optToAllCellsInRow->setText(rowOption_);
    ui_->optToAllCellsInColumn->setText(columnOption_);
    UpdateTargetControls();
}

void frmCopyCell::UpdateTargetControls() {
    if (!isVisible()) return;
    const bool oneCell = ui_->optToOneCell->isChecked();
    ui_->cboToRow->setEnabled(oneCell);
    ui_->cboToCol->setEnabled(oneCell);
    ui_->cmdDoCopy->setEnabled(CopyTargetChosen(Choice()));
    ui_->cmdCancel->setFocus();
}

void frmCopyCell::ShowTargetCell() {
    int row = ui_->cboToRow->currentIndex() + 1;
    int col = ui_->cboToCol->currentIndex() + 1;
    if (row < 1 || col < 1 || !highlighter_) return;
    if (highlighter_(row, col)) return;
    // A covered position: the owner of its area becomes the target.
    const QSignalBlocker blockRows(ui_->cboToRow);
    const QSignalBlocker blockCols(ui_->cboToCol);
    ui_->cboToRow->setCurrentIndex(row - 1);
    ui_->cboToCol->setCurrentIndex(col - 1);
    highlighter_(row, col);
}

void frmCopyCell::cmdDoCopy_Click() {
    blnAccepted = false;
    const std::string message = CheckCopyChoice(Choice(), srcRow_, srcCol_, numRows_, numCols_);
    if (!message.empty()) {
        prompter_.Show(QString::fromStdString(message), kCopyCheckTitle, PromptIcon::None,
                       PromptButtons::Ok);
        return;
    }
    blnAccepted = true;
    accept();
}

void frmCopyCell::reject() {
    blnAccepted = false;
    QDialog::reject();
}

}  // namespace tabloom
