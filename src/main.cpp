#include <QApplication>

#include "ui/app/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tabloom::frmMain window;
    if (!window.StartUp()) return 1;
    return app.exec();
}
