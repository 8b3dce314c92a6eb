#include "ui/dialogs/enter_key_filter.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace tabloom {

namespace {
bool IsEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}
}  // namespace

EnterKeyFilter::EnterKeyFilter(QWidget* target, QObject* parent)
    : QObject(parent), target_(target) {}

void EnterKeyFilter::Watch(QWidget* box) { box->installEventFilter(this); }

bool EnterKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
        if (target_ != nullptr && target_->isEnabled()) target_->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool EnterKeyFilter::PressFocusedButton(QDialog* dialog, QKeyEvent* event) {
    if (!IsEnter(event)) return false;
    auto* button = qobject_cast<QPushButton*>(dialog->focusWidget());
    if (button != nullptr && button->isEnabled()) button->click();
    event->accept();
    return true;
}

}  // namespace tabloom
