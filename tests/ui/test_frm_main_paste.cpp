#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "core/encoding/windows1252.h"
#include "core/html/render_table_html.h"
#include "core/model/check_table.h"
#include "main_test_files.h"
#include "table_builders.h"

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

        QTest::newRow("3x4 into (2,2) of 6x6") << Block(3, 4) << 2 << 2 << 6 << 6 << "";
        QTest::newRow("grows the table") << Block(4, 3) << 5 << 5 << 8 << 7 << "";
        QTest::newRow("25x3 from the top")
            << Block(25, 3) << 1 << 1 << 20 << 6 << "5 rows and 0 columns did not fit";
        QTest::newRow("too wide from the middle")
            << Block(2, 22) << 3 << 4 << 6 << 20 << "0 rows and 5 columns did not fit";
        QTest::newRow("one value") << QString("solo") << 6 << 6 << 6 << 6 << "";
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
        QCOMPARE(f.Find<QComboBox>("cboNumberOfRows")->currentText().toInt(), rowsAfter);
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

    void quotedFieldsAndLineBreaks() {
        MainFixture f;
        Start(f, 1, 1);
        // A spreadsheet quotes a cell with a tab, a quote or a line break.
        f.clipboard.text = "\"two\nlines\"\t\"a \"\"quote\"\"\"\t\"tab\there\"\n";
        f.window->PasteData();
        QCOMPARE(Content(*f.window, 1, 1), QString("two\r\nlines"));
        QCOMPARE(Content(*f.window, 1, 2), QString("a \"quote\""));
        QCOMPARE(Content(*f.window, 1, 3), QString("tab\there"));
        // Text beyond the code page stays as it is in the model.
        f.clipboard.text = "日本,€";
        f.window->PasteData();
        QCOMPARE(Content(*f.window, 1, 1), QString("日本"));
        QCOMPARE(Content(*f.window, 1, 2), QString("€"));
        QVERIFY(Html(*f.window, f.clock).contains("&#26085;&#26412;"));
    }

    void skipsCoveredPositions() {
        MainFixture f;
        Start(f, 1, 1);
        testing::Span(f.window->Table(), 1, 2, 2, 2);
        f.window->Table().At(2, 3).strContent = "under the span";
        f.clipboard.text = Block(2, 3);
        f.window->PasteData();
        QCOMPARE(Content(*f.window, 1, 2), QString("r1c2"));
        QCOMPARE(Content(*f.window, 2, 3), QString("under the span"));
        QCOMPARE(Content(*f.window, 2, 1), QString("r2c1"));
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY2(f.prompter.calls[0].text.contains("3 values were skipped"),
                 qPrintable(f.prompter.calls[0].text));
    }

    void nothingTabular_data() {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty, or an image") << QString() << "holds no text";
        QTest::newRow("only blanks") << QString(" \t \r\n") << "holds no text";
        QTest::newRow("quote left open") << QString("a\t\"b\nc") << "line 1";
    }
    void nothingTabular() {
        QFETCH(QString, clipboard);
        QFETCH(QString, message);
        MainFixture f;
        Start(f, 2, 2);
        f.window->Table().At(2, 2).strContent = "kept";
        const TableSnapshot before = f.window->Snapshot();
        f.clipboard.text = clipboard;
        f.window->PasteData();
        QVERIFY(f.window->Table().SameSpec(before.table));
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY2(f.prompter.calls[0].text.contains(message), qPrintable(f.prompter.calls[0].text));
    }

    // A paste that grows the table is one step back, lists included.
    void undoRestoresTheTableBefore() {
        MainFixture f;
        Start(f, 5, 5);
        f.window->Table().At(5, 5).strContent = "before";
        const TableSnapshot before = f.window->Snapshot();
        f.clipboard.text = Block(4, 4);
        f.window->PasteData();
        QCOMPARE(int(f.window->Table().intNumRows), 8);
        auto* undo = f.Find<QPushButton>("cmdUndo");
        QVERIFY(undo->isEnabled());
        QVERIFY2(undo->toolTip().startsWith("Undo: paste data"), qPrintable(undo->toolTip()));
        undo->click();
        QVERIFY(f.window->Table().SameSpec(before.table));
        QCOMPARE(f.Find<QComboBox>("cboNumberOfRows")->currentText(), QString("6"));
        QVERIFY(!undo->isEnabled());
    }

    void nothingPastedRecordsNothing() {
        MainFixture f;
        Start(f, 1, 1);
        f.clipboard.text = "";
        f.window->PasteData();
        QVERIFY(!f.Find<QPushButton>("cmdUndo")->isEnabled());
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

    void gridMenuEntryPastes() {
        MainFixture f;
        Start(f, 2, 3);
        f.clipboard.text = "a,b";
        auto* entry = f.window->GridMenu()->findChild<QAction*>("mnuPasteData");
        QVERIFY(entry != nullptr);
        entry->trigger();
        QCOMPARE(Content(*f.window, 2, 3), QString("a"));
        QCOMPARE(Content(*f.window, 2, 4), QString("b"));
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
