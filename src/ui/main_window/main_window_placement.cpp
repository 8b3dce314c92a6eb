#include "ui/main_window/main_window_placement.h"

namespace tabloom {

QPoint MainWindowTopLeft(QSize frame, QRect screen) {
    const int top = screen.y() + screen.height() / 10;
    const int left = frame.width() <= screen.width()
                         ? screen.x() + (screen.width() - frame.width()) / 2
                         : screen.x();
    return {left, top};
}

}  // namespace tabloom
