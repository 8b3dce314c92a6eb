#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "core/model/check_table.h"
#include "main_test_files.h"

using namespace tabloom;

namespace {

struct Pasting : StartedMain {
    Pasting(int row, int col) {
        window->State().intRow = static_cast<std::int16_t>(row);
        window->State().intCol = static_cast<std::int16_t>(col);
    }
    QString Content(int r, int c) {
        return QString::fromStdString(window->Table().At(r, c).strContent);
    }
    QPoint Size() const { return {window->Table().intNumRows, window->Table().intNumCols}; }
};

}  // namespace

// Pasting rows of values from the clipboard into the grid.
class TestFrmMainPaste : public QObject {
    Q_OBJECT

  private slots:
    // A block grows the table (the lists follow), up to 20 rows; what does
    // not fit is said. A paste is one step back, lists included.
    void pastesBlock() {
        Pasting f(5, 5);
        f.clipboard.text = "a\tb\tc\r\nd\te\tf\r\ng\th\ti\r\nj\tk\tl\r\n";
        f.window->PasteData();
        QCOMPARE(f.Size(), QPoint(8, 7));
        QCOMPARE(f.Find<QComboBox>("cboNumberOfColumns")->currentText(), QString("7"));
        QCOMPARE(f.Content(5, 5) + f.Content(6, 7) + f.Content(7, 5) + f.Content(8, 6),
                 QString("afgk"));
        QCOMPARE(QString::fromStdString(CheckTable(f.window->Table())), QString());
        QVERIFY(f.prompter.calls.empty());
        f.Find<QPushButton>("cmdUndo")->click();
        QCOMPARE(f.Size(), QPoint(6, 6));
        QCOMPARE(f.Find<QComboBox>("cboNumberOfRows")->currentText(), QString("6"));
        QVERIFY(!f.Find<QPushButton>("cmdUndo")->isEnabled());

        f.window->State().intRow = 1;
        f.window->State().intCol = 1;
        f.clipboard.text = QString("x\ty\tz\r\n").repeated(25);
        f.window->PasteData();
        QCOMPARE(f.Size(), QPoint(20, 6));
        QCOMPARE(f.Content(20, 1), QString("x"));
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY2(f.prompter.calls[0].text.contains("5 rows and 0 columns did not fit"),
                 qPrintable(f.prompter.calls[0].text));
    }

    // An empty clipboard (or one holding an image) changes nothing.
    void emptyClipboard() {
        Pasting f(2, 2);
        f.window->PasteData();
        QVERIFY(!f.Find<QPushButton>("cmdUndo")->isEnabled());
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY(f.prompter.calls[0].text.contains("holds no text"));
    }

    void ctrlVOnTheGridPastes() {
        Pasting f(1, 1);
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.window->GridWidget()->setFocus();
        f.clipboard.text = "from the keyboard";
        QTest::keySequence(f.window->GridWidget(), QKeySequence::Paste);
        QCOMPARE(f.clipboard.reads, 1);
        QCOMPARE(f.Content(1, 1), QString("from the keyboard"));
    }

    // A spreadsheet's copy holds text and HTML: the HTML brings the merge and
    // the colours; HTML without a table leaves the text to paste.
    void htmlOnTheClipboardBringsMergesAndColours() {
        const QString merged =
            "<meta charset='utf-8'><table><tr><td colspan=2 style='background:#ff0'>a</td></tr>"
            "<tr><td>b</td><td>c</td></tr></table>";
        for (const QString& html : {merged, QString("<p>just words</p>")}) {
            Pasting f(2, 2);
            f.clipboard.text = "a\t\nb\tc\n";
            f.clipboard.html = html;
            f.window->PasteData();
            const CellSpec& anchor = f.window->Table().At(2, 2);
            QCOMPARE(f.Content(2, 2) + f.Content(3, 3), QString("ac"));
            QCOMPARE(int(anchor.intColSpan), html == merged ? 2 : 1);
            QCOMPARE(anchor.lngBgColor, html == merged ? 0x00FFFF : NotSpecifiedColor);
            QCOMPARE(QString::fromStdString(CheckTable(f.window->Table())), QString());
        }
    }

    void placeMarkersStayConsistent() {
        Pasting f(6, 6);
        f.Find<QCheckBox>("chkAddPlaceMarkers")->setChecked(true);
        f.clipboard.text = "x\t\ny\tz\n";
        f.window->PasteData();
        QCOMPARE(f.Content(6, 6) + f.Content(6, 7) + f.Content(7, 1) + f.Content(7, 7),
                 QString("xR6C7R7C1z"));
        f.Find<QCheckBox>("chkAddPlaceMarkers")->setChecked(false);
        QCOMPARE(f.Content(6, 7) + f.Content(7, 7), QString("z"));
    }
};

QTEST_MAIN(TestFrmMainPaste)
#include "test_frm_main_paste.moc"
