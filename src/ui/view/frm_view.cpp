#include "ui/view/frm_view.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QFile>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QTextCursor>
#include <cerrno>
#include <cstring>
#include <string>

#include "core/encoding/windows1252.h"
#include "core/texts/program_texts.h"
#include "ui/platform/prompter.h"
#include "ui/view/twips.h"
#include "ui/view/viewer_placement.h"

namespace tabloom {

namespace {

constexpr int kTextEmptyFile = 17;
constexpr int kTextNoticeTitle = 13;
constexpr int kDesignWidthTwips = 10000;
constexpr int kDesignHeightTwips = 6000;

const char* const kCopyCaption = "Copy to clipboard";
const char* const kCopySelectedCaption = "Copy selected text to clipboard";

// Reads the whole file; 0 or the errno of the failing step.
int ReadWholeFile(const QString& path, std::string& bytes) {
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty()) return ENOENT;
    // Non-blocking, so a FIFO without a writer reads as empty instead of
    // hanging the window.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = 0;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR) continue;
                // Nothing more to read right now from a pipe or device.
                if (errno == EAGAIN) break;
                error = errno;
                break;
            }
            if (n == 0) break;
            if (static_cast<qint64>(bytes.size()) + n > frmView::kMaxFileBytes) {
                error = EFBIG;
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    if (error != 0) bytes.clear();
    return error;
}

QString ToText(const std::string& bytes, FileEncoding encoding) {
    QString text;
    if (encoding == FileEncoding::Utf8) {
        std::string_view view(bytes);
        if (view.substr(0, 3) == "\xEF\xBB\xBF") view.remove_prefix(3);
        text = QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
    } else {
        text = QString::fromStdString(DecodeWindows1252(bytes));
    }
    // The files have CR LF line ends; the text box wants plain line feeds.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

}  // namespace

frmView::frmView(const ProgramTexts& texts, Prompter& prompter, QWidget* parent)
    : QWidget(parent, Qt::Window),
      texts_(texts),
      prompter_(prompter),
      copyWidthTwips_(kCopyButtonWidthTwips) {
    setObjectName("frmView");
    setWindowTitle("Viewing");

    txbText1_ = new QPlainTextEdit(this);
    txbText1_->setObjectName("txbText1");
    txbText1_->setReadOnly(true);
    txbText1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Keep read-only text selectable from the keyboard as well.
    txbText1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txbText1_->viewport()->installEventFilter(this);
    SetTextFont("Courier New");

    cmdCopyToClipboard_ = new QPushButton(kCopyCaption, this);
    cmdCopyToClipboard_->setObjectName("cmdCopyToClipboard");
    cmdClose_ = new QPushButton("Close", this);
    cmdClose_->setObjectName("cmdClose");

    connect(cmdCopyToClipboard_, &QPushButton::clicked, this, &frmView::CopyToClipboard);
    connect(cmdClose_, &QPushButton::clicked, this, &QWidget::hide);
    connect(txbText1_, &QPlainTextEdit::selectionChanged, this, &frmView::UpdateCopyCaption);

    const double tpp = TwipsPerPixel(this);
    setMinimumSize(ViewerMinimumSize(tpp));
    resize(TwipsToPixels(kDesignWidthTwips, tpp), TwipsToPixels(kDesignHeightTwips, tpp));
    LayoutControls();
}

void frmView::SetTextFont(const QString& family) {
    QFont font(family);
    font.setStyleHint(family.compare("Courier New", Qt::CaseInsensitive) == 0 ? QFont::Monospace
                                                                              : QFont::SansSerif);
    font.setPointSize(10);
    txbText1_->setFont(font);
}

bool frmView::LoadFile() {
    loading_ = true;
    txbText1_->clear();
    ResetCopyButton();
    cmdCopyToClipboard_->setVisible(true);
    cmdCopyToClipboard_->setEnabled(true);
    LayoutControls();

    std::string bytes;
    const int error = ReadWholeFile(strFileToView, bytes);
    if (error == 0 && bytes.empty()) {
        ReportFailure(QString::fromStdString(texts_.ProgramText(kTextEmptyFile)),
                      QString::fromStdString(texts_.ProgramText(kTextNoticeTitle)));
        return false;
    }
    if (error != 0) {
        ReportFailure(QString("Error reading file %1.  %2")
                          .arg(error)
                          .arg(QString::fromLocal8Bit(std::strerror(error))),
                      "Error");
        return false;
    }

    txbText1_->setPlainText(ToText(bytes, encoding_));
    txbText1_->moveCursor(QTextCursor::Start);
    txbText1_->viewport()->update();
    ResetCopyButton();
    loading_ = false;
    return true;
}

void frmView::ReportFailure(const QString& text, const QString& title) {
    // Hidden before the message: closing the message box would otherwise
    // activate this window again and start the same failing load anew.
    hide();
    prompter_.Show(text, title, PromptIcon::Exclamation, PromptButtons::Ok);
    loading_ = false;
}

void frmView::ApplyFrameRect(const QRect& frame, const QRect& screen) {
    QSize decoration = frameGeometry().size() - geometry().size();
    // Before its first showing the window has no frame yet; the desktop
    // will give it one like the main window's, so keep room for that.
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (decoration.isEmpty() && owner != nullptr && owner->isVisible()) {
        decoration = owner->frameGeometry().size() - owner->geometry().size();
    }
    // The window is never smaller than its minimum: a frame that grows by it
    // moves back onto the screen, over the main window if need be.
    const QSize inner = (frame.size() - decoration).expandedTo(minimumSize());
    const QRect outer = KeptOnScreen(QRect(frame.topLeft(), inner + decoration), screen);
    move(outer.topLeft());
    resize(inner);
}

void frmView::PlaceViewer(const QRect& mainFrame, const QRect& screen) {
    ApplyFrameRect(ViewPlacement(mainFrame, screen), screen);
}

void frmView::ShowRestored() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

bool frmView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !loading_) LoadFile();
    return QWidget::event(event);
}

bool frmView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txbText1_->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        UpdateCopyCaption();
    }
    return QWidget::eventFilter(watched, event);
}

void frmView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (isMinimized()) return;
    const QSize minimum = ViewerMinimumSize(TwipsPerPixel(this));
    const QSize snapped = size().expandedTo(minimum);
    if (snapped != size()) {
        resize(snapped);
        return;  // the resize comes back here with the snapped size
    }
    LayoutControls();
}

void frmView::ResetCopyButton() {
    cmdCopyToClipboard_->setText(kCopyCaption);
    copyWidthTwips_ = kCopyButtonWidthTwips;
    LayoutControls();
}

void frmView::UpdateCopyCaption() {
    if (!cmdCopyToClipboard_->isEnabled()) return;
    const bool selected = txbText1_->textCursor().hasSelection();
    cmdCopyToClipboard_->setText(selected ? kCopySelectedCaption : kCopyCaption);
    copyWidthTwips_ = selected ? kCopySelectedButtonWidthTwips : kCopyButtonWidthTwips;
    LayoutControls();
}

void frmView::LayoutControls() {
    const ViewerLayout layout = ViewerControlsLayout(size(), copyWidthTwips_, TwipsPerPixel(this));
    txbText1_->setGeometry(layout.text);
    cmdCopyToClipboard_->setGeometry(layout.copyButton);
    cmdClose_->setGeometry(layout.closeButton);
}

void frmView::CopyToClipboard() {
    if (!txbText1_->document()->isEmpty()) {
        const QTextCursor cursor = txbText1_->textCursor();
        QString text = cursor.hasSelection() ? cursor.selectedText() : txbText1_->toPlainText();
        // A selection separates its lines with Unicode paragraph separators.
        text.replace(QChar::ParagraphSeparator, QChar('\n'));
        text.replace(QChar::LineSeparator, QChar('\n'));
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->clear();
        clipboard->setText(text);
        ResetCopyButton();
    }
    cmdClose_->setFocus();
}

}  // namespace tabloom
