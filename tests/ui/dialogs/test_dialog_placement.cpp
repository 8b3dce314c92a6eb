#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "../main_test_files.h"
#include "ui/main_window/dialog_placement.h"

using namespace tabloom;

class TestDialogPlacement : public QObject {
    Q_OBJECT

  private slots:
    void belowRow_data() {
        QTest::addColumn<QPoint>("frame");
        QTest::addColumn<QPoint>("grid");
        QTest::addColumn<int>("cellHeight");
        QTest::addColumn<int>("row");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<double>("tpp");
        QTest::addColumn<QSize>("dialog");
        QTest::addColumn<QPoint>("expected");
        const QRect screen(0, 0, 1280, 1024);
        // 540 twips are 36 pixels at 96 dpi, 45 at 120 dpi.
        QTest::newRow("first row") << QPoint(100, 50) << QPoint(10, 80) << 30 << 1 << screen << 15.0
                                   << QSize() << QPoint(110, 50 + 80 + 31 + 36);
        QTest::newRow("never below four fifths of the screen")
            << QPoint(100, 500) << QPoint(10, 80) << 30 << 20 << screen << 15.0 << QSize()
            << QPoint(110, 819);
        QTest::newRow("four fifths of a screen lower down")
            << QPoint(100, 1500) << QPoint(10, 80) << 30 << 20 << QRect(0, 1024, 1280, 1024) << 15.0
            << QSize() << QPoint(110, 1024 + 819);
        QTest::newRow("a tall dialog stays on the screen")
            << QPoint(100, 500) << QPoint(10, 80) << 30 << 5 << screen << 15.0 << QSize(600, 500)
            << QPoint(110, 524);
        QTest::newRow("a wide dialog is pulled left onto the screen")
            << QPoint(900, 50) << QPoint(10, 80) << 30 << 1 << screen << 15.0 << QSize(600, 300)
            << QPoint(680, 197);
        QTest::newRow("a window off the left edge brings the dialog back")
            << QPoint(-300, 50) << QPoint(10, 80) << 30 << 1 << screen << 15.0 << QSize(600, 300)
            << QPoint(0, 197);
        QTest::newRow("a dialog larger than the screen shows its top left")
            << QPoint(100, 50) << QPoint(10, 80) << 30 << 1 << screen << 15.0 << QSize(1400, 1100)
            << QPoint(0, 0);
    }
    void belowRow() {
        QFETCH(QPoint, frame);
        QFETCH(QPoint, grid);
        QFETCH(int, cellHeight);
        QFETCH(int, row);
        QFETCH(QRect, screen);
        QFETCH(double, tpp);
        QFETCH(QSize, dialog);
        QFETCH(QPoint, expected);
        RowPlacementInput in;
        in.windowFrameTopLeft = frame;
        in.gridInWindow = grid;
        in.cellHeight = cellHeight;
        in.row = row;
        in.screen = screen;
        in.twipsPerPixel = tpp;
        in.dialogFrame = dialog;
        QCOMPARE(DialogBelowRowPosition(in), expected);
    }

    void belowTheGridOfTheMainWindow() {
        StartedMain f;
        const QPoint gridInWindow = f.window->GridWidget()->mapTo(f.window.get(), QPoint());
        const QPoint first = PlaceDialogBelowRow(*f.window, 1);
        QCOMPARE(first.x(), f.window->frameGeometry().left() + gridInWindow.x());
        // Below the first row of the grid.
        QVERIFY(first.y() >
                f.window->frameGeometry().top() + gridInWindow.y() + f.window->CellHeight());
        const QPoint third = PlaceDialogBelowRow(*f.window, 3);
        QCOMPARE(third.y() - first.y(), 2 * (f.window->CellHeight() + 1));
        const QRect screen = f.window->screen()->geometry();
        const QPoint last = PlaceDialogBelowRow(*f.window, 20, QSize(400, 300));
        QVERIFY(screen.contains(QRect(last, QSize(400, 300))));
    }
};

QTEST_MAIN(TestDialogPlacement)
#include "test_dialog_placement.moc"
