#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/html/render_table_html.h"
#include "main_test_files.h"
#include "ui/main_window/enter_presses_button.h"
#include "ui/view/frm_view.h"

using namespace tabloom;

namespace {

QString Text(const frmMain& w, int n) { return QString::fromStdString(w.Texts().ProgramText(n)); }

// A started window with an output path chosen in its temporary folder.
struct Output : StartedMain {
    explicit Output(const QString& name = "table.htm") { ChooseOutput(Path(name)); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }
    void Create() { Button("cmdPerformOperation_6")->click(); }
    void Tick() { QMetaObject::invokeMethod(Find<QTimer>("Timer1"), "timeout"); }
    QLineEdit* Box() { return Find<QLineEdit>("txbOutputFile_6"); }
};

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

// The output path, the Create command, the View and Clear buttons, and
// pasting rows of values from the clipboard.
class TestFrmMainOutput : public QObject {
    Q_OBJECT

  private slots:
    // A path longer than the box shows as its tooltip; a cancelled dialog
    // keeps the path.
    void specifyOutputFileChosen() {
        Output f;
        for (int length : {56, 57}) {
            const QString path = "/" + QString(length - 5, 'a') + ".htm";
            f.Find<QLabel>("lblResult")->setText("stale");
            f.ChooseOutput(path);
            QCOMPARE(f.Box()->text(), path);
            QCOMPARE(f.Box()->toolTip(), length > 56 ? path : QString());
            QVERIFY(f.Find<QLabel>("lblResult")->text().isEmpty());
        }
        f.Button("cmdSpecifyOutputFile")->click();
        QCOMPARE(f.Box()->text().size(), 57);
    }

    // Such a path could be written once, but then stopped every Save table
    // and the save at Quit.
    void specifyOutputFileRefusesControlCharacters() {
        Output f;
        f.ChooseOutput(f.Path("tab\tfolder/t.htm"));
        QVERIFY(f.prompter.calls.at(0).text.contains(f.Path("tab[tab]folder/t.htm")));
        QCOMPARE(f.window->OutputPath(), f.Path("table.htm"));
        f.chooser.names = {f.Path("saved.tbl")};
        f.Button("cmdSaveLoad_5")->click();
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.window->State().strTableFile, f.Path("saved.tbl"));
    }

    // Create follows the path however it came; Clear forgets it.
    void createFollowsThePath() {
        StartedMain f;
        auto* create = f.Find<QPushButton>("cmdPerformOperation_6");
        auto* clear = f.Find<QPushButton>("cmdViewOutputFile_0");
        f.window->Document().SetOutputPath(f.Path("loaded.htm"), {});  // as a loaded file
        QMetaObject::invokeMethod(f.Find<QTimer>("Timer1"), "timeout");
        QVERIFY(create->isEnabled());
        create->click();
        QVERIFY(f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
        clear->click();
        QMetaObject::invokeMethod(f.Find<QTimer>("Timer1"), "timeout");
        QVERIFY(!create->isEnabled() && !clear->isEnabled());
        QVERIFY(f.Find<QLineEdit>("txbOutputFile_6")->text().isEmpty());
    }

    // Enter in the path box only leads to Create; Enter on the focused Create
    // button then creates.
    void enterLeadsToCreateThenCreates() {
        EnterPressesFocusedButton filter;
        qApp->installEventFilter(&filter);
        Output f("t.htm");
        f.window->activateWindow();
        f.Box()->setFocus();
        QTest::keyClick(f.Box(), Qt::Key_Return);
        QTRY_VERIFY(f.Button("cmdPerformOperation_6")->hasFocus());
        QVERIFY(!QFile::exists(f.Path("t.htm")));
        QTest::keyClick(f.Button("cmdPerformOperation_6"), Qt::Key_Return);
        QTRY_VERIFY(QFile::exists(f.Path("t.htm")));
        qApp->removeEventFilter(&filter);
    }

    void createMissingFolder() {
        Output f;
        WriteBytes(f.Path("plain.txt"), "x");
        for (const QString& path :
             {f.Path("missing/t.htm"), f.Path("plain.txt/t.htm"), QString("bare.htm")}) {
            f.prompter.calls.clear();
            f.ChooseOutput(path);
            f.Create();
            QCOMPARE(f.prompter.calls.size(), size_t(1));
            QCOMPARE(f.prompter.calls[0].text, QString("Output folder does not exist."));
        }
    }

    // Create writes the core's page and then asks how to view it; "not now"
    // opens nothing.
    void createWritesCoreOutput() {
        Output f;
        Edit(*f.window, [&](TableSpec& t) { t.At(2, 3).strContent = "Größe"; });
        f.Find<QCheckBox>("chkAddHTMLWrapper4")->click();
        f.Create();
        QCOMPARE(f.Find<QLabel>("lblResult")->text(), Text(*f.window, 29));
        QCOMPARE(f.choice.asked, 1);
        const std::string expected = RenderTableHtml(f.window->Table(), FixedClock(kTestMoment));
        QCOMPARE(ReadBytes(f.Path("table.htm")), QByteArray::fromStdString(expected));
    }

    void createOverwrite() {
        for (bool yes : {false, true}) {
            Output f;
            WriteBytes(f.Path("table.htm"), "old content");
            f.prompter.answers.push_back(yes ? PromptAnswer::Yes : PromptAnswer::No);
            f.Create();
            QCOMPARE(f.prompter.calls.size(), size_t(1));
            QCOMPARE(ReadBytes(f.Path("table.htm")) == "old content", !yes);
        }
    }

    // A folder where the output file should be: no overwrite question, the
    // failure in the result line, and View meets the missing file.
    void createFailureReportedInResult() {
        Output f("taken.htm");
        QVERIFY(QDir(f.dir.path()).mkdir("taken.htm"));
        f.Create();
        QVERIFY(f.prompter.calls.empty());
        const QString result = f.Find<QLabel>("lblResult")->text();
        QVERIFY(!result.isEmpty() && result != Text(*f.window, 29));
    }

    // The code viewer shows what Create wrote, even when the box changed
    // since, up to 60 KB; a name without .htm is refused before the question.
    void viewAsCode() {
        Output f;
        f.Create();
        f.choice.choice = ViewChoice::AsHtmlCode;
        for (int bytes : {61440, 61441}) {
            WriteBytes(f.Path("table.htm"), QByteArray(bytes, 'a'));
            f.Box()->setText(f.Path(bytes == 61440 ? "other.htm" : "table.htm"));
            f.window->cmdViewOutputFile_Click(6);
            frmView* viewer = f.window->Viewer();
            if (bytes == 61440) {
                QVERIFY(viewer != nullptr && viewer->isVisible() && viewer->LoadFile());
                QCOMPARE(viewer->findChild<QPlainTextEdit*>("txbText1")->toPlainText().size(),
                         bytes);
                viewer->hide();
            } else {
                QVERIFY(!viewer->isVisible());
                QVERIFY(f.prompter.calls.at(0).text.contains(f.Path("table.htm") + " is 60 KB.\n"));
            }
        }
        Output bare("table");
        bare.window->cmdViewOutputFile_Click(6);
        QVERIFY(bare.choice.asked == 0 && bare.prompter.calls.size() == 1);
    }

    // The file is gone, or a folder stands where it was.
    void viewUnreadableFile() {
        for (bool folder : {false, true}) {
            Output f;
            f.Create();
            f.choice.choice = ViewChoice::AsHtmlCode;
            QVERIFY(QFile::remove(f.Path("table.htm")));
            if (folder) QVERIFY(QDir(f.dir.path()).mkdir("table.htm"));
            f.Button("cmdViewOutputFile_6")->click();
            QCOMPARE(f.prompter.calls.at(0).text,
                     folder ? QString::fromLocal8Bit(std::strerror(EISDIR)) : Text(*f.window, 26));
            QVERIFY(f.window->Viewer() == nullptr);
        }
    }

    // The browser gets the box text without surrounding blanks; asked to be
    // silent, a failed launch shows nothing more.
    void viewInBrowser() {
        for (int code : {33, 31}) {
            Output f;
            f.Create();
            f.choice.choice = ViewChoice::InBrowser;
            f.Box()->setText("  " + f.Path("table.htm") + " ");
            f.launcher.code = code;
            f.window->cmdViewOutputFile_Click(6);
            QCOMPARE(f.launcher.targets, std::vector<QString>{f.Path("table.htm")});
            const size_t errors = code == 33 ? 0 : 1;
            QCOMPARE(f.prompter.calls.size(), errors);
            QCOMPARE(f.window->OpenDocument(f.Path("x.htm"), code == 33), code == 33);
            QCOMPARE(f.prompter.calls.size(), errors);
        }
    }

    // A block grows the table (the lists follow); a paste is one step back,
    // lists included.
    void pastesBlock() {
        Pasting f(5, 5);
        f.clipboard.text = "a\tb\tc\r\nd\te\tf\r\ng\th\ti\r\nj\tk\tl\r\n";
        f.window->PasteData();
        QCOMPARE(f.Size(), QPoint(8, 7));
        QCOMPARE(f.Find<QComboBox>("cboNumberOfColumns")->currentText(), QString("7"));
        f.Find<QPushButton>("cmdUndo")->click();
        QCOMPARE(f.Size(), QPoint(6, 6));
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

QTEST_MAIN(TestFrmMainOutput)
#include "test_frm_main_output.moc"
