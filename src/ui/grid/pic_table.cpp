#include "ui/grid/pic_table.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tabloom {

namespace {

constexpr int kWidth = 521;
constexpr int kHeight = 235;
constexpr int kDotsPerMetre96Dpi = 3780;

}  // namespace

PicTable::PicTable(QWidget* parent) : QFrame(parent) {
    setObjectName("picTable");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(2);
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName("Table grid");
    setToolTip(
        "Left click to type a value into this cell (or to specify other cell data), right click "
        "to copy this cell to other cells.");
    FitImage();
}

void PicTable::FitImage() {
    const QSize inner = contentsRect().size();
    if (image_.size() == inner && canvas_) return;
    QImage fresh(inner, QImage::Format_RGB32);
    // Point sizes are meant at 96 dots per inch, whatever the screen says.
    fresh.setDotsPerMeterX(kDotsPerMetre96Dpi);
    fresh.setDotsPerMeterY(kDotsPerMetre96Dpi);
    fresh.fill(Qt::white);
    image_ = std::move(fresh);
    canvas_ = std::make_unique<ImageCanvas>(image_);
}

void PicTable::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    FitImage();
}

void PicTable::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
    if (hasFocus()) {
        // The frame shows that the grid has the keyboard.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 0));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PicTable::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position() - QPointF(contentsRect().topLeft());
    emit released(event->button(), at.x(), at.y());
    event->accept();
}

void PicTable::keyPressEvent(QKeyEvent* event) {
    bool handled = false;
    emit keyPressed(event->key(), event->modifiers(), handled);
    if (handled) {
        event->accept();
    } else {
        QFrame::keyPressEvent(event);
    }
}

void PicTable::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    emit focusEntered();
    update();
}

void PicTable::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

void PicTable::AnnounceCell(int row, int col, const QString& content) {
    QString text = QString("Row %1, column %2").arg(row).arg(col);
    if (!content.isEmpty()) text += ": " + content;
    if (text == accessibleDescription()) return;
    setAccessibleDescription(text);
    if (!QAccessible::isActive()) return;
    // Screen readers listen for either, depending on the role they see.
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    QAccessibleValueChangeEvent valued(this, text);
    QAccessible::updateAccessibility(&valued);
}

}  // namespace tabloom
