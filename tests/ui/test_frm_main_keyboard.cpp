#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include "main_test_files.h"
#include "ui/commands/cell_commands.h"

using namespace tabloom;

namespace {

QString FocusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// Presses Tab until the named widget has the focus, as a keyboard user
// would; false when it is never reached.
bool TabTo(const QString& name) {
    for (int i = 0; i < 60; ++i) {
        if (FocusName() == name) return true;
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) return false;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return FocusName() == name;
}

void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

}  // namespace

// A whole table made without the mouse: from start-up to a written HTML file.
class TestFrmMainKeyboard : public QObject {
    Q_OBJECT

  private slots:
    void fromStartUpToCreatedFileWithoutTheMouse() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));

        f.chooser.names = {f.Path("keys.htm")};
        QVERIFY(TabTo("cmdSpecifyOutputFile"));
        Press(Qt::Key_Return);
        QTRY_COMPARE(f.window->OutputPath(), f.Path("keys.htm"));

        QVERIFY(TabTo("picTable"));
        Press(Qt::Key_Right);
        Press(Qt::Key_Down);
        Press(Qt::Key_Return);
        QWidget* dialog = f.window->findChild<QWidget*>("frmCellInfo");
        QVERIFY(dialog != nullptr);
        QTRY_VERIFY(dialog->isVisible());
        QTRY_VERIFY(QApplication::activeWindow() == dialog);
        QTest::keyClicks(QApplication::focusWidget(), "Typed");
        QVERIFY(TabTo("cmdAccept"));
        Press(Qt::Key_Return);
        QTRY_VERIFY(!dialog->isVisible());
        QCOMPARE(f.window->Table().At(2, 2).strContent, std::string("Typed"));

        // The desktop gives the main window back its focus.
        f.window->activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == f.window.get());
        QVERIFY(TabTo("cmdPerformOperation_6"));
        Press(Qt::Key_Return);
        QTRY_VERIFY(ReadBytes(f.Path("keys.htm")).contains("Typed"));
    }
};

QTEST_MAIN(TestFrmMainKeyboard)
#include "test_frm_main_keyboard.moc"
