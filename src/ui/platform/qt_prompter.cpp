#include "ui/platform/qt_prompter.h"

#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
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

std::unique_ptr<QMessageBox> QtPrompter::MakeBox(const QString& text, const QString& title,
                                                 PromptIcon icon, PromptButtons buttons,
                                                 const QString& details, QWidget* parent) {
    auto box =
        std::make_unique<QMessageBox>(BoxIcon(icon), title, text, QMessageBox::NoButton, parent);
    // Messages quote paths and program texts, which may hold "<".
    box->setTextFormat(Qt::PlainText);
    if (buttons == PromptButtons::Ok) {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
    } else {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(buttons == PromptButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
        box->setEscapeButton(QMessageBox::No);
    }
    // The detailed text is always shown as plain text.
    if (!details.isEmpty()) box->setDetailedText(details);
    return box;
}

PromptAnswer QtPrompter::Show(const QString& text, const QString& title, PromptIcon icon,
                              PromptButtons buttons, const QString& details) {
    // Over an open dialog rather than the main window, so that the dialog
    // and its focused box have the keyboard again when the box closes.
    QWidget* owner = QApplication::activeModalWidget();
    const auto box = MakeBox(text, title, icon, buttons, details, owner ? owner : parent_);
    const int answer = box->exec();
    if (buttons == PromptButtons::Ok) return PromptAnswer::Ok;
    return answer == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
}

int QtPrompter::Choose(const QString& text, const QString& title, const QStringList& items) {
    QWidget* owner = QApplication::activeModalWidget();
    QInputDialog dialog(owner ? owner : parent_);
    dialog.setWindowTitle(title);
    dialog.setLabelText(text);
    // Captions and cell texts from a page may hold "<".
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(dialog.findChild<QComboBox*>());
    }
    if (dialog.exec() != QDialog::Accepted) return -1;
    // Items may repeat; the dialog only reports the text, so the first
    // equal one is the choice (callers number their items).
    return static_cast<int>(items.indexOf(dialog.textValue()));
}

}  // namespace tabloom
