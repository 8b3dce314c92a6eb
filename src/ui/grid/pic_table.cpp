#include "ui/grid/pic_table.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/model/table_spec.h"

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
        "Type to fill the current cell (F2 edits its text, Enter opens the cell dialog). Left "
        "click to specify a cell's data, drag or Shift+click to select a block, right click to "
        "copy a cell to other cells.");
    editor_ = new InPlaceEditor(intMaxContentLength, this);
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
    if (!blockArea_.isEmpty()) {
        // Tinted, so the cells' own colours still show through.
        QColor tint = palette().color(QPalette::Highlight);
        tint.setAlpha(90);
        const QRect area = blockArea_.translated(contentsRect().topLeft());
        painter.fillRect(area, tint);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(area.adjusted(1, 1, -1, -1));
    }
    if (hasFocus()) {
        // The frame shows that the grid has the keyboard.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 0));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PicTable::mousePressEvent(QMouseEvent* event) {
    QFrame::mousePressEvent(event);
    const QPointF at = event->position() - QPointF(contentsRect().topLeft());
    emit pressed(event->button(), event->modifiers(), at.x(), at.y());
    event->accept();
}

void PicTable::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPointF at = event->position() - QPointF(contentsRect().topLeft());
    emit dragged(at.x(), at.y());
    event->accept();
}

void PicTable::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position() - QPointF(contentsRect().topLeft());
    emit released(event->button(), at.x(), at.y());
    event->accept();
}

void PicTable::keyPressEvent(QKeyEvent* event) {
    bool handled = false;
    emit keyPressed(event->key(), event->modifiers(), handled);
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (!handled && !command && !text.isEmpty() && text.at(0).isPrint()) {
        emit typed(text);
        handled = true;
    }
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
    Announce(text);
}

void PicTable::Announce(const QString& text) {
    if (text == accessibleDescription()) return;
    setAccessibleDescription(text);
    if (!QAccessible::isActive()) return;
    // Screen readers listen for either, depending on the role they see.
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    QAccessibleValueChangeEvent valued(this, text);
    QAccessible::updateAccessibility(&valued);
}

void PicTable::SetBlockArea(const QRect& area) {
    if (area == blockArea_) return;
    const QRect old = blockArea_;
    blockArea_ = area;
    // Only what the old and the new block covered is painted again.
    const QPoint offset = contentsRect().topLeft();
    update(old.translated(offset).adjusted(-2, -2, 2, 2));
    update(area.translated(offset).adjusted(-2, -2, 2, 2));
}

void PicTable::OpenEditor(const QRect& cell, const QFont& font, const QColor& text,
                          const QColor& background, const QString& content) {
    const QPoint offset = contentsRect().topLeft();
    editor_->Open(cell.translated(offset), contentsRect(), font, text, background, content);
}

}  // namespace tabloom
