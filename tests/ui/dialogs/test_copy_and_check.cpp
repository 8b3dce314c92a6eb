#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "core/grid/span_rules.h"
#include "main_test_files.h"
#include "table_builders.h"
#include "ui/commands/grid_commands.h"
#include "ui/dialogs/frm_cell_info.h"
#include "ui/dialogs/frm_copy_cell.h"
#include "ui/dialogs/frm_specify_colors.h"
#include "ui/dialogs/frm_table_check.h"
#include "ui/grid/pic_table.h"

using namespace tabloom;

namespace {

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
    cell.lngTextColor = 0x0000FF;
    cell.lngBgColor = 0x00FFFF;
}

struct Copying : StartedMain {
    // A right click in the middle of the cell's drawn rectangle.
    void RightClick(int row, int col, Qt::MouseButton button = Qt::RightButton) {
        const CellSpec& cell = window->Table().At(row, col);
        auto* grid = Find<PicTable>("picTable");
        const QPoint middle((cell.intLeft + cell.intRight) / 2, (cell.intTop + cell.intBottom) / 2);
        QTest::mouseRelease(grid, button, {}, middle + grid->contentsRect().topLeft());
    }
    frmCopyCell* CopyFrom(int row, int col, Qt::MouseButton button = Qt::RightButton) {
        RightClick(row, col, button);
        dialog = window->findChild<frmCopyCell*>();
        if (dialog == nullptr || !dialog->isVisible()) qFatal("copy window not shown");
        return dialog;
    }
    // Clicks on the grid are ignored until Clock2 fires after a window closed.
    void ClicksAgain() { QMetaObject::invokeMethod(Find<QTimer>("Clock2"), "timeout"); }
    template <typename T>
    T* In(const char* name) {
        return Child<T>(dialog, name);
    }
    QString Target() {
        return In<QComboBox>("cboToRow")->currentText() + "," +
               In<QComboBox>("cboToCol")->currentText();
    }
    frmCopyCell* dialog = nullptr;
};

// A title row over a 3 x 3 block of light grey text, one cell orange.
TableSpec GreyTitled() {
    TableSpec t = testing::GreyTitledTable();
    t.At(3, 2).lngTextColor = 0x00A5FF;
    t.At(3, 2).lngBgColor = 0xFFFFFF;
    return t;
}

int RowOf(const frmTableCheck& form, FindingKind kind) {
    for (std::size_t i = 0; i < form.Findings().size(); ++i) {
        if (form.Findings()[i].kind == kind) return static_cast<int>(i);
    }
    return -1;
}

struct Journey : StartedMain {
    const TableSpec& Table() { return window->Table(); }
    // Left click in the middle of a cell (the grid's frame is 2 pixels
    // wide); the cell dialog, when it opened.
    frmCellInfo* Click(int row, int col) {
        const CellSpec& cell = Table().At(row, col);
        const QPoint at((cell.intLeft + cell.intRight) / 2 + 2,
                        (cell.intTop + cell.intBottom) / 2 + 2);
        QTest::mouseClick(grid, Qt::LeftButton, {}, at);
        dialog = window->findChild<frmCellInfo*>();
        return dialog != nullptr && dialog->isVisible() ? dialog : nullptr;
    }
    template <typename T>
    T* In(const char* name, QWidget* parent = nullptr) {
        return Child<T>(parent ? parent : dialog, name);
    }
    void Press(const char* button) { In<QPushButton>(button)->click(); }
    // The clicks after a closed dialog are ignored until Clock2 fires.
    void SecondPasses() { window->Clock2_Timer(); }

    PicTable* grid = Find<PicTable>("picTable");
    frmCellInfo* dialog = nullptr;
};

}  // namespace

// The copy command, the Check window and the cell window from the main
// window, and the table after them.
class TestCopyAndCheck : public QObject {
    Q_OBJECT

  private slots:
    // Every group of (3, 2) copied to a covered position reaches its owner
    // at (3, 4), as one undo step.
    void copiesToTheChosenCells() {
        Copying f;
        Edit(*f.window, [&](TableSpec& table) {
            ApplySpans(table, 3, 4, 2, 2);
            Decorate(table.At(3, 2));
        });
        const TableSpec before = f.window->Table();
        f.CopyFrom(3, 2);
        for (const char* box :
             {"chkFont", "chkContent", "chkAlignment", "chkWidth", "chkHeight", "chkColors"}) {
            f.In<QCheckBox>(box)->click();
        }
        f.In<QComboBox>("cboToRow")->setCurrentIndex(3);
        f.In<QComboBox>("cboToCol")->setCurrentIndex(4);
        f.In<QPushButton>("cmdDoCopy")->click();
        QVERIFY(f.prompter.calls.empty() && !f.dialog->isVisible());
        const CellSpec& owner = before.At(3, 4);
        CellSpec expected = before.At(3, 2);
        expected.intRowSpan = owner.intRowSpan;
        expected.intColSpan = owner.intColSpan;
        expected.intOwnerRow = owner.intOwnerRow;
        expected.intOwnerCol = owner.intOwnerCol;
        QVERIFY(f.window->Table().At(3, 4).SameSpec(expected));
        f.Find<QPushButton>("cmdUndo")->click();
        QVERIFY(f.window->Table().SameSpec(before));
    }

    // Colours to the whole table become the table colours; no cell keeps its
    // own, and Create writes the new table colours.
    void colorsToTheWholeTable() {
        Copying f;
        f.ChooseOutput(f.Path("colours.htm"));
        f.ClicksAgain();  // the file dialog closed
        Edit(*f.window, [&](TableSpec& table) {
            Decorate(table.At(2, 2));
            table.At(5, 5).lngTextColor = 0x123456;
            table.At(5, 5).lngBgColor = 0x654321;
            table.At(5, 5).strContent = "Other";
        });
        f.CopyFrom(2, 2);
        f.In<QCheckBox>("chkColors")->click();
        f.In<QRadioButton>("optToAllCellsInTable")->click();
        f.In<QPushButton>("cmdDoCopy")->click();
        QCOMPARE(f.window->Table().At(5, 5).strContent, std::string("Other"));
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        const QByteArray html = ReadBytes(f.Path("colours.htm"));
        QVERIFY(html.contains("bgcolor=\"#FFFF00\"") && html.contains("color=\"#FF0000\""));
        QVERIFY(!html.contains("#123456") && !html.contains("#654321"));
    }

    // A refusal keeps the window open; Cancel changes nothing, a click just
    // after is ignored, and after the timer the middle button copies too.
    void refusalAndCancel() {
        Copying f;
        Edit(*f.window, [](TableSpec& t) { Decorate(t.At(1, 1)); });
        const TableSpec before = f.window->Table();
        f.CopyFrom(1, 1);
        f.In<QCheckBox>("chkHeight")->click();
        f.In<QPushButton>("cmdDoCopy")->click();
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY(f.dialog->isVisible());
        f.In<QCheckBox>("chkFont")->click();
        f.In<QComboBox>("cboToCol")->setCurrentIndex(0);  // (1, 1): itself
        f.In<QPushButton>("cmdDoCopy")->click();
        QCOMPARE(f.prompter.calls.size(), size_t(2));
        f.In<QPushButton>("cmdCancel")->click();
        QVERIFY(!f.dialog->isVisible());
        QVERIFY(f.window->Table().SameSpec(before));

        f.RightClick(2, 2);
        QVERIFY(!f.dialog->isVisible());
        f.ClicksAgain();
        f.CopyFrom(2, 2, Qt::MiddleButton);
        QCOMPARE(int(f.window->State().intRow), 2);
        f.dialog->reject();
    }

    // The target lists follow the table's size, the proposed target selected
    // again.
    void targetListsFollowTheDimensions() {
        Copying f;
        f.CopyFrom(1, 1)->reject();
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(2);
        f.Find<QComboBox>("cboNumberOfColumns")->setCurrentIndex(11);
        f.ClicksAgain();
        f.CopyFrom(1, 1);
        QCOMPARE(f.In<QComboBox>("cboToRow")->count(), 3);
        QCOMPARE(f.Target(), QString("1,2"));
        f.dialog->reject();
    }

  private:
    static frmTableCheck* Open(StartedMain& f) {
        f.Find<QPushButton>("cmdCheck")->click();
        return f.window->findChild<frmTableCheck*>("frmTableCheck");
    }
    static void OneTurn() { QCoreApplication::processEvents(); }

  private slots:
    void choosingAFindingMakesItsCellCurrent() {
        StartedMain f;
        f.window->Document().Replace(GreyTitled(), QString(), {});
        frmTableCheck* form = Open(f);
        QVERIFY(form != nullptr && form->isVisible());
        auto* list = form->findChild<QListWidget*>("lstFindings");
        QCOMPARE(list->count(), static_cast<int>(AuditTable(GreyTitled()).size()));
        // The orange cell's finding names R3C2 alone; the grey ones start at R1C1.
        for (int i = 0; i < list->count(); ++i) {
            const Finding& finding = form->Findings()[i];
            if (finding.cells.empty()) continue;
            list->setCurrentRow(i);
            QCOMPARE(f.window->Grid().CurrentRow(), finding.cells.front().row);
            QCOMPARE(f.window->Grid().CurrentCol(), finding.cells.front().col);
        }
    }

    // The Check button's tooltip counts the findings after every change.
    void fixAndFixAllAreOneUndoStepEach() {
        StartedMain f;
        const TableSpec start = GreyTitled();
        f.window->Document().Replace(start, QString(), {});
        frmTableCheck* form = Open(f);
        auto* list = form->findChild<QListWidget*>("lstFindings");
        const int steps = f.window->Document().StepCount();
        OneTurn();
        const QString counted = QString("%1 findings").arg(AuditTable(start).size());
        QVERIFY(f.Find<QPushButton>("cmdCheck")->toolTip().contains(counted));

        list->setCurrentRow(RowOf(*form, FindingKind::TitleRow));
        form->findChild<QPushButton*>("cmdFixFinding")->click();
        QCOMPARE(f.window->Table().strCaption, std::string("Title"));
        QCOMPARE(f.window->Document().StepCount(), steps + 1);

        form->findChild<QPushButton*>("cmdFixAll")->click();
        QCOMPARE(f.window->Document().StepCount(), steps + 2);
        QCOMPARE(list->count(), 0);
        OneTurn();
        QVERIFY(f.Find<QPushButton>("cmdCheck")->toolTip().contains("no findings"));
        f.window->Document().Undo();
        OneTurn();
        QVERIFY(list->count() > 0);  // the list follows an undo too
    }

    void typeTwoLinesWidenAndCreate() {
        Journey j;
        // The gap between columns 2 and 3 of row 2, which the widened cell fills.
        const QPoint gap((j.Table().At(2, 2).intRight + j.Table().At(2, 3).intLeft) / 2,
                         (j.Table().At(2, 3).intTop + j.Table().At(2, 3).intBottom) / 2);
        const QColor gapBefore = j.grid->Image().pixelColor(gap);
        QVERIFY(j.Click(2, 2) != nullptr);
        auto* content = j.In<QPlainTextEdit>("txbCellContent");
        QTest::keyClicks(content, "Price <b>list</b>");
        QTest::keyClick(content, Qt::Key_Return);
        QTest::keyClicks(content, "second line ");
        j.In<QComboBox>("cboColSpan")->setCurrentIndex(1);
        j.Press("cmdAccept");
        QVERIFY(j.dialog->isHidden() && j.prompter.calls.empty());
        QCOMPARE(j.Table().At(2, 2).strContent, std::string("Price <b>list</b>\r\nsecond line"));
        QCOMPARE(j.Table().At(2, 2).intColSpan, 2);
        QVERIFY(j.grid->Image().pixelColor(gap) != gapBefore);  // redrawn

        // Clicks within a second of closing are ignored.
        QVERIFY(j.Click(4, 4) == nullptr);
        QCOMPARE(int(j.window->State().intRow), 2);
        j.ChooseOutput(j.Path("table.htm"));
        j.Find<QPushButton>("cmdPerformOperation_6")->click();
        const QByteArray html = ReadBytes(j.Path("table.htm"));
        QVERIFY(html.contains("colspan=\"2\"") && html.contains("Price <b>list</b>"));
    }

    void refusedOverlapNamesTheOwner() {
        Journey j;
        Edit(*j.window, [&](TableSpec& t) { ApplySpans(t, 1, 3, 2, 1); });
        const TableSpec before = j.Table();
        QVERIFY(j.Click(2, 2) != nullptr);
        j.In<QComboBox>("cboColSpan")->setCurrentIndex(1);
        j.Press("cmdAccept");
        QVERIFY(j.prompter.calls.at(0).text.endsWith("the cell at row 1 column 3."));
        QVERIFY(j.dialog->isVisible() && j.Table().SameSpec(before));
    }

    // Cancel drops chosen colours and text; the next opening starts again
    // from the cell's own colours.
    void cancelAfterChangingColours() {
        Journey j;
        Edit(*j.window, [&](TableSpec& t) {
            t.At(1, 1).lngTextColor = 0x0000FF;
            t.At(1, 1).lngBgColor = 0xFFFFFF;
            t.At(1, 1).strContent = "kept";
        });
        const TableSpec before = j.Table();
        QVERIFY(j.Click(1, 1) != nullptr);
        j.Press("cmdSpecifyCellColors");
        frmSpecifyColors* chooser = j.dialog->ColourChooser();
        QVERIFY(chooser != nullptr && chooser->isVisible());
        j.In<QLineEdit>("txbGreen_0", chooser)->setText("200");
        j.In<QPushButton>("cmdAccept", chooser)->click();
        QCOMPARE(j.In<QLabel>("lblCellTextHex")->text(), QString("#FFC800"));
        j.In<QPlainTextEdit>("txbCellContent")->setPlainText("changed");
        j.Press("cmdCancel");
        QVERIFY(j.dialog->isHidden() && j.Table().SameSpec(before));
        j.SecondPasses();
        QVERIFY(j.Click(1, 1) != nullptr);
        QCOMPARE(j.In<QLabel>("lblCellTextHex")->text(), QString("#FF0000"));
        QCOMPARE(j.In<QPlainTextEdit>("txbCellContent")->toPlainText(), QString("kept"));
    }
};

QTEST_MAIN(TestCopyAndCheck)
#include "test_copy_and_check.moc"
