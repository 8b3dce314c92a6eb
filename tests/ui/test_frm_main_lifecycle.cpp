#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <cstdio>

#include "core/storage/table_file.h"
#include "main_test_files.h"
#include "ui/commands/lifecycle_commands.h"
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
    Edit(*f.window, [&](TableSpec& t) {
        t.At(1, 1).strContent = "Price\r\n10 \"ex\"";
        t.At(1, 1).intColSpan = 2;
        t.At(1, 2).intRowSpan = 0;
        t.At(1, 2).intColSpan = 0;
        t.At(1, 2).intOwnerCol = 1;
        t.At(2, 3).lngTextColor = 0x0000FF;
        t.At(2, 3).lngBgColor = 0x00FFFF;
        t.intBorder = 7;
    });
    f.ChooseOutput(f.Path("out.htm"));
}

void Click(MainFixture& f, const char* name) { f.Find<QPushButton>(name)->click(); }

bool SameTable(const frmMain& w, const TableSpec& t) { return w.Table().SameSpec(t); }

bool FileHolds(const QString& file, const TableSpec& t) {
    const TableLoadResult read = LoadTable(QFile::encodeName(file).toStdString());
    return read.ok && read.data.table.SameSpec(t);
}

// What run writes to standard error.
template <typename Run>
QByteArray StandardError(const QString& file, Run run) {
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int fd = ::open(QFile::encodeName(file).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(fd, 2);
    ::close(fd);
    run();
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(saved);
    return ReadBytes(file);
}

}  // namespace

class TestFrmMainLifecycle : public QObject {
    Q_OBJECT

  private slots:
    void saveThenLoadBringsTheTableBack() {
        StartedMain f;
        EditTable(f);
        const TableSpec edited = f.window->Table();

        f.chooser.names = {f.Path("mine")};  // typed without an extension
        Click(f, "cmdSaveLoad_5");
        QCOMPARE(f.window->State().strTableFile, f.Path("mine.tbl"));
        QVERIFY(QFileInfo::exists(f.Path("mine.tbl")));

        f.prompter.answers = {PromptAnswer::Yes};
        Click(f, "cmdSaveLoad_3");
        QCOMPARE(f.window->Table().intNumRows, 6);
        QVERIFY(f.window->Table().At(1, 1).strContent.empty());

        f.window->Document().SetOutputPath(QString(), {});
        f.chooser.names = {f.Path("mine.tbl")};
        Click(f, "cmdSaveLoad_4");
        QVERIFY(SameTable(*f.window, edited));
        QCOMPARE(f.Find<QComboBox>("cboNumberOfRows")->currentText(), QString("4"));
        QVERIFY(f.Find<QCheckBox>("chkCenterTable4")->isChecked());
        QCOMPARE(f.window->OutputPath(), f.Path("out.htm"));
        QVERIFY(!f.Find<QPushButton>("cmdViewOutputFile_6")->isEnabled());
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
        const TableSpec before = f.window->Table();
        const QString beforePath = f.window->OutputPath();
        f.chooser.names = {bad};
        Click(f, "cmdSaveLoad_4");
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY(SameTable(*f.window, before));
        QCOMPARE(f.window->OutputPath(), beforePath);
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
        const TableSpec before = f.window->Table();
        Click(f, "cmdSaveLoad_0");
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QVERIFY(SameTable(*f.window, before));
    }

    void restoreReloadsLastSavedAndKeepsTheOptionBoxes() {
        StartedMain f;
        EditTable(f);
        f.chooser.names = {f.Path("saved.tbl")};
        Click(f, "cmdSaveLoad_5");
        const TableSpec saved = f.window->Table();
        f.prompter.answers = {PromptAnswer::Yes};
        Click(f, "cmdSaveLoad_3");

        f.Find<QCheckBox>("chkCenterTable4")->setChecked(false);
        f.Find<QCheckBox>("chkAddHTMLWrapper4")->setChecked(true);
        Click(f, "cmdSaveLoad_0");
        const TableSpec& now = f.window->Table();
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
        const TableSpec edited = f.window->Table();
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

    // The save at Quit needs neither a temporary file beside the settings
    // file nor the folder that was there at start. When it fails all the
    // same, the old file stays and the user is asked, Enter keeping the
    // program running; the reason is in the details.
    void quitSavesOrAsks_data() {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<bool>("quitAnyway");
        QTest::newRow("settings folder removed") << "removed" << false;
        QTest::newRow("no new file allowed") << "no new file" << false;
        QTest::newRow("unstorable, quit anyway") << "unstorable" << true;
        QTest::newRow("unstorable, go back") << "unstorable" << false;
    }
    void quitSavesOrAsks() {
        QFETCH(QString, trouble);
        QFETCH(bool, quitAnyway);
        MainFixture f;
        f.options.saving.refuseTemporaryFile = trouble == "no new file";
        f.Restart();
        QVERIFY(f.window->StartUp());
        EditTable(f);
        const QByteArray old = "an older table";
        WriteBytes(f.SettingsFile(), old);
        if (trouble == "removed") QVERIFY(QDir(f.Path("config")).removeRecursively());
        if (trouble == "unstorable") {
            Edit(*f.window, [](TableSpec& t) { t.intBorderStyleIndex = 42; });
        }
        f.prompter.answers = {PromptAnswer::Yes, quitAnyway ? PromptAnswer::Yes : PromptAnswer::No};
        Click(f, "cmdQuit_6");
        if (trouble != "unstorable") {
            QCOMPARE(f.prompter.calls.size(), size_t(1));
            QVERIFY(!f.window->isVisible());
            QVERIFY(FileHolds(f.SettingsFile(), f.window->Table()));
            return;
        }
        QCOMPARE(f.prompter.calls.size(), size_t(2));
        QCOMPARE(f.prompter.calls[1].buttons, PromptButtons::YesNoDefaultNo);
        QVERIFY2(f.prompter.calls[1].details.contains("intBorderStyleIndex"),
                 qPrintable(f.prompter.calls[1].details));
        QVERIFY(!f.prompter.calls[1].text.contains("intBorderStyleIndex"));
        QCOMPARE(ReadBytes(f.SettingsFile()), old);
        QCOMPARE(f.window->isVisible(), !quitAnyway);
    }

    // Where no new file can be made, Save table rewrites an existing file;
    // a failed save says why and keeps the record of the last saved file.
    void saveTableInAFolderThatAllowsNoNewFiles() {
        MainFixture f;
        f.options.saving.refuseTemporaryFile = true;
        f.Restart();
        QVERIFY(f.window->StartUp());
        EditTable(f);
        WriteBytes(f.Path("old.tbl"), "an older table");
        f.chooser.names = {f.Path("old.tbl"), f.Path("new.tbl")};
        Click(f, "cmdSaveLoad_5");
        QVERIFY(f.prompter.calls.empty());
        QVERIFY(FileHolds(f.Path("old.tbl"), f.window->Table()));
        QCOMPARE(f.window->State().strTableFile, f.Path("old.tbl"));

        Click(f, "cmdSaveLoad_5");
        QCOMPARE(f.chooser.requests.back().presetName, f.Path("old.tbl"));
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.prompter.calls[0].text, QString("Error when attempting to save table."));
        QVERIFY2(f.prompter.calls[0].details.contains("cannot create a temporary file"),
                 qPrintable(f.prompter.calls[0].details));
        QVERIFY(!QFileInfo::exists(f.Path("new.tbl")));
        QCOMPARE(f.window->State().strTableFile, f.Path("old.tbl"));
    }

    void damagedSettingsFileIsMovedAside() {
        MainFixture f;
        QVERIFY(QDir().mkpath(f.Path("config")));
        const QByteArray damaged = " 0  0  0 \r\n 6 ";
        WriteBytes(f.SettingsFile(), damaged);
        QVERIFY(f.window->StartUp());
        QVERIFY(!QFileInfo::exists(f.SettingsFile()));
        QCOMPARE(ReadBytes(LifecycleCommands::DamagedName(f.SettingsFile())), damaged);
        QCOMPARE(f.window->Table().intNumRows, 6);
    }

    void resetKeepsTheRecordOfTheSavedTable() {
        StartedMain f;
        EditTable(f);
        f.chooser.names = {f.Path("kept.tbl")};
        Click(f, "cmdSaveLoad_5");
        f.prompter.answers = {PromptAnswer::Yes};
        Click(f, "cmdQuit_1");
        QCOMPARE(f.window->State().strTableFile, f.Path("kept.tbl"));
        QCOMPARE(f.window->Table().intNumRows, 6);
        QVERIFY(!f.Find<QCheckBox>("chkCenterTable4")->isChecked());
        QVERIFY(f.window->OutputPath().isEmpty());
        Click(f, "cmdSaveLoad_0");
        QCOMPARE(f.window->Table().intNumRows, 4);
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

    // SIGTERM keeps the table without a word; when the settings file cannot
    // be written, the table goes beside it, standard error says why, and the
    // next start offers it back.
    void terminationKeepsTheTable_data() {
        QTest::addColumn<bool>("blocked");
        QTest::addColumn<bool>("restore");
        QTest::newRow("saved") << false << false;
        QTest::newRow("kept aside, restored") << true << true;
        QTest::newRow("kept aside, discarded") << true << false;
    }
    void terminationKeepsTheTable() {
        QFETCH(bool, blocked);
        QFETCH(bool, restore);
        StartedMain f;
        EditTable(f);
        const TableSpec edited = f.window->Table();
        if (blocked) QVERIFY(QDir().mkpath(f.SettingsFile()));  // a folder where the file goes
        const QString unsaved = f.SettingsFile() + ".unsaved";
        const QByteArray said = StandardError(f.Path("stderr"), [&] {
            std::raise(SIGTERM);
            QTRY_VERIFY(QFileInfo::exists(blocked ? unsaved : f.SettingsFile()));
        });
        QVERIFY(f.prompter.calls.empty());
        QCOMPARE(said.contains(QFile::encodeName(f.SettingsFile())), blocked);
        QCOMPARE(said.contains(QFile::encodeName(unsaved)), blocked);
        if (!blocked) {
            QVERIFY(FileHolds(f.SettingsFile(), edited));
            return;
        }

        f.prompter.answers = {restore ? PromptAnswer::Yes : PromptAnswer::No};
        f.Restart();
        QVERIFY(f.window->StartUp());
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.prompter.calls[0].buttons, PromptButtons::YesNo);
        QCOMPARE(SameTable(*f.window, edited), restore);
        QCOMPARE(f.window->Table().intNumRows, restore ? 4 : 6);
        QVERIFY(!QFileInfo::exists(unsaved));
        f.Restart();
        QVERIFY(f.window->StartUp());
        QCOMPARE(f.prompter.calls.size(), size_t(1));
    }
};

QTEST_MAIN(TestFrmMainLifecycle)
#include "test_frm_main_lifecycle.moc"
