#include "ui/commands/output_commands.h"

#include <sys/stat.h>

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <cerrno>
#include <cstring>

#include "core/html/output_path_check.h"
#include "core/html/write_table_html.h"
#include "ui/commands/command_context.h"
#include "ui/commands/window_services.h"
#include "ui/document/table_document.h"
#include "ui/main_window/main_messages.h"
#include "ui/main_window/plain_text.h"
#include "ui/platform/file_chooser.h"
#include "ui/platform/launcher.h"
#include "ui/platform/path_helpers.h"
#include "ui/platform/prompter.h"
#include "ui/platform/view_choice_asker.h"
#include "ui/view/frm_view.h"
#include "ui/view/viewer_placement.h"

namespace tabloom {

namespace {

constexpr int kTextTooLargeTitle = 6;
constexpr int kTextNoticeTitle = 13;
constexpr int kTextViewerCaption = 25;
constexpr int kTextMissingFile = 26;
constexpr int kTextReplaceQuestion = 27;
constexpr int kTextReplaceTitle = 28;
constexpr int kTextCreated = 29;

// Paths at least this long do not fit the box and are shown as its tooltip.
constexpr int kLongPathLength = 57;

const char* const kOutputFilter = ".htm files (*.htm) | *.htm";

QString ErrorDescription(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace

OutputCommands::OutputCommands(CommandContext& context, const OutputControls& controls)
    : QObject(&context.window.Widget()), ctx_(context), c_(controls) {
    c_.txbOutputFile->installEventFilter(this);
}

void OutputCommands::ShowDocument(int what) {
    if (what & TableDocument::kOutputPath) {
        const QString& path = ctx_.document.OutputPath();
        c_.txbOutputFile->setText(path);
        c_.txbOutputFile->setCursorPosition(0);
        const bool given = !path.isEmpty();
        c_.txbOutputFile->setToolTip(given ? QString()
                                           : PlainToolTip(ctx_.state.strOutputFilePrompt));
        c_.cmdClear->setEnabled(given);
        c_.cmdPerformOperation->setEnabled(given);
        c_.cmdView->setEnabled(false);
    }
    // Whatever the result line said was about the table before this change.
    if (what & (TableDocument::kCells | TableDocument::kShape)) c_.lblResult->clear();
}

void OutputCommands::EnableCreate() {
    c_.cmdPerformOperation->setEnabled(!c_.txbOutputFile->text().isEmpty());
}

bool OutputCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.txbOutputFile && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter only leads to the Create button; it never starts it.
            if (c_.cmdPerformOperation->isEnabled()) c_.cmdPerformOperation->setFocus();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void OutputCommands::Show(const QString& text, const QString& title) {
    ctx_.prompter.Show(text, title, PromptIcon::Exclamation, PromptButtons::Ok);
}

void OutputCommands::SpecifyOutputFile() {
    FileDialogRequest request;
    request.title = "Specify output file";
    request.filter = kOutputFilter;
    request.hideReadOnly = true;
    const QString chosen = ctx_.files.ChooseSaveFile(request);

    // The click that closed the dialog must not reach the grid.
    ctx_.window.SuppressGridClicks();

    // Refused where it is chosen: such a path would stop every later save.
    const std::string refusal = OutputPathRefusal(chosen.toStdString());
    if (!refusal.empty()) Show(QString::fromStdString(refusal), "Error");
    if (!chosen.isEmpty() && refusal.empty()) {
        ctx_.document.SetOutputPath(chosen, QString());
        c_.lblResult->clear();
        if (chosen.size() >= kLongPathLength) c_.txbOutputFile->setToolTip(PlainToolTip(chosen));
    }
    EnableCreate();
    ctx_.window.FocusHelpButton();
}

void OutputCommands::Create() {
    c_.lblResult->clear();
    const QString path = c_.txbOutputFile->text();
    if (!FolderExists(FolderOf(path, false))) {
        Show("Output folder does not exist.", "Error");
        return;
    }
    if (FileExists(path) &&
        ctx_.prompter.Show(ctx_.Text(kTextReplaceQuestion), ctx_.Text(kTextReplaceTitle),
                           PromptIcon::Question, PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }

    const HtmlResult result =
        WriteTableHtml(ctx_.document.Table(), QFile::encodeName(path).toStdString(), ctx_.clock,
                       ctx_.Text(kTextCreated).toStdString());
    ctx_.state.strOutputFile = path;
    ctx_.state.blnOutputWritten = result.blnOutputWritten;
    c_.lblResult->setText(QString::fromStdString(result.strResult));

    c_.cmdView->setEnabled(true);
    View(6);
}

bool OutputCommands::OutputExtensionOK(const QString& prefix, const QString& ext1,
                                       const QString& ext2) {
    if (HasExtension(c_.txbOutputFile->text(), ext1, ext2)) return true;
    Show(OutputExtensionMessage(prefix, ext1, ext2), "Invalid file extension");
    return false;
}

int OutputCommands::OutputFileSizeOK() {
    struct stat info {};
    const QByteArray name = QFile::encodeName(ctx_.state.strOutputFile);
    int error = 0;
    if (name.isEmpty()) {
        error = ENOENT;
    } else if (::stat(name.constData(), &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    }
    if (error != 0) {
        ctx_.state.lngOutputFileLen = 0;
        Show(ErrorDescription(error), "Error");
        return -1;
    }
    ctx_.state.lngOutputFileLen = static_cast<long>(info.st_size);
    return static_cast<qint64>(info.st_size) <= static_cast<qint64>(ctx_.state.lngMaxViewKB) * 1024
               ? 1
               : 0;
}

void OutputCommands::View(int index) {
    if (index == 0) {
        ctx_.document.SetOutputPath(QString(), QString());
        ctx_.window.FocusHelpButton();
        return;
    }
    if (index != 6) return;

    if (!OutputExtensionOK("Output", "htm", "html")) return;
    const ViewChoice choice = ctx_.viewChoice.Ask();
    if (choice == ViewChoice::NotNow) return;
    if (choice == ViewChoice::InBrowser) {
        OpenDocument(c_.txbOutputFile->text().trimmed(), true);
        return;
    }

    // Nothing there at all: say so in the program's own words rather than
    // with the system's description of a failed measurement.
    if (!QFileInfo::exists(ctx_.state.strOutputFile)) {
        Show(ctx_.Text(kTextMissingFile), ctx_.Text(kTextNoticeTitle));
        return;
    }
    const int fits = OutputFileSizeOK();
    if (fits < 0) return;
    if (fits == 0) {
        Show(TooLargeMessage(ctx_.texts, c_.txbOutputFile->text().trimmed(),
                             ctx_.state.lngOutputFileLen),
             ctx_.Text(kTextTooLargeTitle));
        return;
    }
    if (!FileExists(ctx_.state.strOutputFile)) {
        Show(ctx_.Text(kTextMissingFile), ctx_.Text(kTextNoticeTitle));
        return;
    }

    frmView& viewer = ctx_.window.ViewerWindow();
    viewer.strFileToView = ctx_.state.strOutputFile;
    viewer.setWindowTitle(ctx_.Text(kTextViewerCaption) + ' ' + ctx_.state.strOutputFile);
    viewer.SetFileEncoding(FileEncoding::Windows1252);
    if (viewer.isMinimized()) viewer.setWindowState(viewer.windowState() & ~Qt::WindowMinimized);
    if (const QScreen* screen = ctx_.window.Widget().screen()) {
        const QRect area = screen->availableGeometry();
        viewer.ApplyFrameRect(ViewPlacement(ctx_.window.Widget().frameGeometry(), area), area);
    }
    viewer.setWindowIcon(ctx_.window.Widget().windowIcon());
    viewer.SetTextFont("Courier New");
    viewer.ShowRestored();
}

bool OutputCommands::OpenDocument(const QString& path, bool showError) {
    if (ctx_.launcher.Open(path) > 32) return true;
    if (showError) Show(OpenDocumentMessage(path), "Error");
    return false;
}

}  // namespace tabloom
