#include "ui/grid/image_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "core/model/colour.h"

namespace tabloom {

QColor ImageCanvas::ToQColor(std::int32_t colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

void ImageCanvas::Clear(std::int32_t colour) { image_.fill(ToQColor(colour)); }

void ImageCanvas::FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) {
    if (x2 < x1 || y2 < y1) return;
    QPainter painter(&image_);
    painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), ToQColor(colour));
}

void ImageCanvas::OutlineRect(int x1, int y1, int x2, int y2, std::int32_t colour) {
    if (x2 < x1 || y2 < y1) return;
    QPainter painter(&image_);
    painter.setPen(QPen(ToQColor(colour), 0));
    painter.setBrush(Qt::NoBrush);
    // A cosmetic pen's rectangle covers x1..x1+w, so w = x2 - x1 keeps it on
    // the cell's outermost pixels.
    painter.drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
}

void ImageCanvas::DrawText(double x, double y, const std::string& text, int points, bool bold,
                           std::int32_t colour) {
    if (text.empty()) return;
    QPainter painter(&image_);
    QFont font("Arial");
    font.setPointSize(points);
    font.setBold(bold);
    painter.setFont(font);
    painter.setPen(ToQColor(colour));
    const QFontMetrics metrics(font, &image_);
    // The position is the line's top-left; the painter wants the baseline.
    const int left = static_cast<int>(std::lround(x));
    const int top = static_cast<int>(std::lround(y));
    painter.drawText(QPoint(left, top + metrics.ascent()), QString::fromStdString(text));
}

}  // namespace tabloom
