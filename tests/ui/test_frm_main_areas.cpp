#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QtTest>
#include <algorithm>

#include "main_test_files.h"
#include "shown_text.h"
#include "ui/view/frm_other_products.h"
#include "ui/view/frm_view.h"
#include "ui/view/twips.h"

using namespace tabloom;

// The main window: start-up, the manual, Help and other windows, the table
// extras, export and web page loads.
class TestFrmMainAreas : public QObject {
    Q_OBJECT

  private slots:
    void failedTextLoad() {
        for (bool folder : {false, true}) {
            MainFixture f(true);
            if (folder) QVERIFY(QDir(f.dir.path()).mkdir("tbm.dat"));
            QVERIFY(!f.window->StartUp());
            QVERIFY(!f.window->Initialized() && !f.window->isVisible());
            // The core ends lines with CR LF; the message box shows them as one break.
            QCOMPARE(f.prompter.calls.at(0).text.replace("\r\n", "\n"),
                     folder ? QString("Error reading file.")
                            : "Cannot open file containing program text.\n" + f.Path("tbm.dat"));
            QCOMPARE(f.prompter.calls[0].icon, PromptIcon::Critical);
        }
    }

    // A fresh table, nothing to create or view, tooltips shown as written
    // (not read as markup), the window placed on the screen.
    void successfulStart() {
        StartedMain f;
        QVERIFY(f.window->Initialized() && f.window->isVisible());
        QVERIFY(f.prompter.calls.empty());
        TableSpec fresh;
        InitTableState(fresh);
        QVERIFY(f.window->Table().SameSpec(fresh));
        QVERIFY(!f.Find<QPushButton>("cmdPerformOperation_6")->isEnabled());
        QCOMPARE(ShownToolTip(f.Find<QWidget>("chkCenterTable4")->toolTip()),
                 QString("Add <CENTER>...</CENTER>."));
        const QRect screen = f.window->screen()->availableGeometry();
        QCOMPARE(f.window->frameGeometry().top(), screen.top() + screen.height() / 10);
    }

    void dimensionChangeCutsTable() {
        StartedMain f;
        Edit(*f.window, [&](TableSpec& table) {
            table.At(6, 2).strContent = "bottom";
            table.At(1, 1).intRowSpan = 6;
        });
        const TableSpec& table = f.window->Table();
        f.Find<QLabel>("lblResult")->setText("stale");
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(3);  // "4"
        QCOMPARE(table.At(1, 1).intRowSpan, 4);
        // The grid shows the new shape: its last row ends at the grid's bottom.
        QCOMPARE(int(table.At(4, 6).intBottom), 4 * f.window->CellHeight() + 12);
        QVERIFY(f.Find<QLabel>("lblResult")->text().isEmpty());
    }

    // The result line never changes the window's size.
    void resultLineKeepsTheWindowSize() {
        StartedMain f;
        auto* result = f.Find<QLabel>("lblResult");
        const QSize size = f.window->size();
        result->setText(QString("The HTML code was created successfully. ").repeated(4));
        f.window->layout()->activate();
        QCOMPARE(f.window->size(), size);
    }

    void manualLink() {
        StartedMain f;
        auto* link = f.Find<QLabel>("lblDocumentation");
        emit link->linkActivated("manual");
        const QUrl url(f.launcher.targets.at(0));
        QVERIFY(url.isLocalFile() && QFile::exists(url.toLocalFile()));
        f.launcher.code = 31;
        emit link->linkActivated("manual");
        QVERIFY(f.prompter.calls.at(0).text.contains("File extension 'html' is not associated"));
    }

    // The main window moves to 300 twips from the left, as far as the screen
    // lets it, the viewer beside it; Help again restores the one viewer.
    void helpShowsHelpFile() {
        StartedMain f;
        f.Find<QPushButton>("cmdQuit_0")->click();
        frmView* viewer = f.window->Viewer();
        QVERIFY(viewer != nullptr && viewer->isVisible() && !viewer->isModal());
        QVERIFY(viewer->LoadFile());
        QString expected = QString::fromUtf8(ReadBytes(BuildDataFolder() + "/tbm_help.txt"));
        QCOMPARE(viewer->findChild<QPlainTextEdit*>("txbText1")->toPlainText(),
                 expected.replace("\r\n", "\n"));
        QVERIFY(f.prompter.calls.empty());
        const QRect screen = f.window->screen()->availableGeometry();
        const int left = std::min(TwipsToPixels(300, TwipsPerPixel(f.window.get())),
                                  screen.width() - f.window->frameGeometry().width());
        QCOMPARE(f.window->frameGeometry().left(), screen.left() + left);
        QCOMPARE(viewer->frameGeometry().top(), f.window->frameGeometry().top());
        viewer->showMinimized();
        f.Find<QPushButton>("cmdQuit_0")->click();
        QVERIFY(f.window->Viewer() == viewer && !viewer->isMinimized());
    }

    // F7 shows the check window; the preview (F5), the help and the other
    // products (one modeless window) open wholly on the screen.
    void windowsOpenOnTheScreen() {
        StartedMain f;
        for (Qt::Key key : {Qt::Key_F5, Qt::Key_F7}) {
            f.window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
            QTest::keyClick(f.window.get(), key);
        }
        auto* check = f.Find<QWidget>("frmTableCheck");
        QVERIFY(check->isVisible());
        check->close();
        for (const char* button : {"cmdQuit_0", "cmdOtherProducts"}) {
            f.Find<QPushButton>(button)->click();
        }
        frmOtherProducts* products = f.window->OtherProducts();
        QVERIFY(products != nullptr && !products->isModal() && !products->Entries().empty());
        f.Find<QPushButton>("cmdOtherProducts")->click();
        QCOMPARE(f.window->OtherProducts(), products);
        const QRect screen = f.window->screen()->availableGeometry();
        int shown = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible()) continue;
            ++shown;
            QVERIFY2(screen.contains(window->frameGeometry()), qPrintable(window->objectName()));
        }
        QCOMPARE(shown, 4);
    }

    void changesAreUndoable() {
        StartedMain f;
        auto* style = f.Find<QComboBox>("cboOutputStyle");
        auto* rows = f.Find<QSpinBox>("spnHeaderRows");
        auto* cols = f.Find<QSpinBox>("spnHeaderColumns");
        auto* caption = f.Find<QLineEdit>("txbCaption");
        const QString alpha = QString::fromUtf8("\xCE\xB1 prices");
        const auto shows = [&](bool changed) {
            const TableSpec& t = f.window->Table();
            return (t.outputStyle == OutputStyle::Standard) == changed &&
                   (style->currentIndex() == 1) == changed && (t.intHeaderRows == 2) == changed &&
                   (rows->value() == 2) == changed && (t.intHeaderCols == 1) == changed &&
                   (cols->value() == 1) == changed &&
                   (t.strCaption == alpha.toStdString()) == changed &&
                   (caption->text() == alpha) == changed;
        };
        style->setCurrentIndex(1);
        emit style->activated(1);
        rows->setValue(2);
        cols->setValue(1);
        caption->setFocus();
        caption->insert(alpha.left(1));
        QTest::keyClicks(caption, " prices");
        QTest::keyClick(caption, Qt::Key_Return);
        QVERIFY(shows(true));
        for (int i = 0; i < 4; ++i) f.Find<QPushButton>("cmdUndo")->click();
        QVERIFY(shows(false));
        for (int i = 0; i < 4; ++i) f.Find<QPushButton>("cmdRedo")->click();
        QVERIFY(shows(true));
    }

    void inputsAreLabelledAndFollowTheTableSize() {
        StartedMain f;
        for (const char* name :
             {"cboOutputStyle", "spnHeaderRows", "spnHeaderColumns", "txbCaption"}) {
            auto* input = f.Find<QWidget>(name);
            QVERIFY2(!input->accessibleName().isEmpty() && HasShownLabel(f.window.get(), input),
                     name);
        }
        auto* rows = f.Find<QSpinBox>("spnHeaderRows");
        QCOMPARE(rows->maximum(), 6);
        rows->setValue(5);
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(2);
        QCOMPARE(rows->maximum(), 3);
        QCOMPARE(rows->value(), 3);
        QCOMPARE(f.window->Table().intHeaderRows, 3);
        QCOMPARE(f.Find<QLineEdit>("txbCaption")->maxLength(), intMaxCaptionLength);
    }

    // A loss is reported before writing and may be declined.
    void exportAsksBeforeWriting() {
        struct Case {
            const char* name;
            int answer;  // to the loss report; -1: not asked
            const char* prompt;
            QByteArray written;  // its start; empty: nothing written
        };
        for (const Case& c :
             {Case{"t.md", int(PromptAnswer::No), "are dropped.\n\nExport anyway?", {}},
              Case{"t.md", int(PromptAnswer::Yes), "Export anyway?", "|  |  |"},
              Case{"t.csv", -1, "", ",,,,,\r\n"},
              Case{"t.txt", -1, "The file name must end in .md, .tex, .wiki or .csv", {}}}) {
            StartedMain f;
            f.chooser.names.push_back(f.Path(c.name));
            if (c.answer >= 0) f.prompter.answers.push_back(PromptAnswer(c.answer));
            f.Find<QPushButton>("cmdExport")->click();
            QVERIFY(f.chooser.requests.back().filter.contains("LaTeX (*.tex) | *.tex"));
            QCOMPARE(f.prompter.calls.size(), std::size_t(*c.prompt ? 1 : 0));
            if (*c.prompt) QVERIFY(f.prompter.calls[0].text.contains(c.prompt));
            QCOMPARE(QFile::exists(f.Path(c.name)), !c.written.isEmpty());
            if (!c.written.isEmpty()) QVERIFY(ReadBytes(f.Path(c.name)).startsWith(c.written));
        }
    }

    // The page holds two tables: the user picks one (or cancels), sees what
    // does not fit and may decline; a load is one undo step.
    void loadsAWebPageAsOneStep() {
        struct Case {
            int chosen;
            PromptAnswer answer;
            size_t questions;
            QString first;  // cell (1, 1) after; empty: not replaced
        };
        for (const Case& c :
             {Case{0, PromptAnswer::Yes, 2, "Head"}, Case{0, PromptAnswer::No, 2, ""},
              Case{1, PromptAnswer::No, 1, "x"}, Case{-1, PromptAnswer::Yes, 1, ""}}) {
            StartedMain f;
            const QString page = f.Path("page.HTML");
            WriteBytes(
                page,
                "<table><tr><td colspan=2 bgcolor=red style='font-style:italic'>Head</td>"
                "</tr><tr><td>a</td><td>b</td></tr></table><table><tr><td>x</td></tr></table>");
            const TableSpec before = f.window->Table();
            f.prompter.chosen = c.chosen;
            f.prompter.answers.push_back(c.answer);
            f.chooser.names.push_back(page);
            f.Find<QPushButton>("cmdSaveLoad_4")->click();
            QVERIFY(f.chooser.requests.back().filter.contains("*.htm *.html"));
            QCOMPARE(f.prompter.calls.size(), c.questions);
            QCOMPARE(f.prompter.calls[0].details, QString("1. Head\n2. x"));
            if (c.questions == 2) {
                QCOMPARE(f.prompter.calls[1].text,
                         QString("The table does not fit entirely: styles not kept: font-style."
                                 "\n\nReplace the current table?"));
            }
            const TableSpec& now = f.window->Table();
            QCOMPARE(now.SameSpec(before), c.first.isEmpty());
            if (c.first.isEmpty()) continue;
            QCOMPARE(QString::fromStdString(now.At(1, 1).strContent), c.first);
            f.Find<QPushButton>("cmdUndo")->click();
            QVERIFY(f.window->Table().SameSpec(before));
        }
    }
};

QTEST_MAIN(TestFrmMainAreas)
#include "test_frm_main_areas.moc"
