#include "ui/commands/output_commands.h"

#include <sys/stat.h>

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <cerrno>
#include <cstring>

#include "core/html/output_path_check.h"
#include "core/html/write_table_html.h"
#include "ui/document/table_document.h"
#include "ui/main_window/frm_main.h"
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

void OutputCommands::Show(const QString& text, const QString& title) {
    window_.Prompts().Show(text, title, PromptIcon::Exclamation, PromptButtons::Ok);
}

void OutputCommands::SpecifyOutputFile() {
    FileDialogRequest request;
    request.title = "Specify output file";
    request.filter = kOutputFilter;
    request.hideReadOnly = true;
    const QString chosen = window_.Files().ChooseSaveFile(request);

    // The click that closed the dialog must not reach the grid.
    window_.SuppressGridClicks();

    // Refused where it is chosen: such a path would stop every later save.
    const std::string refusal = OutputPathRefusal(chosen.toStdString());
    if (!refusal.empty()) Show(QString::fromStdString(refusal), "Error");
    if (!chosen.isEmpty() && refusal.empty()) {
        window_.Document().SetOutputPath(chosen, QString());
        c_.lblResult->clear();
        if (chosen.size() >= kLongPathLength) c_.txbOutputFile->setToolTip(PlainToolTip(chosen));
    }
    window_.Timer1_Timer();
    window_.FocusHelpButton();
}

void OutputCommands::Create() {
    c_.lblResult->clear();
    const QString path = c_.txbOutputFile->text();
    if (!FolderExists(FolderOf(path, false))) {
        Show("Output folder does not exist.", "Error");
        return;
    }
    if (FileExists(path) &&
        window_.Prompts().Show(window_.Text(kTextReplaceQuestion), window_.Text(kTextReplaceTitle),
                               PromptIcon::Question, PromptButtons::YesNo) != PromptAnswer::Yes) {
        return;
    }

    const HtmlResult result =
        WriteTableHtml(window_.Table(), QFile::encodeName(path).toStdString(),
                       window_.ClockSource(), window_.Text(kTextCreated).toStdString());
    window_.State().strOutputFile = path;
    window_.State().blnOutputWritten = result.blnOutputWritten;
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
    const QByteArray name = QFile::encodeName(window_.State().strOutputFile);
    int error = 0;
    if (name.isEmpty()) {
        error = ENOENT;
    } else if (::stat(name.constData(), &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    }
    if (error != 0) {
        window_.State().lngOutputFileLen = 0;
        Show(ErrorDescription(error), "Error");
        return -1;
    }
    window_.State().lngOutputFileLen = static_cast<long>(info.st_size);
    return static_cast<qint64>(info.st_size) <=
                   static_cast<qint64>(window_.State().lngMaxViewKB) * 1024
               ? 1
               : 0;
}

void OutputCommands::View(int index) {
    if (index == 0) {
        window_.Document().SetOutputPath(QString(), QString());
        window_.FocusHelpButton();
        return;
    }
    if (index != 6) return;

    if (!OutputExtensionOK("Output", "htm", "html")) return;
    const ViewChoice choice = window_.ViewChoices().Ask();
    if (choice == ViewChoice::NotNow) return;
    if (choice == ViewChoice::InBrowser) {
        OpenDocument(c_.txbOutputFile->text().trimmed(), true);
        return;
    }

    // Nothing there at all: say so in the program's own words rather than
    // with the system's description of a failed measurement.
    if (!QFileInfo::exists(window_.State().strOutputFile)) {
        Show(window_.Text(kTextMissingFile), window_.Text(kTextNoticeTitle));
        return;
    }
    const int fits = OutputFileSizeOK();
    if (fits < 0) return;
    if (fits == 0) {
        Show(TooLargeMessage(window_.Texts(), c_.txbOutputFile->text().trimmed(),
                             window_.State().lngOutputFileLen),
             window_.Text(kTextTooLargeTitle));
        return;
    }
    if (!FileExists(window_.State().strOutputFile)) {
        Show(window_.Text(kTextMissingFile), window_.Text(kTextNoticeTitle));
        return;
    }

    frmView& viewer = window_.ViewerWindow();
    viewer.strFileToView = window_.State().strOutputFile;
    viewer.setWindowTitle(window_.Text(kTextViewerCaption) + ' ' + window_.State().strOutputFile);
    viewer.SetFileEncoding(FileEncoding::Windows1252);
    if (viewer.isMinimized()) viewer.setWindowState(viewer.windowState() & ~Qt::WindowMinimized);
    if (const QScreen* screen = window_.screen()) {
        const QRect area = screen->availableGeometry();
        viewer.ApplyFrameRect(ViewPlacement(window_.frameGeometry(), area), area);
    }
    viewer.setWindowIcon(window_.windowIcon());
    viewer.SetTextFont("Courier New");
    viewer.ShowRestored();
}

bool OutputCommands::OpenDocument(const QString& path, bool showError) {
    if (window_.Launch().Open(path) > 32) return true;
    if (showError) Show(OpenDocumentMessage(path), "Error");
    return false;
}

void OutputCommands::LaunchDocument(const QString& target) {
    const QString ext = FileExtension(target, true);
    const int code = window_.Launch().Open(target);
    if (code > 32) return;
    Show(LaunchDocumentMessage(code, ext), "Cannot launch web browser");
}

}  // namespace tabloom
