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

    // Activating the window reads the file again and drops the selection.
    void reloadsWhenActivated() {
        Viewer v;
        v.view.strFileToView = v.files.Write("table.htm", "<table>\r\n");
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&v.view, &activate);
        QCOMPARE(v.Text()->toPlainText(), QString("<table>\n"));
        v.SelectChars(0, 5);
        QCOMPARE(v.Copy()->text(), QString("Copy selected text to clipboard"));
        v.files.Write("table.htm", "<table border=\"4\">\r\n");
        QApplication::sendEvent(&v.view, &activate);
        QCOMPARE(v.Text()->toPlainText(), QString("<table border=\"4\">\n"));
        QVERIFY(!v.Text()->textCursor().hasSelection());
        QCOMPARE(v.Copy()->text(), QString("Copy to clipboard"));
    }

    void readErrorsAreReportedAndHide_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty file") << "empty.htm"
                                    << "The output file is empty.";
        QTest::newRow("missing file") << "missing.htm"
                                      << "Error reading file 2.  No such file or directory";
        QTest::newRow("folder at the path") << "folder"
                                            << "Error reading file 21.  Is a directory";
        QTest::newRow("below a regular file") << "plain.txt/table.htm"
                                              << "Error reading file 20.  Not a directory";
    }
    void readErrorsAreReportedAndHide() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        Viewer v;
        QVERIFY(QDir(v.files.Path("")).mkpath("folder"));
        v.files.Write("plain.txt", "x");
        v.files.Write("empty.htm", "");
        QVERIFY(v.Load("old text"));
        v.view.strFileToView = name.isEmpty() ? QString() : v.files.Path(name);
        v.view.show();
        QVERIFY(!v.view.LoadFile());
        QVERIFY(!v.view.isVisible());
        QVERIFY(v.Text()->toPlainText().isEmpty());
        QCOMPARE(v.prompter.calls.size(), std::size_t{1});
        QCOMPARE(v.prompter.calls[0].text, message);
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
        QCOMPARE(v.view.focusWidget(), v.Close());
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

    void placedForViewing() {
        Viewer v;
        v.view.show();
        v.view.PlaceViewer(QRect(100, 50, 800, 600), QRect(0, 0, 1920, 1080));
        QCOMPARE(v.view.frameGeometry(), QRect(100, 480, 800, 600));
        // A main window below the minimum size still gives a usable viewer.
        v.view.PlaceViewer(QRect(10, 20, 300, 100), QRect(0, 0, 1920, 1080));
        QCOMPARE(v.view.size(), ViewerMinimumSize(TwipsPerPixel(&v.view)));
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
};

QTEST_MAIN(TestFrmView)
#include "test_frm_view.moc"
