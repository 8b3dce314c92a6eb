#include <QApplication>
#include <QDir>

#include "ui/main_window/frm_main.h"
#include "ui/platform/data_folder.h"
#include "ui/platform/qt_prompter.h"
#include "ui/platform/single_instance.h"

namespace {

// The window that a later start asks for: the one in front of the user's
// work (a dialog that is open, the window shown at the end) or else the
// main window.
void BringToFront(QWidget& window) {
    QWidget* target = QApplication::activeModalWidget();
    if (target == nullptr) target = &window;
    target->setWindowState((target->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    target->show();
    target->raise();
    target->activateWindow();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tabloom::MainWindowOptions options;
    options.configFolder = tabloom::ConfigFolderFor(QString());

    // A second window on the same settings would replace the first one's
    // table at its Quit: the running program comes to the front instead.
    tabloom::SingleInstance instance(options.configFolder);
    switch (instance.ClaimFolder()) {
        case tabloom::SingleInstance::Claim::First:
            break;
        case tabloom::SingleInstance::Claim::Signalled:
            return 0;
        case tabloom::SingleInstance::Claim::Unreachable:
            tabloom::QtPrompter().Show(
                "Tabloom is already running with the same settings folder (see the details), "
                "but it does not answer. Close that Tabloom window, then start Tabloom again.",
                "Tabloom", tabloom::PromptIcon::Exclamation, tabloom::PromptButtons::Ok,
                QDir::toNativeSeparators(options.configFolder));
            return 1;
    }

    tabloom::frmMain window(options);
    QObject::connect(&instance, &tabloom::SingleInstance::activationRequested, &window,
                     [&window] { BringToFront(window); });
    if (!window.StartUp()) return 1;
    return app.exec();
}
