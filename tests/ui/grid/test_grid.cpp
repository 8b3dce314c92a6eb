#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "../main_test_files.h"
#include "core/grid/span_rules.h"
#include "ui/commands/block_commands.h"
#include "ui/commands/grid_commands.h"
#include "ui/grid/pic_table.h"

using namespace tabloom;

namespace {

// The grid's frame is 2 pixels wide; the tests speak in inner positions.
QPoint Widget(int x, int y) { return {x + 2, y + 2}; }

// Whether target is among the accessible descendants of from.
bool Reaches(QAccessibleInterface* from, QObject* target, int depth) {
    if (from == nullptr || depth < 0) return false;
    if (from->object() == target) return true;
    for (int i = 0; i < from->childCount(); ++i) {
        if (Reaches(from->child(i), target, depth - 1)) return true;
    }
    return false;
}

constexpr int kCtrlShift = int(Qt::ControlModifier | Qt::ShiftModifier);
constexpr int kShift = int(Qt::ShiftModifier);
constexpr int kCtrl = int(Qt::ControlModifier);
using Keys = std::vector<int>;  // key | modifiers

struct Started : StartedMain {
    const TableSpec& Table() { return window->Table(); }
    // Shortcuts reach the grid only while its window is active.
    void FocusGrid() {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qFatal("window not active");
        grid->setFocus();
    }
    QWidget* Target() { return editor->IsOpen() ? static_cast<QWidget*>(editor) : grid; }
    // Keys and text go to the editor once it is open.
    void Press(const Keys& keys) {
        for (int key : keys) {
            QTest::keyClick(Target(), Qt::Key(key & ~int(Qt::KeyboardModifierMask)),
                            Qt::KeyboardModifiers(key & int(Qt::KeyboardModifierMask)));
        }
    }
    PicTable* grid = Find<PicTable>("picTable");
    InPlaceEditor* editor = &grid->Editor();
};

// A started window whose 6 x 6 cells hold "r,c", with the grid focused at
// (2, 2).
struct Filled : Started {
    Filled() {
        Edit(*window, [](TableSpec& t) {
            for (int r = 1; r <= 6; ++r) {
                for (int c = 1; c <= 6; ++c) t.At(r, c).strContent = Initial(r, c).toStdString();
            }
        });
        FocusGrid();
        window->Grid().MakeCurrent(2, 2);
    }
    static QString Initial(int r, int c) { return QString("%1,%2").arg(r).arg(c); }
    QString Content(int r, int c) {
        return QString::fromStdString(window->Table().At(r, c).strContent);
    }
    void Type(const QString& text) {
        for (QChar ch : text) QTest::keyClicks(Target(), QString(ch));
    }
    QString Described() const {
        const auto& block = window->Grid().Blocks().Block();
        return block ? QString::fromStdString(DescribeBlock(*block)) : QString();
    }
};

}  // namespace

// The grid in the main window: clicks, keys, row and column edits, typing,
// blocks and the commands on them, driven through the real widgets.
class TestGrid : public QObject {
    Q_OBJECT

  private slots:
    // Enter opens the cell window, Shift+F10 the copy window, on the block
    // at (2, 2) reached by the arrows.
    void commandKeys() {
        struct Case {
            int key;
            QString opens;
        };
        for (const Case& c : {Case{Qt::Key_Return, "frmCellInfo"},
                              Case{Qt::Key_F10 | kShift, "frmCopyCell"}, Case{Qt::Key_F10, ""}}) {
            Started f;
            Edit(*f.window, [&](TableSpec& t) { ApplySpans(t, 2, 2, 2, 2); });
            f.grid->setFocus();
            f.Press({Qt::Key_Down, Qt::Key_Right, c.key});
            QString opened;
            for (QDialog* dialog : f.window->findChildren<QDialog*>()) {
                if (!dialog->isVisible()) continue;
                opened = dialog->objectName();
                dialog->reject();
            }
            QCOMPARE(opened, c.opens);
        }
    }

    // A click makes (1, 1) current, the arrow keys then move to (3, 2): every
    // command on a cell acts there and leaves the keyboard on the grid. Cell
    // (r, c) holds "r,c" at first.
    void commandsActOnTheCurrentCell() {
        struct Case {
            int key;
            int row, col;  // a cell that shows where the command acted
            const char* content;
        };
        for (const Case& c :
             {Case{Qt::Key_V | int(Qt::ControlModifier), 3, 2, "P"}, Case{Qt::Key_Delete, 3, 2, ""},
              Case{Qt::Key_Up | kCtrlShift, 4, 2, "3,2"},         // insert row
              Case{Qt::Key_Delete | kCtrlShift, 3, 2, "3,3"}}) {  // delete column
            Filled f;
            f.clipboard.text = "P\n1\n2\n3\n4";  // five rows: the table grows by one
            QTest::mouseClick(f.grid, Qt::LeftButton, {}, Widget(30, 30));
            f.window->findChild<QDialog*>("frmCellInfo")->reject();
            f.FocusGrid();
            f.Press({Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, c.key});
            QCOMPARE(f.Table().At(c.row, c.col).strContent, std::string(c.content));
            QCOMPARE(QApplication::focusWidget(), f.grid);
        }
    }

    // Rows are edited from (3, 1), beside the last row of the 2 x 2 block at
    // (2, 2); columns from (1, 3), above its last column.
    void rowAndColumnEdits() {
        struct Case {
            const char* entry;
            QPoint click;
            int rows, cols, spanRows, spanCols;
        };
        const QPoint row3(30, 100);
        const QPoint col3(200, 30);
        for (const Case& c :
             {Case{"Insert row below", row3, 7, 6, 2, 2}, Case{"Delete row", row3, 5, 6, 1, 2},
              Case{"Insert column left", col3, 6, 7, 2, 3},
              Case{"Insert column right", col3, 6, 7, 2, 2},
              Case{"Delete column", col3, 6, 5, 2, 1}}) {
            Started f;
            Edit(*f.window, [&](TableSpec& t) { ApplySpans(t, 2, 2, 2, 2); });
            QTest::mouseClick(f.grid, Qt::LeftButton, {}, Widget(c.click.x(), c.click.y()));
            int triggered = 0;
            for (QAction* a : f.window->GridMenu()->actions()) {
                if (a->text() != c.entry) continue;
                a->trigger();
                ++triggered;
            }
            QCOMPARE(triggered, 1);
            const TableSpec& t = f.Table();
            QCOMPARE(QPoint(t.intNumRows, t.intNumCols), QPoint(c.rows, c.cols));
            QCOMPARE(QPoint(t.At(2, 2).intRowSpan, t.At(2, 2).intColSpan),
                     QPoint(c.spanRows, c.spanCols));
        }
    }

    void editsRefusedAtTheLimits() {
        Started f;
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(19);
        f.Find<QComboBox>("cboNumberOfColumns")->setCurrentIndex(0);
        f.FocusGrid();
        f.Press({Qt::Key_Down | kCtrlShift, Qt::Key_Delete | kCtrlShift});
        QCOMPARE(QPoint(f.Table().intNumRows, f.Table().intNumCols), QPoint(20, 1));
        f.Press({Qt::Key_Delete | int(Qt::ControlModifier)});
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
        f.Press({Qt::Key_Up | kCtrlShift});
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

    // A commit that changes the cell is one undo step, and it undoes.
    void typingInPlace() {
        struct Case {
            Keys before;  // keys on the grid first
            QString typed;
            Keys after;  // the keys that end the edit
            int row, col;
            QString content;
            QPoint current;
        };
        const int bs = Qt::Key_Backspace;
        const int shiftReturn = Qt::Key_Return | kShift;
        for (const Case& c :
             {Case{{}, " ab ", {Qt::Key_Return}, 2, 2, "ab", {3, 2}},
              Case{{Qt::Key_End}, "x", {Qt::Key_Tab}, 2, 6, "x", {3, 1}},  // wraps on
              Case{{Qt::Key_Home}, "y", {Qt::Key_Tab | kShift}, 2, 1, "y", {1, 6}},
              Case{{}, "z", {Qt::Key_Escape}, 2, 2, "2,2", {2, 2}},
              Case{{Qt::Key_F2}, "!", {Qt::Key_Return}, 2, 2, "2,2!", {3, 2}},
              Case{{}, "a", {shiftReturn, Qt::Key_B, Qt::Key_Tab}, 2, 2, "a\r\nb", {2, 3}},
              Case{{Qt::Key_F2, bs, bs, bs}, "", {Qt::Key_Return}, 2, 2, "", {3, 2}}}) {
            Filled f;
            f.Press(c.before);
            f.Type(c.typed);
            f.Press(c.after);
            QVERIFY(!f.editor->IsOpen());
            QCOMPARE(f.Content(c.row, c.col), c.content);
            QCOMPARE(QPoint(f.window->Grid().CurrentRow(), f.window->Grid().CurrentCol()),
                     c.current);
            const QString initial = Filled::Initial(c.row, c.col);
            QCOMPARE(f.window->Document().StepCount(), c.content != initial ? 1 : 0);
            f.window->Document().Undo();
            QCOMPARE(f.Content(c.row, c.col), initial);
        }
    }

    // The editor takes the cell's colours, holds at most 2048 characters and
    // a click elsewhere keeps what was typed.
    void editorLimitsAndClickAway() {
        Filled f;
        Edit(*f.window, [&](TableSpec& t) {
            t.At(2, 2).lngTextColor = 0x0000FF;
            t.At(2, 2).lngBgColor = 0x00FF00;
        });
        f.Type("q");
        QCOMPARE(f.editor->palette().color(QPalette::Base), QColor(0, 255, 0));
        f.editor->insertPlainText(QString(3000, 'w'));
        QCOMPARE(f.editor->toPlainText().size(), intMaxContentLength);
        f.grid->setFocus(Qt::MouseFocusReason);
        QVERIFY(!f.editor->IsOpen());
        QCOMPARE(f.Content(2, 2).size(), intMaxContentLength);
    }

    // From (2, 2), with a span over (4, 3) and (5, 3).
    void selectingBlocks() {
        struct Case {
            Keys keys;
            QString described;  // empty: no block
        };
        for (const Case& c :
             {Case{{Qt::Key_Right | kShift, Qt::Key_Down | kShift}, "rows 2 to 3, columns 2 to 3"},
              Case{{Qt::Key_Down | kShift, Qt::Key_Down | kShift, Qt::Key_Right | kShift},
                   "rows 2 to 5, columns 2 to 3"},  // grows to hold the span
              Case{{Qt::Key_Left | kShift, Qt::Key_Up | kShift}, "rows 1 to 2, columns 1 to 2"},
              Case{{Qt::Key_A | kCtrl}, "rows 1 to 6, columns 1 to 6"},
              Case{{Qt::Key_Right | kShift, Qt::Key_Right}, ""},
              Case{{Qt::Key_Down | kShift, Qt::Key_Escape}, ""}}) {
            Filled f;
            Edit(*f.window, [](TableSpec& t) { ApplySpans(t, 4, 3, 2, 1); });
            f.Press(c.keys);
            const QString expected = c.described.isEmpty() ? QString() : c.described + " selected";
            QCOMPARE(f.Described(), expected);
            QCOMPARE(f.grid->BlockArea().isEmpty(), c.described.isEmpty());
            if (!c.described.isEmpty()) QCOMPARE(f.grid->accessibleDescription(), expected);
        }
    }

    // A press and release on one cell is a click; across cells a drag
    // selects; Shift+click reaches from the current cell.
    void pointerSelection() {
        Filled f;
        // Cells are 84 x 36 from (14, 14), inside a frame of 2.
        auto at = [](int row, int col) {
            return QPoint(14 + 84 * (col - 1) + 42, 14 + 36 * (row - 1) + 20);
        };
        QTest::mousePress(f.grid, Qt::LeftButton, {}, at(1, 1));
        QMouseEvent move(QEvent::MouseMove, at(3, 2), f.grid->mapToGlobal(at(3, 2)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.grid, &move);
        QTest::mouseRelease(f.grid, Qt::LeftButton, {}, at(3, 2));
        QCOMPARE(f.Described(), QString("rows 1 to 3, columns 1 to 2 selected"));
        QTest::mouseClick(f.grid, Qt::LeftButton, Qt::ShiftModifier, at(4, 4));
        QCOMPARE(f.Described(), QString("rows 1 to 4, columns 1 to 4 selected"));
        QTest::mouseClick(f.grid, Qt::LeftButton, {}, at(5, 5));
        QCOMPARE(f.Described(), QString());
        auto* dialog = f.window->findChild<QDialog*>("frmCellInfo");
        QVERIFY(dialog && dialog->isVisible());
        dialog->reject();
    }

    // On the block rows 2 to 3, columns 2 to 3; each change is one undo step.
    void blockCommands() {
        struct Case {
            int key;
            QString topLeft, bottomRight;  // contents of (2, 2) and (3, 3) afterwards
            QString copied;                // the clipboard's text afterwards
        };
        const QString block = "2,2\t2,3\n3,2\t3,3\n";
        for (const Case& c :
             {Case{Qt::Key_M | kCtrl, "2,2\r\n2,3\r\n3,2\r\n3,3", "", "P"},
              Case{Qt::Key_Delete, "", "", "P"}, Case{Qt::Key_C | kCtrl, "2,2", "3,3", block},
              Case{Qt::Key_X | kCtrl, "", "", block},
              Case{Qt::Key_V | kCtrl, "P", "3,3", "P"}}) {  // at the top left
            Filled f;
            f.clipboard.text = "P";
            f.Press({Qt::Key_Down | kShift, Qt::Key_Right | kShift, Qt::Key_Down | kShift,
                     Qt::Key_Up | kShift});
            f.window->Grid().MakeCurrent(3, 3);  // paste goes to the block, not here
            f.Press({c.key});
            QCOMPARE(f.Content(2, 2), c.topLeft);
            QCOMPARE(f.Content(3, 3), c.bottomRight);
            QCOMPARE(f.clipboard.text, c.copied);
            QCOMPARE(f.window->Document().StepCount(), c.key != (Qt::Key_C | kCtrl) ? 1 : 0);
            f.window->Document().Undo();
            QCOMPARE(f.Content(2, 2) + f.Content(3, 3), QString("2,23,3"));
        }
    }

    // A merge takes in the spans the block touches; Split turns the spanning
    // cell back into single cells.
    void mergeOverSpansAndSplit() {
        Filled f;
        Edit(*f.window, [](TableSpec& t) { ApplySpans(t, 3, 3, 2, 2); });
        f.window->Grid().Blocks().Select(1, 1, 3, 3);
        f.Press({Qt::Key_M | kCtrl});
        const CellSpec& topLeft = f.window->Table().At(1, 1);
        QCOMPARE(QPoint(topLeft.intRowSpan, topLeft.intColSpan), QPoint(4, 4));
        f.window->Grid().MakeCurrent(1, 1);
        f.Press({Qt::Key_M | kCtrl | kShift});
        QCOMPARE(f.window->Table().At(1, 1).intRowSpan + f.window->Table().At(3, 3).intRowSpan, 2);
    }
};

QTEST_MAIN(TestGrid)
#include "test_grid.moc"
