#pragma once

#include <QFrame>
#include <QImage>
#include <memory>

#include "ui/grid/image_canvas.h"

namespace tabloom {

// The drawing area of the grid. It keeps what was drawn on it in an image
// and only copies that image to the screen when asked to paint. Pointer
// releases and grid keys are handed on as signals in inner pixel positions.
class PicTable : public QFrame {
    Q_OBJECT

  public:
    explicit PicTable(QWidget* parent = nullptr);

    // The surface drawing goes to; call Present() when done.
    Canvas& Surface() { return *canvas_; }
    const QImage& Image() const { return image_; }
    void Present() {
        canvas_->Finish();
        update();
    }

    // Tells assistive technology which cell is current and what it holds,
    // with an event whenever that text changes.
    void AnnounceCell(int row, int col, const QString& content);

  signals:
    void released(Qt::MouseButton button, double x, double y);
    // A key the grid acts on; accepted when a handler set handled.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers, bool& handled);
    void focusEntered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FitImage();

    QImage image_;
    std::unique_ptr<ImageCanvas> canvas_;
};

}  // namespace tabloom
