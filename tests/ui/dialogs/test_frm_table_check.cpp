#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "../main_test_files.h"
#include "table_builders.h"
#include "ui/commands/grid_commands.h"
#include "ui/dialogs/frm_table_check.h"

using namespace tabloom;

namespace {

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

}  // namespace

// The Check button, its findings window, and the repairs as undo steps.
class TestFrmTableCheck : public QObject {
    Q_OBJECT

  private:
    static frmTableCheck* Open(StartedMain& f) {
        f.Find<QPushButton>("cmdCheck")->click();
        return f.window->findChild<frmTableCheck*>("frmTableCheck");
    }
    static void OneTurn() { QCoreApplication::processEvents(); }

  private slots:
    void tooltipCountsTheFindingsAfterEveryChange() {
        StartedMain f;
        auto* check = f.Find<QPushButton>("cmdCheck");
        OneTurn();
        QVERIFY2(check->toolTip().contains("no findings"), qPrintable(check->toolTip()));
        Edit(*f.window, [&](TableSpec& t) { t.At(1, 1).strContent = "a"; });
        Edit(*f.window, [&](TableSpec& t) { t.At(2, 2).strContent = "b"; });
        OneTurn();
        // No header cells, no caption, the Classic style on a data table.
        QVERIFY2(check->toolTip().contains("3 findings"), qPrintable(check->toolTip()));
    }

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
            QVERIFY(form->findChild<QLabel*>("lblFindingDetail")
                        ->text()
                        .contains(QString::fromStdString(finding.figure)));
        }
    }

    void fixAndFixAllAreOneUndoStepEach() {
        StartedMain f;
        const TableSpec start = GreyTitled();
        f.window->Document().Replace(start, QString(), {});
        frmTableCheck* form = Open(f);
        auto* list = form->findChild<QListWidget*>("lstFindings");
        const int steps = f.window->Document().StepCount();

        list->setCurrentRow(RowOf(*form, FindingKind::TitleRow));
        form->findChild<QPushButton*>("cmdFixFinding")->click();
        QCOMPARE(f.window->Table().strCaption, std::string("Title"));
        QCOMPARE(f.window->Table().intNumRows, 3);
        QCOMPARE(RowOf(*form, FindingKind::TitleRow), -1);  // the list followed
        QCOMPARE(f.window->Document().StepCount(), steps + 1);

        form->findChild<QPushButton*>("cmdFixAll")->click();
        QCOMPARE(f.window->Document().StepCount(), steps + 2);
        QCOMPARE(list->count(), 0);
        QVERIFY(!form->findChild<QPushButton*>("cmdFixAll")->isEnabled());
        OneTurn();
        QVERIFY(f.Find<QPushButton>("cmdCheck")->toolTip().contains("no findings"));

        f.window->Document().Undo();
        f.window->Document().Undo();
        QVERIFY(f.window->Table().SameSpec(start));
        OneTurn();
        QCOMPARE(list->count(), static_cast<int>(AuditTable(start).size()));
    }

    void f7OpensTheWindow() {
        StartedMain f;
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::keyClick(f.window.get(), Qt::Key_F7);
        auto* form = f.window->findChild<frmTableCheck*>("frmTableCheck");
        QVERIFY(form != nullptr && form->isVisible());
    }
};

QTEST_MAIN(TestFrmTableCheck)
#include "test_frm_table_check.moc"
