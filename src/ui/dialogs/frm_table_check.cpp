#include "ui/dialogs/frm_table_check.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "core/audit/audit_fixes.h"

namespace tabloom {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString ItemText(const Finding& f) {
    return Q(KindCaption(f.kind)) + ": " + Q(CellList(f)) + " (" + Q(f.figure) + ")";
}

}  // namespace

frmTableCheck::frmTableCheck(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmTableCheck");
    setWindowTitle("Check table");

    lblFindings_ = new QLabel("&Findings:", this);
    lblFindings_->setObjectName("lblFindings");
    lstFindings_ = new QListWidget(this);
    lstFindings_->setObjectName("lstFindings");
    lstFindings_->setWordWrap(true);
    lblFindings_->setBuddy(lstFindings_);
    lblFindingDetail_ = new QLabel(this);
    lblFindingDetail_->setObjectName("lblFindingDetail");
    lblFindingDetail_->setTextFormat(Qt::PlainText);
    lblFindingDetail_->setWordWrap(true);
    lblFindingDetail_->setMinimumHeight(3 * fontMetrics().lineSpacing());
    lblFindingDetail_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmdFixFinding_ = new QPushButton("F&ix", this);
    cmdFixFinding_->setObjectName("cmdFixFinding");
    cmdFixAll_ = new QPushButton("Fix &all", this);
    cmdFixAll_->setObjectName("cmdFixAll");
    cmdCloseCheck_ = new QPushButton("Close", this);
    cmdCloseCheck_->setObjectName("cmdCloseCheck");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdFixFinding_);
    buttons->addWidget(cmdFixAll_);
    buttons->addStretch();
    buttons->addWidget(cmdCloseCheck_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblFindings_);
    layout->addWidget(lstFindings_, 1);
    layout->addWidget(lblFindingDetail_);
    layout->addLayout(buttons);
    setTabOrder(lstFindings_, cmdFixFinding_);
    setTabOrder(cmdFixFinding_, cmdFixAll_);
    setTabOrder(cmdFixAll_, cmdCloseCheck_);

    connect(lstFindings_, &QListWidget::currentRowChanged, this, [this](int row) {
        ShowChosen();
        if (row >= 0 && row < static_cast<int>(findings_.size()) && !findings_[row].cells.empty()) {
            emit cellChosen(findings_[row].cells.front().row, findings_[row].cells.front().col);
        }
    });
    connect(cmdFixFinding_, &QPushButton::clicked, this, [this] {
        const int row = lstFindings_->currentRow();
        if (row >= 0 && row < static_cast<int>(findings_.size()) && findings_[row].fixable) {
            const Finding chosen = findings_[row];  // the list refills while fixing
            emit fixChosen(chosen);
        }
    });
    connect(cmdFixAll_, &QPushButton::clicked, this, &frmTableCheck::fixAllChosen);
    connect(cmdCloseCheck_, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    resize(560, 360);
}

void frmTableCheck::ShowFindings(std::vector<Finding> findings) {
    const int chosen = lstFindings_->currentRow();
    findings_ = std::move(findings);
    const QSignalBlocker quiet(lstFindings_);
    lstFindings_->clear();
    for (const Finding& f : findings_) lstFindings_->addItem(ItemText(f));
    if (!findings_.empty()) {
        lstFindings_->setCurrentRow(std::clamp(chosen, 0, static_cast<int>(findings_.size()) - 1));
    }
    cmdFixAll_->setEnabled(std::any_of(findings_.begin(), findings_.end(),
                                       [](const Finding& f) { return f.fixable; }));
    ShowChosen();
}

void frmTableCheck::ShowChosen() {
    const int row = lstFindings_->currentRow();
    if (row < 0 || row >= static_cast<int>(findings_.size())) {
        lblFindingDetail_->setText(findings_.empty() ? "No findings: the table is ready to publish."
                                                     : "");
        cmdFixFinding_->setEnabled(false);
        return;
    }
    const Finding& f = findings_[row];
    QString detail = Q(KindCaption(f.kind)) + ".\nCells: " + Q(CellList(f)) +
                     ".\nMeasured: " + Q(f.figure) + ".";
    detail += f.fixable ? "\nFix: " + Q(FixCaption(f)) + "." : "\nNo repair: mend it by hand.";
    lblFindingDetail_->setText(detail);
    cmdFixFinding_->setEnabled(f.fixable);
}

}  // namespace tabloom
