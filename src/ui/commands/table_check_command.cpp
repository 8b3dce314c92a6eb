#include "ui/commands/table_check_command.h"

#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "core/audit/audit_fixes.h"
#include "ui/commands/command_context.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/window_services.h"
#include "ui/dialogs/frm_table_check.h"
#include "ui/document/table_document.h"
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

TableCheckCommand::TableCheckCommand(CommandContext& context, QPushButton* cmdCheck)
    : QObject(&context.window.Widget()), ctx_(context), cmdCheck_(cmdCheck) {
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
        form_ = new frmTableCheck(&ctx_.window.Widget());
        connect(form_, &frmTableCheck::cellChosen, this,
                [this](int row, int col) { ctx_.window.GoToCell(row, col); });
        connect(form_, &frmTableCheck::fixChosen, this, &TableCheckCommand::Fix);
        connect(form_, &frmTableCheck::fixAllChosen, this, &TableCheckCommand::FixAll);
        // Beside the main window when the screen has room there, else below
        // it, else at the screen's right edge; never off the screen.
        const QRect main = ctx_.window.Widget().frameGeometry();
        const QScreen* screen = ctx_.window.Widget().screen();
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
    std::vector<Finding> findings = AuditTable(ctx_.document.Table());
    cmdCheck_->setToolTip(PlainToolTip(CheckToolTip(findings.size())));
    if (form_ != nullptr && form_->isVisible()) form_->ShowFindings(std::move(findings));
}

void TableCheckCommand::Fix(const Finding& finding) {
    Apply(FixFinding(ctx_.document.Table(), finding),
          "fix: " + QString::fromStdString(FixCaption(finding)).toLower());
}

void TableCheckCommand::FixAll() { Apply(tabloom::FixAll(ctx_.document.Table()), "fix all"); }

void TableCheckCommand::Apply(const TableSpec& fixed, const QString& what) {
    ctx_.document.Replace(fixed, ctx_.document.OutputPath(), what);
    ctx_.window.FocusHelpButton();
    Refresh();
}

}  // namespace tabloom
