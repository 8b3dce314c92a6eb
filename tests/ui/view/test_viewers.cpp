#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "core/texts/program_texts.h"
#include "main_test_files.h"
#include "scripted_seams.h"
#include "ui/view/frm_how_to_view.h"
#include "ui/view/frm_other_products.h"
#include "ui/view/frm_preview.h"
#include "ui/view/frm_view.h"
#include "ui/view/product_list.h"
#include "ui/view/twips.h"
#include "ui/view/viewer_placement.h"

using namespace tabloom;

namespace {

// A temporary folder for the files a test writes.
struct ViewTestFiles {
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) const {
        WriteBytes(Path(name), bytes);
        return Path(name);
    }
    // Program texts as the viewer windows ask for them.
    ProgramTexts LoadTexts() const {
        ProgramTexts texts;
        const QString path = Write("tbm.dat",
                                   "17\tThe output file is empty.\n"
                                   "19\tFirst line.\\nSecond line.\n");
        if (texts.Load(path.toStdString()) <= 0) qFatal("cannot load test texts");
        return texts;
    }
    QTemporaryDir dir;
};

struct Viewer {
    ViewTestFiles files;
    ProgramTexts texts = files.LoadTexts();
    RecordingPrompter prompter;
    frmView view{texts, prompter};

    QPlainTextEdit* Text() { return view.findChild<QPlainTextEdit*>("txbText1"); }
    QPushButton* Copy() { return view.findChild<QPushButton*>("cmdCopyToClipboard"); }
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

struct Choice {
    ViewTestFiles files;
    ProgramTexts texts = files.LoadTexts();
    QWidget main;
    frmHowToView dialog{texts, &main};

    Choice() {
        main.setGeometry(200, 150, 900, 700);
        main.show();
    }
    QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(name); }
};

const QByteArray kList =
    "# name<TAB>description<TAB>address\r\n"
    "Hue Pick\tA colour picker for web colours.\thttps://tabloom.example/huepick\r\n"
    "\r\n"
    "Formwright\tBuilds HTML forms <fast> & simple.\thttp://tabloom.example/formwright\n"
    "\tno name here\thttps://tabloom.example/none\n"
    "Sneaky\tA script address is not a link.\tjavascript:alert(1)\n"
    "Bare\n";

frmPreview* Open(MainFixture& f) {
    f.Find<QPushButton>("cmdPreview")->click();
    return f.window->Preview();
}

QString Shown(frmPreview* preview) {
    return preview->findChild<QTextBrowser*>("txbPreview")->toPlainText();
}

}  // namespace

// The code viewer, the question how to view, the other-products window and
// the live preview.
class TestViewers : public QObject {
    Q_OBJECT

  private slots:
    // Code page or UTF-8 with its mark; line ends shown as breaks.
    void showsFileText() {
        struct Case {
            FileEncoding encoding;
            QByteArray bytes;
            QString shown;
        };
        for (const Case& c : {Case{FileEncoding::Windows1252, "<td>\x80 caf\xE9</td>\r\n</tr>\r\n",
                                   QString::fromUtf8("<td>€ café</td>\n</tr>\n")},
                              Case{FileEncoding::Utf8, "\xEF\xBB\xBFgr\xC3\xBC\xC3\x9F\r\nx\ry",
                                   QString::fromUtf8("grüß\nx\ny")}}) {
            Viewer v;
            v.view.SetFileEncoding(c.encoding);
            QVERIFY(v.Load(c.bytes));
            QCOMPARE(v.Text()->toPlainText(), c.shown);
            QCOMPARE(v.Text()->textCursor().position(), 0);
        }
    }

    // Activating the window reads the file again and drops the selection.
    void reloadsWhenActivated() {
        Viewer v;
        v.view.strFileToView = v.files.Write("table.htm", "<table>\r\n");
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&v.view, &activate);
        QCOMPARE(v.Text()->toPlainText(), QString("<table>\n"));
        v.SelectChars(0, 5);
        v.files.Write("table.htm", "<table border=\"4\">\r\n");
        QApplication::sendEvent(&v.view, &activate);
        QCOMPARE(v.Text()->toPlainText(), QString("<table border=\"4\">\n"));
        QVERIFY(!v.Text()->textCursor().hasSelection());
        QCOMPARE(v.Copy()->text(), QString("Copy to clipboard"));
    }

    // The limit is on size alone.
    void readErrorsAreReportedAndHide() {
        Viewer v;
        QVERIFY(QDir(v.files.Path("")).mkpath("folder"));
        v.files.Write("plain.txt", "x");
        v.files.Write("empty.htm", "");
        v.files.Write("big.htm", QByteArray(qsizetype(frmView::kMaxFileBytes) + 1, 'x'));
        const std::pair<const char*, const char*> errors[] = {
            {"empty.htm", "The output file is empty."},
            {"missing.htm", "Error reading file 2.  No such file or directory"},
            {"folder", "Error reading file 21.  Is a directory"},
            {"plain.txt/table.htm", "Error reading file 20.  Not a directory"},
            {"big.htm", "Error reading file 27.  File too large"}};
        for (const auto& [name, message] : errors) {
            QVERIFY(v.Load("old text"));
            v.prompter.calls.clear();
            v.view.strFileToView = v.files.Path(name);
            v.view.show();
            QVERIFY(!v.view.LoadFile() && !v.view.isVisible());
            QCOMPARE(v.prompter.calls.size(), std::size_t{1});
            QCOMPARE(v.prompter.calls[0].text, QString(message));
        }
    }

    // Without a selection the whole text; Close gets the focus.
    void copyPutsTextOnClipboard() {
        Viewer v;
        QVERIFY(v.Load("<tr>\r\n<td>a</td>\r\n</tr>\r\n"));
        v.Copy()->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("<tr>\n<td>a</td>\n</tr>\n"));
        QCOMPARE(v.view.focusWidget(), v.view.findChild<QPushButton*>("cmdClose"));
        v.SelectChars(1, 8);
        v.Copy()->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("tr>\n<td"));
    }

    // A selection made without the change signal: only the release of the
    // mouse button can update the caption.
    void captionFollowsSelectionOnMouseRelease() {
        Viewer v;
        QVERIFY(v.Load("some html code"));
        {
            const QSignalBlocker blocker(v.Text());
            v.SelectChars(0, 4);
        }
        QCOMPARE(v.Copy()->text(), QString("Copy to clipboard"));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(v.Text()->viewport(), &release);
        QCOMPARE(v.Copy()->text(), QString("Copy selected text to clipboard"));
    }

    // A main window below the minimum size still gives a usable viewer;
    // shown again, a minimised viewer comes back.
    void placedAndRestored() {
        Viewer v;
        v.view.show();
        v.view.PlaceViewer(QRect(100, 50, 800, 600), QRect(0, 0, 1920, 1080));
        QCOMPARE(v.view.frameGeometry(), QRect(100, 480, 800, 600));
        v.view.PlaceViewer(QRect(10, 20, 300, 100), QRect(0, 0, 1920, 1080));
        QCOMPARE(v.view.size(), ViewerMinimumSize(TwipsPerPixel(&v.view)));
        v.view.strFileToView = v.files.Write("table.htm", "x");
        v.view.showMinimized();
        v.view.ShowRestored();
        QVERIFY(v.view.isVisible() && !v.view.isMinimized());
    }

    // Each answer starts from the opposite one so every field has to be
    // written; Escape means Not now.
    void answersSetFieldsAndHide() {
        struct Case {
            const char* button;
            bool viewNow, inBrowser;
        };
        for (const Case& c : {Case{"cmdAsHTMLCode", true, false}, Case{"cmdInBrowser", true, true},
                              Case{"cmdNotNow", false, true}, Case{nullptr, false, true}}) {
            Choice choice;
            choice.dialog.blnViewNow = !c.viewNow;
            choice.dialog.blnInBrowser = !c.inBrowser;
            choice.dialog.show();
            if (c.button) {
                QTest::mouseClick(choice.Button(c.button), Qt::LeftButton);
            } else {
                QTest::keyClick(&choice.dialog, Qt::Key_Escape);
            }
            QVERIFY(!choice.dialog.isVisible());
            QCOMPARE(choice.dialog.blnViewNow, c.viewNow);
            if (c.viewNow) QCOMPARE(choice.dialog.blnInBrowser, c.inBrowser);
        }
    }

    // Prepared when shown, in the lower right corner of the main window,
    // which it follows when shown again.
    void preparedAndPlacedWhenShown() {
        Choice c;
        c.Button("cmdInBrowser")->setEnabled(false);
        c.dialog.show();
        QVERIFY(c.Button("cmdInBrowser")->isEnabled());
        QCOMPARE(c.dialog.findChild<QLabel*>("lblViewOptions")->text(),
                 QString("First line.\nSecond line."));
        QCOMPARE(c.dialog.focusWidget(), c.Button("cmdAsHTMLCode"));
        const int margin = TwipsToPixels(100, TwipsPerPixel(&c.main));
        for (int shown = 0; shown < 2; ++shown) {
            const QRect main = c.main.frameGeometry();
            const QRect own = c.dialog.frameGeometry();
            QCOMPARE(main.right() - own.right(), margin);
            QCOMPARE(main.bottom() - own.bottom(), margin);
            c.dialog.hide();
            c.main.move(40, 30);
            c.dialog.show();
        }
    }

    // Only web addresses with a host become links.
    void parsesList() {
        const std::vector<ProductEntry> entries = ParseProductList(QString::fromUtf8(kList));
        QCOMPARE(entries.size(), std::size_t{4});
        QCOMPARE(entries[1].url, QString("http://tabloom.example/formwright"));
        QVERIFY(entries[2].url.isEmpty());
        for (const char* address : {"file:///etc/passwd", "https://"})
            QVERIFY(ParseProductList(QString("Tool\tDoes.\t") + address)[0].url.isEmpty());
    }

    // Markup in the list is shown as text; a missing list is said and a list
    // that appears later is shown on the next load.
    void windowListsEntriesAndOpensLinks() {
        ViewTestFiles files;
        QStringList opened;
        frmOtherProducts window(files.Path("missing.txt"),
                                [&opened](const QString& url) { opened << url; });
        QVERIFY(window.findChild<QLabel*>("lblNoProducts") != nullptr);
        QVERIFY(QDir(files.Path("")).mkpath("folder"));
        QVERIFY(!ReadProductList(files.Path("folder")).has_value());

        QVERIFY(window.LoadList(files.Write("other_products.txt", kList)));
        QVERIFY(window.findChild<QLabel*>("lblNoProducts") == nullptr);
        auto* second = window.findChild<QLabel*>("lblProduct1");
        QVERIFY(second->text().contains("&lt;fast&gt; &amp; simple."));
        QVERIFY(!window.findChild<QLabel*>("lblProduct2")->text().contains("href"));
        emit second->linkActivated("http://tabloom.example/formwright");
        QCOMPARE(opened, QStringList{"http://tabloom.example/formwright"});
    }

    // Rendered, not shown as code; every kind of change reaches it at the
    // next turn of the event loop, once however many changes came before.
    void followsChangesWithinOneTurn() {
        StartedMain f;
        f.Find<QCheckBox>("chkAddPlaceMarkers")->setChecked(true);
        Edit(*f.window, [&](TableSpec& t) { t.At(1, 1).strContent = "First <b>bold</b>"; });
        frmPreview* preview = Open(f);
        QVERIFY(preview != nullptr && preview->isVisible());
        QVERIFY2(Shown(preview).contains("First bold"), qPrintable(Shown(preview)));
        const std::pair<const char*, QString> changes[] = {
            {"changed", "edit"}, {"pasted", "pasted\tdata"}, {"R7", "a\nb"}};
        for (const auto& [expected, clipboard] : changes) {
            const int renders = preview->RenderCount();
            if (clipboard == "edit") {
                Edit(*f.window, [&](TableSpec& t) { t.At(2, 2).strContent = "changed"; });
                Edit(*f.window, [&](TableSpec& t) { t.At(2, 3).strContent = "twice"; });
            } else {
                f.clipboard.text = clipboard;
                f.window->State().intRow = 6;
                f.window->PasteData();
            }
            QVERIFY(!Shown(preview).contains(expected));
            QCoreApplication::processEvents();
            QVERIFY2(Shown(preview).contains(expected), qPrintable(Shown(preview)));
            QCOMPARE(preview->RenderCount(), renders + 1);
        }
    }

    // Hidden, it costs nothing; shown again (the same window, where the user
    // left it) it shows the table as it is now.
    void hiddenPreviewCostsNothing() {
        StartedMain f;
        frmPreview* preview = Open(f);
        const QRect screen = f.window->screen()->availableGeometry();
        preview->move(screen.topLeft() + QPoint(40, 50));
        preview->resize(400, 300);
        const QPoint place = preview->pos();
        f.window->ClosePreview();
        const int renders = preview->RenderCount();
        Edit(*f.window, [&](TableSpec& t) { t.At(1, 1).strContent = "while hidden"; });
        QCoreApplication::processEvents();
        QCOMPARE(preview->RenderCount(), renders);
        QCOMPARE(Open(f), preview);
        QVERIFY(Shown(preview).contains("while hidden"));
        QCOMPARE(preview->pos(), place);
    }

    // Beside the main window, else below it, else only on the screen.
    void firstPlace() {
        const QRect screen(0, 0, 1280, 1024);
        const std::pair<QRect, QPoint> places[] = {{{10, 20, 600, 400}, {618, 20}},
                                                   {{270, 100, 740, 420}, {270, 528}},
                                                   {{100, 300, 1000, 600}, {}}};
        for (const auto& [mainFrame, topLeft] : places) {
            TableSpec table;
            const FixedClock clock(kTestMoment);
            frmPreview preview(table, clock);
            preview.ShowPreview(mainFrame, screen);
            if (!topLeft.isNull()) QCOMPARE(preview.pos(), topLeft);
            QVERIFY(screen.contains(preview.frameGeometry()));
        }
    }
};

QTEST_MAIN(TestViewers)
#include "test_viewers.moc"
