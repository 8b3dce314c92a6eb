#pragma once

#include "ui/platform/view_choice_asker.h"

class QWidget;

namespace tabloom {

class ProgramTexts;
class frmHowToView;

// Shows the choice window modally and reads the user's answer from it. The
// window is created on first use and kept.
class QtViewChoiceAsker : public ViewChoiceAsker {
  public:
    QtViewChoiceAsker(const ProgramTexts& texts, QWidget* mainWindow);
    ~QtViewChoiceAsker() override;

    ViewChoice Ask() override;

  private:
    const ProgramTexts& texts_;
    QWidget* mainWindow_;
    frmHowToView* window_ = nullptr;
};

}  // namespace tabloom
