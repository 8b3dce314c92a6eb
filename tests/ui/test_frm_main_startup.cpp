#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "main_test_files.h"

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
        QCOMPARE(s.strSettingsFile, BuildDataFolder() + "/tbm.usr");
        QVERIFY(s.strTableFile.isEmpty());
        QCOMPARE(s.table.intNumRows, 6);
        QCOMPARE(s.table.intNumCols, 6);
        QCOMPARE(s.table.intBorder, 4);
        QCOMPARE(s.table.intCellPadding, 4);
        QCOMPARE(s.table.intCellSpacing, 4);
        QCOMPARE(s.table.intTableWidth, -1);
        QCOMPARE(s.table.lngTableTextColor, 0x000000);
        QCOMPARE(s.table.lngTableBgColor, 0xFFFFFF);

        auto* box = f.Find<QLineEdit>("txbOutputFile_6");
        QVERIFY(box->text().isEmpty());
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->toolTip(), s.strOutputFilePrompt);
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_0")->isEnabled());
        QVERIFY(!f.Find<QPushButton>("cmdPerformOperation_6")->isEnabled());
        QVERIFY(f.Find<QLabel>("lblResult")->text().isEmpty());
        QVERIFY(f.Find<QPushButton>("cmdOtherProducts")->isVisible());
        // The help button has the focus after start-up.
        QCOMPARE(f.window->focusWidget(), f.Find<QPushButton>("cmdQuit_0"));
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("border") << "cmdSpecifyBorder"
                                << "Specify table width, etc."
                                << "Specify table width, border, cell padding and spacing.";
        QTest::newRow("colours") << "cmdSpecifyColors"
                                 << "Specify table colors"
                                 << "";
        QTest::newRow("output") << "cmdSpecifyOutputFile"
                                << "Specify output file"
                                << "";
        QTest::newRow("create") << "cmdPerformOperation_6"
                                << "Create table"
                                << "Create the HTML code for this table.";
        QTest::newRow("view") << "cmdViewOutputFile_6"
                              << "View"
                              << "";
        QTest::newRow("clear") << "cmdViewOutputFile_0"
                               << "Clear"
                               << "";
        QTest::newRow("save") << "cmdSaveLoad_5"
                              << "Save table"
                              << "";
        QTest::newRow("load") << "cmdSaveLoad_4"
                              << "Load table"
                              << "";
        QTest::newRow("new") << "cmdSaveLoad_3"
                             << "New table"
                             << "";
        QTest::newRow("restore") << "cmdSaveLoad_0"
                                 << "Restore table"
                                 << "";
        QTest::newRow("quit") << "cmdQuit_6"
                              << "Quit"
                              << "";
        QTest::newRow("reset") << "cmdQuit_1"
                               << "Reset"
                               << "";
        QTest::newRow("help") << "cmdQuit_0"
                              << "Help"
                              << "";
        QTest::newRow("products") << "cmdOtherProducts"
                                  << "Other products"
                                  << "";
        QTest::newRow("centre") << "chkCenterTable4"
                                << "Center table"
                                << "Add <CENTER>...</CENTER>.";
        QTest::newRow("wrapper") << "chkAddHTMLWrapper4"
                                 << "Add HTML wrapper"
                                 << "Add <HTML>...</HTML>";
        QTest::newRow("markers") << "chkAddPlaceMarkers"
                                 << "Place markers"
                                 << "";
        QTest::newRow("colours box") << "chkUseSpecifiedColors_5"
                                     << "Use specified table colors"
                                     << "";
        QTest::newRow("rows") << "lblNumberOfRows"
                              << "Rows:"
                              << "";
        QTest::newRow("columns") << "lblNumberOfColumns"
                                 << "Columns:"
                                 << "";
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        MainFixture f;
        QVERIFY(f.window->StartUp());
        QWidget* widget = f.window->findChild<QWidget*>(name);
        QVERIFY2(widget != nullptr, qPrintable(name));
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QCOMPARE(button->text(), caption);
            // Every button stays usable; the commands still to come do nothing.
            if (name != "cmdPerformOperation_6" && !name.startsWith("cmdViewOutputFile")) {
                QVERIFY(button->isEnabled());
            }
        } else {
            QCOMPARE(qobject_cast<QLabel*>(widget)->text(), caption);
        }
        QCOMPARE(widget->toolTip(), tip);
        QCOMPARE(widget->font().family(), QString("Arial"));
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

    void timers() {
        MainFixture f;
        QVERIFY(f.window->StartUp());
        auto* timer1 = f.Find<QTimer>("Timer1");
        QCOMPARE(timer1->interval(), 1000);
        QVERIFY(timer1->isActive());
        QVERIFY(!timer1->isSingleShot());
        auto* clock2 = f.Find<QTimer>("Clock2");
        QCOMPARE(clock2->interval(), 1000);
        QVERIFY(clock2->isSingleShot());
        QVERIFY(!clock2->isActive());
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
