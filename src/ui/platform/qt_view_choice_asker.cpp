#include "ui/platform/qt_view_choice_asker.h"

#include "ui/view/frm_how_to_view.h"

namespace tabloom {

QtViewChoiceAsker::QtViewChoiceAsker(const ProgramTexts& texts, QWidget* mainWindow)
    : texts_(texts), mainWindow_(mainWindow) {}

// The window is a child of the main window, which deletes it.
QtViewChoiceAsker::~QtViewChoiceAsker() = default;

ViewChoice QtViewChoiceAsker::Ask() {
    if (window_ == nullptr) window_ = new frmHowToView(texts_, mainWindow_);
    window_->blnViewNow = false;
    window_->exec();
    if (!window_->blnViewNow) return ViewChoice::NotNow;
    return window_->blnInBrowser ? ViewChoice::InBrowser : ViewChoice::AsHtmlCode;
}

}  // namespace tabloom
