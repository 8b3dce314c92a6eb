#pragma once

#include <QDialog>

class QEvent;
class QLabel;
class QPushButton;
class QShowEvent;

namespace tabloom {

class ProgramTexts;

// Asks how to view the output file: as HTML code in the viewer, in the web
// browser, or not now. The owner shows it modally and reads the two fields
// once it has hidden itself.
class frmHowToView : public QDialog {
    Q_OBJECT

  public:
    frmHowToView(const ProgramTexts& texts, QWidget* mainWindow);

    bool blnViewNow = false;    // a way to view was chosen
    bool blnInBrowser = false;  // the way is the web browser (when blnViewNow)

    // "Don't view now"; the close box and Escape end here as well.
    void reject() override;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Prepare();

    const ProgramTexts& texts_;
    QWidget* mainWindow_;
    QLabel* lblHowToView_ = nullptr;
    QLabel* lblViewOptions_ = nullptr;
    QPushButton* cmdInBrowser_ = nullptr;
    QPushButton* cmdAsHTMLCode_ = nullptr;
    QPushButton* cmdNotNow_ = nullptr;
};

}  // namespace tabloom
