#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "scripted_seams.h"
#include "ui/view/frm_view.h"
#include "ui/view/twips.h"
#include "ui/view/viewer_placement.h"
#include "view_test_files.h"

using namespace tabloom;

Q_DECLARE_METATYPE(tabloom::FileEncoding)

namespace {

struct Viewer {
    ViewTestFiles files;
    ProgramTexts texts = files.LoadTexts();
    RecordingPrompter prompter;
    frmView view{texts, prompter};

    QPlainTextEdit* Text() { return view.findChild<QPlainTextEdit*>("txbText1"); }
    QPushButton* Copy() { return view.findChild<QPushButton*>("cmdCopyToClipboard"); }
    QPushButton* Close() { return view.findChild<QPushButton*>("cmdClose"); }

    bool Load(const QByteArray& bytes) {
        view.strFileToView = files.Write("table.htm", bytes);
        return view.LoadFile();
    }
    void SelectChars(int from, int to) {
        QTextCursor cursor = Text()->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        Text()->setTextCursor(cursor);
    }
};

int Px(int twips, const QWidget* widget) { return TwipsToPixels(twips, TwipsPerPixel(widget)); }

}  // namespace

class TestFrmView : public QObject {
    Q_OBJECT

  private slots:
    void showsFileText_data() {
        QTest::addColumn<FileEncoding>("encoding");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("code page: euro, e acute, CR LF")
            << FileEncoding::Windows1252 << QByteArray("<td>\x80 5 caf\xE9</td>\r\n</tr>\r\n")
            << QString::fromUtf8("<td>€ 5 café</td>\n</tr>\n");
        QTest::newRow("code page: UTF-8 bytes are shown as their code page characters")
            << FileEncoding::Windows1252 << QByteArray("\xC3\xA9") << QString::fromUtf8("Ã©");
        QTest::newRow("utf-8 with byte order mark")
            << FileEncoding::Utf8 << QByteArray("\xEF\xBB\xBFgr\xC3\xBC\xC3\x9F \xE2\x82\xAC\r\nx")
            << QString::fromUtf8("grüß €\nx");
        QTest::newRow("utf-8, lone CR")
            << FileEncoding::Utf8 << QByteArray("a\rb") << QString("a\nb");
    }
    void showsFileText() {
        QFETCH(FileEncoding, encoding);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        Viewer v;
        v.view.SetFileEncoding(encoding);
        QVERIFY(v.Load(bytes));
        QCOMPARE(v.Text()->toPlainText(), shown);
        QCOMPARE(v.Text()->textCursor().position(), 0);
        QVERIFY(v.prompter.calls.empty());
    }

    void reloadsChangedFileAndDropsSelection() {
        Viewer v;
        QVERIFY(v.Load("first version\r\n"));
        v.SelectChars(0, 5);
        QCOMPARE(v.Copy()->text(), QString("Copy selected text to clipboard"));
        v.files.Write("table.htm", "second version, longer\r\n");
        QVERIFY(v.view.LoadFile());
        QCOMPARE(v.Text()->toPlainText(), QString("second version, longer\n"));
        QVERIFY(!v.Text()->textCursor().hasSelection());
        QCOMPARE(v.Copy()->text(), QString("Copy to clipboard"));
        QCOMPARE(v.Copy()->width(), Px(kCopyButtonWidthTwips, &v.view));
    }

    void reloadsWhenActivated() {
        Viewer v;
        v.view.strFileToView = v.files.Write("table.htm", "<table>\r\n");
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&v.view, &activate);
        QCOMPARE(v.Text()->toPlainText(), QString("<table>\n"));
        v.files.Write("table.htm", "<table border=\"4\">\r\n");
        QApplication::sendEvent(&v.view, &activate);
        QCOMPARE(v.Text()->toPlainText(), QString("<table border=\"4\">\n"));
    }

    void emptyFileIsReportedAndHides() {
        Viewer v;
        v.view.strFileToView = v.files.Write("table.htm", "");
        v.view.show();
        QVERIFY(!v.view.LoadFile());
        QVERIFY(!v.view.isVisible());
        QCOMPARE(v.prompter.calls.size(), std::size_t{1});
        QCOMPARE(v.prompter.calls[0].text, QString("The output file is empty."));
        QCOMPARE(v.prompter.calls[0].title, QString("Notice title"));
        QCOMPARE(v.prompter.calls[0].icon, PromptIcon::Exclamation);
        QCOMPARE(v.prompter.calls[0].buttons, PromptButtons::Ok);
        QVERIFY(v.Text()->toPlainText().isEmpty());
    }

    void readErrorsAreReportedAndHide_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << "missing.htm"
                                      << "Error reading file 2.  No such file or directory";
        QTest::newRow("folder at the path") << "folder"
                                            << "Error reading file 21.  Is a directory";
        QTest::newRow("no path") << ""
                                 << "Error reading file 2.  No such file or directory";
        QTest::newRow("below a regular file") << "plain.txt/table.htm"
                                              << "Error reading file 20.  Not a directory";
    }
    void readErrorsAreReportedAndHide() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        Viewer v;
        QVERIFY(QDir(v.files.Path("")).mkpath("folder"));
        v.files.Write("plain.txt", "x");
        QVERIFY(v.Load("old text"));
        v.view.strFileToView = name.isEmpty() ? QString() : v.files.Path(name);
        v.view.show();
        QVERIFY(!v.view.LoadFile());
        QVERIFY(!v.view.isVisible());
        QVERIFY(v.Text()->toPlainText().isEmpty());
        QCOMPARE(v.prompter.calls.size(), std::size_t{1});
        QCOMPARE(v.prompter.calls[0].text, message);
        QCOMPARE(v.prompter.calls[0].title, QString("Error"));
        QCOMPARE(v.prompter.calls[0].icon, PromptIcon::Exclamation);
    }

    void oversizedFileIsRefused() {
        Viewer v;
        QVERIFY(!v.Load(QByteArray(static_cast<qsizetype>(frmView::kMaxFileBytes) + 1, 'x')));
        QCOMPARE(v.prompter.calls.size(), std::size_t{1});
        QCOMPARE(v.prompter.calls[0].text, QString("Error reading file 27.  File too large"));
        QVERIFY(v.Load(QByteArray(1000, 'y')));  // the limit is on size alone
    }

    void copyPutsTextOnClipboard_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("copied");
        QTest::newRow("no selection: whole text") << 0 << 0 << QString("<tr>\n<td>a</td>\n</tr>\n");
        QTest::newRow("selection within a line") << 5 << 9 << QString("<td>");
        QTest::newRow("selection over lines") << 1 << 8 << QString("tr>\n<td");
    }
    void copyPutsTextOnClipboard() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, copied);
        Viewer v;
        QApplication::clipboard()->setText("before");
        QVERIFY(v.Load("<tr>\r\n<td>a</td>\r\n</tr>\r\n"));
        if (from != to) v.SelectChars(from, to);
        v.Copy()->click();
        QCOMPARE(QApplication::clipboard()->text(), copied);
        QCOMPARE(v.Copy()->text(), QString("Copy to clipboard"));
        QCOMPARE(v.Copy()->width(), Px(kCopyButtonWidthTwips, &v.view));
        QCOMPARE(v.view.focusWidget(), v.Close());
    }

    void copyOfEmptyTextLeavesClipboard() {
        Viewer v;
        QApplication::clipboard()->setText("keep me");
        v.Copy()->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("keep me"));
        QCOMPARE(v.view.focusWidget(), v.Close());
    }

    void captionFollowsSelection() {
        Viewer v;
        QVERIFY(v.Load("some html code"));
        v.SelectChars(0, 4);
        QCOMPARE(v.Copy()->text(), QString("Copy selected text to clipboard"));
        QCOMPARE(v.Copy()->width(), Px(kCopySelectedButtonWidthTwips, &v.view));
        v.SelectChars(2, 2);
        QCOMPARE(v.Copy()->text(), QString("Copy to clipboard"));
        QCOMPARE(v.Copy()->width(), Px(kCopyButtonWidthTwips, &v.view));
    }

    void captionFollowsSelectionOnMouseRelease() {
        Viewer v;
        QVERIFY(v.Load("some html code"));
        {
            // A selection made without the change signal: only the release
            // of the mouse button can update the caption.
            const QSignalBlocker blocker(v.Text());
            v.SelectChars(0, 4);
        }
        QCOMPARE(v.Copy()->text(), QString("Copy to clipboard"));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(v.Text()->viewport(), &release);
        QVERIFY(v.Text()->textCursor().hasSelection());
        QCOMPARE(v.Copy()->text(), QString("Copy selected text to clipboard"));
    }

    void disabledCopyButtonKeepsCaption() {
        Viewer v;
        QVERIFY(v.Load("some html code"));
        v.Copy()->setEnabled(false);
        v.SelectChars(0, 4);
        QCOMPARE(v.Copy()->text(), QString("Copy to clipboard"));
        QVERIFY(v.view.LoadFile());  // loading enables it again
        QVERIFY(v.Copy()->isEnabled());
        v.SelectChars(0, 4);
        QCOMPARE(v.Copy()->text(), QString("Copy selected text to clipboard"));
    }

    void snapsToMinimumSizeAndLaysOut() {
        Viewer v;
        const QSize minimum = ViewerMinimumSize(TwipsPerPixel(&v.view));
        v.view.show();
        v.view.resize(50, 40);
        QCOMPARE(v.view.size(), minimum);
        v.view.resize(minimum.width() + 300, 20);
        QCOMPARE(v.view.size(), QSize(minimum.width() + 300, minimum.height()));

        v.view.resize(900, 600);
        const ViewerLayout expected =
            ViewerControlsLayout(QSize(900, 600), kCopyButtonWidthTwips, TwipsPerPixel(&v.view));
        QCOMPARE(v.Text()->geometry(), expected.text);
        QCOMPARE(v.Copy()->geometry(), expected.copyButton);
        QCOMPARE(v.Close()->geometry(), expected.closeButton);
    }

    void placedForViewing() {
        Viewer v;
        v.view.show();
        v.view.PlaceViewer(QRect(100, 50, 800, 600), QRect(0, 0, 1920, 1080));
        QCOMPARE(v.view.frameGeometry(), QRect(100, 480, 800, 600));
        // A main window below the minimum size still gives a usable viewer.
        v.view.PlaceViewer(QRect(10, 20, 300, 100), QRect(0, 0, 1920, 1080));
        QCOMPARE(v.view.size(), ViewerMinimumSize(TwipsPerPixel(&v.view)));
    }

    void closeHides() {
        Viewer v;
        v.view.show();
        v.Close()->click();
        QVERIFY(!v.view.isVisible());
    }

    void showRestoredUnminimises() {
        Viewer v;
        v.view.strFileToView = v.files.Write("table.htm", "x");
        v.view.showMinimized();
        QVERIFY(v.view.isMinimized());
        v.view.ShowRestored();
        QVERIFY(v.view.isVisible());
        QVERIFY(!v.view.isMinimized());
    }

    void shippedHelpTextLoads() {
        const QByteArray dataDir = qgetenv("TABLOOM_DATA_DIR");
        QVERIFY2(!dataDir.isEmpty(), "TABLOOM_DATA_DIR names the data folder");
        Viewer v;
        v.view.SetFileEncoding(FileEncoding::Utf8);
        v.view.strFileToView = QDir(QString::fromLocal8Bit(dataDir)).filePath("tbm_help.txt");
        QVERIFY(v.view.LoadFile());
        const QString text = v.Text()->toPlainText();
        QVERIFY(!text.contains(QChar::ReplacementCharacter));
        QVERIFY(text.count('\n') >= 100);
        for (const char* command : {"Create table", "View", "Save table", "Load table",
                                    "Restore table", "Reset", "Quit", "Help"}) {
            QVERIFY2(text.contains(command), command);
        }
    }
};

QTEST_MAIN(TestFrmView)
#include "test_frm_view.moc"
