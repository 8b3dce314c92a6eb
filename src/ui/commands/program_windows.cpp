#include "ui/commands/program_windows.h"

#include <QCoreApplication>
#include <QScreen>
#include <QUrl>
#include <QWidget>

#include "ui/commands/command_context.h"
#include "ui/commands/window_services.h"
#include "ui/document/table_document.h"
#include "ui/main_window/main_messages.h"
#include "ui/platform/launcher.h"
#include "ui/platform/path_helpers.h"
#include "ui/platform/prompter.h"
#include "ui/view/frm_other_products.h"
#include "ui/view/frm_preview.h"
#include "ui/view/frm_view.h"
#include "ui/view/twips.h"
#include "ui/view/viewer_placement.h"

namespace tabloom {

namespace {

const char* const kHelpFile = "tbm_help.txt";
const char* const kManualFile = "manual.html";
const char* const kProductListFile = "other_products.txt";

}  // namespace

frmView& ProgramWindows::ViewerWindow() {
    // A window of its own (modeless) that the main window owns.
    if (viewer_ == nullptr) viewer_ = new frmView(ctx_.texts, ctx_.prompter, &ctx_.window.Widget());
    return *viewer_;
}

frmOtherProducts& ProgramWindows::OtherProductsWindow() {
    if (otherProducts_ == nullptr) {
        otherProducts_ = new frmOtherProducts(
            ctx_.dataFolder + '/' + kProductListFile,
            [this](const QString& url) { LaunchDocument(url); }, &ctx_.window.Widget());
    }
    return *otherProducts_;
}

void ProgramWindows::ShowHelp() {
    QWidget& main = ctx_.window.Widget();
    frmView& viewer = ViewerWindow();
    if (viewer.isMinimized()) viewer.setWindowState(viewer.windowState() & ~Qt::WindowMinimized);
    if (const QScreen* screen = main.screen()) {
        const HelpPlacement placement =
            HelpPlacementFor(main.frameGeometry(), viewer.frameGeometry(),
                             screen->availableGeometry(), TwipsPerPixel(&main));
        main.move(placement.mainTopLeft);
        viewer.ApplyFrameRect(placement.viewer, screen->availableGeometry());
    }
    viewer.strFileToView = ctx_.dataFolder + '/' + kHelpFile;
    viewer.setWindowTitle("Help for Tabloom");
    viewer.setWindowIcon(main.windowIcon());
    viewer.SetTextFont("Arial");
    viewer.SetFileEncoding(FileEncoding::Utf8);
    viewer.ShowRestored();
}

void ProgramWindows::ShowManual() {
    LaunchDocument(QUrl::fromLocalFile(ctx_.dataFolder + '/' + kManualFile).toString());
}

void ProgramWindows::ShowOtherProducts() {
    frmOtherProducts& products = OtherProductsWindow();
    products.show();
    products.raise();
    products.activateWindow();
}

void ProgramWindows::ShowPreview() {
    QWidget& main = ctx_.window.Widget();
    if (preview_ == nullptr) preview_ = new frmPreview(ctx_.document.Table(), ctx_.clock, &main);
    const QScreen* screen = main.screen();
    preview_->ShowPreview(main.frameGeometry(), screen ? screen->availableGeometry() : QRect());
}

void ProgramWindows::ClosePreview() {
    if (preview_ != nullptr) preview_->close();
}

void ProgramWindows::LaunchDocument(const QString& target) {
    const QString ext = FileExtension(target, true);
    const int code = ctx_.launcher.Open(target);
    if (code > 32) return;
    ctx_.prompter.Show(LaunchDocumentMessage(code, ext), "Cannot launch web browser",
                       PromptIcon::Exclamation, PromptButtons::Ok);
}

bool ProgramWindows::EndProgram() {
    if (ending_) return false;
    ending_ = true;
    ctx_.window.Widget().hide();
    if (viewer_ != nullptr) viewer_->hide();
    ClosePreview();
    frmOtherProducts& products = OtherProductsWindow();
    products.setWindowModality(Qt::ApplicationModal);
    // The program ends with this window, which the desktop does not count as
    // a last window of its own.
    QObject::connect(&products, &QDialog::finished, qApp, [] { QCoreApplication::quit(); });
    products.show();
    products.raise();
    return true;
}

}  // namespace tabloom
