#pragma once

#include <QImage>

#include "core/grid/canvas.h"

namespace tabloom {

// The grid's canvas on a retained image; text in "Arial".
class ImageCanvas : public Canvas {
  public:
    explicit ImageCanvas(QImage& image) : image_(image) {}

    int InnerWidth() const override { return image_.width(); }
    int InnerHeight() const override { return image_.height(); }
    void Clear(std::int32_t colour) override;
    void FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) override;
    void OutlineRect(int x1, int y1, int x2, int y2, std::int32_t colour) override;
    void DrawText(double x, double y, const std::string& text, int points, bool bold,
                  std::int32_t colour) override;

    static QColor ToQColor(std::int32_t colour);

  private:
    QImage& image_;
};

}  // namespace tabloom
