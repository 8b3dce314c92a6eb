#include "ui/commands/table_check_command.h"

#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "core/audit/audit_fixes.h"
#include "ui/commands/grid_commands.h"
#include "ui/dialogs/frm_table_check.h"
#include "ui/document/table_document.h"
#include "ui/main_window/frm_main.h"
#include "ui/main_window/plain_text.h"

namespace tabloom {

namespace {

constexpr int kGap = 8;

QString CheckToolTip(std::size_t findings) {
    const QString count = findings == 0   ? QString("no findings")
                          : findings == 1 ? QString("1 finding")
                                          : QString("%1 findings").arg(findings);
    return "Check the table for problems of accessibility and of standard HTML (F7): " + count +
           ".";
}

}  // namespace

TableCheckCommand::TableCheckCommand(frmMain& window, QPushButton* cmdCheck)
    : QObject(&window), window_(window), cmdCheck_(cmdCheck) {
    update_ = new QTimer(this);
    update_->setSingleShot(true);
    update_->setInterval(0);
    connect(update_, &QTimer::timeout, this, &TableCheckCommand::Refresh);
    connect(cmdCheck_, &QPushButton::clicked, this, &TableCheckCommand::Open);
    cmdCheck_->setToolTip(PlainToolTip(CheckToolTip(0)));
    TableChanged();
}

void TableCheckCommand::Open() {
    if (form_ == nullptr) {
        form_ = new frmTableCheck(&window_);
        connect(form_, &frmTableCheck::cellChosen, this,
                [this](int row, int col) { window_.Grid().GoToCell(row, col); });
        connect(form_, &frmTableCheck::fixChosen, this, &TableCheckCommand::Fix);
        connect(form_, &frmTableCheck::fixAllChosen, this, &TableCheckCommand::FixAll);
        // Beside the main window when the screen has room there, else below
        // it, else at the screen's right edge; never off the screen.
        const QRect main = window_.frameGeometry();
        const QScreen* screen = window_.screen();
        const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
        QRect frame(main.right() + 1 + kGap, main.top(), form_->width(), form_->height());
        if (!area.isEmpty() && !area.contains(frame)) {
            frame.moveTopLeft(QPoint(main.left(), main.bottom() + 1 + kGap));
        }
        if (!area.isEmpty() && !area.contains(frame)) {
            frame.moveRight(area.right());
            frame.moveBottom(std::min(frame.bottom(), area.bottom()));
            frame.moveLeft(std::max(frame.left(), area.left()));
            frame.moveTop(std::max(frame.top(), area.top()));
        }
        form_->move(frame.topLeft());
    }
    form_->show();
    Refresh();
    form_->raise();
    form_->activateWindow();
}

void TableCheckCommand::TableChanged() {
    if (!update_->isActive()) update_->start();
}

void TableCheckCommand::Refresh() {
    update_->stop();
    std::vector<Finding> findings = AuditTable(window_.Table());
    cmdCheck_->setToolTip(PlainToolTip(CheckToolTip(findings.size())));
    if (form_ != nullptr && form_->isVisible()) form_->ShowFindings(std::move(findings));
}

void TableCheckCommand::Fix(const Finding& finding) {
    Apply(FixFinding(window_.Table(), finding),
          "fix: " + QString::fromStdString(FixCaption(finding)).toLower());
}

void TableCheckCommand::FixAll() { Apply(tabloom::FixAll(window_.Table()), "fix all"); }

void TableCheckCommand::Apply(const TableSpec& fixed, const QString& what) {
    window_.Document().Replace(fixed, window_.OutputPath(), what);
    window_.FocusHelpButton();
    Refresh();
}

}  // namespace tabloom
