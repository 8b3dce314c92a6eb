#pragma once

#include <QColor>
#include <QString>

class QWidget;

namespace tabloom {

// Gives the window and its frames, buttons, check boxes, labels, option
// buttons and lists the font family; text boxes only with textBoxes. Buttons
// always get it (the buttons flag is kept for callers that pass it).
void SetFormFont(QWidget* form, const QString& fontName, bool textBoxes, bool buttons);

// Gives the window and its check boxes, labels, frames and option buttons
// the background colour.
void SetFormBackColor(QWidget* form, const QColor& color);

}  // namespace tabloom
