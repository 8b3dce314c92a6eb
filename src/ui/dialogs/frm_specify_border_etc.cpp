#include "ui/dialogs/frm_specify_border_etc.h"

#include <QFontMetrics>
#include <QKeyEvent>

#include "ui/main_window/form_style.h"
#include "ui/platform/prompter.h"
#include "ui_frm_specify_border_etc.h"

namespace tabloom {

frmSpecifyBorderEtc::frmSpecifyBorderEtc(Prompter& prompter, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmSpecifyBorderEtc>()), prompter_(prompter) {
    ui_->setupUi(this);
    SetFormFont(this, "Arial", true, true);
    // Wide enough that the title bar shows the whole caption.
    QFont titleFont = font();
    titleFont.setBold(true);
    ui_->fraBorderLook->setMinimumWidth(
        QFontMetrics(titleFont).horizontalAdvance(windowTitle()) * 5 / 4 + 100);
    for (const char* name : strBorderColorName) ui_->cboBorderColor->addItem(name);
    for (const char* name : strBorderStyleName) ui_->cboBorderStyle->addItem(name);
    ui_->cboBorderColor->setCurrentIndex(0);
    ui_->cboBorderStyle->setCurrentIndex(0);

    for (QLineEdit* box :
         {ui_->txbWidth, ui_->txbBorder, ui_->txbCellPadding, ui_->txbCellSpacing}) {
        box->installEventFilter(this);
    }
    for (QRadioButton* option : {ui_->optPercent, ui_->optPixels}) {
        connect(option, &QRadioButton::clicked, this, [this] {
            if (isVisible()) ui_->cmdCancel->setFocus();
        });
    }
    connect(ui_->cmdAccept, &QPushButton::clicked, this, &frmSpecifyBorderEtc::cmdAccept_Click);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &frmSpecifyBorderEtc::reject);
}

frmSpecifyBorderEtc::~frmSpecifyBorderEtc() = default;

void frmSpecifyBorderEtc::Fill(const TableFrameEntry& entry) {
    ui_->txbWidth->setText(QString::fromStdString(entry.width));
    (entry.percent ? ui_->optPercent : ui_->optPixels)->setChecked(true);
    ui_->txbBorder->setText(QString::fromStdString(entry.border));
    ui_->txbCellPadding->setText(QString::fromStdString(entry.padding));
    ui_->txbCellSpacing->setText(QString::fromStdString(entry.spacing));
    ui_->cboBorderColor->setCurrentIndex(entry.borderColorIndex);
    ui_->cboBorderStyle->setCurrentIndex(entry.borderStyleIndex);
}

TableFrameEntry frmSpecifyBorderEtc::Entry() const {
    TableFrameEntry entry;
    entry.width = ui_->txbWidth->text().toStdString();
    entry.border = ui_->txbBorder->text().toStdString();
    entry.padding = ui_->txbCellPadding->text().toStdString();
    entry.spacing = ui_->txbCellSpacing->text().toStdString();
    entry.percent = ui_->optPercent->isChecked();
    entry.borderColorIndex = ui_->cboBorderColor->currentIndex();
    entry.borderStyleIndex = ui_->cboBorderStyle->currentIndex();
    return entry;
}

void frmSpecifyBorderEtc::cmdAccept_Click() {
    TableFrameEntry entry = Entry();
    TableFrameBox failed = TableFrameBox::None;
    const std::string message = CheckTableFrame(entry, &failed);
    // The boxes keep their trimmed texts whether or not the check passed.
    ui_->txbWidth->setText(QString::fromStdString(entry.width));
    ui_->txbBorder->setText(QString::fromStdString(entry.border));
    ui_->txbCellPadding->setText(QString::fromStdString(entry.padding));
    ui_->txbCellSpacing->setText(QString::fromStdString(entry.spacing));
    if (!message.empty()) {
        prompter_.Show(QString::fromStdString(message), kTableFrameCheckTitle, PromptIcon::None,
                       PromptButtons::Ok);
        // Back to the refused value, so that Enter does not land on Cancel.
        QLineEdit* const boxes[] = {ui_->txbWidth, ui_->txbBorder, ui_->txbCellPadding,
                                    ui_->txbCellSpacing};
        if (failed != TableFrameBox::None) {
            boxes[static_cast<int>(failed) - 1]->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    blnAccepted = true;
    accept();
}

void frmSpecifyBorderEtc::reject() {
    blnAccepted = false;
    QDialog::reject();
}

bool frmSpecifyBorderEtc::event(QEvent* event) {
    if (event->type() == QEvent::Show) shownAnew_ = true;
    if (event->type() == QEvent::WindowActivate && shownAnew_) {
        shownAnew_ = false;
        ui_->cmdCancel->setFocus();
    }
    return QDialog::event(event);
}

bool frmSpecifyBorderEtc::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter only moves on to Accept; it does not press it.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ui_->cmdAccept->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tabloom
