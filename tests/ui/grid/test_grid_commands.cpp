#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "../main_test_files.h"
#include "core/grid/span_rules.h"
#include "ui/commands/grid_commands.h"
#include "ui/grid/pic_table.h"

using namespace tabloom;

namespace {

// The grid's frame is 2 pixels wide; the tests speak in inner positions.
constexpr int kFrame = 2;

QPoint Widget(int x, int y) { return {x + kFrame, y + kFrame}; }

// Whether target is among the accessible descendants of from.
bool Reaches(QAccessibleInterface* from, QObject* target, int depth) {
    if (from == nullptr || depth < 0) return false;
    if (from->object() == target) return true;
    for (int i = 0; i < from->childCount(); ++i) {
        if (Reaches(from->child(i), target, depth - 1)) return true;
    }
    return false;
}

struct Started : StartedMain {
    const TableSpec& Table() { return window->Table(); }
    PicTable* grid = Find<PicTable>("picTable");
};

}  // namespace

// The grid in the main window: clicks, keys, dimensions, place markers and
// row and column edits, driven through the real widgets.
class TestGridCommands : public QObject {
    Q_OBJECT

  private slots:
    // Inner area 517 x 231: cells 84 x 36, (1, 1) from (14, 14) to (96, 48);
    // a 2 x 2 block at (2, 2) from (98, 50) to (264, 120).
    void clicks_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("cell") << QPoint(30, 30) << int(Qt::LeftButton) << 1 << 1;
        QTest::newRow("right button") << QPoint(300, 200) << int(Qt::RightButton) << 6 << 4;
        QTest::newRow("inside span") << QPoint(250, 110) << int(Qt::LeftButton) << 2 << 2;
    }
    void clicks() {
        QFETCH(QPoint, at);
        QFETCH(int, button);
        QFETCH(int, row);
        QFETCH(int, col);
        Started f;
        Edit(*f.window, [&](TableSpec& t) { ApplySpans(t, 2, 2, 2, 2); });
        f.window->State().intRow = 0;
        f.window->State().intCol = 0;
        QTest::mouseClick(f.grid, Qt::MouseButton(button), {}, Widget(at.x(), at.y()));
        QCOMPARE(int(f.window->State().intRow), row);
        QCOMPARE(int(f.window->State().intCol), col);
        QCOMPARE(int(f.window->Grid().CurrentRow()), row);
        QCOMPARE(int(f.window->Grid().CurrentCol()), col);
        // The clicked cell is outlined in the table text colour.
        const CellSpec& cell = f.Table().At(row, col);
        QCOMPARE(f.grid->Image().pixelColor(cell.intLeft, cell.intTop), QColor(Qt::black));
    }

    void pixels() {
        Started f;
        Edit(*f.window, [](TableSpec& t) {
            CellSpec& cell = t.At(1, 1);
            cell.lngTextColor = 0xFF0000;  // blue
            cell.lngBgColor = 0x0000FF;    // red
            cell.strContent = "WWW";
        });
        const QImage shown = f.grid->grab().toImage();
        const QImage& image = f.grid->Image();
        struct Probe {
            QPoint at;
            QColor colour;
        };
        for (const Probe& p : {Probe{{60, 40}, QColor(255, 0, 0)},        // own fill
                               Probe{{200, 40}, QColor(255, 255, 255)},   // table fill
                               Probe{{97, 40}, QColor(127, 127, 127)},    // grid line
                               Probe{{300, 230}, QColor(192, 192, 192)},  // strip
                               Probe{{3, 3}, QColor(127, 127, 127)}}) {
            QCOMPARE(image.pixelColor(p.at), p.colour);
            // What is painted on the screen is the retained picture.
            QCOMPARE(shown.pixelColor(p.at + QPoint(kFrame, kFrame)), p.colour);
        }
        bool text = false;
        for (int y = 14; y < 30 && !text; ++y) {
            for (int x = 14; x < 60 && !text; ++x) {
                const QColor c = image.pixelColor(x, y);
                text = c.blue() > 128 && c.red() < 128;
            }
        }
        QVERIFY(text);
    }

    void dimensionsAndMarkers_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("absent");
        QTest::newRow("grow rows") << 7 << 6 << "R7C1"
                                   << "R8C1";
        QTest::newRow("shrink") << 2 << 3 << "R2C3"
                                << "R3C1";
    }
    void dimensionsAndMarkers() {
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(QString, present);
        QFETCH(QString, absent);
        Started f;
        f.Find<QCheckBox>("chkAddPlaceMarkers")->click();
        QCOMPARE(QString::fromStdString(f.Table().At(6, 6).strContent), QString("R6C6"));
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(rows - 1);
        f.Find<QComboBox>("cboNumberOfColumns")->setCurrentIndex(cols - 1);
        QCOMPARE(int(f.Table().intNumRows), rows);
        QCOMPARE(int(f.Table().intNumCols), cols);
        f.ChooseOutput(f.Path("t.htm"));
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        const QByteArray html = ReadBytes(f.Path("t.htm"));
        QVERIFY(html.contains(present.toLatin1()));
        QVERIFY(!html.contains(absent.toLatin1()));
        // The grid shows the table's new shape: its last row ends at the grid's bottom.
        const CellSpec& last = f.Table().At(rows, cols);
        QCOMPARE(int(last.intBottom), rows * f.window->CellHeight() + 12);

        f.Find<QCheckBox>("chkAddPlaceMarkers")->click();
        QVERIFY(f.Table().At(1, 1).strContent.empty());
    }

    void keyboard_data() {
        QTest::addColumn<QList<int>>("keys");  // key | modifiers
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("down over span") << QList<int>{Qt::Key_Right, Qt::Key_Down} << 4 << 2;
        QTest::newRow("left edge") << QList<int>{Qt::Key_Left} << 1 << 1;
    }
    void keyboard() {
        QFETCH(QList<int>, keys);
        QFETCH(int, row);
        QFETCH(int, col);
        Started f;
        Edit(*f.window, [&](TableSpec& t) { ApplySpans(t, 1, 2, 3, 2); });
        f.grid->setFocus();
        for (int key : keys) {
            QTest::keyClick(f.grid, Qt::Key(key & ~int(Qt::KeyboardModifierMask)),
                            Qt::KeyboardModifiers(key & int(Qt::KeyboardModifierMask)));
        }
        QCOMPARE(int(f.window->Grid().CurrentRow()), row);
        QCOMPARE(int(f.window->Grid().CurrentCol()), col);
        QVERIFY(f.grid->accessibleDescription().startsWith(
            QString("Row %1, column %2").arg(row).arg(col)));
    }

    void commandKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("opens");  // the window opened on the cell, if any
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "frmCellInfo";
        QTest::newRow("shift f10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << "frmCopyCell";
        QTest::newRow("plain f10") << int(Qt::Key_F10) << 0 << "";
    }
    void commandKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, opens);
        Started f;
        Edit(*f.window, [&](TableSpec& t) { ApplySpans(t, 2, 2, 2, 2); });
        f.grid->setFocus();
        QTest::keyClick(f.grid, Qt::Key_Down);
        QTest::keyClick(f.grid, Qt::Key_Right);  // onto the block at (2, 2)
        QTest::keyClick(f.grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QString opened;
        for (QDialog* dialog : f.window->findChildren<QDialog*>()) {
            if (!dialog->isVisible()) continue;
            opened = dialog->objectName();
            dialog->reject();
        }
        QCOMPARE(opened, opens);
        QCOMPARE(int(f.window->State().intRow), 2);
        QCOMPARE(int(f.window->State().intCol), 2);
    }

    // A click makes (1, 1) current, the arrow keys then move to (3, 2): every
    // command on a cell acts there and leaves the keyboard on the grid. Cell
    // (r, c) holds "r,c" at first.
    void commandsActOnTheCurrentCell_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("row");  // a cell that shows where the command acted
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("content");
        const int ctrlShift = int(Qt::ControlModifier | Qt::ShiftModifier);
        QTest::newRow("paste") << int(Qt::Key_V) << int(Qt::ControlModifier) << 3 << 2 << "P";
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << 3 << 2 << "";
        QTest::newRow("insert row") << int(Qt::Key_Up) << ctrlShift << 4 << 2 << "3,2";
        QTest::newRow("delete column") << int(Qt::Key_Delete) << ctrlShift << 3 << 2 << "3,3";
    }
    void commandsActOnTheCurrentCell() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, content);
        Started f;
        for (int r = 1; r <= 6; ++r) {
            for (int c = 1; c <= 6; ++c)
                Edit(*f.window, [&](TableSpec& t) {
                    t.At(r, c).strContent = QString("%1,%2").arg(r).arg(c).toStdString();
                });
        }
        f.clipboard.text = "P\n1\n2\n3\n4";  // five rows: the table grows by one
        QTest::mouseClick(f.grid, Qt::LeftButton, {}, Widget(30, 30));
        f.window->findChild<QDialog*>("frmCellInfo")->reject();
        // Shortcuts reach the grid only while its window is active.
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.grid->setFocus();
        for (Qt::Key move : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right})
            QTest::keyClick(f.grid, move);
        QTest::keyClick(f.grid, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QString::fromStdString(f.Table().At(row, col).strContent), content);
        QCOMPARE(QString::fromStdString(f.Table().At(1, 1).strContent), QString("1,1"));
        QCOMPARE(QApplication::focusWidget(), f.grid);
    }

    void rowAndColumnEdits_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QPoint>("click");  // makes the cell current
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("spanRows");  // of the 2 x 2 block at (2, 2)
        QTest::addColumn<int>("spanCols");
        QTest::newRow("row above") << "Insert row above" << QPoint(30, 100) << 7 << 6 << 3 << 2;
        QTest::newRow("row below") << "Insert row below" << QPoint(30, 100) << 7 << 6 << 2 << 2;
        QTest::newRow("delete row") << "Delete row" << QPoint(30, 100) << 5 << 6 << 1 << 2;
        QTest::newRow("column left") << "Insert column left" << QPoint(200, 30) << 6 << 7 << 2 << 3;
        QTest::newRow("column right")
            << "Insert column right" << QPoint(200, 30) << 6 << 7 << 2 << 2;
        QTest::newRow("delete column") << "Delete column" << QPoint(200, 30) << 6 << 5 << 2 << 1;
    }
    void rowAndColumnEdits() {
        QFETCH(QString, entry);
        QFETCH(QPoint, click);
        QFETCH(int, rows);
        QFETCH(int, cols);
        QFETCH(int, spanRows);
        QFETCH(int, spanCols);
        Started f;
        Edit(*f.window, [&](TableSpec& t) { ApplySpans(t, 2, 2, 2, 2); });
        // Rows are edited from (3, 1), beside the block's last row; columns from
        // (1, 3), above its last column.
        QTest::mouseClick(f.grid, Qt::LeftButton, {}, Widget(click.x(), click.y()));
        QMenu* menu = f.window->GridMenu();
        QVERIFY(menu != nullptr);
        QAction* action = nullptr;
        for (QAction* a : menu->actions()) {
            if (a->text() == entry) action = a;
        }
        QVERIFY(action != nullptr);
        action->trigger();
        QCOMPARE(int(f.Table().intNumRows), rows);
        QCOMPARE(int(f.Table().intNumCols), cols);
        QCOMPARE(int(f.Table().At(2, 2).intRowSpan), spanRows);
        QCOMPARE(int(f.Table().At(2, 2).intColSpan), spanCols);
    }

    void editsRefusedAtTheLimits() {
        Started f;
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(19);
        f.Find<QComboBox>("cboNumberOfColumns")->setCurrentIndex(0);
        // Shortcuts reach the grid only while its window is active.
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.grid->setFocus();
        QTest::keyClick(f.grid, Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(f.grid, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(int(f.Table().intNumRows), 20);
        QCOMPARE(int(f.Table().intNumCols), 1);
        QTest::keyClick(f.grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(int(f.Table().intNumRows), 19);

        // The entries that cannot act are disabled and say why.
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(19);
        f.Find<QComboBox>("cboNumberOfColumns")->setCurrentIndex(18);
        for (QAction* entry : f.window->GridMenu()->actions()) {
            if (!entry->text().startsWith("Insert")) continue;
            const bool row = entry->text().contains("row");
            QCOMPARE(entry->isEnabled(), !row);
            QCOMPARE(entry->toolTip().contains("at most 20 rows"), row);
        }
        f.grid->setFocus();
        QTest::keyClick(f.grid, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(int(f.Table().intNumRows), 20);
    }

    // The open menu can be reached from the window, as a screen reader walks.
    void gridMenuIsInTheAccessibleTree() {
        Started f;
        QMenu* menu = f.window->GridMenu();
        bool found = false;
        QTimer::singleShot(0, menu, [&] {
            found = menu->isVisible() &&
                    Reaches(QAccessible::queryAccessibleInterface(f.window.get()), menu, 8);
            menu->hide();
        });
        f.Find<QToolButton>("cmdGridMenu")->click();
        QVERIFY(found);
    }
};

QTEST_MAIN(TestGridCommands)
#include "test_grid_commands.moc"
