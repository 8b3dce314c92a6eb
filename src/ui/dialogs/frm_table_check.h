#pragma once

#include <QWidget>
#include <vector>

#include "core/audit/table_audit.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tabloom {

// The table checker's findings, a window of its own beside the main window:
// choosing a finding asks for its cell; Fix and Fix all ask for the repairs.
// It only shows and collects; the main window changes the table.
class frmTableCheck : public QWidget {
    Q_OBJECT

  public:
    explicit frmTableCheck(QWidget* parent = nullptr);

    // Shows these findings, keeping the chosen one's place where it can.
    void ShowFindings(std::vector<Finding> findings);
    const std::vector<Finding>& Findings() const { return findings_; }

  signals:
    void cellChosen(int row, int col);
    void fixChosen(const tabloom::Finding& finding);
    void fixAllChosen();

  private:
    void ShowChosen();

    std::vector<Finding> findings_;
    QLabel* lblFindings_ = nullptr;
    QListWidget* lstFindings_ = nullptr;
    QLabel* lblFindingDetail_ = nullptr;
    QPushButton* cmdFixFinding_ = nullptr;
    QPushButton* cmdFixAll_ = nullptr;
    QPushButton* cmdCloseCheck_ = nullptr;
};

}  // namespace tabloom
