#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <memory>

#include "core/grid/canvas.h"

namespace tabloom {

// The grid's canvas on a retained image; text in "Arial". One painter stays
// open across a drawing; Finish() closes it before the image is shown.
class ImageCanvas : public Canvas {
  public:
    explicit ImageCanvas(QImage& image) : image_(image) {}
    ~ImageCanvas() override { Finish(); }

    int InnerWidth() const override { return image_.width(); }
    int InnerHeight() const override { return image_.height(); }
    void Clear(std::int32_t colour) override;
    void FillRect(int x1, int y1, int x2, int y2, std::int32_t colour) override;
    void OutlineRect(int x1, int y1, int x2, int y2, std::int32_t colour) override;
    void DrawText(double x, double y, std::string_view text, int points, bool bold,
                  std::int32_t colour) override;
    void Finish();

    static QColor ToQColor(std::int32_t colour);

  private:
    QPainter& Painter();

    QImage& image_;
    std::unique_ptr<QPainter> painter_;
    QFont font_{"Arial"};
    int fontPoints_ = 0;
    bool fontBold_ = false;
    bool fontSet_ = false;
    // Laid-out lines by size, weight and text: a redraw mostly repeats them.
    QHash<QString, QStaticText> laidOut_;
};

}  // namespace tabloom
