#include "ui/view/frm_how_to_view.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/texts/program_texts.h"
#include "ui/view/twips.h"
#include "ui/view/viewer_placement.h"

namespace tabloom {

namespace {
constexpr int kTextViewOptions = 19;
constexpr int kWidthTwips = 6000;
}  // namespace

frmHowToView::frmHowToView(const ProgramTexts& texts, QWidget* mainWindow)
    : QDialog(mainWindow), texts_(texts), mainWindow_(mainWindow) {
    setObjectName("frmHowToView");
    setWindowTitle("How to view output file?");

    lblHowToView_ = new QLabel("How do you wish to view the output file?", this);
    lblHowToView_->setObjectName("lblHowToView");
    lblViewOptions_ = new QLabel(this);
    lblViewOptions_->setTextFormat(Qt::PlainText);
    lblViewOptions_->setObjectName("lblViewOptions");
    lblViewOptions_->setWordWrap(true);
    lblViewOptions_->setTextFormat(Qt::PlainText);

    cmdInBrowser_ = new QPushButton("In web browser", this);
    cmdInBrowser_->setObjectName("cmdInBrowser");
    cmdAsHTMLCode_ = new QPushButton("As HTML code", this);
    cmdAsHTMLCode_->setObjectName("cmdAsHTMLCode");
    cmdNotNow_ = new QPushButton("Don't view now", this);
    cmdNotNow_->setObjectName("cmdNotNow");
    for (QPushButton* button : {cmdInBrowser_, cmdAsHTMLCode_, cmdNotNow_}) {
        // Enter must not press whichever button Qt would pick as default.
        button->setAutoDefault(false);
    }

    // Every control gets the window's font explicitly, as a dialog of this
    // program always has.
    const QFont arial("Arial");
    setFont(arial);
    for (QWidget* control : std::initializer_list<QWidget*>{
             lblHowToView_, lblViewOptions_, cmdInBrowser_, cmdAsHTMLCode_, cmdNotNow_}) {
        control->setFont(arial);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAsHTMLCode_);
    buttons->addWidget(cmdInBrowser_);
    buttons->addWidget(cmdNotNow_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHowToView_);
    layout->addWidget(lblViewOptions_);
    layout->addLayout(buttons);
    setFixedWidth(TwipsToPixels(kWidthTwips, TwipsPerPixel(mainWindow)));

    connect(cmdAsHTMLCode_, &QPushButton::clicked, this, [this] {
        blnViewNow = true;
        blnInBrowser = false;
        accept();
    });
    connect(cmdInBrowser_, &QPushButton::clicked, this, [this] {
        blnViewNow = true;
        blnInBrowser = true;
        accept();
    });
    connect(cmdNotNow_, &QPushButton::clicked, this, &frmHowToView::reject);
}

void frmHowToView::reject() {
    blnViewNow = false;
    QDialog::reject();
}

bool frmHowToView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Prepare();
    return QDialog::event(event);
}

void frmHowToView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Prepare();
}

void frmHowToView::Prepare() {
    cmdInBrowser_->setEnabled(true);
    QString options = QString::fromStdString(texts_.ProgramText(kTextViewOptions));
    options.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lblViewOptions_->setText(options);
    adjustSize();
    if (mainWindow_ != nullptr) {
        move(LowerRightPlacement(mainWindow_->frameGeometry(), frameGeometry().size(),
                                 TwipsPerPixel(mainWindow_)));
    }
    cmdAsHTMLCode_->setFocus();
}

}  // namespace tabloom
