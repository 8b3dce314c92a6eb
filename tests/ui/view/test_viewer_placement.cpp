#include <QtTest>

#include "ui/view/twips.h"
#include "ui/view/viewer_placement.h"

using namespace tabloom;

class TestViewerPlacement : public QObject {
    Q_OBJECT

  private slots:
    void twipsToPixels_data() {
        QTest::addColumn<double>("twips");
        QTest::addColumn<double>("tpp");
        QTest::addColumn<int>("pixels");
        QTest::newRow("96 dpi, rounds up") << 100.0 << 15.0 << 7;
        QTest::newRow("96 dpi, rounds down") << 8000.0 << 15.0 << 533;
        QTest::newRow("broken scale falls back to 96 dpi") << 300.0 << 0.0 << 20;
    }
    void twipsToPixels() {
        QFETCH(double, twips);
        QFETCH(double, tpp);
        QFETCH(int, pixels);
        QCOMPARE(TwipsToPixels(twips, tpp), pixels);
    }

    void view_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("stands on the screen bottom")
            << QRect(100, 50, 800, 600) << QRect(0, 0, 1920, 1080) << QRect(100, 480, 800, 600);
        QTest::newRow("main taller than the screen keeps the top visible")
            << QRect(10, 0, 800, 1200) << QRect(0, 0, 1920, 1080) << QRect(10, 0, 800, 1200);
    }
    void view() {
        QFETCH(QRect, main);
        QFETCH(QRect, screen);
        QFETCH(QRect, expected);
        QCOMPARE(ViewPlacement(main, screen), expected);
    }

    void help_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("viewer");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<double>("tpp");
        QTest::addColumn<QPoint>("mainTopLeft");
        QTest::addColumn<QRect>("expected");
        // At 96 dpi: 300 twips = 20 px, 600 twips = 40 px.
        QTest::newRow("side by side, 300 twips spare at the right")
            << QRect(500, 60, 800, 600) << QRect(0, 0, 640, 480) << QRect(0, 0, 1920, 1080) << 15.0
            << QPoint(20, 60) << QRect(820, 60, 1080, 600);
        QTest::newRow("second screen")
            << QRect(2500, 60, 800, 600) << QRect(0, 0, 640, 480) << QRect(1920, 0, 1920, 1080)
            << 15.0 << QPoint(1940, 60) << QRect(2740, 60, 1080, 600);
        // Screen narrower than main + 600 twips: the width stays; when the kept
        // width does not fit beside the main window the second rule applies.
        QTest::newRow("kept width fits beside")
            << QRect(0, 10, 800, 600) << QRect(5, 5, 9, 300) << QRect(0, 0, 830, 700) << 15.0
            << QPoint(20, 10) << QRect(820, 10, 9, 600);
        QTest::newRow("kept width just too wide: second rule")
            << QRect(0, 10, 800, 600) << QRect(5, 5, 10, 300) << QRect(0, 0, 830, 700) << 15.0
            << QPoint(20, 10) << QRect(513, 10, 317, 600);
        // A main window wider than the screen goes to its left edge.
        QTest::newRow("screen too narrow for both: previous width kept")
            << QRect(0, 10, 800, 600) << QRect(5, 5, 600, 300) << QRect(0, 0, 400, 700) << 15.0
            << QPoint(0, 10) << QRect(513, 10, 600, 600);
    }
    void help() {
        QFETCH(QRect, main);
        QFETCH(QRect, viewer);
        QFETCH(QRect, screen);
        QFETCH(double, tpp);
        QFETCH(QPoint, mainTopLeft);
        QFETCH(QRect, expected);
        const HelpPlacement placement = HelpPlacementFor(main, viewer, screen, tpp);
        QCOMPARE(placement.mainTopLeft, mainTopLeft);
        QCOMPARE(placement.viewer, expected);
    }

    void keptOnScreen_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("expected");  // on a screen (100, 0, 1280, 1024)
        QTest::newRow("inside stays") << QRect(200, 50, 600, 400) << QRect(200, 50, 600, 400);
        QTest::newRow("past the right edge")
            << QRect(800, 50, 596, 400) << QRect(784, 50, 596, 400);
        QTest::newRow("past the bottom and left")
            << QRect(0, 900, 300, 200) << QRect(100, 824, 300, 200);
        QTest::newRow("wider than the screen")
            << QRect(300, 10, 1400, 400) << QRect(100, 10, 1400, 400);
    }
    void keptOnScreen() {
        QFETCH(QRect, frame);
        QFETCH(QRect, expected);
        QCOMPARE(KeptOnScreen(frame, QRect(100, 0, 1280, 1024)), expected);
    }
};

QTEST_MAIN(TestViewerPlacement)
#include "test_viewer_placement.moc"
