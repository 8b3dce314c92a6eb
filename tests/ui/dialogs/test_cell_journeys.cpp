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
        T* widget = (parent ? parent : dialog)->findChild<T*>(name);
        if (widget == nullptr) qFatal("no control %s", name);
        return widget;
    }
    void Press(const char* button) { In<QPushButton>(button)->click(); }
    // The clicks after a closed dialog are ignored until Clock2 fires.
    void SecondPasses() { window->Clock2_Timer(); }

    PicTable* grid = Find<PicTable>("picTable");
    frmCellInfo* dialog = nullptr;
};

}  // namespace

class TestCellJourneys : public QObject {
    Q_OBJECT

  private slots:
    void typeTwoLinesWidenAndCreate() {
        Journey j;
        // The gap between columns 2 and 3 of row 2, which the widened cell fills.
        const QPoint gap((j.Table().At(2, 2).intRight + j.Table().At(2, 3).intLeft) / 2,
                         (j.Table().At(2, 3).intTop + j.Table().At(2, 3).intBottom) / 2);
        const QColor gapBefore = j.grid->Image().pixelColor(gap);
        QVERIFY(j.Click(2, 2) != nullptr);
        // Placed below the clicked row.
        const int rowBottom = j.grid->mapToGlobal(QPoint(0, j.Table().At(2, 2).intBottom)).y();
        QVERIFY(j.dialog->frameGeometry().top() > rowBottom - 40);
        auto* content = j.In<QPlainTextEdit>("txbCellContent");
        QTest::keyClicks(content, "Price <b>list</b>");
        QTest::keyClick(content, Qt::Key_Return);
        QTest::keyClicks(content, "second line ");
        j.In<QComboBox>("cboColSpan")->setCurrentIndex(1);
        j.Press("cmdAccept");
        QVERIFY(j.dialog->isHidden() && j.prompter.calls.empty());
        QCOMPARE(j.Table().At(2, 2).strContent, std::string("Price <b>list</b>\r\nsecond line"));
        QCOMPARE(j.Table().At(2, 2).intColSpan, 2);
        QCOMPARE(j.Table().At(2, 3).intOwnerCol, 2);
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
        QCOMPARE(j.prompter.calls.size(), size_t{1});
        QVERIFY(j.prompter.calls[0].text.endsWith("the cell at row 1 column 3."));
        QVERIFY(j.dialog->isVisible() && j.Table().SameSpec(before));
        // Taking the span back lets Accept through.
        j.In<QComboBox>("cboColSpan")->setCurrentIndex(0);
        j.Press("cmdAccept");
        QVERIFY(j.dialog->isHidden());
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

    void emptyContentWithMarkersStoresTheMarker() {
        Journey j;
        Edit(*j.window, [&](TableSpec& t) {
            t.blnAddPlaceMarkers = true;
            t.At(5, 2).strContent = "old";
        });
        QVERIFY(j.Click(5, 2) != nullptr);
        j.Press("cmdResetCell");
        j.In<QLineEdit>("txbWidth")->setText("99.5");
        j.Press("cmdAccept");
        QVERIFY(j.dialog->isHidden());
        QCOMPARE(j.Table().At(5, 2).strContent, std::string("R5C2"));
        QCOMPARE(j.Table().At(5, 2).intWidth, 100);
        QCOMPARE(j.Table().At(5, 2).intWidthUnit, 1);
    }
};

QTEST_MAIN(TestCellJourneys)
#include "test_cell_journeys.moc"
