#pragma once

#include <QString>
#include <QWidget>

class QEvent;
class QPlainTextEdit;
class QPushButton;
class QResizeEvent;

namespace tabloom {

class Prompter;
class ProgramTexts;

// How the bytes of the viewed file are turned into text.
enum class FileEncoding {
    Windows1252,  // the HTML output file
    Utf8,         // the help text
};

// The code viewer: a modeless window that shows a text file read-only and
// copies it, or the selected part, to the clipboard. It reloads the file
// each time it becomes the active window, so a table created again shows
// up at once.
class frmView : public QWidget {
    Q_OBJECT

  public:
    // Files larger than this are refused rather than read into memory
    // (the owner checks the output file's size before; this guards the rest).
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

    frmView(const ProgramTexts& texts, Prompter& prompter, QWidget* parent = nullptr);

    // Path of the file to show.
    QString strFileToView;

    void SetFileEncoding(FileEncoding encoding) { encoding_ = encoding; }
    FileEncoding GetFileEncoding() const { return encoding_; }

    void SetTextFont(const QString& family);

    // Reads strFileToView into the text box with the caret at the start.
    // An empty or unreadable file is reported through the prompter and the
    // window is hidden; the result tells whether the text is shown.
    bool LoadFile();

    // Moves and sizes the outer frame to the given rectangle, at least the
    // window's minimum size and, when a screen is given, wholly on it.
    void ApplyFrameRect(const QRect& frame, const QRect& screen = {});

    // Places the window for viewing the output file (ViewPlacement).
    void PlaceViewer(const QRect& mainFrame, const QRect& screen);

    // Shows the window as a normal window (restored when minimised), in
    // front and active.
    void ShowRestored();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ResetCopyButton();
    void UpdateCopyCaption();
    void LayoutControls();
    void CopyToClipboard();
    void ReportFailure(const QString& text, const QString& title);

    const ProgramTexts& texts_;
    Prompter& prompter_;
    FileEncoding encoding_ = FileEncoding::Windows1252;
    QPlainTextEdit* txbText1_ = nullptr;
    QPushButton* cmdCopyToClipboard_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    int copyWidthTwips_;
    bool loading_ = false;
};

}  // namespace tabloom
