#pragma once

#include <QObject>
#include <QString>

#include "core/audit/table_audit.h"

class QPushButton;
class QTimer;

namespace tabloom {

struct CommandContext;
class frmTableCheck;
struct TableSpec;

// The Check button: its tooltip counts the table checker's findings after
// every change, it opens the findings window, and it makes the repairs that
// window asks for, each one undo step.
class TableCheckCommand : public QObject {
    Q_OBJECT

  public:
    TableCheckCommand(CommandContext& context, QPushButton* cmdCheck);

    // Shows the findings window, in front.
    void Open();
    // The table changed: the tooltip and the window follow at the next turn
    // of the event loop, once however many changes come before it.
    void TableChanged();
    // Counts and shows the findings now.
    void Refresh();

    // Null until first opened.
    frmTableCheck* Window() const { return form_; }

  private:
    void Fix(const Finding& finding);
    void FixAll();
    void Apply(const TableSpec& fixed, const QString& what);

    CommandContext& ctx_;
    QPushButton* cmdCheck_ = nullptr;
    frmTableCheck* form_ = nullptr;
    QTimer* update_ = nullptr;
};

}  // namespace tabloom
