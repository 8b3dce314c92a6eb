#include "ui/main_window/form_style.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QWidget>

namespace tabloom {

namespace {

void SetFamily(QWidget* widget, const QString& fontName) {
    QFont font = widget->font();
    font.setFamily(fontName);
    widget->setFont(font);
}

bool IsTextBox(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr;
}

bool IsStyledControl(const QWidget* widget) {
    return qobject_cast<const QGroupBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QLabel*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr;
}

}  // namespace

void SetFormFont(QWidget* form, const QString& fontName, bool textBoxes, bool buttons) {
    (void)buttons;
    SetFamily(form, fontName);
    for (QWidget* child : form->findChildren<QWidget*>()) {
        // Windows of their own (viewer, dialogs) get their fonts themselves.
        if (child->isWindow()) continue;
        if (IsStyledControl(child) || (textBoxes && IsTextBox(child))) SetFamily(child, fontName);
    }
}

void SetFormBackColor(QWidget* form, const QColor& color) {
    const auto paint = [&color](QWidget* widget) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, color);
        widget->setPalette(palette);
    };
    paint(form);
    for (QWidget* child : form->findChildren<QWidget*>()) {
        if (child->isWindow()) continue;
        if (qobject_cast<QCheckBox*>(child) || qobject_cast<QLabel*>(child) ||
            qobject_cast<QGroupBox*>(child) || qobject_cast<QRadioButton*>(child)) {
            paint(child);
        }
    }
}

}  // namespace tabloom
