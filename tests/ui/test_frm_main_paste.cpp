#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "core/encoding/windows1252.h"
#include "core/html/render_table_html.h"
#include "core/model/check_table.h"
#include "main_test_files.h"

using namespace tabloom;

namespace {

// A tab-separated block of h x w values "rRcC" (block coordinates), as a
// spreadsheet puts it on the clipboard.
QString Block(int h, int w) {
    QString text;
    for (int r = 1; r <= h; ++r) {
        for (int c = 1; c <= w; ++c) text += QString("r%1c%2").arg(r).arg(c) + (c < w ? "\t" : "");
        text += "\r\n";
    }
    return text;
}

QString Html(frmMain& w, const FixedClock& clock) {
    return QString::fromStdString(DecodeWindows1252(RenderTableHtml(w.Table(), clock)));
}

QString Content(frmMain& w, int r, int c) {
    return QString::fromStdString(w.Table().At(r, c).strContent);
}

}  // namespace

// Pasting rows of values from the clipboard into the grid.
class TestFrmMainPaste : public QObject {
    Q_OBJECT

  private:
    static void Start(MainFixture& f, int row, int col) {
        QVERIFY(f.window->StartUp());
        f.window->State().intRow = static_cast<std::int16_t>(row);
        f.window->State().intCol = static_cast<std::int16_t>(col);
    }

  private slots:
    void pastesBlock_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("rowsAfter");
        QTest::addColumn<int>("colsAfter");
        QTest::addColumn<QString>("message");  // a part of it; empty: no message

        QTest::newRow("grows the table") << Block(4, 3) << 5 << 5 << 8 << 7 << "";
        QTest::newRow("25x3 from the top")
            << Block(25, 3) << 1 << 1 << 20 << 6 << "5 rows and 0 columns did not fit";
    }
    void pastesBlock() {
        QFETCH(QString, clipboard);
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, rowsAfter);
        QFETCH(int, colsAfter);
        QFETCH(QString, message);
        MainFixture f;
        Start(f, row, col);
        f.clipboard.text = clipboard;
        f.window->PasteData();

        frmMain& w = *f.window;
        QCOMPARE(int(w.Table().intNumRows), rowsAfter);
        QCOMPARE(int(w.Table().intNumCols), colsAfter);
        // The dimension lists show the grown table.
        QCOMPARE(f.Find<QComboBox>("cboNumberOfColumns")->currentText().toInt(), colsAfter);
        QCOMPARE(QString::fromStdString(CheckTable(w.Table())), QString());

        const QStringList lines = clipboard.split("\r\n");
        for (int r = 1; r <= rowsAfter; ++r) {
            for (int c = 1; c <= colsAfter; ++c) {
                const int i = r - row;
                const int j = c - col;
                QString expected;
                if (i >= 0 && j >= 0 && i < lines.size()) {
                    expected = lines[i].split('\t').value(j);
                }
                QCOMPARE(Content(w, r, c), expected);
            }
        }
        // The HTML holds the first pasted value in the pasted row.
        const QString html = Html(w, f.clock);
        const QString first = lines[0].split('\t')[0];
        QVERIFY2(html.contains(">" + first + "<"), qPrintable(html));

        if (message.isEmpty()) {
            QCOMPARE(f.prompter.calls.size(), size_t(0));
        } else {
            QCOMPARE(f.prompter.calls.size(), size_t(1));
            QVERIFY2(f.prompter.calls[0].text.contains(message),
                     qPrintable(f.prompter.calls[0].text));
        }
    }

    // An empty clipboard (or one holding an image) changes nothing.
    void emptyClipboard() {
        MainFixture f;
        Start(f, 2, 2);
        Edit(*f.window, [&](TableSpec& t) { t.At(2, 2).strContent = "kept"; });
        const TableSpec before = f.window->Table();
        f.window->PasteData();
        QVERIFY(f.window->Table().SameSpec(before));
        QVERIFY(!f.Find<QPushButton>("cmdUndo")->isEnabled());  // nothing to take back
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY2(f.prompter.calls[0].text.contains("holds no text"),
                 qPrintable(f.prompter.calls[0].text));
    }

    // A paste that grows the table is one step back, lists included.
    void undoRestoresTheTableBefore() {
        MainFixture f;
        Start(f, 5, 5);
        Edit(*f.window, [&](TableSpec& t) { t.At(5, 5).strContent = "before"; });
        const TableSpec before = f.window->Table();
        f.clipboard.text = Block(4, 4);
        f.window->PasteData();
        QCOMPARE(int(f.window->Table().intNumRows), 8);
        auto* undo = f.Find<QPushButton>("cmdUndo");
        undo->click();
        QVERIFY(f.window->Table().SameSpec(before));
        QCOMPARE(f.Find<QComboBox>("cboNumberOfRows")->currentText(), QString("6"));
        QVERIFY(!undo->isEnabled());
    }

    void ctrlVOnTheGridPastes() {
        MainFixture f;
        Start(f, 1, 1);
        QWidget* grid = f.window->GridWidget();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        grid->setFocus();
        f.clipboard.text = "from the keyboard";
        QTest::keySequence(grid, QKeySequence::Paste);
        QCOMPARE(f.clipboard.reads, 1);
        QCOMPARE(Content(*f.window, 1, 1), QString("from the keyboard"));
    }

    // A spreadsheet's copy holds text and HTML: the HTML brings the merge and
    // the colours; HTML without a table leaves the text to paste.
    void htmlOnTheClipboardBringsMergesAndColours() {
        const QString merged =
            "<meta charset='utf-8'><table><tr><td colspan=2 style='background:#ff0'>a</td></tr>"
            "<tr><td>b</td><td>c</td></tr></table>";
        for (const QString& html : {merged, QString("<p>just words</p>")}) {
            MainFixture f;
            Start(f, 2, 2);
            f.clipboard.text = "a\t\nb\tc\n";
            f.clipboard.html = html;
            f.window->PasteData();
            const CellSpec& anchor = f.window->Table().At(2, 2);
            QCOMPARE(Content(*f.window, 2, 2), QString("a"));
            QCOMPARE(Content(*f.window, 3, 3), QString("c"));
            QCOMPARE(int(anchor.intColSpan), html == merged ? 2 : 1);
            QCOMPARE(anchor.lngBgColor, html == merged ? 0x00FFFF : NotSpecifiedColor);
            QCOMPARE(QString::fromStdString(CheckTable(f.window->Table())), QString());
        }
    }

    void placeMarkersStayConsistent() {
        MainFixture f;
        Start(f, 6, 6);
        f.Find<QCheckBox>("chkAddPlaceMarkers")->setChecked(true);
        f.clipboard.text = "x\t\ny\tz\n";
        f.window->PasteData();
        QCOMPARE(Content(*f.window, 6, 6), QString("x"));
        QCOMPARE(Content(*f.window, 6, 7), QString("R6C7"));
        QCOMPARE(Content(*f.window, 7, 1), QString("R7C1"));
        QCOMPARE(Content(*f.window, 7, 7), QString("z"));
    }
};

QTEST_MAIN(TestFrmMainPaste)
#include "test_frm_main_paste.moc"
