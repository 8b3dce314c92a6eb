#pragma once

#include <QDialog>
#include <memory>

#include "core/dialogs/table_frame_check.h"

class QEvent;

namespace Ui {
class frmSpecifyBorderEtc;
}

namespace tabloom {

class Prompter;

// The table frame window: width and unit, border, border colour and style,
// cell padding and spacing. The opener fills it, shows it and stores the
// entry only when blnAccepted is set.
class frmSpecifyBorderEtc : public QDialog {
    Q_OBJECT

  public:
    frmSpecifyBorderEtc(Prompter& prompter, QWidget* parent);
    ~frmSpecifyBorderEtc() override;

    void Fill(const TableFrameEntry& entry);
    TableFrameEntry Entry() const;

    bool blnAccepted = false;

    // Cancel; the close box and Escape end here as well.
    void reject() override;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void cmdAccept_Click();

    std::unique_ptr<Ui::frmSpecifyBorderEtc> ui_;
    Prompter& prompter_;
    // Set by each showing: only its first activation moves the focus to
    // Cancel, not the one that follows a closed message box.
    bool shownAnew_ = false;
};

}  // namespace tabloom
