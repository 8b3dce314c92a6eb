#include "ui/app/qt_prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace tabloom {

namespace {

QMessageBox::Icon BoxIcon(PromptIcon icon) {
    switch (icon) {
        case PromptIcon::Critical:
            return QMessageBox::Critical;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::Exclamation:
            return QMessageBox::Warning;
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

PromptAnswer QtPrompter::Show(const QString& text, const QString& title, PromptIcon icon,
                              PromptButtons buttons) {
    // Over an open dialog rather than the main window, so that the dialog
    // and its focused box have the keyboard again when the box closes.
    QWidget* owner = QApplication::activeModalWidget();
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::NoButton, owner ? owner : parent_);
    // Messages quote paths and program texts, which may hold "<".
    box.setTextFormat(Qt::PlainText);
    if (buttons == PromptButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (buttons == PromptButtons::Ok) return PromptAnswer::Ok;
    return answer == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
}

}  // namespace tabloom
