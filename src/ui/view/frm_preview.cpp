#include "ui/view/frm_preview.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/html/render_table_html.h"
#include "core/model/table_spec.h"

namespace tabloom {

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 440;
constexpr int kGap = 8;

}  // namespace

frmPreview::frmPreview(const TableSpec& table, const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window), table_(table), clock_(clock) {
    setObjectName("frmPreview");
    setWindowTitle("Preview");

    txbPreview_ = new QTextBrowser(this);
    txbPreview_->setObjectName("txbPreview");
    txbPreview_->setAccessibleName("Preview of the table");
    // Links in cell contents lead nowhere from here; the browser follows them.
    txbPreview_->setOpenLinks(false);
    // A vertical scroll bar that comes and goes would lay the table out twice
    // on every change; laying out is most of an update's cost.
    txbPreview_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lblPreviewStatus_ = new QLabel(
        "Shown by Tabloom's own HTML viewer: your web browser may show the table differently. "
        "For the real thing, create the table and view it in the web browser.",
        this);
    lblPreviewStatus_->setObjectName("lblPreviewStatus");
    lblPreviewStatus_->setTextFormat(Qt::PlainText);
    lblPreviewStatus_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txbPreview_, 1);
    layout->addWidget(lblPreviewStatus_);

    update_ = new QTimer(this);
    update_->setSingleShot(true);
    update_->setInterval(0);
    connect(update_, &QTimer::timeout, this, &frmPreview::Refresh);
    resize(kWidth, kHeight);
}

void frmPreview::ShowPreview(const QRect& mainFrame, const QRect& screen) {
    if (frame_.isEmpty()) {
        // Beside the main window when there is room, else below it, else at
        // the screen's right edge over it.
        QRect frame(0, 0, kWidth, kHeight);
        frame.moveTopLeft(QPoint(mainFrame.right() + 1 + kGap, mainFrame.top()));
        if (!screen.contains(frame)) {
            frame.moveTopLeft(QPoint(mainFrame.left(), mainFrame.bottom() + 1 + kGap));
        }
        if (!screen.contains(frame)) {
            frame.moveTopLeft(QPoint(mainFrame.right() + 1 + kGap, mainFrame.top()));
        }
        if (frame.right() > screen.right()) frame.moveRight(screen.right());
        if (frame.bottom() > screen.bottom()) frame.moveBottom(screen.bottom());
        frame.moveLeft(std::max(frame.left(), screen.left()));
        frame.moveTop(std::max(frame.top(), screen.top()));
        frame_ = frame;
    }
    resize(frame_.size());
    move(frame_.topLeft());
    Refresh();
    show();
    // The frame adds to the size; keep all of it on the screen.
    const QRect outer = frameGeometry();
    if (!screen.isEmpty() && !screen.contains(outer)) {
        move(pos() - QPoint(std::max(0, outer.right() - screen.right()),
                            std::max(0, outer.bottom() - screen.bottom())));
    }
    raise();
    activateWindow();
}

void frmPreview::TableChanged() {
    if (isVisible() && !update_->isActive()) update_->start();
}

void frmPreview::Refresh() {
    update_->stop();
    std::string html = RenderTableHtmlText(table_, clock_);
    if (html == shown_) return;  // a redraw that changed nothing in the HTML
    shown_ = std::move(html);
    // Keep the reader's place in a large table.
    const int x = txbPreview_->horizontalScrollBar()->value();
    const int y = txbPreview_->verticalScrollBar()->value();
    txbPreview_->setHtml(QString::fromStdString(shown_));
    txbPreview_->horizontalScrollBar()->setValue(x);
    txbPreview_->verticalScrollBar()->setValue(y);
    ++renders_;
}

void frmPreview::hideEvent(QHideEvent* event) {
    frame_ = QRect(pos(), size());
    update_->stop();
    QWidget::hideEvent(event);
}

}  // namespace tabloom
