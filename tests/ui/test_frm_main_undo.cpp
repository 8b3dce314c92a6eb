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

void Key(int key, Qt::KeyboardModifiers mods = {}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), mods);
}

}  // namespace

class TestFrmMainUndo : public QObject {
    Q_OBJECT

  private slots:
    // Undo and redo, by key or button (Ctrl+Z, Ctrl+Y), leave the keyboard on the grid and the
    // current cell where it was (within the table), and the grid tells
    // assistive technology what the cell holds now.
    void undoAndRedoKeepTheGridsPlace() {
        struct Case {
            bool insert;        // the change: insert a row, or empty a cell
            bool redo;          // else undo
            const char* press;  // a button, or else keys
            QString described;
        };
        const QString before = "Row 3, column 2: before";
        for (const Case& c :
             {Case{false, false, "cmdUndo", before}, Case{false, true, "Ctrl+Y", "Row 3, column 2"},
              // Row 7 was current: the cell above it, once the row is gone.
              Case{true, false, "Ctrl+Z", "Row 6, column 2: bottom"}}) {
            StartedMain f;
            Edit(*f.window, [&](TableSpec& t) {
                t.At(3, 2).strContent = "before";
                t.At(6, 2).strContent = "bottom";
            });
            f.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
            auto* grid = f.Find<PicTable>("picTable");
            grid->setFocus();
            for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}) Key(key);
            if (c.insert) {
                for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}) Key(key);
                Key(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
                Key(Qt::Key_Down);
            } else {
                Key(Qt::Key_Delete);
            }
            if (c.redo) f.window->Document().Undo();
            if (QString(c.press).startsWith("cmd")) {
                QTest::mouseClick(f.Find<QPushButton>(c.press), Qt::LeftButton);
            } else {
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(c.press));
            }
            QCOMPARE(QApplication::focusWidget(), grid);
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(grid);
            QCOMPARE(read->text(QAccessible::Description), c.described);
            const QStringList cell = c.described.mid(4).section(':', 0, 0).split(", column ");
            QCOMPARE(int(f.window->Grid().CurrentRow()), cell[0].toInt());
            QCOMPARE(int(f.window->Grid().CurrentCol()), cell[1].toInt());
        }
    }

    // Undoing a load brings back the table, its lists and output path, and
    // leaves the file alone; a Reset undone brings back the option boxes.
    void undoingALoadOrReset() {
        StartedMain f;
        Edit(*f.window, [&](TableSpec& t) { t.At(2, 3).strContent = "saved"; });
        f.ChooseOutput(f.Path("saved.htm"));
        f.chooser.names = {f.Path("saved.tbl")};
        f.Find<QPushButton>("cmdSaveLoad_5")->click();
        const QByteArray file = ReadBytes(f.Path("saved.tbl"));
        f.Find<QCheckBox>("chkAddHTMLWrapper4")->setChecked(true);
        f.prompter.answers = {PromptAnswer::Yes};
        f.Find<QPushButton>("cmdQuit_1")->click();  // Reset: options off again
        QVERIFY(!f.Find<QCheckBox>("chkAddHTMLWrapper4")->isChecked());
        f.window->Document().Undo();
        QVERIFY(f.Find<QCheckBox>("chkAddHTMLWrapper4")->isChecked());

        f.window->Document().SetOutputPath(QString(), {});
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(2);
        const TableSpec cleared = f.window->Table();
        f.chooser.names = {f.Path("saved.tbl")};
        f.Find<QPushButton>("cmdSaveLoad_4")->click();
        QVERIFY(f.window->Document().UndoCaption().startsWith("Undo: load table saved.tbl"));
        f.window->Document().Undo();
        QVERIFY(f.window->Table().SameSpec(cleared));
        QCOMPARE(f.Find<QComboBox>("cboNumberOfRows")->currentText(), QString("3"));
        QVERIFY(f.window->OutputPath().isEmpty());
        QCOMPARE(ReadBytes(f.Path("saved.tbl")), file);
        f.window->Document().Redo();
        QCOMPARE(Content(*f.window, 2, 3), std::string("saved"));
    }

    void manyStepsAreKeptAndStartUpClearsThem() {
        StartedMain f;
        for (int i = 0; i < 300; ++i) EditCell(*f.window, 1, 1, std::to_string(i));
        int undone = 0;
        for (; f.window->Document().CanUndo(); ++undone) f.window->Document().Undo();
        QVERIFY(undone >= 200);
        QCOMPARE(Content(*f.window, 1, 1), std::to_string(299 - undone));
        EditCell(*f.window, 1, 1, "x");
        f.prompter.answers = {PromptAnswer::Yes};
        f.Find<QPushButton>("cmdQuit_6")->click();
        f.Restart();
        QVERIFY(f.window->StartUp());
        QVERIFY(!f.Find<QPushButton>("cmdUndo")->isEnabled());
    }
};

QTEST_MAIN(TestFrmMainUndo)
#include "test_frm_main_undo.moc"
