#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/html/render_table_html.h"
#include "core/html/write_table_html.h"
#include "main_test_files.h"
#include "ui/main_window/enter_presses_button.h"
#include "ui/view/frm_view.h"

using namespace tabloom;

namespace {

QString Text(const frmMain& w, int n) { return QString::fromStdString(w.Texts().ProgramText(n)); }

}  // namespace

// The output path, the Create command and the View and Clear buttons.
class TestFrmMainOutput : public QObject {
    Q_OBJECT

  private:
    // A started window with an output path chosen in its temporary folder.
    static void Start(MainFixture& f, const QString& name = "table.htm") {
        QVERIFY(f.window->StartUp());
        f.ChooseOutput(f.Path(name));
    }
    static void Tick(MainFixture& f) {
        QMetaObject::invokeMethod(f.Find<QTimer>("Timer1"), "timeout");
    }
    static void CreateAndView(MainFixture& f, ViewChoice choice) {
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        f.choice.choice = choice;
    }

  private slots:
    void specifyOutputFileChosen_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("pathAsTip");
        QTest::newRow("56 characters") << 56 << false;
        QTest::newRow("57 characters") << 57 << true;
    }
    void specifyOutputFileChosen() {
        QFETCH(int, length);
        QFETCH(bool, pathAsTip);
        StartedMain f;
        const QString path = "/" + QString(length - 5, 'a') + ".htm";
        f.Find<QLabel>("lblResult")->setText("stale");
        f.ChooseOutput(path);

        auto* box = f.Find<QLineEdit>("txbOutputFile_6");
        QCOMPARE(box->text(), path);
        QCOMPARE(box->toolTip(), pathAsTip ? path : QString());
        QVERIFY(f.Find<QLabel>("lblResult")->text().isEmpty());
        QVERIFY(f.Find<QPushButton>("cmdPerformOperation_6")->isEnabled());
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());

        f.Find<QPushButton>("cmdSpecifyOutputFile")->click();  // cancelled: path kept
        QCOMPARE(box->text(), path);
    }

    // Such a path could be written once, but then stopped every Save table
    // and the save at Quit.
    void specifyOutputFileRefusesControlCharacters_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tab in a folder") << "tab\tfolder/t.htm"
                                         << "tab[tab]folder/t.htm";
        QTest::newRow("line break in the name") << "t\n.htm"
                                                << "t[line break].htm";
    }
    void specifyOutputFileRefusesControlCharacters() {
        QFETCH(QString, chosen);
        QFETCH(QString, shown);
        MainFixture f;
        Start(f);
        f.ChooseOutput(f.Path(chosen));
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.prompter.calls[0].title, QString("Error"));
        QVERIFY2(f.prompter.calls[0].text.contains(f.Path(shown)),
                 qPrintable(f.prompter.calls[0].text));
        QCOMPARE(f.window->OutputPath(), f.Path("table.htm"));

        f.chooser.names = {f.Path("saved.tbl")};
        f.Find<QPushButton>("cmdSaveLoad_5")->click();
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.window->State().strTableFile, f.Path("saved.tbl"));
    }

    void createFollowsThePath() {
        StartedMain f;
        auto* create = f.Find<QPushButton>("cmdPerformOperation_6");
        f.window->Document().SetOutputPath("/tmp/loaded.htm", {});  // as a loaded file
        Tick(f);
        QVERIFY(create->isEnabled());
        f.Find<QPushButton>("cmdViewOutputFile_0")->click();
        Tick(f);
        QVERIFY(!create->isEnabled());
        QVERIFY(f.Find<QLineEdit>("txbOutputFile_6")->text().isEmpty());
    }

    // Enter in the path box only leads to Create; Enter on the focused Create
    // button then creates.
    void enterLeadsToCreateThenCreates() {
        EnterPressesFocusedButton filter;
        qApp->installEventFilter(&filter);
        StartedMain f;
        f.window->activateWindow();
        f.ChooseOutput(f.Path("t.htm"));
        auto* box = f.Find<QLineEdit>("txbOutputFile_6");
        auto* create = f.Find<QPushButton>("cmdPerformOperation_6");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_VERIFY(create->hasFocus());
        QVERIFY(!QFile::exists(f.Path("t.htm")));
        QTest::keyClick(create, Qt::Key_Return);
        QTRY_VERIFY(QFile::exists(f.Path("t.htm")));
        qApp->removeEventFilter(&filter);
    }

    void createMissingFolder_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << "missing/t.htm";
        QTest::newRow("file as folder") << "plain.txt/t.htm";
        QTest::newRow("bare name") << "bare.htm";
    }
    void createMissingFolder() {
        QFETCH(QString, path);
        StartedMain f;
        WriteBytes(f.Path("plain.txt"), "x");
        f.ChooseOutput(path == "bare.htm" ? path : f.Path(path));
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.prompter.calls[0].text, QString("Output folder does not exist."));
        QCOMPARE(f.choice.asked, 0);
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
    }

    void createWritesCoreOutput() {
        MainFixture f;
        Start(f);
        Edit(*f.window, [&](TableSpec& t) { t.At(2, 3).strContent = "Größe"; });
        f.Find<QCheckBox>("chkAddHTMLWrapper4")->click();
        f.Find<QPushButton>("cmdPerformOperation_6")->click();

        QVERIFY(f.prompter.calls.empty());
        QCOMPARE(f.Find<QLabel>("lblResult")->text(), Text(*f.window, 29));
        QVERIFY(f.window->State().blnOutputWritten);
        QVERIFY(f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
        QCOMPARE(f.choice.asked, 1);          // View runs after Create
        QVERIFY(f.launcher.targets.empty());  // "not now" opens nothing

        const std::string expected = RenderTableHtml(f.window->Table(), FixedClock(kTestMoment));
        QCOMPARE(ReadBytes(f.Path("table.htm")), QByteArray::fromStdString(expected));
        QVERIFY(
            QByteArray::fromStdString(expected).contains("Gr\xF6\xDF"
                                                         "e"));
    }

    void createOverwrite_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("no") << int(PromptAnswer::No);
        QTest::newRow("yes") << int(PromptAnswer::Yes);
    }
    void createOverwrite() {
        QFETCH(int, answer);
        MainFixture f;
        Start(f);
        WriteBytes(f.Path("table.htm"), "old content");
        f.prompter.answers.push_back(PromptAnswer(answer));
        f.Find<QPushButton>("cmdPerformOperation_6")->click();

        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.prompter.calls[0].buttons, PromptButtons::YesNo);
        const bool yes = PromptAnswer(answer) == PromptAnswer::Yes;
        QCOMPARE(ReadBytes(f.Path("table.htm")) == "old content", !yes);
        QCOMPARE(f.choice.asked, yes ? 1 : 0);
        QCOMPARE(f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled(), yes);
    }

    void createFailureReportedInResult() {
        // A folder where the output file should be: the generator cannot open it.
        MainFixture f;
        Start(f, "taken.htm");
        QVERIFY(QDir(f.dir.path()).mkdir("taken.htm"));
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        QVERIFY(f.prompter.calls.empty());  // no overwrite question for a folder
        const QString result = f.Find<QLabel>("lblResult")->text();
        QVERIFY(!result.isEmpty());
        QVERIFY(result != Text(*f.window, 29));
        QVERIFY(!f.window->State().blnOutputWritten);
        QCOMPARE(f.choice.asked, 1);  // View still runs and meets the missing file
    }

    void viewExtensionCheck() {
        MainFixture f;
        Start(f, "table");
        f.window->cmdViewOutputFile_Click(6);
        QCOMPARE(f.choice.asked, 0);  // refused before the question
        QCOMPARE(f.prompter.calls.size(), size_t(1));
    }

    void viewSizeBoundary_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<bool>("shown");
        QTest::newRow("61440 shown") << 61440 << true;
        QTest::newRow("61441 refused") << 61441 << false;
    }
    void viewSizeBoundary() {
        QFETCH(int, bytes);
        QFETCH(bool, shown);
        MainFixture f;
        Start(f);
        CreateAndView(f, ViewChoice::AsHtmlCode);
        WriteBytes(f.Path("table.htm"), QByteArray(bytes, 'a'));
        f.Find<QPushButton>("cmdViewOutputFile_6")->click();

        if (shown) {
            QVERIFY(f.prompter.calls.empty());
            frmView* viewer = f.window->Viewer();
            QVERIFY(viewer != nullptr && viewer->isVisible());
            QVERIFY(viewer->LoadFile());
            QCOMPARE(viewer->findChild<QPlainTextEdit*>("txbText1")->toPlainText().size(), bytes);
        } else {
            QVERIFY(f.window->Viewer() == nullptr || !f.window->Viewer()->isVisible());
            QCOMPARE(f.prompter.calls.size(), size_t(1));
            QVERIFY(f.prompter.calls[0].text.contains(f.Path("table.htm") + " is 60 KB.\n"));
        }
    }

    // The file is gone, or a folder stands where it was.
    void viewUnreadableFile_data() {
        QTest::addColumn<bool>("folder");
        QTest::newRow("missing") << false;
        QTest::newRow("folder") << true;
    }
    void viewUnreadableFile() {
        QFETCH(bool, folder);
        MainFixture f;
        Start(f);
        CreateAndView(f, ViewChoice::AsHtmlCode);
        QVERIFY(QFile::remove(f.Path("table.htm")));
        if (folder) QVERIFY(QDir(f.dir.path()).mkdir("table.htm"));
        f.Find<QPushButton>("cmdViewOutputFile_6")->click();
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.prompter.calls[0].text,
                 folder ? QString::fromLocal8Bit(std::strerror(EISDIR)) : Text(*f.window, 26));
        QVERIFY(f.window->Viewer() == nullptr);
    }

    void viewUsesLastWrittenPath() {
        // The code viewer shows what Create wrote, even when the box changed since.
        MainFixture f;
        Start(f);
        CreateAndView(f, ViewChoice::AsHtmlCode);
        f.Find<QLineEdit>("txbOutputFile_6")->setText(f.Path("other.htm"));
        f.window->cmdViewOutputFile_Click(6);
        QVERIFY(f.prompter.calls.empty());
        QCOMPARE(f.window->Viewer()->strFileToView, f.Path("table.htm"));
    }

    void viewInBrowser_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("error");
        QTest::newRow("accepted") << 33 << false;
        QTest::newRow("no program") << 31 << true;
        QTest::newRow("failed") << 5 << true;
    }
    void viewInBrowser() {
        QFETCH(int, code);
        QFETCH(bool, error);
        MainFixture f;
        Start(f);
        CreateAndView(f, ViewChoice::InBrowser);
        // The browser gets the box text without surrounding blanks.
        f.Find<QLineEdit>("txbOutputFile_6")->setText("  " + f.Path("table.htm") + " ");
        f.launcher.code = code;
        f.window->cmdViewOutputFile_Click(6);
        QCOMPARE(f.launcher.targets, std::vector<QString>{f.Path("table.htm")});
        QCOMPARE(f.prompter.calls.size(), size_t(error ? 1 : 0));
        // Asked to be silent, a failed launch shows nothing more.
        QCOMPARE(f.window->OpenDocument(f.Path("x.htm"), !error), !error);
        QCOMPARE(f.prompter.calls.size(), size_t(error ? 1 : 0));
    }

    void clearForgetsPath() {
        MainFixture f;
        Start(f);
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        auto* clear = f.Find<QPushButton>("cmdViewOutputFile_0");
        clear->click();
        QVERIFY(f.Find<QLineEdit>("txbOutputFile_6")->text().isEmpty());
        QVERIFY(!clear->isEnabled());
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
        Tick(f);
        QVERIFY(!f.Find<QPushButton>("cmdPerformOperation_6")->isEnabled());
    }
};

QTEST_MAIN(TestFrmMainOutput)
#include "test_frm_main_output.moc"
