#pragma once

#include <QFrame>
#include <QImage>
#include <memory>

#include "ui/grid/image_canvas.h"
#include "ui/grid/in_place_editor.h"

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
    void Announce(const QString& text);

    // The selected block, in inner pixels, drawn tinted over the image; an
    // empty rectangle draws none.
    void SetBlockArea(const QRect& area);
    const QRect& BlockArea() const { return blockArea_; }

    // The editor for typing into a cell, placed in inner pixels.
    InPlaceEditor& Editor() { return *editor_; }
    void OpenEditor(const QRect& cell, const QFont& font, const QColor& text,
                    const QColor& background, const QString& content);

  signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);
    // The pointer moved with the left button held.
    void dragged(double x, double y);
    void released(Qt::MouseButton button, double x, double y);
    // Printable text typed on the grid that no key command took.
    void typed(const QString& text);
    // A key the grid acts on; accepted when a handler set handled.
    void keyPressed(int key, Qt::KeyboardModifiers modifiers, bool& handled);
    void focusEntered();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void FitImage();

    QImage image_;
    std::unique_ptr<ImageCanvas> canvas_;
    QRect blockArea_;
    InPlaceEditor* editor_ = nullptr;
};

}  // namespace tabloom
