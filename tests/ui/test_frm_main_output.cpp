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
#include "ui/app/enter_presses_button.h"
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

  private slots:
    void specifyOutputFileRequest() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        f.Find<QPushButton>("cmdSpecifyOutputFile")->click();
        QCOMPARE(f.chooser.requests.size(), size_t(1));
        const FileDialogRequest& r = f.chooser.requests[0];
        QCOMPARE(r.title, QString("Specify output file"));
        QCOMPARE(r.filter, QString(".htm files (*.htm) | *.htm"));
        QVERIFY(r.hideReadOnly);
        QVERIFY(r.presetName.isEmpty());
        QVERIFY(f.chooser.saveDialogs[0]);
    }

    void specifyOutputFileChosen_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("pathAsTip");
        QTest::newRow("56 characters") << 56 << false;
        QTest::newRow("57 characters") << 57 << true;
        QTest::newRow("short") << 10 << false;
    }
    void specifyOutputFileChosen() {
        QFETCH(int, length);
        QFETCH(bool, pathAsTip);
        MainFixture f;
        QVERIFY(f.window->StartUp());
        const QString path = "/" + QString(length - 5, 'a') + ".htm";
        QCOMPARE(path.size(), length);
        f.Find<QLabel>("lblResult")->setText("stale");
        f.ChooseOutput(path);

        auto* box = f.Find<QLineEdit>("txbOutputFile_6");
        QCOMPARE(box->text(), path);
        QCOMPARE(box->toolTip(), pathAsTip ? path : QString());
        QVERIFY(f.Find<QLabel>("lblResult")->text().isEmpty());
        QVERIFY(f.Find<QPushButton>("cmdPerformOperation_6")->isEnabled());
        QVERIFY(f.Find<QPushButton>("cmdViewOutputFile_0")->isEnabled());
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
        QCOMPARE(f.window->focusWidget(), f.Find<QPushButton>("cmdQuit_0"));
    }

    void specifyOutputFileCancelled() {
        MainFixture f;
        Start(f, "first.htm");
        f.Find<QLabel>("lblResult")->setText("kept");
        f.Find<QPushButton>("cmdSpecifyOutputFile")->click();  // no name: cancelled
        QCOMPARE(f.Find<QLineEdit>("txbOutputFile_6")->text(), f.Path("first.htm"));
        QCOMPARE(f.Find<QLabel>("lblResult")->text(), QString("kept"));
        QVERIFY(f.Find<QPushButton>("cmdPerformOperation_6")->isEnabled());
    }

    void dialogSuppressesGridClicks() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        f.Find<QPushButton>("cmdSpecifyOutputFile")->click();
        QVERIFY(f.window->State().blnIgnoreGridClick);
        auto* clock2 = f.Find<QTimer>("Clock2");
        QVERIFY(clock2->isActive());
        QMetaObject::invokeMethod(clock2, "timeout");
        QVERIFY(!f.window->State().blnIgnoreGridClick);
        QVERIFY(!clock2->isActive());
    }

    void timerFollowsPathBox() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        auto* create = f.Find<QPushButton>("cmdPerformOperation_6");
        auto* box = f.Find<QLineEdit>("txbOutputFile_6");
        box->setText("/tmp/loaded.htm");  // as a loaded table file would
        QVERIFY(!create->isEnabled());
        Tick(f);
        QVERIFY(create->isEnabled());
        f.Find<QPushButton>("cmdViewOutputFile_0")->setEnabled(true);
        f.Find<QPushButton>("cmdViewOutputFile_0")->click();
        QVERIFY(create->isEnabled());  // until the next tick
        Tick(f);
        QVERIFY(!create->isEnabled());
    }

    void enterInPathBox() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        auto* box = f.Find<QLineEdit>("txbOutputFile_6");
        auto* create = f.Find<QPushButton>("cmdPerformOperation_6");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);  // Create disabled: focus stays
        QCOMPARE(f.window->focusWidget(), box);

        f.ChooseOutput(f.Path("t.htm"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(f.window->focusWidget(), create);
        // Enter leads to the button but never creates the file.
        QVERIFY(!QFile::exists(f.Path("t.htm")));
        QCOMPARE(f.choice.asked, 0);

        QTest::keyClicks(box, "typed");
        QCOMPARE(box->text(), f.Path("t.htm"));
    }

    // With the program's Enter handling, Enter in the path box still only
    // leads to Create; Enter on the focused Create button then creates.
    void enterOnFocusedCreateButton() {
        EnterPressesFocusedButton filter;
        qApp->installEventFilter(&filter);
        MainFixture f;
        QVERIFY(f.window->StartUp());
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
        MainFixture f;
        QVERIFY(f.window->StartUp());
        WriteBytes(f.Path("plain.txt"), "x");
        f.ChooseOutput(path == "bare.htm" ? path : f.Path(path));
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.prompter.calls[0].text, QString("Output folder does not exist."));
        QCOMPARE(f.prompter.calls[0].title, QString("Error"));
        QCOMPARE(f.prompter.calls[0].icon, PromptIcon::Exclamation);
        QCOMPARE(f.choice.asked, 0);
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
        QVERIFY(f.Find<QLabel>("lblResult")->text().isEmpty());
    }

    void createWritesCoreOutput() {
        MainFixture f;
        Start(f);
        f.window->Table().At(2, 3).strContent = "Größe";
        f.Find<QCheckBox>("chkAddHTMLWrapper4")->click();
        f.Find<QPushButton>("cmdPerformOperation_6")->click();

        QVERIFY(f.prompter.calls.empty());
        QCOMPARE(f.Find<QLabel>("lblResult")->text(), Text(*f.window, 29));
        QVERIFY(!f.Find<QLabel>("lblResult")->text().isEmpty());
        QVERIFY(f.window->State().blnOutputWritten);
        QCOMPARE(f.window->State().strOutputFile, f.Path("table.htm"));
        QVERIFY(f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
        QCOMPARE(f.choice.asked, 1);  // View runs after Create

        const std::string expected =
            RenderTableHtml(f.window->State().table, FixedClock(kTestMoment));
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
        QCOMPARE(f.prompter.calls[0].text, Text(*f.window, 27));
        QCOMPARE(f.prompter.calls[0].title, Text(*f.window, 28));
        QCOMPARE(f.prompter.calls[0].buttons, PromptButtons::YesNo);
        if (PromptAnswer(answer) == PromptAnswer::No) {
            QCOMPARE(ReadBytes(f.Path("table.htm")), QByteArray("old content"));
            QVERIFY(f.Find<QLabel>("lblResult")->text().isEmpty());
            QCOMPARE(f.choice.asked, 0);
            QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
        } else {
            QVERIFY(ReadBytes(f.Path("table.htm")).startsWith("<"));
            QCOMPARE(f.Find<QLabel>("lblResult")->text(), Text(*f.window, 29));
            QCOMPARE(f.choice.asked, 1);
        }
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
        // View still runs and deals with the missing file.
        QCOMPARE(f.choice.asked, 1);
    }

    void viewExtensionCheck_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("HTM") << "t.HTM" << true;
        QTest::newRow("Html") << "t.Html" << true;
        QTest::newRow("htmx") << "t.htmx" << false;
        QTest::newRow("no dot") << "table" << false;
    }
    void viewExtensionCheck() {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        MainFixture f;
        Start(f, name);
        f.window->cmdViewOutputFile_Click(6);
        if (accepted) {
            QVERIFY(f.prompter.calls.empty());
            QCOMPARE(f.choice.asked, 1);
        } else {
            QCOMPARE(f.choice.asked, 0);  // refused before the question
            QCOMPARE(f.prompter.calls.size(), size_t(1));
            QCOMPARE(f.prompter.calls[0].text,
                     QString("Output file must have file extension \"htm\" or \"html\"."));
            QCOMPARE(f.prompter.calls[0].title, QString("Invalid file extension"));
            QCOMPARE(f.prompter.calls[0].icon, PromptIcon::Exclamation);
        }
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
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        WriteBytes(f.Path("table.htm"), QByteArray(bytes, 'a'));
        f.choice.choice = ViewChoice::AsHtmlCode;
        f.Find<QPushButton>("cmdViewOutputFile_6")->click();

        QCOMPARE(f.window->State().lngOutputFileLen, long(bytes));
        if (shown) {
            QVERIFY(f.prompter.calls.empty());
            frmView* viewer = f.window->Viewer();
            QVERIFY(viewer != nullptr);
            QVERIFY(viewer->isVisible());
            QCOMPARE(viewer->strFileToView, f.Path("table.htm"));
            QCOMPARE(viewer->windowTitle(), Text(*f.window, 25) + " " + f.Path("table.htm"));
            QCOMPARE(viewer->GetFileEncoding(), FileEncoding::Windows1252);
            auto* text = viewer->findChild<QPlainTextEdit*>("txbText1");
            QCOMPARE(text->font().family(), QString("Courier New"));
            QVERIFY(viewer->LoadFile());
            QCOMPARE(text->toPlainText().size(), bytes);
            // Window frames may differ by a few pixels between platforms.
            QVERIFY(qAbs(viewer->width() - f.window->width()) <= 8);
            QVERIFY(qAbs(viewer->height() - f.window->height()) <= 8);
        } else {
            QVERIFY(f.window->Viewer() == nullptr || !f.window->Viewer()->isVisible());
            QCOMPARE(f.prompter.calls.size(), size_t(1));
            QCOMPARE(f.prompter.calls[0].text, Text(*f.window, 1) + " " + f.Path("table.htm") +
                                                   " is 60 KB.\n" + Text(*f.window, 8) + "\n" +
                                                   Text(*f.window, 9) + " " + Text(*f.window, 10));
            QCOMPARE(f.prompter.calls[0].title, Text(*f.window, 6));
            QCOMPARE(f.prompter.calls[0].icon, PromptIcon::Exclamation);
        }
    }

    void viewMissingFile() {
        MainFixture f;
        Start(f);
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        QVERIFY(QFile::remove(f.Path("table.htm")));
        f.choice.choice = ViewChoice::AsHtmlCode;
        f.Find<QPushButton>("cmdViewOutputFile_6")->click();
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.prompter.calls[0].text, Text(*f.window, 26));
        QCOMPARE(f.prompter.calls[0].title, Text(*f.window, 13));
        QCOMPARE(f.prompter.calls[0].icon, PromptIcon::Exclamation);
        QVERIFY(f.window->Viewer() == nullptr);
    }

    void viewUnmeasurableFile() {
        MainFixture f;
        Start(f);
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        QVERIFY(QFile::remove(f.Path("table.htm")));
        QVERIFY(QDir(f.dir.path()).mkdir("table.htm"));  // a folder where the file was
        f.choice.choice = ViewChoice::AsHtmlCode;
        f.Find<QPushButton>("cmdViewOutputFile_6")->click();
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.prompter.calls[0].text, QString::fromLocal8Bit(std::strerror(EISDIR)));
        QCOMPARE(f.prompter.calls[0].title, QString("Error"));
        QVERIFY(f.window->Viewer() == nullptr);
    }

    void viewUsesLastWrittenPath() {
        // The code viewer shows what Create wrote, even when the box changed since.
        MainFixture f;
        Start(f);
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        f.Find<QLineEdit>("txbOutputFile_6")->setText(f.Path("other.htm"));
        f.choice.choice = ViewChoice::AsHtmlCode;
        f.window->cmdViewOutputFile_Click(6);
        QVERIFY(f.prompter.calls.empty());
        QCOMPARE(f.window->Viewer()->strFileToView, f.Path("table.htm"));
    }

    void viewNotNow() {
        MainFixture f;
        Start(f);
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        QCOMPARE(f.choice.asked, 1);
        QVERIFY(f.prompter.calls.empty());
        QVERIFY(f.launcher.targets.empty());
        QVERIFY(f.window->Viewer() == nullptr);
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
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        // The browser gets the box text without surrounding blanks.
        f.Find<QLineEdit>("txbOutputFile_6")->setText("  " + f.Path("table.htm") + " ");
        f.choice.choice = ViewChoice::InBrowser;
        f.launcher.code = code;
        f.window->cmdViewOutputFile_Click(6);
        QCOMPARE(f.launcher.targets.size(), size_t(1));
        QCOMPARE(f.launcher.targets[0], f.Path("table.htm"));
        QVERIFY(f.window->Viewer() == nullptr);
        if (!error) {
            QVERIFY(f.prompter.calls.empty());
            QVERIFY(f.window->OpenDocument(f.Path("x.htm"), true));
        } else {
            QCOMPARE(f.prompter.calls.size(), size_t(1));
            QCOMPARE(f.prompter.calls[0].text, "Error opening file " + f.Path("table.htm") +
                                                   ".\nPerhaps the file extension is incorrect.");
            QCOMPARE(f.prompter.calls[0].title, QString("Error"));
            QCOMPARE(f.prompter.calls[0].icon, PromptIcon::Exclamation);
            QVERIFY(!f.window->OpenDocument(f.Path("x.htm"), false));
            QCOMPARE(f.prompter.calls.size(), size_t(1));  // silent when asked to be
        }
    }

    void clearForgetsPath() {
        MainFixture f;
        Start(f);
        f.Find<QPushButton>("cmdPerformOperation_6")->click();
        auto* clear = f.Find<QPushButton>("cmdViewOutputFile_0");
        auto* box = f.Find<QLineEdit>("txbOutputFile_6");
        QVERIFY(clear->isEnabled());
        clear->click();
        QVERIFY(box->text().isEmpty());
        QCOMPARE(box->toolTip(), f.window->State().strOutputFilePrompt);
        QVERIFY(!clear->isEnabled());
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
        QCOMPARE(f.window->focusWidget(), f.Find<QPushButton>("cmdQuit_0"));
        Tick(f);
        QVERIFY(!f.Find<QPushButton>("cmdPerformOperation_6")->isEnabled());
    }
};

QTEST_MAIN(TestFrmMainOutput)
#include "test_frm_main_output.moc"
