#include "ui/view/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace tabloom {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackTwipsPerPixel = 15.0;  // 96 DPI
}  // namespace

double TwipsPerPixel(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return kFallbackTwipsPerPixel;
    const double dpi = screen->logicalDotsPerInch();
    // A screen reporting nonsense must not give a zero or negative scale.
    if (!(dpi > 0.0)) return kFallbackTwipsPerPixel;
    return kTwipsPerInch / dpi;
}

int TwipsToPixels(double twips, double twipsPerPixel) {
    if (!(twipsPerPixel > 0.0)) twipsPerPixel = kFallbackTwipsPerPixel;
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace tabloom
