#include "ui/grid/image_canvas.h"

#include <cmath>

#include "core/model/colour.h"

namespace tabloom {

QColor ImageCanvas::ToQColor(std::int32_t colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QPainter& ImageCanvas::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        fontSet_ = false;  // a fresh painter has no font yet
    }
    return *painter_;
}

void ImageCanvas::Finish() { painter_.reset(); }

void ImageCanvas::Clear(std::int32_t colour) {
    Finish();
    image_.fill(ToQColor(colour));
}

void ImageCanvas::FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) {
    if (x2 < x1 || y2 < y1) return;
    Painter().fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), ToQColor(colour));
}

void ImageCanvas::OutlineRect(int x1, int y1, int x2, int y2, std::int32_t colour) {
    if (x2 < x1 || y2 < y1) return;
    QPainter& painter = Painter();
    painter.setPen(QPen(ToQColor(colour), 0));
    painter.setBrush(Qt::NoBrush);
    // A cosmetic pen's rectangle covers x1..x1+w, so w = x2 - x1 keeps it on
    // the cell's outermost pixels.
    painter.drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
}

void ImageCanvas::DrawText(double x, double y, std::string_view text, int points, bool bold,
                           std::int32_t colour) {
    if (text.empty()) return;
    QPainter& painter = Painter();
    if (!fontSet_ || points != fontPoints_ || bold != fontBold_) {
        font_.setPointSize(points);
        font_.setBold(bold);
        fontPoints_ = points;
        fontBold_ = bold;
        fontSet_ = true;
        painter.setFont(font_);
    }
    const QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QString key = QString::number(points) + (bold ? 'b' : 'n') + line;
    auto found = laidOut_.constFind(key);
    if (found == laidOut_.constEnd()) {
        constexpr qsizetype kMaxLines = 4000;
        if (laidOut_.size() >= kMaxLines) laidOut_.clear();
        QStaticText staticText(line);
        staticText.setTextFormat(Qt::PlainText);
        staticText.prepare(painter.transform(), font_);
        found = laidOut_.insert(key, staticText);
    }
    painter.setPen(ToQColor(colour));
    // The position is the top-left of the line, rounded to whole pixels.
    painter.drawStaticText(
        QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))), *found);
}

}  // namespace tabloom
