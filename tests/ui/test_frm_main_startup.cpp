#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "main_test_files.h"
#include "shown_text.h"

using namespace tabloom;

// Start-up of the main window: the program texts, the program state and the
// controls it shows.
class TestFrmMainStartup : public QObject {
    Q_OBJECT

  private slots:
    void failedTextLoad_data() {
        QTest::addColumn<QByteArray>("content");  // "missing": no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray("missing")
                                 << "Cannot open file containing program text.\n%1";
        QTest::newRow("folder instead of file") << QByteArray("folder") << "Error reading file.";
        QTest::newRow("empty") << QByteArray() << "File is empty.";
        QTest::newRow("duplicate number") << QByteArray("11\tTabloom\n12\tOther\n11\tAgain\n")
                                          << "Duplicate in program text at line 3.";
        QTest::newRow("only comments")
            << QByteArray("# nothing here\n\n") << "No program text was read.";
        QTest::newRow("number without text")
            << QByteArray("11\tTabloom\n12\t\n") << "Missing string at line 2.";
        QTest::newRow("text without number")
            << QByteArray("# head\nTabloom\n") << "Missing string at line 2.";
        QTest::newRow("over-long text")
            << QByteArray("11\t" + QByteArray(1024, 'x') + "\n") << "String too long at line 1.";
        QTest::newRow("too many texts") << [] {
            QByteArray many;
            for (int n = 1; n <= 1001; ++n) many += QByteArray::number(n) + "\tx\n";
            return many;
        }() << "Too much program text.";
    }
    void failedTextLoad() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        MainFixture f(true);
        const QString path = f.Path("tbm.dat");
        if (content == "folder") {
            QVERIFY(QDir(f.dir.path()).mkdir("tbm.dat"));
        } else if (content != "missing") {
            WriteBytes(path, content);
        }

        QVERIFY(!f.window->StartUp());
        QVERIFY(!f.window->Initialized());
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        const auto& call = f.prompter.calls[0];
        // The core ends lines with CR LF; the message box shows them as one break.
        QString text = call.text;
        text.replace("\r\n", "\n");
        QCOMPARE(text, message.contains("%1") ? message.arg(path) : message);
        QCOMPARE(call.title, QString());
        QCOMPARE(call.icon, PromptIcon::Critical);
        QCOMPARE(call.buttons, PromptButtons::Ok);
        QVERIFY(!f.window->isVisible());
        QVERIFY(!f.window->State().blnFormInitialized);
    }

    void successfulStart() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        QVERIFY(f.window->Initialized());
        QVERIFY(f.prompter.calls.empty());
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.window->windowTitle(), QString("Tabloom 12.00"));

        const ProgramState& s = f.window->State();
        QVERIFY(s.blnFormInitialized);
        QVERIFY(!s.blnIgnoreGridClick);
        QCOMPARE(s.lngMaxViewKB, 60L);
        QCOMPARE(s.strOutputFilePrompt,
                 QString("Click on the button at left to specify the location and name for an "
                         "output file."));
        QCOMPARE(s.strSettingsFile, f.SettingsFile());
        QVERIFY(s.strTableFile.isEmpty());
        TableSpec fresh;
        InitTableState(fresh);
        QVERIFY(s.table.SameSpec(fresh));

        auto* box = f.Find<QLineEdit>("txbOutputFile_6");
        QVERIFY(box->text().isEmpty());
        QVERIFY(box->isReadOnly());
        QCOMPARE(ShownToolTip(box->toolTip()), s.strOutputFilePrompt);
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_0")->isEnabled());
        QVERIFY(!f.Find<QPushButton>("cmdPerformOperation_6")->isEnabled());
        QVERIFY(f.Find<QLabel>("lblResult")->text().isEmpty());
        QVERIFY(f.Find<QPushButton>("cmdOtherProducts")->isVisible());
        // The help button has the focus after start-up.
        QCOMPARE(f.window->focusWidget(), f.Find<QPushButton>("cmdQuit_0"));
    }

    // Tooltips holding "<" show as written, not read as markup.
    void tooltipsShowAsWritten_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("centre") << "chkCenterTable4"
                                << "Add <CENTER>...</CENTER>.";
        QTest::newRow("wrapper") << "chkAddHTMLWrapper4"
                                 << "Add <HTML>...</HTML>";
        QTest::newRow("plain") << "cmdPerformOperation_6"
                               << "Create the HTML code for this table.";
    }
    void tooltipsShowAsWritten() {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        MainFixture f;
        QVERIFY(f.window->StartUp());
        QCOMPARE(ShownToolTip(f.Find<QWidget>(qPrintable(name))->toolTip()), shown);
    }

    void buttonsUsableInTheFormFont() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        for (QAbstractButton* button : f.window->findChildren<QAbstractButton*>()) {
            const QString name = button->objectName();
            // Create, View and Clear wait for an output file, Undo and Redo
            // for a change.
            if (name != "cmdPerformOperation_6" && !name.startsWith("cmdViewOutputFile") &&
                name != "cmdUndo" && name != "cmdRedo") {
                QVERIFY2(button->isEnabled(), qPrintable(name));
            }
            QCOMPARE(button->font().family(), QString("Arial"));
        }
    }

    void hiddenColourBoxAndGrid() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        auto* colours = f.Find<QCheckBox>("chkUseSpecifiedColors_5");
        QVERIFY(colours->isChecked());
        QVERIFY(colours->isHidden());
        auto* grid = f.Find<QWidget>("picTable");
        QCOMPARE(grid->size(), QSize(521, 235));
        QVERIFY(grid->toolTip().startsWith("Left click to type a value into this cell"));
        QVERIFY(f.Find<QLabel>("lblDocumentation")->text().contains("Online user manual"));
    }

    void dimensionLists() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        for (const char* name : {"cboNumberOfRows", "cboNumberOfColumns"}) {
            auto* list = f.Find<QComboBox>(name);
            QCOMPARE(list->count(), 20);
            QCOMPARE(list->itemText(0), QString("1"));
            QCOMPARE(list->itemText(19), QString("20"));
            QCOMPARE(list->currentText(), QString("6"));
        }
    }

    void dimensionChangeCutsTable() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        TableSpec& table = f.window->Table();
        table.At(6, 2).strContent = "bottom";
        table.At(1, 1).intRowSpan = 6;
        f.Find<QLabel>("lblResult")->setText("stale");

        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(3);  // "4"
        QCOMPARE(table.intNumRows, 4);
        QCOMPARE(table.intNumCols, 6);
        QVERIFY(table.At(6, 2).strContent.empty());
        QCOMPARE(table.At(1, 1).intRowSpan, 4);
        QVERIFY(f.Find<QLabel>("lblResult")->text().isEmpty());

        f.Find<QComboBox>("cboNumberOfColumns")->setCurrentIndex(19);
        QCOMPARE(table.intNumCols, 20);
    }

    void optionBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("clearsResult");
        QTest::newRow("centre") << "chkCenterTable4" << true;
        QTest::newRow("wrapper") << "chkAddHTMLWrapper4" << true;
        QTest::newRow("markers") << "chkAddPlaceMarkers" << true;
    }
    void optionBoxes() {
        QFETCH(QString, name);
        QFETCH(bool, clearsResult);
        MainFixture f;
        QVERIFY(f.window->StartUp());
        const TableSpec& table = f.window->State().table;
        const auto field = [&]() {
            if (name == "chkCenterTable4") return table.blnCenterTable;
            if (name == "chkAddHTMLWrapper4") return table.blnAddHTMLWrapper;
            return table.blnAddPlaceMarkers;
        };
        auto* result = f.Find<QLabel>("lblResult");
        auto* box = f.window->findChild<QCheckBox*>(name);
        QVERIFY(box != nullptr);
        QVERIFY(!box->isChecked());
        result->setText("stale");
        box->click();
        QVERIFY(field());
        QCOMPARE(result->text().isEmpty(), clearsResult);
        box->click();
        QVERIFY(!field());
    }

    void initProgramStateResets() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        f.Find<QCheckBox>("chkCenterTable4")->click();
        f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(9);
        f.ChooseOutput(f.Path("t.htm"));
        f.window->Table().intBorder = 9;

        f.window->InitProgramState();
        QVERIFY(!f.Find<QCheckBox>("chkCenterTable4")->isChecked());
        QVERIFY(!f.window->State().table.blnCenterTable);
        QCOMPARE(f.Find<QComboBox>("cboNumberOfRows")->currentText(), QString("6"));
        QCOMPARE(f.window->State().table.intNumRows, 6);
        QCOMPARE(f.window->State().table.intBorder, 4);
        QVERIFY(f.Find<QLineEdit>("txbOutputFile_6")->text().isEmpty());
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_0")->isEnabled());
    }

    void windowPlacedOnScreen() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        const QRect screen = f.window->screen()->availableGeometry();
        const QRect frame = f.window->frameGeometry();
        QCOMPARE(frame.top(), screen.top() + screen.height() / 10);
        if (frame.width() <= screen.width()) {
            QVERIFY2(
                qAbs(frame.left() - (screen.left() + (screen.width() - frame.width()) / 2)) <= 8,
                qPrintable(QString("left %1 width %2 screen %3")
                               .arg(frame.left())
                               .arg(frame.width())
                               .arg(screen.width())));
        }
    }
};

QTEST_MAIN(TestFrmMainStartup)
#include "test_frm_main_startup.moc"
