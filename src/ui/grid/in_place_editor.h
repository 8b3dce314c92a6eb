#pragma once

#include <QPlainTextEdit>
#include <QRect>

namespace tabloom {

// The editor that opens over a grid cell when the user types into the
// grid. It reports how the edit ended; storing the text is its owner's.
class InPlaceEditor : public QPlainTextEdit {
    Q_OBJECT

  public:
    // How an edit ended: kept where it is (focus left the editor), kept and
    // moving down, to the next or the previous cell, or cancelled.
    enum class Ending { Keep, Down, Next, Previous, Cancel };

    InPlaceEditor(int maxLength, QWidget* parent);

    // Shows the editor over cell (in the parent's pixels) with the cell's
    // look, holding content with the caret at its end. It grows with the
    // text up to the parent's inner area.
    void Open(const QRect& cell, const QRect& area, const QFont& font, const QColor& text,
              const QColor& background, const QString& content);
    bool IsOpen() const { return open_; }
    // Ends an open edit as ending says.
    void Finish(Ending ending);

  signals:
    void finished(tabloom::InPlaceEditor::Ending ending);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void Limit();
    void Grow();

    int maxLength_;
    bool open_ = false;
    QRect cell_;
    QRect area_;
};

}  // namespace tabloom
