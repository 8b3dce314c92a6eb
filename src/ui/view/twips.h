#pragma once

class QWidget;

namespace tabloom {

// Window positions and sizes are worked out in twips (1/1440 inch) and
// turned into pixels at the last moment, so the windows keep their
// proportions on any screen resolution.

// Twips per pixel of the screen the widget is on (of the primary screen for
// nullptr): 1440 / logical DPI, 15 at 96 DPI.
double TwipsPerPixel(const QWidget* widget);

// A length in twips as whole pixels, rounded to the nearest.
int TwipsToPixels(double twips, double twipsPerPixel);

}  // namespace tabloom
