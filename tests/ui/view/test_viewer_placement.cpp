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
        QTest::newRow("96 dpi, exact") << 300.0 << 15.0 << 20;
        QTest::newRow("96 dpi, rounds up") << 100.0 << 15.0 << 7;
        QTest::newRow("96 dpi, rounds down") << 8000.0 << 15.0 << 533;
        QTest::newRow("120 dpi") << 100.0 << 12.0 << 8;
        QTest::newRow("144 dpi") << 2000.0 << 10.0 << 200;
        QTest::newRow("negative") << -600.0 << 15.0 << -40;
        QTest::newRow("broken scale falls back to 96 dpi") << 300.0 << 0.0 << 20;
    }
    void twipsToPixels() {
        QFETCH(double, twips);
        QFETCH(double, tpp);
        QFETCH(int, pixels);
        QCOMPARE(TwipsToPixels(twips, tpp), pixels);
    }

    void twipsPerPixelOfScreen() {
        QWidget widget;
        const double tpp = TwipsPerPixel(&widget);
        QVERIFY(tpp > 0.0);
        QCOMPARE(TwipsPerPixel(nullptr), tpp);  // one screen here
        QCOMPARE(qRound(1440.0 / tpp), qRound(widget.screen()->logicalDotsPerInch()));
    }

    void lowerRight_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QSize>("own");
        QTest::addColumn<double>("tpp");
        QTest::addColumn<QPoint>("expected");
        // 100 twips are 7 pixels at 96 dpi and 8 at 120 dpi.
        QTest::newRow("96 dpi") << QRect(100, 50, 800, 600) << QSize(300, 200) << 15.0
                                << QPoint(593, 443);
        QTest::newRow("120 dpi") << QRect(100, 50, 800, 600) << QSize(300, 200) << 12.0
                                 << QPoint(592, 442);
        QTest::newRow("second screen")
            << QRect(2000, 0, 1000, 700) << QSize(400, 250) << 15.0 << QPoint(2593, 443);
        QTest::newRow("larger than main")
            << QRect(0, 0, 200, 100) << QSize(300, 200) << 15.0 << QPoint(-107, -107);
    }
    void lowerRight() {
        QFETCH(QRect, main);
        QFETCH(QSize, own);
        QFETCH(double, tpp);
        QFETCH(QPoint, expected);
        QCOMPARE(LowerRightPlacement(main, own, tpp), expected);
    }

    void view_data() {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("stands on the screen bottom")
            << QRect(100, 50, 800, 600) << QRect(0, 0, 1920, 1080) << QRect(100, 480, 800, 600);
        QTest::newRow("screen below a panel")
            << QRect(100, 50, 800, 600) << QRect(0, 30, 1920, 1050) << QRect(100, 480, 800, 600);
        QTest::newRow("main taller than the screen keeps the top visible")
            << QRect(10, 0, 800, 1200) << QRect(0, 0, 1920, 1080) << QRect(10, 0, 800, 1200);
        QTest::newRow("second screen") << QRect(2000, 100, 640, 480) << QRect(1920, 0, 1280, 1024)
                                       << QRect(2000, 544, 640, 480);
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
        QTest::newRow("side by side at 120 dpi")
            << QRect(500, 60, 800, 600) << QRect(0, 0, 640, 480) << QRect(0, 0, 1920, 1080) << 12.0
            << QPoint(25, 60) << QRect(825, 60, 1070, 600);
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
        QTest::newRow("second rule runs to the right edge")
            << QRect(0, 10, 800, 600) << QRect(5, 5, 600, 300) << QRect(0, 0, 820, 700) << 15.0
            << QPoint(20, 10) << QRect(513, 10, 307, 600);
        QTest::newRow("screen too narrow for both: previous width kept")
            << QRect(0, 10, 800, 600) << QRect(5, 5, 600, 300) << QRect(0, 0, 400, 700) << 15.0
            << QPoint(20, 10) << QRect(513, 10, 600, 600);
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

    void minimumSize_data() {
        QTest::addColumn<double>("tpp");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("96 dpi") << 15.0 << QSize(533, 133);
        QTest::newRow("120 dpi") << 12.0 << QSize(667, 167);
    }
    void minimumSize() {
        QFETCH(double, tpp);
        QFETCH(QSize, expected);
        QCOMPARE(ViewerMinimumSize(tpp), expected);
    }

    void controls_data() {
        QTest::addColumn<QSize>("inner");
        QTest::addColumn<int>("copyTwips");
        QTest::addColumn<QRect>("text");
        QTest::addColumn<QRect>("copy");
        QTest::addColumn<int>("closeLeft");
        // 96 dpi: text box 320 / 1200 twips = 21 / 80 px smaller than the
        // window, buttons 100 twips = 7 px below it, copy button at 300 = 20 px,
        // close button 400 = 27 px plus its width from the right.
        QTest::newRow("short caption")
            << QSize(800, 400) << kCopyButtonWidthTwips << QRect(11, 8, 779, 320)
            << QRect(20, 335, 218, 33) << 800 - 81 - 27;
        QTest::newRow("long caption")
            << QSize(1000, 700) << kCopySelectedButtonWidthTwips << QRect(11, 8, 979, 620)
            << QRect(20, 635, 295, 33) << 1000 - 81 - 27;
    }
    void controls() {
        QFETCH(QSize, inner);
        QFETCH(int, copyTwips);
        QFETCH(QRect, text);
        QFETCH(QRect, copy);
        QFETCH(int, closeLeft);
        const ViewerLayout layout = ViewerControlsLayout(inner, copyTwips, 15.0);
        QCOMPARE(layout.text, text);
        QCOMPARE(layout.copyButton, copy);
        QCOMPARE(layout.closeButton.x(), closeLeft);
        QCOMPARE(layout.closeButton.y(), copy.y());
    }
};

QTEST_MAIN(TestViewerPlacement)
#include "test_viewer_placement.moc"
