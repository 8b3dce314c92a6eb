#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "../main_test_files.h"
#include "core/grid/span_rules.h"
#include "ui/dialogs/frm_cell_info.h"
#include "ui/dialogs/frm_specify_colors.h"
#include "ui/grid/pic_table.h"

using namespace tabloom;

namespace {

// The grid's frame is 2 pixels wide; the cell rectangles are inner positions.
constexpr int kFrame = 2;

struct Journey : StartedMain {
    const TableSpec& Table() { return window->Table(); }
    QPoint CentreOf(int row, int col) {
        const CellSpec& cell = Table().At(row, col);
        return {(cell.intLeft + cell.intRight) / 2 + kFrame,
                (cell.intTop + cell.intBottom) / 2 + kFrame};
    }
    // Left click on a cell; the cell dialog, when it opened.
    frmCellInfo* Click(int row, int col) {
        QTest::mouseClick(grid, Qt::LeftButton, {}, CentreOf(row, col));
        auto* dialog = window->findChild<frmCellInfo*>();
        return dialog != nullptr && dialog->isVisible() ? dialog : nullptr;
    }
    template <typename T>
    static T* In(QWidget* parent, const char* name) {
        T* widget = parent->findChild<T*>(name);
        if (widget == nullptr) qFatal("no control %s", name);
        return widget;
    }
    // The clicks after a closed dialog are ignored until Clock2 fires.
    void SecondPasses() { window->Clock2_Timer(); }

    PicTable* grid = Find<PicTable>("picTable");
};

}  // namespace

class TestCellJourneys : public QObject {
    Q_OBJECT

  private slots:
    void typeTwoLinesWidenAndCreate() {
        Journey j;
        const CellSpec& right = j.Table().At(2, 3);
        // The gap between columns 2 and 3 of row 2, which the widened cell fills.
        const QPoint gap((j.Table().At(2, 2).intRight + right.intLeft) / 2,
                         (right.intTop + right.intBottom) / 2);
        const QColor gapBefore = j.grid->Image().pixelColor(gap);

        frmCellInfo* dialog = j.Click(2, 2);
        QVERIFY(dialog != nullptr);
        // Placed below the clicked row.
        const int rowBottom = j.grid->mapToGlobal(QPoint(0, j.Table().At(2, 2).intBottom)).y();
        QVERIFY2(dialog->frameGeometry().top() > rowBottom - 40,
                 qPrintable(QString::number(dialog->frameGeometry().top())));
        auto* content = Journey::In<QPlainTextEdit>(dialog, "txbCellContent");
        QTest::keyClicks(content, "Price <b>list</b>");
        QTest::keyClick(content, Qt::Key_Return);
        QTest::keyClicks(content, "second line ");
        Journey::In<QComboBox>(dialog, "cboColSpan")->setCurrentIndex(1);
        Journey::In<QPushButton>(dialog, "cmdAccept")->click();
        QVERIFY(dialog->isHidden());
        QVERIFY(j.prompter.calls.empty());

        const CellSpec& cell = j.Table().At(2, 2);
        QCOMPARE(cell.strContent, std::string("Price <b>list</b>\r\nsecond line"));
        QCOMPARE(cell.intColSpan, 2);
        QCOMPARE(j.Table().At(2, 3).intColSpan, 0);
        QCOMPARE(j.Table().At(2, 3).intOwnerCol, 2);
        // The grid was redrawn: the gap is now inside the widened cell.
        QVERIFY(j.grid->Image().pixelColor(gap) != gapBefore);

        j.ChooseOutput(j.Path("table.htm"));
        j.Find<QPushButton>("cmdPerformOperation_6")->click();
        const QByteArray html = ReadBytes(j.Path("table.htm"));
        QVERIFY(html.contains("colspan=\"2\""));
        QVERIFY(html.contains("Price <b>list</b>"));
    }

    void refusedOverlapNamesTheOwner() {
        Journey j;
        Edit(*j.window, [&](TableSpec& t) { ApplySpans(t, 1, 3, 2, 1); });
        const TableSpec before = j.Table();
        frmCellInfo* dialog = j.Click(2, 2);
        QVERIFY(dialog != nullptr);
        Journey::In<QComboBox>(dialog, "cboColSpan")->setCurrentIndex(1);
        Journey::In<QPushButton>(dialog, "cmdAccept")->click();
        QCOMPARE(j.prompter.calls.size(), size_t{1});
        QVERIFY(j.prompter.calls[0].text.endsWith("the cell at row 1 column 3."));
        QVERIFY(dialog->isVisible());
        QVERIFY(j.Table().SameSpec(before));
        // Taking the span back lets Accept through.
        Journey::In<QComboBox>(dialog, "cboColSpan")->setCurrentIndex(0);
        Journey::In<QPushButton>(dialog, "cmdAccept")->click();
        QVERIFY(dialog->isHidden());
    }

    void cancelAfterChangingColours() {
        Journey j;
        Edit(*j.window, [&](TableSpec& t) { t.At(1, 1).lngTextColor = 0x0000FF; });
        Edit(*j.window, [&](TableSpec& t) { t.At(1, 1).lngBgColor = 0xFFFFFF; });
        Edit(*j.window, [&](TableSpec& t) { t.At(1, 1).strContent = "kept"; });
        const TableSpec before = j.Table();
        frmCellInfo* dialog = j.Click(1, 1);
        QVERIFY(dialog != nullptr);
        Journey::In<QPushButton>(dialog, "cmdSpecifyCellColors")->click();
        frmSpecifyColors* chooser = dialog->ColourChooser();
        QVERIFY(chooser != nullptr && chooser->isVisible());
        Journey::In<QLineEdit>(chooser, "txbGreen_0")->setText("200");
        Journey::In<QPushButton>(chooser, "cmdAccept")->click();
        QCOMPARE(Journey::In<QLabel>(dialog, "lblCellTextHex")->text(), QString("#FFC800"));
        Journey::In<QPlainTextEdit>(dialog, "txbCellContent")->setPlainText("changed");
        Journey::In<QPushButton>(dialog, "cmdCancel")->click();
        QVERIFY(dialog->isHidden());
        QVERIFY(j.Table().SameSpec(before));

        // The next opening starts again from the cell's own colours.
        j.SecondPasses();
        dialog = j.Click(1, 1);
        QVERIFY(dialog != nullptr);
        QCOMPARE(Journey::In<QLabel>(dialog, "lblCellTextHex")->text(), QString("#FF0000"));
        QCOMPARE(Journey::In<QPlainTextEdit>(dialog, "txbCellContent")->toPlainText(),
                 QString("kept"));
    }

    void clicksWithinASecondAreIgnored_data() {
        QTest::addColumn<QString>("closeWith");
        QTest::newRow("Accept") << "cmdAccept";
        QTest::newRow("Cancel") << "cmdCancel";
    }
    void clicksWithinASecondAreIgnored() {
        QFETCH(QString, closeWith);
        Journey j;
        frmCellInfo* dialog = j.Click(3, 3);
        QVERIFY(dialog != nullptr);
        Journey::In<QPushButton>(dialog, qPrintable(closeWith))->click();
        QVERIFY(j.Click(4, 4) == nullptr);
        QCOMPARE(int(j.window->State().intRow), 3);
        j.SecondPasses();
        QVERIFY(j.Click(4, 4) != nullptr);
        QCOMPARE(int(j.window->State().intRow), 4);
    }

    void emptyContentWithMarkersStoresTheMarker() {
        Journey j;
        Edit(*j.window, [&](TableSpec& t) { t.blnAddPlaceMarkers = true; });
        Edit(*j.window, [&](TableSpec& t) { t.At(5, 2).strContent = "old"; });
        frmCellInfo* dialog = j.Click(5, 2);
        QVERIFY(dialog != nullptr);
        Journey::In<QPushButton>(dialog, "cmdResetCell")->click();
        Journey::In<QLineEdit>(dialog, "txbWidth")->setText("99.5");
        Journey::In<QPushButton>(dialog, "cmdAccept")->click();
        QVERIFY(dialog->isHidden());
        QCOMPARE(j.Table().At(5, 2).strContent, std::string("R5C2"));
        QCOMPARE(j.Table().At(5, 2).intWidth, 100);
        QCOMPARE(j.Table().At(5, 2).intWidthUnit, 1);
    }
};

QTEST_MAIN(TestCellJourneys)
#include "test_cell_journeys.moc"
