#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tabloom {

// Start position of the main window's frame on the screen: a tenth of the
// screen height from the top; centred across when it fits, else at the left
// edge.
QPoint MainWindowTopLeft(QSize frame, QRect screen);

}  // namespace tabloom
