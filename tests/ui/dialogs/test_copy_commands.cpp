#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "../main_test_files.h"
#include "core/grid/span_rules.h"
#include "ui/dialogs/frm_copy_cell.h"
#include "ui/grid/pic_table.h"

using namespace tabloom;

namespace {

constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kYellow = 0x00FFFF;

// A cell that differs from a reset one in every copied group.
void Decorate(CellSpec& cell) {
    cell.strContent = "Source";
    cell.strFontFace = "Verdana";
    cell.strFontSize = "+1";
    cell.intAlign = 3;
    cell.intVAlign = 2;
    cell.intWidth = 30;
    cell.intWidthUnit = 0;
    cell.intHeight = 40;
    cell.lngTextColor = kRed;
    cell.lngBgColor = kYellow;
}

}  // namespace

// The copy command from the main window: the copy window opened on the
// current cell, and the table after "Do it" or Cancel.
class TestCopyCommands : public QObject {
    Q_OBJECT

  private:
    // A right click in the middle of the cell's drawn rectangle.
    static void RightClick(MainFixture& f, int row, int col,
                           Qt::MouseButton button = Qt::RightButton) {
        const CellSpec& cell = f.window->Table().At(row, col);
        auto* grid = f.Find<PicTable>("picTable");
        const QPoint middle((cell.intLeft + cell.intRight) / 2, (cell.intTop + cell.intBottom) / 2);
        QTest::mouseRelease(grid, button, {}, middle + grid->contentsRect().topLeft());
    }
    static frmCopyCell* CopyFrom(MainFixture& f, int row, int col,
                                 Qt::MouseButton button = Qt::RightButton) {
        RightClick(f, row, col, button);
        auto* dialog = f.window->findChild<frmCopyCell*>();
        if (dialog == nullptr || !dialog->isVisible()) qFatal("copy window not shown");
        return dialog;
    }
    template <typename T>
    static T* In(QWidget* dialog, const QString& name) {
        T* widget = dialog->findChild<T*>(name);
        if (widget == nullptr) qFatal("no control %s", qPrintable(name));
        return widget;
    }

  private slots:
    // Which positions change when the groups of (3, 2) are copied; the table
    // has a 2 x 2 cell at (3, 4) whose covered positions must stay as they are.
    void copiesToTheChosenCells_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("toRow");
        QTest::addColumn<int>("toCol");
        QTest::addColumn<QStringList>("changed");  // "row,col"
        QTest::newRow("covered target goes to its owner")
            << "optToOneCell" << 4 << 5 << QStringList{"3,4"};
        QTest::newRow("row across a span")
            << "optToAllCellsInRow" << 0 << 0 << QStringList{"3,1", "3,2", "3,3", "3,4", "3,6"};
    }
    void copiesToTheChosenCells() {
        QFETCH(QString, option);
        QFETCH(int, toRow);
        QFETCH(int, toCol);
        QFETCH(QStringList, changed);
        StartedMain f;
        Edit(*f.window, [&](TableSpec& table) {
            ApplySpans(table, 3, 4, 2, 2);
            Decorate(table.At(3, 2));
        });
        const TableSpec& table = f.window->Table();
        const TableSpec before = table;

        frmCopyCell* dialog = CopyFrom(f, 3, 2);
        for (const char* box :
             {"chkFont", "chkContent", "chkAlignment", "chkWidth", "chkHeight", "chkColors"}) {
            In<QCheckBox>(dialog, box)->click();
        }
        In<QRadioButton>(dialog, option)->click();
        if (toRow > 0) {
            In<QComboBox>(dialog, "cboToRow")->setCurrentIndex(toRow - 1);
            In<QComboBox>(dialog, "cboToCol")->setCurrentIndex(toCol - 1);
        }
        In<QPushButton>(dialog, "cmdDoCopy")->click();
        QVERIFY(f.prompter.calls.empty());
        QVERIFY(!dialog->isVisible());

        CellSpec expected = before.At(3, 2);
        for (int r = 1; r <= 6; ++r) {
            for (int c = 1; c <= 6; ++c) {
                const CellSpec& now = table.At(r, c);
                const CellSpec& was = before.At(r, c);
                QCOMPARE(now.intRowSpan, was.intRowSpan);
                QCOMPARE(now.intOwnerRow, was.intOwnerRow);
                if (!changed.contains(QString("%1,%2").arg(r).arg(c))) {
                    QVERIFY2(now.SameSpec(was), qPrintable(QString("%1,%2").arg(r).arg(c)));
                    continue;
                }
                expected.intRowSpan = was.intRowSpan;
                expected.intColSpan = was.intColSpan;
                expected.intOwnerRow = was.intOwnerRow;
                expected.intOwnerCol = was.intOwnerCol;
                QVERIFY2(now.SameSpec(expected), qPrintable(QString("%1,%2").arg(r).arg(c)));
            }
        }
    }

    // Colours to the whole table become the table colours; no cell keeps its
    // own, and Create writes the new table colours.
    void colorsToTheWholeTable() {
        StartedMain f;
        f.ChooseOutput(f.Path("colours.htm"));
        QMetaObject::invokeMethod(f.Find<QTimer>("Clock2"), "timeout");  // the file dialog closed
        Edit(*f.window, [&](TableSpec& table) {
            Decorate(table.At(2, 2));
            table.At(5, 5).lngTextColor = 0x123456;
            table.At(5, 5).lngBgColor = 0x654321;
            table.At(5, 5).strContent = "Other";
        });
        const TableSpec& table = f.window->Table();

        frmCopyCell* dialog = CopyFrom(f, 2, 2);
        In<QCheckBox>(dialog, "chkColors")->click();
        In<QRadioButton>(dialog, "optToAllCellsInTable")->click();
        In<QPushButton>(dialog, "cmdDoCopy")->click();
        QCOMPARE(table.At(5, 5).strContent, std::string("Other"));

        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        const QByteArray html = ReadBytes(f.Path("colours.htm"));
        QVERIFY2(html.contains("bgcolor=\"#FFFF00\""), html.constData());
        QVERIFY2(html.contains("color=\"#FF0000\""), html.constData());
        QVERIFY2(!html.contains("#123456") && !html.contains("#654321"), html.constData());
    }

    void refusalKeepsTheWindowOpen() {
        StartedMain f;
        Edit(*f.window, [](TableSpec& t) { Decorate(t.At(1, 1)); });
        const TableSpec before = f.window->Table();
        frmCopyCell* dialog = CopyFrom(f, 1, 1);
        In<QCheckBox>(dialog, "chkHeight")->click();
        In<QPushButton>(dialog, "cmdDoCopy")->click();
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY(dialog->isVisible());
        In<QCheckBox>(dialog, "chkFont")->click();
        In<QComboBox>(dialog, "cboToCol")->setCurrentIndex(0);  // (1, 1): itself
        In<QPushButton>(dialog, "cmdDoCopy")->click();
        QCOMPARE(f.prompter.calls.size(), size_t(2));
        QVERIFY(dialog->isVisible());
        In<QPushButton>(dialog, "cmdCancel")->click();
        QVERIFY(f.window->Table().SameSpec(before));
    }

    // Cancel changes nothing, and clicks on the grid are ignored for a while.
    void cancelChangesNothing() {
        StartedMain f;
        Edit(*f.window, [](TableSpec& t) { Decorate(t.At(1, 1)); });
        const TableSpec before = f.window->Table();
        frmCopyCell* dialog = CopyFrom(f, 1, 1);
        In<QCheckBox>(dialog, "chkContent")->click();
        In<QPushButton>(dialog, "cmdCancel")->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(f.window->Table().SameSpec(before));
        QVERIFY(!f.Find<QPushButton>("cmdUndo")->isEnabled());  // nothing to take back

        // A click just after the window closed is ignored; after the timer
        // the middle button copies as well.
        RightClick(f, 2, 2);
        QVERIFY(!dialog->isVisible());
        QMetaObject::invokeMethod(f.Find<QTimer>("Clock2"), "timeout");
        CopyFrom(f, 2, 2, Qt::MiddleButton);
        QCOMPARE(int(f.window->State().intRow), 2);
        dialog->reject();
    }

    // A copy is one undo step.
    void copyIsOneUndoStep() {
        StartedMain f;
        Edit(*f.window, [](TableSpec& t) { Decorate(t.At(1, 1)); });
        const TableSpec before = f.window->Table();
        auto* undo = f.Find<QPushButton>("cmdUndo");
        frmCopyCell* dialog = CopyFrom(f, 1, 1);
        In<QCheckBox>(dialog, "chkContent")->setChecked(true);
        In<QRadioButton>(dialog, "optToAllCellsInColumn")->click();
        In<QPushButton>(dialog, "cmdDoCopy")->click();
        QCOMPARE(f.window->Table().At(6, 1).strContent, std::string("Source"));
        QVERIFY(undo->isEnabled());
        undo->click();
        QVERIFY(f.window->Table().SameSpec(before));
        QVERIFY(!undo->isEnabled());
    }

    // The target lists offer the rows and columns the table has after every
    // kind of change, and the proposed target is selected again.
    void targetListsFollowTheDimensions_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cols");
        QTest::newRow("lists") << "lists" << 3 << 12;
        QTest::newRow("undo") << "undo" << 6 << 6;
        QTest::newRow("redo") << "redo" << 10 << 6;
        QTest::newRow("new table") << "cmdSaveLoad_3" << 6 << 6;
        QTest::newRow("reset") << "cmdQuit_1" << 6 << 6;
        QTest::newRow("load") << "cmdSaveLoad_4" << 4 << 6;
        QTest::newRow("insert column") << "Insert column right" << 10 << 7;
    }
    void targetListsFollowTheDimensions() {
        QFETCH(QString, change);
        QFETCH(int, rows);
        QFETCH(int, cols);
        StartedMain f;
        auto* rowList = f.Find<QComboBox>("cboNumberOfRows");
        rowList->setCurrentIndex(3);
        f.chooser.names = {f.Path("four.tbl"), f.Path("four.tbl")};
        f.Find<QPushButton>("cmdSaveLoad_5")->click();
        rowList->setCurrentIndex(5);
        const auto clicksAgain = [&f] {
            QMetaObject::invokeMethod(f.Find<QTimer>("Clock2"), "timeout");
        };
        frmCopyCell* dialog = CopyFrom(f, 1, 1);
        dialog->reject();
        rowList->setCurrentIndex(9);
        f.prompter.answers = {PromptAnswer::Yes};
        if (change == "lists") {
            rowList->setCurrentIndex(2);
            f.Find<QComboBox>("cboNumberOfColumns")->setCurrentIndex(11);
        } else if (change == "undo" || change == "redo") {
            f.window->Document().Undo();
            if (change == "redo") f.window->Document().Redo();
        } else if (change.startsWith("Insert")) {
            for (QAction* entry : f.window->GridMenu()->actions()) {
                if (entry->text() == change) entry->trigger();
            }
        } else {
            f.Find<QPushButton>(qPrintable(change))->click();
        }
        QCOMPARE(int(f.window->Table().intNumRows), rows);
        QCOMPARE(int(f.window->Table().intNumCols), cols);

        clicksAgain();
        CopyFrom(f, 1, 1);
        QCOMPARE(In<QComboBox>(dialog, "cboToRow")->count(), rows);
        QCOMPARE(In<QComboBox>(dialog, "cboToCol")->count(), cols);
        QCOMPARE(In<QComboBox>(dialog, "cboToRow")->currentText(), QString("1"));
        QCOMPARE(In<QComboBox>(dialog, "cboToCol")->currentText(), QString("2"));
        QVERIFY(In<QPushButton>(dialog, "cmdDoCopy")->isEnabled());
        dialog->reject();
        // The last cell of the table proposes no target.
        clicksAgain();
        CopyFrom(f, rows, cols);
        QCOMPARE(In<QComboBox>(dialog, "cboToRow")->currentIndex(), -1);
        QVERIFY(!In<QPushButton>(dialog, "cmdDoCopy")->isEnabled());
        dialog->reject();
    }
};

QTEST_MAIN(TestCopyCommands)
#include "test_copy_commands.moc"
