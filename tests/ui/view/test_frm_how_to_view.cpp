#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "ui/view/frm_how_to_view.h"
#include "ui/view/twips.h"
#include "view_test_files.h"

using namespace tabloom;

namespace {

struct Choice {
    ViewTestFiles files;
    ProgramTexts texts = files.LoadTexts();
    QWidget main;
    frmHowToView dialog{texts, &main};

    Choice() {
        main.setGeometry(200, 150, 900, 700);
        main.show();
    }
    QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(name); }
};

}  // namespace

class TestFrmHowToView : public QObject {
    Q_OBJECT

  private slots:
    void buttonsSetFieldsAndHide_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("viewNow");
        QTest::addColumn<bool>("inBrowser");
        QTest::addColumn<int>("result");
        QTest::newRow("as code") << "cmdAsHTMLCode" << true << false << int(QDialog::Accepted);
        QTest::newRow("in browser") << "cmdInBrowser" << true << true << int(QDialog::Accepted);
        QTest::newRow("not now") << "cmdNotNow" << false << true << int(QDialog::Rejected);
    }
    void buttonsSetFieldsAndHide() {
        QFETCH(QString, button);
        QFETCH(bool, viewNow);
        QFETCH(bool, inBrowser);
        QFETCH(int, result);
        Choice c;
        // Start from the opposite answer so every field has to be written.
        c.dialog.blnViewNow = !viewNow;
        c.dialog.blnInBrowser = !inBrowser;
        c.dialog.show();
        QTest::mouseClick(c.Button(qPrintable(button)), Qt::LeftButton);
        QVERIFY(!c.dialog.isVisible());
        QCOMPARE(c.dialog.blnViewNow, viewNow);
        if (viewNow) QCOMPARE(c.dialog.blnInBrowser, inBrowser);
        QCOMPARE(c.dialog.result(), result);
    }

    void escapeMeansNotNow() {
        Choice c;
        c.dialog.blnViewNow = true;
        c.dialog.show();
        QTest::keyClick(&c.dialog, Qt::Key_Escape);
        QVERIFY(!c.dialog.isVisible());
        QVERIFY(!c.dialog.blnViewNow);
    }

    void preparedWhenShown() {
        Choice c;
        c.Button("cmdInBrowser")->setEnabled(false);
        c.dialog.show();
        QVERIFY(c.Button("cmdInBrowser")->isEnabled());
        QCOMPARE(c.dialog.findChild<QLabel*>("lblViewOptions")->text(),
                 QString("First line.\nSecond line."));
        QCOMPARE(c.dialog.focusWidget(), c.Button("cmdAsHTMLCode"));
    }

    void placedInLowerRightCornerOfMain() {
        Choice c;
        c.dialog.show();
        const int margin = TwipsToPixels(100, TwipsPerPixel(&c.main));
        const QRect main = c.main.frameGeometry();
        const QRect own = c.dialog.frameGeometry();
        QCOMPARE(main.x() + main.width() - (own.x() + own.width()), margin);
        QCOMPARE(main.y() + main.height() - (own.y() + own.height()), margin);

        // Shown again after the main window moved: follows it.
        c.dialog.hide();
        c.main.move(40, 30);
        c.dialog.show();
        const QRect moved = c.main.frameGeometry();
        QCOMPARE(moved.x() + moved.width() - c.dialog.frameGeometry().right() - 1, margin);
        QCOMPARE(moved.y() + moved.height() - c.dialog.frameGeometry().bottom() - 1, margin);
    }
};

QTEST_MAIN(TestFrmHowToView)
#include "test_frm_how_to_view.moc"
