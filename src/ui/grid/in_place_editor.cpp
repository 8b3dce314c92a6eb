#include "ui/grid/in_place_editor.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <cmath>

namespace tabloom {

InPlaceEditor::InPlaceEditor(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent), maxLength_(maxLength) {
    setObjectName("txtInPlace");
    setAccessibleName("Cell content");
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    document()->setDocumentMargin(1);
    hide();
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        Limit();
        Grow();
    });
}

void InPlaceEditor::Open(const QRect& cell, const QRect& area, const QFont& font,
                         const QColor& text, const QColor& background, const QString& content) {
    cell_ = cell;
    area_ = area;
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, background);
    colours.setColor(QPalette::Text, text);
    setPalette(colours);
    {
        const QSignalBlocker quiet(this);
        setPlainText(content);
    }
    Limit();
    moveCursor(QTextCursor::End);
    open_ = true;
    Grow();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void InPlaceEditor::Limit() {
    const QString text = toPlainText();
    if (text.size() <= maxLength_) return;
    const QSignalBlocker quiet(this);
    setPlainText(text.left(maxLength_));
    moveCursor(QTextCursor::End);
}

void InPlaceEditor::Grow() {
    if (!open_) return;
    // As wide as the longest line and as tall as the lines need, never
    // smaller than the cell nor past the grid's area.
    const QFontMetrics metrics(font());
    int widest = 0;
    int lines = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        widest = std::max(widest, metrics.horizontalAdvance(b.text()));
        ++lines;
    }
    const int chrome = 2 * (frameWidth() + static_cast<int>(document()->documentMargin())) + 4;
    const int width = std::clamp(widest + chrome + metrics.averageCharWidth(), cell_.width(),
                                 std::max(cell_.width(), area_.right() - cell_.left() + 1));
    const int height = std::clamp(std::max(lines, 1) * metrics.lineSpacing() + chrome,
                                  cell_.height(), std::max(cell_.height(), area_.height()));
    QRect box(cell_.topLeft(), QSize(width, height));
    // Moved up rather than cut off at the bottom.
    if (box.bottom() > area_.bottom()) box.moveBottom(area_.bottom());
    setGeometry(box);
    ensureCursorVisible();
}

bool InPlaceEditor::event(QEvent* event) {
    // Tab and Shift+Tab end the edit instead of moving the focus.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool other = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (!other && key->key() == Qt::Key_Backtab) {
            Finish(Ending::Previous);
            return true;
        }
        if (!other && key->key() == Qt::Key_Tab) {
            Finish(key->modifiers() & Qt::ShiftModifier ? Ending::Previous : Ending::Next);
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void InPlaceEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (event->modifiers() & Qt::ShiftModifier) {
                insertPlainText("\n");
            } else {
                Finish(Ending::Down);
            }
            event->accept();
            return;
        case Qt::Key_Escape:
            Finish(Ending::Cancel);
            event->accept();
            return;
        default:
            QPlainTextEdit::keyPressEvent(event);
    }
}

void InPlaceEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    // Another window coming up front leaves the edit open.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) {
        return;
    }
    Finish(Ending::Keep);
}

void InPlaceEditor::Finish(Ending ending) {
    if (!open_) return;
    open_ = false;
    // The owner reads the text and gives the grid back its focus first, so
    // hiding does not pass the focus on to the next control.
    emit finished(ending);
    hide();
}

}  // namespace tabloom
