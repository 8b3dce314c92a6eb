#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

#include "core/dialogs/copy_source_summary.h"
#include "core/grid/copy_cell_properties.h"

class QShowEvent;

namespace Ui {
class frmCopyCell;
}

namespace tabloom {

class Prompter;

// The copy window: describes the source cell, collects the property groups
// and the target, and refuses choices that copy nothing. The copying itself
// is the opener's, after the window closed with "Do it" (blnAccepted).
class frmCopyCell : public QDialog {
    Q_OBJECT

  public:
    // Outlines the chosen target in the grid. False when the position is
    // covered: row and col then name the owner of the area.
    using TargetHighlighter = std::function<bool(int& row, int& col)>;

    frmCopyCell(Prompter& prompter, QWidget* parent);
    ~frmCopyCell() override;

    void SetTargetHighlighter(TargetHighlighter highlighter);

    // The target lists hold the numbers 1..rows and 1..cols. Lists that
    // already hold them keep their selection; refilled ones have none.
    void RefillTargetLists(int rows, int cols);

    // Describes the source at (row, col), selects the proposed target (or
    // none) and the single-cell option. The property groups stay as the user
    // left them.
    void Fill(const CopySourceSummary& summary, int row, int col);

    // Offers the selected block as a target (and chooses it), or hides the
    // option when there is none.
    void OfferBlock(const std::optional<CellBlock>& block);

    // The ticked groups and the target; toRow/toCol 0 without selection.
    CopyChoice Choice() const;

    bool blnAccepted = false;

    // Cancel; the close box and Escape end here as well.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void UpdateTargetControls();
    void ShowTargetCell();
    void cmdDoCopy_Click();

    std::unique_ptr<Ui::frmCopyCell> ui_;
    Prompter& prompter_;
    TargetHighlighter highlighter_;
    int srcRow_ = 0;
    int srcCol_ = 0;
    int numRows_ = 0;
    int numCols_ = 0;
    QString rowOption_;
    QString columnOption_;
    std::optional<CellBlock> block_;
};

}  // namespace tabloom
