#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QtTest>

#include "../main_test_files.h"
#include "core/grid/span_rules.h"
#include "ui/commands/block_commands.h"
#include "ui/commands/grid_commands.h"
#include "ui/grid/pic_table.h"

using namespace tabloom;

namespace {

constexpr int kShift = int(Qt::ShiftModifier);
constexpr int kCtrl = int(Qt::ControlModifier);
constexpr int kFrame = 2;

// A started window whose 6 x 6 cells hold "r,c", with the grid focused at
// (2, 2).
struct Filled : StartedMain {
    Filled() {
        Edit(*window, [](TableSpec& t) {
            for (int r = 1; r <= 6; ++r) {
                for (int c = 1; c <= 6; ++c) {
                    t.At(r, c).strContent = QString("%1,%2").arg(r).arg(c).toStdString();
                }
            }
        });
        // Shortcuts reach the grid only while its window is active.
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qFatal("window not active");
        grid->setFocus();
        window->Grid().MakeCurrent(2, 2);
    }
    const std::string& Cell(int r, int c) { return window->Table().At(r, c).strContent; }
    QString Content(int r, int c) { return QString::fromStdString(Cell(r, c)); }

    // Keys as key | modifiers; text goes to the editor once it is open.
    void Press(const QList<int>& keys) {
        for (int key : keys) {
            QWidget* to = editor->IsOpen() ? static_cast<QWidget*>(editor) : grid;
            QTest::keyClick(to, Qt::Key(key & ~int(Qt::KeyboardModifierMask)),
                            Qt::KeyboardModifiers(key & int(Qt::KeyboardModifierMask)));
        }
    }
    void Type(const QString& text) {
        for (QChar ch : text) {
            QWidget* to = editor->IsOpen() ? static_cast<QWidget*>(editor) : grid;
            QTest::keyClicks(to, QString(ch));
        }
    }
    QString Described() const {
        const auto& block = window->Grid().Blocks().Block();
        return block ? QString::fromStdString(DescribeBlock(*block)) : QString();
    }

    PicTable* grid = Find<PicTable>("picTable");
    InPlaceEditor* editor = &grid->Editor();
};

}  // namespace

// Typing into the grid, selecting blocks and the commands on them, driven
// through the real grid of the main window.
class TestGridEditing : public QObject {
    Q_OBJECT

  private slots:
    void typingInPlace_data() {
        QTest::addColumn<QList<int>>("before");  // keys on the grid first
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("after");  // the keys that end the edit
        QTest::addColumn<int>("row");           // the edited cell
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QPoint>("current");  // the current cell afterwards
        using L = QList<int>;
        QTest::newRow("enter moves down")
            << L{} << " ab " << L{Qt::Key_Return} << 2 << 2 << "ab" << QPoint(3, 2);
        QTest::newRow("tab wraps to next row")
            << L{Qt::Key_End} << "x" << L{Qt::Key_Tab} << 2 << 6 << "x" << QPoint(3, 1);
        QTest::newRow("shift tab wraps back")
            << L{Qt::Key_Home} << "y" << L{Qt::Key_Tab | kShift} << 2 << 1 << "y" << QPoint(1, 6);
        QTest::newRow("escape cancels")
            << L{} << "z" << L{Qt::Key_Escape} << 2 << 2 << "2,2" << QPoint(2, 2);
        QTest::newRow("f2 keeps the text")
            << L{Qt::Key_F2} << "!" << L{Qt::Key_Return} << 2 << 2 << "2,2!" << QPoint(3, 2);
        QTest::newRow("shift enter breaks the line")
            << L{} << "a" << L{Qt::Key_Return | kShift, Qt::Key_B, Qt::Key_Tab} << 2 << 2
            << "a\r\nb" << QPoint(2, 3);
        QTest::newRow("emptied cell")
            << L{Qt::Key_F2, Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Backspace} << ""
            << L{Qt::Key_Return} << 2 << 2 << "" << QPoint(3, 2);
    }
    void typingInPlace() {
        QFETCH(QList<int>, before);
        QFETCH(QString, typed);
        QFETCH(QList<int>, after);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(QString, content);
        QFETCH(QPoint, current);
        Filled f;
        f.Press(before);
        f.Type(typed);
        if (!typed.isEmpty() || before.contains(Qt::Key_F2)) QVERIFY(f.editor->IsOpen());
        f.Press(after);
        QVERIFY(!f.editor->IsOpen());
        QCOMPARE(f.Content(row, col), content.toLower());
        QCOMPARE(QPoint(f.window->Grid().CurrentRow(), f.window->Grid().CurrentCol()), current);
        // One undo step for a commit that changed the cell, and it undoes.
        const bool changed = content != QString("%1,%2").arg(row).arg(col);
        QCOMPARE(f.window->Document().StepCount(), changed ? 1 : 0);
        f.window->Document().Undo();
        QCOMPARE(f.Content(row, col), QString("%1,%2").arg(row).arg(col));
    }

    // The editor takes the cell's colours, holds at most 2048 characters and
    // a click elsewhere keeps what was typed.
    void editorLimitsAndClickAway() {
        Filled f;
        Edit(*f.window, [&](TableSpec& t) { t.At(2, 2).lngTextColor = 0x0000FF; });
        Edit(*f.window, [&](TableSpec& t) { t.At(2, 2).lngBgColor = 0x00FF00; });
        f.Type("q");
        QCOMPARE(f.editor->palette().color(QPalette::Base), QColor(0, 255, 0));
        QCOMPARE(f.editor->palette().color(QPalette::Text), QColor(255, 0, 0));
        f.editor->insertPlainText(QString(3000, 'w'));
        QCOMPARE(f.editor->toPlainText().size(), intMaxContentLength);
        f.grid->setFocus(Qt::MouseFocusReason);
        QVERIFY(!f.editor->IsOpen());
        QCOMPARE(f.Content(2, 2).size(), intMaxContentLength);
    }

    // From (2, 2), with a span over (4, 3) and (5, 3).
    void selectingBlocks_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("described");  // empty: no block
        using L = QList<int>;
        QTest::newRow("shift arrows")
            << L{Qt::Key_Right | kShift, Qt::Key_Down | kShift} << "rows 2 to 3, columns 2 to 3";
        QTest::newRow("grows to hold a span")
            << L{Qt::Key_Down | kShift, Qt::Key_Down | kShift, Qt::Key_Right | kShift}
            << "rows 2 to 5, columns 2 to 3";
        QTest::newRow("back over the anchor")
            << L{Qt::Key_Left | kShift, Qt::Key_Up | kShift} << "rows 1 to 2, columns 1 to 2";
        QTest::newRow("ctrl a") << L{Qt::Key_A | kCtrl} << "rows 1 to 6, columns 1 to 6";
        QTest::newRow("arrow alone ends it") << L{Qt::Key_Right | kShift, Qt::Key_Right} << "";
        QTest::newRow("escape ends it") << L{Qt::Key_Down | kShift, Qt::Key_Escape} << "";
    }
    void selectingBlocks() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, described);
        Filled f;
        Edit(*f.window, [](TableSpec& t) { ApplySpans(t, 4, 3, 2, 1); });
        f.Press(keys);
        const QString expected = described.isEmpty() ? QString() : described + " selected";
        QCOMPARE(f.Described(), expected);
        QCOMPARE(f.grid->BlockArea().isEmpty(), described.isEmpty());
        if (!described.isEmpty()) QCOMPARE(f.grid->accessibleDescription(), expected);
    }

    // A press and release on one cell is a click; across cells a drag
    // selects; Shift+click reaches from the current cell.
    void pointerSelection() {
        Filled f;
        // Cells are 84 x 36 from (14, 14).
        auto at = [](int row, int col) {
            return QPoint(14 + 84 * (col - 1) + 40 + kFrame, 14 + 36 * (row - 1) + 18 + kFrame);
        };
        QTest::mousePress(f.grid, Qt::LeftButton, {}, at(1, 1));
        QMouseEvent move(QEvent::MouseMove, at(3, 2), f.grid->mapToGlobal(at(3, 2)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.grid, &move);
        QTest::mouseRelease(f.grid, Qt::LeftButton, {}, at(3, 2));
        QCOMPARE(f.Described(), QString("rows 1 to 3, columns 1 to 2 selected"));
        QVERIFY(!f.window->findChild<QDialog*>("frmCellInfo"));
        QTest::mouseClick(f.grid, Qt::LeftButton, Qt::ShiftModifier, at(4, 4));
        QCOMPARE(f.Described(), QString("rows 1 to 4, columns 1 to 4 selected"));
        QTest::mouseClick(f.grid, Qt::LeftButton, {}, at(5, 5));
        QCOMPARE(f.Described(), QString());
        auto* dialog = f.window->findChild<QDialog*>("frmCellInfo");
        QVERIFY(dialog && dialog->isVisible());
        dialog->reject();
    }

    // On the block rows 2 to 3, columns 2 to 3; each change is one undo step.
    void blockCommands_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("topLeft");  // content of (2, 2) afterwards
        QTest::addColumn<QString>("bottomRight");
        QTest::addColumn<QString>("copied");  // the clipboard's text afterwards
        QTest::newRow("merge") << (Qt::Key_M | kCtrl) << "2,2\r\n2,3\r\n3,2\r\n3,3"
                               << ""
                               << "P";
        QTest::newRow("delete") << int(Qt::Key_Delete) << ""
                                << ""
                                << "P";
        QTest::newRow("copy") << (Qt::Key_C | kCtrl) << "2,2"
                              << "3,3"
                              << "2,2\t2,3\n3,2\t3,3\n";
        QTest::newRow("cut") << (Qt::Key_X | kCtrl) << ""
                             << ""
                             << "2,2\t2,3\n3,2\t3,3\n";
        QTest::newRow("paste at top left") << (Qt::Key_V | kCtrl) << "P"
                                           << "3,3"
                                           << "P";
    }
    void blockCommands() {
        QFETCH(int, key);
        QFETCH(QString, topLeft);
        QFETCH(QString, bottomRight);
        QFETCH(QString, copied);
        Filled f;
        f.clipboard.text = "P";
        f.Press({Qt::Key_Down | kShift, Qt::Key_Right | kShift, Qt::Key_Down | kShift});
        f.Press({Qt::Key_Up | kShift});
        f.window->Grid().MakeCurrent(3, 3);  // paste goes to the block, not here
        f.Press({key});
        QCOMPARE(f.Content(2, 2), topLeft);
        QCOMPARE(f.Content(3, 3), bottomRight);
        QCOMPARE(f.clipboard.text, copied);
        QCOMPARE(f.clipboard.html.contains("<td"), copied != "P");
        const bool merged = f.window->Table().At(2, 2).intRowSpan == 2;
        QCOMPARE(merged, key == (Qt::Key_M | kCtrl));
        const bool changes = key != (Qt::Key_C | kCtrl);
        QCOMPARE(f.window->Document().StepCount(), changes ? 1 : 0);
        f.window->Document().Undo();
        QCOMPARE(f.Content(2, 2), QString("2,2"));
        QCOMPARE(f.Content(3, 3), QString("3,3"));
        QCOMPARE(int(f.window->Table().At(2, 2).intRowSpan), 1);
    }

    // A merge takes in the spans the block touches; Split turns the spanning
    // cell back into single cells.
    void mergeOverSpansAndSplit() {
        Filled f;
        Edit(*f.window, [](TableSpec& t) { ApplySpans(t, 3, 3, 2, 2); });
        f.window->Grid().Blocks().Select(1, 1, 3, 3);
        f.Press({Qt::Key_M | kCtrl});
        QCOMPARE(int(f.window->Table().At(1, 1).intRowSpan), 4);
        QCOMPARE(int(f.window->Table().At(1, 1).intColSpan), 4);
        f.window->Grid().MakeCurrent(1, 1);
        f.Press({Qt::Key_M | kCtrl | kShift});
        QCOMPARE(int(f.window->Table().At(1, 1).intRowSpan), 1);
        QCOMPARE(int(f.window->Table().At(3, 3).intRowSpan), 1);
        QCOMPARE(f.window->Document().StepCount(), 2);
    }
};

QTEST_MAIN(TestGridEditing)
#include "test_grid_editing.moc"
