#include <sys/stat.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <csignal>

#include "main_test_files.h"
#include "ui/app/lifecycle_commands.h"
#include "ui/view/frm_other_products.h"

using namespace tabloom;

namespace {

// Edits the started window's table the way a user's commands leave it:
// 4 rows by 3 columns, a spanned cell with two lines, own colours, centred,
// an output path.
void EditTable(MainFixture& f) {
    f.Find<QComboBox>("cboNumberOfRows")->setCurrentIndex(3);
    f.Find<QComboBox>("cboNumberOfColumns")->setCurrentIndex(2);
    f.Find<QCheckBox>("chkCenterTable4")->setChecked(true);
    TableSpec& t = f.window->Table();
    t.At(1, 1).strContent = "Price\r\n10 \"ex\"";
    t.At(1, 1).intColSpan = 2;
    t.At(1, 2).intRowSpan = 0;
    t.At(1, 2).intColSpan = 0;
    t.At(1, 2).intOwnerCol = 1;
    t.At(2, 3).lngTextColor = 0x0000FF;
    t.At(2, 3).lngBgColor = 0x00FFFF;
    t.intBorder = 7;
    f.ChooseOutput(f.Path("out.htm"));
}

void Click(MainFixture& f, const char* name) { f.Find<QPushButton>(name)->click(); }

bool SameTable(const frmMain& w, const TableSpec& t) { return w.State().table.SameSpec(t); }

}  // namespace

class TestFrmMainLifecycle : public QObject {
    Q_OBJECT

  private slots:
    void saveThenLoadBringsTheTableBack() {
        StartedMain f;
        EditTable(f);
        const TableSpec edited = f.window->State().table;

        f.chooser.names = {f.Path("mine")};  // typed without an extension
        Click(f, "cmdSaveLoad_5");
        QCOMPARE(f.window->State().strTableFile, f.Path("mine.tbl"));
        QVERIFY(QFileInfo::exists(f.Path("mine.tbl")));

        f.prompter.answers = {PromptAnswer::Yes};
        Click(f, "cmdSaveLoad_3");
        QCOMPARE(f.window->State().table.intNumRows, 6);
        QVERIFY(f.window->State().table.At(1, 1).strContent.empty());

        f.window->SetOutputPath(QString());
        f.chooser.names = {f.Path("mine.tbl")};
        Click(f, "cmdSaveLoad_4");
        QVERIFY(SameTable(*f.window, edited));
        QCOMPARE(f.Find<QComboBox>("cboNumberOfRows")->currentText(), QString("4"));
        QVERIFY(f.Find<QCheckBox>("chkCenterTable4")->isChecked());
        QCOMPARE(f.window->OutputPath(), f.Path("out.htm"));
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
    }

    void failedSaveKeepsTheRecord() {
        StartedMain f;
        WriteBytes(f.Path("plain"), "x");
        f.chooser.names = {f.Path("good.tbl"), f.Path("plain/inside.tbl")};
        Click(f, "cmdSaveLoad_5");
        Click(f, "cmdSaveLoad_5");
        QCOMPARE(f.chooser.requests.back().presetName, f.Path("good.tbl"));
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.window->State().strTableFile, f.Path("good.tbl"));
    }

    void damagedFileLeavesTheTable_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("folder") << "folder";
    }
    void damagedFileLeavesTheTable() {
        QFETCH(QString, kind);
        StartedMain f;
        EditTable(f);
        f.chooser.names = {f.Path("good.tbl")};
        Click(f, "cmdSaveLoad_5");
        const QByteArray good = ReadBytes(f.Path("good.tbl"));
        const QString bad = f.Path("bad.tbl");
        if (kind == "truncated") {
            WriteBytes(bad, good.left(good.size() / 2));
        } else if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(bad).constData(), 0600), 0);
        } else {
            QVERIFY(QDir().mkdir(bad));
        }
        const TableSnapshot before = f.window->Snapshot();
        f.chooser.names = {bad};
        Click(f, "cmdSaveLoad_4");
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY(SameTable(*f.window, before.table));
        QCOMPARE(f.window->OutputPath(), before.outputPath);
        QCOMPARE(f.Find<QComboBox>("cboNumberOfRows")->currentText(), QString("4"));
    }

    void restoreMessages_data() {
        QTest::addColumn<QString>("record");
        QTest::newRow("never saved") << QString();
        QTest::newRow("file gone") << "gone.tbl";
        QTest::newRow("damaged") << "damaged.tbl";
    }
    void restoreMessages() {
        QFETCH(QString, record);
        StartedMain f;
        if (record == "damaged.tbl") WriteBytes(f.Path(record), " 1  1  0 \r\n 25 ");
        f.window->State().strTableFile = record.isEmpty() ? QString() : f.Path(record);
        EditTable(f);
        const TableSpec before = f.window->State().table;
        Click(f, "cmdSaveLoad_0");
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY(SameTable(*f.window, before));
    }

    void restoreReloadsLastSavedAndKeepsTheOptionBoxes() {
        StartedMain f;
        EditTable(f);
        f.chooser.names = {f.Path("saved.tbl")};
        Click(f, "cmdSaveLoad_5");
        const TableSpec saved = f.window->State().table;
        f.prompter.answers = {PromptAnswer::Yes};
        Click(f, "cmdSaveLoad_3");

        f.Find<QCheckBox>("chkCenterTable4")->setChecked(false);
        f.Find<QCheckBox>("chkAddHTMLWrapper4")->setChecked(true);
        Click(f, "cmdSaveLoad_0");
        const TableSpec& now = f.window->State().table;
        QCOMPARE(now.At(1, 1).strContent, saved.At(1, 1).strContent);
        QVERIFY(!now.blnCenterTable);
        QVERIFY(now.blnAddHTMLWrapper);
        QVERIFY(f.Find<QCheckBox>("chkAddHTMLWrapper4")->isChecked());
    }

    void quitAnsweredNoKeepsRunning() {
        StartedMain f;
        Click(f, "cmdQuit_6");
        QVERIFY(f.window->isVisible());
        QVERIFY(!QFileInfo::exists(f.SettingsFile()));
        // Closing through the frame asks the same question.
        f.window->close();
        QCOMPARE(f.prompter.calls.size(), size_t(2));
        QVERIFY(f.window->isVisible());
    }

    void quitKeepsTheTableForTheNextStart() {
        StartedMain f;
        EditTable(f);
        const TableSpec edited = f.window->State().table;
        f.prompter.answers = {PromptAnswer::Yes};
        Click(f, "cmdQuit_6");
        QVERIFY(QFileInfo::exists(f.SettingsFile()));
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.window->OtherProducts() != nullptr && f.window->OtherProducts()->isVisible());
        // Closing that window ends the program's event loop.
        QTimer::singleShot(0, f.window->OtherProducts(), &QDialog::accept);
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);

        f.Restart();
        QVERIFY(f.window->StartUp());
        QVERIFY(SameTable(*f.window, edited));
        QVERIFY(f.Find<QCheckBox>("chkCenterTable4")->isChecked());
        QCOMPARE(f.window->OutputPath(), f.Path("out.htm"));
        QCOMPARE(f.window->State().strTableFile, f.SettingsFile());
        // The settings file is never offered for Save.
        Click(f, "cmdSaveLoad_5");
        QVERIFY(f.chooser.requests.back().presetName.isEmpty());
    }

    void failedSaveAtQuitKeepsTheOldFileAndAsks_data() {
        QTest::addColumn<bool>("quitAnyway");
        QTest::newRow("quit anyway") << true;
        QTest::newRow("go back") << false;
    }
    void failedSaveAtQuitKeepsTheOldFileAndAsks() {
        QFETCH(bool, quitAnyway);
        StartedMain f;
        f.prompter.answers = {PromptAnswer::Yes};
        Click(f, "cmdQuit_6");
        const QByteArray old = ReadBytes(f.SettingsFile());
        QVERIFY(!old.isEmpty());

        f.Restart();
        QVERIFY(f.window->StartUp());
        f.window->Table().intBorderStyleIndex = 42;  // a table that cannot be stored
        f.prompter.calls.clear();
        f.prompter.answers = {PromptAnswer::Yes, quitAnyway ? PromptAnswer::Yes : PromptAnswer::No};
        Click(f, "cmdQuit_6");
        QCOMPARE(f.prompter.calls.size(), size_t(2));
        QCOMPARE(ReadBytes(f.SettingsFile()), old);
        QCOMPARE(f.window->isVisible(), !quitAnyway);
    }

    void damagedSettingsFileIsMovedAside() {
        MainFixture f;
        QVERIFY(QDir().mkpath(f.Path("config")));
        const QByteArray damaged = " 0  0  0 \r\n 6 ";
        WriteBytes(f.SettingsFile(), damaged);
        QVERIFY(f.window->StartUp());
        QVERIFY(!QFileInfo::exists(f.SettingsFile()));
        QCOMPARE(ReadBytes(LifecycleCommands::DamagedName(f.SettingsFile())), damaged);
        QCOMPARE(f.window->State().table.intNumRows, 6);
    }

    void resetKeepsTheRecordOfTheSavedTable() {
        StartedMain f;
        EditTable(f);
        f.chooser.names = {f.Path("kept.tbl")};
        Click(f, "cmdSaveLoad_5");
        f.prompter.answers = {PromptAnswer::Yes};
        Click(f, "cmdQuit_1");
        QCOMPARE(f.window->State().strTableFile, f.Path("kept.tbl"));
        QCOMPARE(f.window->State().table.intNumRows, 6);
        QVERIFY(!f.Find<QCheckBox>("chkCenterTable4")->isChecked());
        QVERIFY(f.window->OutputPath().isEmpty());
        Click(f, "cmdSaveLoad_0");
        QCOMPARE(f.window->State().table.intNumRows, 4);
    }

    void settingsFileInTheUsersConfigurationFolder() {
        MainFixture f;
        qputenv("XDG_CONFIG_HOME", f.Path("xdg").toLocal8Bit());
        f.options.configFolder.clear();
        f.Restart();
        QVERIFY(f.window->StartUp());
        QCOMPARE(f.window->State().strSettingsFile, f.Path("xdg/tabloom/tbm.usr"));
        QVERIFY(QFileInfo(f.Path("xdg/tabloom")).isDir());
    }

    void terminationKeepsTheTable() {
        StartedMain f;
        EditTable(f);
        std::raise(SIGTERM);
        QTRY_VERIFY(QFileInfo::exists(f.SettingsFile()));
        QVERIFY(f.prompter.calls.empty());
    }
};

QTEST_MAIN(TestFrmMainLifecycle)
#include "test_frm_main_lifecycle.moc"
