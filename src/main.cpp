#include <QApplication>

#include "ui/app/enter_presses_button.h"
#include "ui/app/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.installEventFilter(new tabloom::EnterPressesFocusedButton(&app));
    tabloom::frmMain window;
    if (!window.StartUp()) return 1;
    return app.exec();
}
