#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QtTest>

#include "main_test_files.h"
#include "ui/view/frm_preview.h"

using namespace tabloom;

namespace {

frmPreview* Open(MainFixture& f) {
    f.Find<QPushButton>("cmdPreview")->click();
    return f.window->Preview();
}

QString Shown(frmPreview* preview) {
    return preview->findChild<QTextBrowser*>("txbPreview")->toPlainText();
}

}  // namespace

// The live preview window and its part in the main window.
class TestFrmPreview : public QObject {
    Q_OBJECT

  private slots:
    // Rendered, not shown as code; every kind of change reaches it at the
    // next turn of the event loop, once however many changes came before.
    void followsChangesWithinOneTurn() {
        StartedMain f;
        f.Find<QCheckBox>("chkAddPlaceMarkers")->setChecked(true);
        Edit(*f.window, [&](TableSpec& t) { t.At(1, 1).strContent = "First <b>bold</b>"; });
        frmPreview* preview = Open(f);
        QVERIFY(preview != nullptr && preview->isVisible());
        QVERIFY2(Shown(preview).contains("First bold"), qPrintable(Shown(preview)));
        QVERIFY(Shown(preview).indexOf("First") < Shown(preview).indexOf("R6C6"));
        const std::pair<const char*, QString> changes[] = {
            {"changed", "edit"}, {"pasted", "pasted\tdata"}, {"R7", "a\nb"}};
        for (const auto& [expected, clipboard] : changes) {
            const int renders = preview->RenderCount();
            if (clipboard == "edit") {
                Edit(*f.window, [&](TableSpec& t) { t.At(2, 2).strContent = "changed"; });
                Edit(*f.window, [&](TableSpec& t) { t.At(2, 3).strContent = "twice"; });
            } else {
                f.clipboard.text = clipboard;
                f.window->State().intRow = 6;
                f.window->PasteData();
            }
            QVERIFY(!Shown(preview).contains(expected));
            QCoreApplication::processEvents();
            QVERIFY2(Shown(preview).contains(expected), qPrintable(Shown(preview)));
            QCOMPARE(preview->RenderCount(), renders + 1);
        }
    }

    // Hidden, it costs nothing; shown again (the same window, where the user
    // left it) it shows the table as it is now.
    void hiddenPreviewCostsNothing() {
        StartedMain f;
        frmPreview* preview = Open(f);
        const QRect screen = f.window->screen()->availableGeometry();
        QVERIFY(screen.contains(preview->frameGeometry().topLeft()));
        preview->move(screen.topLeft() + QPoint(40, 50));
        preview->resize(400, 300);
        const QPoint place = preview->pos();
        f.window->ClosePreview();
        QVERIFY(!preview->isVisible());
        const int renders = preview->RenderCount();
        Edit(*f.window, [&](TableSpec& t) { t.At(1, 1).strContent = "while hidden"; });
        QCoreApplication::processEvents();
        QCOMPARE(preview->RenderCount(), renders);
        QCOMPARE(Open(f), preview);
        QVERIFY(Shown(preview).contains("while hidden"));
        QCOMPARE(preview->pos(), place);
        QCOMPARE(preview->size(), QSize(400, 300));
    }

    // Beside the main window, else below it, else only on the screen.
    void firstPlace() {
        const QRect screen(0, 0, 1280, 1024);
        const std::pair<QRect, QPoint> places[] = {{{10, 20, 600, 400}, {618, 20}},
                                                   {{270, 100, 740, 420}, {270, 528}},
                                                   {{100, 300, 1000, 600}, {}}};
        for (const auto& [mainFrame, topLeft] : places) {
            TableSpec table;
            const FixedClock clock(kTestMoment);
            frmPreview preview(table, clock);
            preview.ShowPreview(mainFrame, screen);
            if (!topLeft.isNull()) QCOMPARE(preview.pos(), topLeft);
            QVERIFY(screen.contains(preview.frameGeometry()));
        }
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
