#pragma once

#include <QRect>
#include <QWidget>
#include <string>

class QHideEvent;
class QLabel;
class QTextBrowser;
class QTimer;

namespace tabloom {

class Clock;
struct TableSpec;

// A live view of the table as the HTML that Create writes, rendered by Qt's
// own HTML viewer. It follows every change of the table while shown, keeps
// its place and size while the program runs, and writes no file.
class frmPreview : public QWidget {
    Q_OBJECT

  public:
    frmPreview(const TableSpec& table, const Clock& clock, QWidget* parent = nullptr);

    // Shows the window, in front, with the table as it is now; the first
    // time beside mainFrame on screen.
    void ShowPreview(const QRect& mainFrame, const QRect& screen);

    // The table changed: the view follows at the next turn of the event
    // loop, once however many changes come before it. Nothing while hidden.
    void TableChanged();

    // Renders the table now.
    void Refresh();

    // How often the view has been given new HTML.
    int RenderCount() const { return renders_; }

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    const TableSpec& table_;
    const Clock& clock_;
    QTextBrowser* txbPreview_ = nullptr;
    QLabel* lblPreviewStatus_ = nullptr;
    QTimer* update_ = nullptr;
    std::string shown_;  // the HTML in the view
    QRect frame_;        // where the user left the window; empty until first shown
    int renders_ = 0;
};

}  // namespace tabloom
