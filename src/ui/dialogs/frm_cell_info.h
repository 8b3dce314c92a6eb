#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "core/dialogs/cell_dialog_values.h"

namespace Ui {
class frmCellInfo;
}

namespace tabloom {

class Prompter;
class frmSpecifyColors;
struct CellColourView;
struct ProgramState;

// The cell properties dialog. The opener fills it with Load and shows it;
// Accept checks the input and hides it with blnAccepted set, after which the
// opener stores Values() and the new spans.
class frmCellInfo : public QDialog {
    Q_OBJECT

  public:
    // closing runs whenever a button closes (or tries to close) the window:
    // the click that did it must not reach the grid below.
    frmCellInfo(const TableSpec& table, ProgramState& state, Prompter& prompts,
                std::function<void()> closing, QWidget* parent = nullptr);
    ~frmCellInfo() override;

    bool blnAccepted = false;
    std::int16_t intNewRowSpan = 1;
    std::int16_t intNewColSpan = 1;

    // Fills every control for the cell at (row, col); the exchange colours
    // are already in the program state.
    void Load(const CellDialogValues& values, int row, int col);
    // The controls as they stand, with the exchange colours.
    CellDialogValues Values() const;

    // The colour chooser, null until first used.
    frmSpecifyColors* ColourChooser() const { return chooser_; }

    void chkUseSpecifiedCellColors_Click();
    void cmdSpecifyCellColors_Click();
    void cmdResetCell_Click();
    void cmdAccept_Click();
    void cmdCancel_Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tells pointer choices in the lists and options from keyboard ones.
    bool eventFilter(QObject* watched, QEvent* event) override;

  public slots:
    // The close box and Escape count as Cancel.
    void reject() override;

  private:
    void Activate();
    void ShowColours(const CellColourView& view);
    void PaintContent(std::int32_t text, std::int32_t background);
    void ChooserClosed();
    void LimitContent();
    void FocusCancel();

    std::unique_ptr<Ui::frmCellInfo> ui_;
    const TableSpec& table_;
    ProgramState& state_;
    Prompter& prompts_;
    std::function<void()> closing_;
    frmSpecifyColors* chooser_ = nullptr;
    bool pointerChoice_ = false;
    // Where the content box's last edit put text in, and how much.
    std::pair<int, int> lastChange_{0, 0};
    int row_ = 1;
    int col_ = 1;
};

}  // namespace tabloom
