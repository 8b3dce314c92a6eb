#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QComboBox>
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

        f.prompter.answers = {PromptAnswer::Yes};
        Click(f, "cmdSaveLoad_3");
        QCOMPARE(f.window->Table().intNumRows, 6);
        f.window->Document().SetOutputPath(QString(), {});
        f.chooser.names = {f.Path("mine.tbl")};
        Click(f, "cmdSaveLoad_4");
        QVERIFY(f.window->Table().SameSpec(edited));
        QVERIFY(f.Find<QCheckBox>("chkCenterTable4")->isChecked());
        QCOMPARE(f.window->OutputPath(), f.Path("out.htm"));

        // A truncated file, a pipe or a folder is refused and leaves all as it was.
        const QByteArray good = ReadBytes(f.Path("mine.tbl"));
        WriteBytes(f.Path("half.tbl"), good.left(good.size() / 2));
        QCOMPARE(::mkfifo(QFile::encodeName(f.Path("fifo.tbl")).constData(), 0600), 0);
        QVERIFY(QDir().mkdir(f.Path("dir.tbl")));
        f.prompter.calls.clear();
        for (const char* bad : {"half.tbl", "fifo.tbl", "dir.tbl"}) {
            f.chooser.names = {f.Path(bad)};
            Click(f, "cmdSaveLoad_4");
            QVERIFY2(f.window->Table().SameSpec(edited), bad);
        }
        QCOMPARE(f.prompter.calls.size(), size_t(3));
        QCOMPARE(f.window->OutputPath(), f.Path("out.htm"));
    }

    // Restore without a saved file, with the file gone or damaged says so
    // and keeps the table.
    void restoreRefusals() {
        StartedMain f;
        WriteBytes(f.Path("damaged.tbl"), " 1  1  0 \r\n 25 ");
        EditTable(f);
        const TableSpec before = f.window->Table();
        for (const QString& record : {QString(), f.Path("gone.tbl"), f.Path("damaged.tbl")}) {
            f.window->State().strTableFile = record;
            Click(f, "cmdSaveLoad_0");
            QVERIFY(f.window->Table().SameSpec(before));
        }
        QCOMPARE(f.prompter.calls.size(), size_t(3));
    }

    void quitKeepsTheTableForTheNextStart() {
        StartedMain f;
        EditTable(f);
        const TableSpec edited = f.window->Table();
        // Answered No, by the button or the frame, the program runs on.
        Click(f, "cmdQuit_6");
        f.window->close();
        QCOMPARE(f.prompter.calls.size(), size_t(2));
        QVERIFY(f.window->isVisible());
        QVERIFY(!QFileInfo::exists(f.SettingsFile()));

        f.prompter.answers = {PromptAnswer::Yes};
        Click(f, "cmdQuit_6");
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.window->OtherProducts() != nullptr && f.window->OtherProducts()->isVisible());
        // Closing that window ends the program's event loop.
        QTimer::singleShot(0, f.window->OtherProducts(), &QDialog::accept);
        QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);

        f.Restart();
        QVERIFY(f.window->StartUp());
        QVERIFY(f.window->Table().SameSpec(edited));
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
    void quitSavesOrAsks() {
        struct Case {
            const char* trouble;
            bool quitAnyway;
        };
        for (const Case& c : {Case{"removed", false}, Case{"no new file", false},
                              Case{"unstorable", true}, Case{"unstorable", false}}) {
            const QString trouble = c.trouble;
            MainFixture f;
            f.options.saving.refuseTemporaryFile = trouble == "no new file";
            f.Restart();
            QVERIFY(f.window->StartUp());
            EditTable(f);
            WriteBytes(f.SettingsFile(), "an older table");
            if (trouble == "removed") QVERIFY(QDir(f.Path("config")).removeRecursively());
            if (trouble == "unstorable") {
                Edit(*f.window, [](TableSpec& t) { t.intBorderStyleIndex = 42; });
            }
            f.prompter.answers = {PromptAnswer::Yes,
                                  c.quitAnyway ? PromptAnswer::Yes : PromptAnswer::No};
            Click(f, "cmdQuit_6");
            if (trouble != "unstorable") {
                QCOMPARE(f.prompter.calls.size(), size_t(1));
                QVERIFY(!f.window->isVisible());
                QVERIFY2(FileHolds(f.SettingsFile(), f.window->Table()), c.trouble);
                continue;
            }
            QCOMPARE(f.prompter.calls.size(), size_t(2));
            const auto& asked = f.prompter.calls[1];
            QCOMPARE(asked.buttons, PromptButtons::YesNoDefaultNo);
            QVERIFY2(asked.details.contains("intBorderStyleIndex"), qPrintable(asked.details));
            QCOMPARE(ReadBytes(f.SettingsFile()), QByteArray("an older table"));
            QCOMPARE(f.window->isVisible(), !c.quitAnyway);
        }
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

        Click(f, "cmdSaveLoad_5");
        QCOMPARE(f.chooser.requests.back().presetName, f.Path("old.tbl"));
        QCOMPARE(f.prompter.calls.size(), size_t(1));
        QCOMPARE(f.prompter.calls[0].text, QString("Error when attempting to save table."));
        QVERIFY2(f.prompter.calls[0].details.contains("cannot create a temporary file"),
                 qPrintable(f.prompter.calls[0].details));
        QCOMPARE(f.window->State().strTableFile, f.Path("old.tbl"));
    }

    // A damaged settings file is moved aside; without a configured folder
    // the settings go to the user's configuration folder.
    void settingsFileAtStart() {
        MainFixture f;
        QVERIFY(QDir().mkpath(f.Path("config")));
        WriteBytes(f.SettingsFile(), " 0  0  0 \r\n 6 ");
        QVERIFY(f.window->StartUp());
        QVERIFY(!QFileInfo::exists(f.SettingsFile()));
        QCOMPARE(ReadBytes(LifecycleCommands::DamagedName(f.SettingsFile())),
                 QByteArray(" 0  0  0 \r\n 6 "));

        qputenv("XDG_CONFIG_HOME", f.Path("xdg").toLocal8Bit());
        f.options.configFolder.clear();
        f.Restart();
        QVERIFY(f.window->StartUp());
        QCOMPARE(f.window->State().strSettingsFile, f.Path("xdg/tabloom/tbm.usr"));
    }

    // SIGTERM keeps the table without a word; when the settings file cannot
    // be written, the table goes beside it, standard error says why, and the
    // next start offers it back once.
    void terminationKeepsTheTable() {
        StartedMain f;
        EditTable(f);
        const TableSpec edited = f.window->Table();
        QVERIFY(QDir().mkpath(f.SettingsFile()));  // a folder in its place
        const QString unsaved = f.SettingsFile() + ".unsaved";
        const QByteArray said = StandardError(f.Path("stderr"), [&] {
            std::raise(SIGTERM);
            QTRY_VERIFY(QFileInfo::exists(unsaved));
        });
        QVERIFY(f.prompter.calls.empty());
        QVERIFY(said.contains(QFile::encodeName(f.SettingsFile())) &&
                said.contains(QFile::encodeName(unsaved)));
        f.prompter.answers = {PromptAnswer::Yes};
        f.Restart();
        QVERIFY(f.window->StartUp());
        QVERIFY(f.window->Table().SameSpec(edited));
        f.Restart();
        QVERIFY(f.window->StartUp());
        QCOMPARE(f.prompter.calls.size(), size_t(1));
    }
};

QTEST_MAIN(TestFrmMainLifecycle)
#include "test_frm_main_lifecycle.moc"
