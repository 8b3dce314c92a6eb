#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QtTest>

#include "main_test_files.h"
#include "ui/view/frm_preview.h"

using namespace tabloom;

// The live preview window and its part in the main window.
class TestFrmPreview : public QObject {
    Q_OBJECT

  private:
    static frmPreview* Open(MainFixture& f) {
        f.Find<QPushButton>("cmdPreview")->click();
        return f.window->Preview();
    }
    static QString Shown(frmPreview* preview) {
        return preview->findChild<QTextBrowser*>("txbPreview")->toPlainText();
    }
    // Lets the event loop run one turn.
    static void OneTurn() { QCoreApplication::processEvents(); }

  private slots:
    void showsTheTableAsCreateWritesIt() {
        StartedMain f;
        Edit(*f.window, [&](TableSpec& t) { t.At(1, 1).strContent = "First <b>bold</b>"; });
        Edit(*f.window, [&](TableSpec& t) { t.At(6, 6).strContent = "Last"; });
        frmPreview* preview = Open(f);
        QVERIFY(preview != nullptr && preview->isVisible());
        const QString text = Shown(preview);
        QVERIFY2(text.contains("First bold"), qPrintable(text));  // rendered, not as code
        QVERIFY(text.indexOf("First") < text.indexOf("Last"));
    }

    // Every kind of change reaches the preview at the next turn of the
    // event loop, once however many changes came before.
    void followsChangesWithinOneTurn_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("drawn again") << 0 << "changed";
        QTest::newRow("paste") << 1 << "pasted";
        QTest::newRow("more rows") << 2 << "R7";
    }
    void followsChangesWithinOneTurn() {
        QFETCH(int, kind);
        QFETCH(QString, expected);
        StartedMain f;
        f.Find<QCheckBox>("chkAddPlaceMarkers")->setChecked(true);
        frmPreview* preview = Open(f);
        const int renders = preview->RenderCount();
        switch (kind) {
            case 0:
                Edit(*f.window, [&](TableSpec& t) { t.At(2, 2).strContent = "changed"; });
                break;
            case 1:
                f.clipboard.text = "pasted\tdata";
                f.window->PasteData();
                break;
            default:
                f.clipboard.text = "a\nb";
                f.window->State().intRow = 6;
                f.window->PasteData();
                break;
        }
        QVERIFY(!Shown(preview).contains(expected));
        OneTurn();
        QVERIFY2(Shown(preview).contains(expected), qPrintable(Shown(preview)));
        QCOMPARE(preview->RenderCount(), renders + 1);
    }

    void hiddenPreviewCostsNothing() {
        StartedMain f;
        frmPreview* preview = Open(f);
        f.window->ClosePreview();
        QVERIFY(!preview->isVisible());
        const int renders = preview->RenderCount();
        Edit(*f.window, [&](TableSpec& t) { t.At(1, 1).strContent = "while hidden"; });
        OneTurn();
        QCOMPARE(preview->RenderCount(), renders);
        // Shown again, it shows the table as it is now.
        Open(f);
        QVERIFY(Shown(preview).contains("while hidden"));
    }

    void keepsPlaceAndSize() {
        StartedMain f;
        frmPreview* preview = Open(f);
        const QRect screen = f.window->screen()->availableGeometry();
        QVERIFY(screen.contains(preview->frameGeometry().topLeft()));
        preview->move(screen.topLeft() + QPoint(40, 50));
        preview->resize(400, 300);
        const QPoint place = preview->pos();
        preview->close();
        QCOMPARE(Open(f), preview);  // the same window again
        QCOMPARE(preview->pos(), place);
        QCOMPARE(preview->size(), QSize(400, 300));
    }

    void firstPlace_data() {
        QTest::addColumn<QRect>("mainFrame");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("topLeft");
        const QRect screen(0, 0, 1280, 1024);
        QTest::newRow("beside") << QRect(10, 20, 600, 400) << screen << QPoint(618, 20);
        QTest::newRow("below") << QRect(270, 100, 740, 420) << screen << QPoint(270, 528);
        QTest::newRow("over, at the right edge")
            << QRect(100, 300, 1000, 600) << screen << QPoint();  // only on screen
    }
    void firstPlace() {
        QFETCH(QRect, mainFrame);
        QFETCH(QRect, screen);
        QFETCH(QPoint, topLeft);
        TableSpec table;
        const FixedClock clock(kTestMoment);
        frmPreview preview(table, clock);
        preview.ShowPreview(mainFrame, screen);
        if (!topLeft.isNull()) QCOMPARE(preview.pos(), topLeft);
        QVERIFY(screen.contains(preview.frameGeometry()));
    }

    void f5OpensThePreview() {
        StartedMain f;
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::keyClick(f.window.get(), Qt::Key_F5);
        QVERIFY(f.window->Preview() != nullptr && f.window->Preview()->isVisible());
    }
};

QTEST_MAIN(TestFrmPreview)
#include "test_frm_preview.moc"
