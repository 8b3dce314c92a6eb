#include <QPushButton>
#include <QtTest>

#include "main_test_files.h"

using namespace tabloom;

// Export... in the Output group and Load table for web pages.
class TestFrmMainExchange : public QObject {
    Q_OBJECT

  private slots:
    void exportAsksBeforeWriting_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("answer");  // PromptAnswer to the loss report
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QByteArray>("written");  // its start; empty: nothing written

        QTest::newRow("markdown declined")
            << "t.md" << int(PromptAnswer::No)
            << "Markdown: a table needs a head row: an empty one is written; the border, "
               "padding and spacing are dropped.\n\nExport anyway?"
            << QByteArray();
        QTest::newRow("markdown accepted")
            << "t.md" << int(PromptAnswer::Yes) << "Export anyway?" << QByteArray("|  |  |");
        QTest::newRow("csv, nothing lost") << "t.csv" << -1 << "" << QByteArray(",,,,,\r\n");
        QTest::newRow("unknown ending")
            << "t.txt" << -1 << "The file name must end in .md, .tex, .wiki or .csv"
            << QByteArray();
    }
    void exportAsksBeforeWriting() {
        QFETCH(QString, name);
        QFETCH(int, answer);
        QFETCH(QString, prompt);
        QFETCH(QByteArray, written);
        StartedMain f;
        f.prompter.calls.clear();
        f.chooser.names.push_back(f.Path(name));
        if (answer >= 0) f.prompter.answers.push_back(static_cast<PromptAnswer>(answer));
        f.Find<QPushButton>("cmdExport")->click();

        QCOMPARE(f.chooser.saveDialogs.back(), true);
        QVERIFY(f.chooser.requests.back().filter.contains("LaTeX (*.tex) | *.tex"));
        if (prompt.isEmpty()) {
            QCOMPARE(f.prompter.calls.size(), std::size_t{0});
        } else {
            QCOMPARE(f.prompter.calls.size(), std::size_t{1});
            QVERIFY2(f.prompter.calls[0].text.contains(prompt),
                     qPrintable(f.prompter.calls[0].text));
        }
        QCOMPARE(QFile::exists(f.Path(name)), !written.isEmpty());
        if (!written.isEmpty()) QVERIFY(ReadBytes(f.Path(name)).startsWith(written));
    }

    // The page holds two tables: the user picks one (or cancels), sees what
    // does not fit and may decline.
    void loadsAWebPageAsOneStep_data() {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("first");  // cell (1, 1) after; empty: not replaced
        QTest::newRow("first, accepted") << 0 << int(PromptAnswer::Yes) << 2 << "Head";
        QTest::newRow("first, declined") << 0 << int(PromptAnswer::No) << 2 << "";
        QTest::newRow("second, nothing lost") << 1 << int(PromptAnswer::No) << 1 << "x";
        QTest::newRow("chooser cancelled") << -1 << int(PromptAnswer::Yes) << 1 << "";
    }
    void loadsAWebPageAsOneStep() {
        QFETCH(int, chosen);
        QFETCH(int, answer);
        QFETCH(int, questions);
        QFETCH(QString, first);
        StartedMain f;
        const QString page = f.Path("page.HTML");
        WriteBytes(page,
                   "<table><tr><td colspan=2 bgcolor=red style='font-style:italic'>Head</td>"
                   "</tr><tr><td>a</td><td>b</td></tr></table><table><tr><td>x</td></tr></table>");
        const TableSpec before = f.window->Table();
        f.prompter.calls.clear();
        f.prompter.chosen = chosen;
        f.prompter.answers.push_back(static_cast<PromptAnswer>(answer));
        f.chooser.names.push_back(page);
        f.Find<QPushButton>("cmdSaveLoad_4")->click();

        QVERIFY(f.chooser.requests.back().filter.contains("*.htm *.html"));
        QCOMPARE(f.prompter.calls.size(), std::size_t(questions));
        QCOMPARE(f.prompter.calls[0].details, QString("1. Head\n2. x"));
        if (questions == 2) {
            QCOMPARE(f.prompter.calls[1].text,
                     QString("The table does not fit entirely: styles not kept: font-style."
                             "\n\nReplace the current table?"));
        }
        const TableSpec& now = f.window->Table();
        QCOMPARE(now.SameSpec(before), first.isEmpty());
        if (first.isEmpty()) return;
        QCOMPARE(QString::fromStdString(now.At(1, 1).strContent), first);
        if (first == "Head") {
            QCOMPARE(now.At(1, 1).intColSpan, std::int16_t{2});
            QCOMPARE(now.At(1, 1).lngBgColor, std::int32_t{0x0000FF});
        }
        // One undo step brings the table back.
        f.Find<QPushButton>("cmdUndo")->click();
        QVERIFY(f.window->Table().SameSpec(before));
    }
};

QTEST_MAIN(TestFrmMainExchange)
#include "test_frm_main_exchange.moc"
