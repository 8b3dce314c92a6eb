#include "ui/main_window/enter_presses_button.h"

#include <QKeyEvent>
#include <QPushButton>

namespace tabloom {

bool EnterPressesFocusedButton::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    // Keypad Enter carries the keypad flag; any other modifier is a shortcut.
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button == nullptr || !button->hasFocus() || !button->isEnabled()) return false;
    // A held key would press the button again and again.
    if (!key->isAutoRepeat()) button->animateClick();
    return true;
}

}  // namespace tabloom
