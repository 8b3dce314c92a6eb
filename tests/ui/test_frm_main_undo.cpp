#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "main_test_files.h"
#include "ui/commands/grid_commands.h"
#include "ui/grid/pic_table.h"

using namespace tabloom;

namespace {

// One recorded change of a cell's content, as every command records it.
void EditCell(frmMain& w, int row, int col, const std::string& content) {
    w.Document().Change(QString("edit cell at row %1 column %2").arg(row).arg(col),
                        [&](TableSpec& t) { t.At(row, col).strContent = content; });
}

std::string Content(const frmMain& w, int row, int col) {
    return w.Table().At(row, col).strContent;
}

}  // namespace

class TestFrmMainUndo : public QObject {
    Q_OBJECT

  private slots:
    void undoAndRedoFollowTheSteps() {
        StartedMain f;
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        auto* undo = f.Find<QPushButton>("cmdUndo");
        auto* redo = f.Find<QPushButton>("cmdRedo");
        EditCell(*f.window, 1, 1, "a");
        EditCell(*f.window, 2, 2, "b");
        EditCell(*f.window, 3, 3, "c");
        QVERIFY(undo->toolTip().startsWith("Undo: edit cell at row 3 column 3"));

        undo->click();
        QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Content(*f.window, 3, 3), std::string());
        QCOMPARE(Content(*f.window, 2, 2), std::string());
        QCOMPARE(Content(*f.window, 1, 1), std::string("a"));
        QVERIFY(redo->isEnabled());
        QVERIFY(redo->toolTip().startsWith("Redo: edit cell at row 2 column 2"));

        QTest::keyClick(f.window.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Content(*f.window, 2, 2), std::string("b"));
        QCOMPARE(Content(*f.window, 3, 3), std::string());

        // A new change after undoing drops what could be redone.
        EditCell(*f.window, 4, 4, "d");
        QVERIFY(!redo->isEnabled());
        QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Content(*f.window, 4, 4), std::string("d"));
    }

    // Undo and redo, by key or button, leave the keyboard on the grid and the
    // current cell where it was (within the table), and the grid tells
    // assistive technology what the cell holds now.
    void undoAndRedoKeepTheGridsPlace_data() {
        QTest::addColumn<bool>("insert");     // the change: insert a row, or empty a cell
        QTest::addColumn<bool>("redo");       // else undo
        QTest::addColumn<QString>("button");  // empty: the keys
        QTest::addColumn<QString>("described");
        const QString before = "Row 3, column 2: before";
        QTest::newRow("undo key") << false << false << "" << before;
        QTest::newRow("undo button") << false << false << "cmdUndo" << before;
        QTest::newRow("redo key") << false << true << ""
                                  << "Row 3, column 2";
        QTest::newRow("redo button") << false << true << "cmdRedo"
                                     << "Row 3, column 2";
        // Row 7 was current: the cell above it, once the row is gone.
        QTest::newRow("undo shrinks the table") << true << false << ""
                                                << "Row 6, column 2: bottom";
    }
    void undoAndRedoKeepTheGridsPlace() {
        QFETCH(bool, insert);
        QFETCH(bool, redo);
        QFETCH(QString, button);
        QFETCH(QString, described);
        StartedMain f;
        Edit(*f.window, [&](TableSpec& t) { t.At(3, 2).strContent = "before"; });
        Edit(*f.window, [&](TableSpec& t) { t.At(6, 2).strContent = "bottom"; });
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        auto* grid = f.Find<PicTable>("picTable");
        grid->setFocus();
        const auto keys = [&](std::initializer_list<int> keys, Qt::KeyboardModifiers mods = {}) {
            for (int key : keys) QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), mods);
        };
        keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Right});
        if (insert) {
            keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down});
            keys({Qt::Key_Down}, Qt::ControlModifier | Qt::ShiftModifier);
            keys({Qt::Key_Down});
        } else {
            keys({Qt::Key_Delete});
        }
        if (redo) f.window->Document().Undo();
        if (button.isEmpty()) {
            keys({redo ? Qt::Key_Y : Qt::Key_Z}, Qt::ControlModifier);
        } else {
            QTest::mouseClick(f.Find<QPushButton>(qPrintable(button)), Qt::LeftButton);
        }

        QCOMPARE(QApplication::focusWidget(), grid);
        // What a screen reader reads from the grid.
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(grid);
        QCOMPARE(read->text(QAccessible::Description), described);
        const QStringList cell = described.mid(4).section(':', 0, 0).split(", column ");
        QCOMPARE(int(f.window->Grid().CurrentRow()), cell[0].toInt());
        QCOMPARE(int(f.window->Grid().CurrentCol()), cell[1].toInt());
    }

    void undoingALoadLeavesTheFileAlone() {
        StartedMain f;
        Edit(*f.window, [&](TableSpec& t) { t.At(2, 3).strContent = "saved"; });
        f.ChooseOutput(f.Path("saved.htm"));
        f.chooser.names = {f.Path("saved.tbl")};
        f.Find<QPushButton>("cmdSaveLoad_5")->click();
        const QByteArray file = ReadBytes(f.Path("saved.tbl"));

        f.prompter.answers = {PromptAnswer::Yes};
        f.Find<QPushButton>("cmdSaveLoad_3")->click();
        f.window->Document().SetOutputPath(QString(), {});
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(2);
        const TableSpec cleared = f.window->Table();
        f.chooser.names = {f.Path("saved.tbl")};
        f.Find<QPushButton>("cmdSaveLoad_4")->click();
        QCOMPARE(Content(*f.window, 2, 3), std::string("saved"));
        QVERIFY(f.window->Document().UndoCaption().startsWith("Undo: load table saved.tbl"));

        f.window->Document().Undo();
        QVERIFY(f.window->Table().SameSpec(cleared));
        QCOMPARE(f.Find<QComboBox>("cboNumberOfRows")->currentText(),
                 QString::number(cleared.intNumRows));
        QVERIFY(f.window->OutputPath().isEmpty());
        QCOMPARE(ReadBytes(f.Path("saved.tbl")), file);

        f.window->Document().Redo();
        QCOMPARE(Content(*f.window, 2, 3), std::string("saved"));
        QCOMPARE(f.window->OutputPath(), f.Path("saved.htm"));
    }

    void undoRestoresTheOptionsAndTheirBoxes() {
        StartedMain f;
        f.Find<QCheckBox>("chkAddHTMLWrapper4")->setChecked(true);
        f.prompter.answers = {PromptAnswer::Yes};
        f.Find<QPushButton>("cmdQuit_1")->click();  // Reset: options off again
        QVERIFY(!f.Find<QCheckBox>("chkAddHTMLWrapper4")->isChecked());
        f.window->Document().Undo();
        QVERIFY(f.window->Table().blnAddHTMLWrapper);
        QVERIFY(f.Find<QCheckBox>("chkAddHTMLWrapper4")->isChecked());
    }

    void manyStepsAreKeptAndStartUpClearsThem() {
        StartedMain f;
        for (int i = 0; i < 300; ++i) EditCell(*f.window, 1, 1, std::to_string(i));
        int undone = 0;
        while (f.window->Document().CanUndo()) {
            f.window->Document().Undo();
            ++undone;
        }
        QVERIFY(undone >= 200);
        QCOMPARE(Content(*f.window, 1, 1), std::to_string(299 - undone));

        EditCell(*f.window, 1, 1, "x");
        f.prompter.answers = {PromptAnswer::Yes};
        f.Find<QPushButton>("cmdQuit_6")->click();
        f.Restart();
        QVERIFY(f.window->StartUp());
        QVERIFY(!f.window->Document().CanUndo());
        QVERIFY(!f.Find<QPushButton>("cmdUndo")->isEnabled());
    }
};

QTEST_MAIN(TestFrmMainUndo)
#include "test_frm_main_undo.moc"
