#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <string>

#include "main_test_files.h"
#include "ui/document/table_document.h"
#include "ui/main_window/dialog_placement.h"
#include "ui/main_window/main_messages.h"
#include "ui/main_window/main_window_placement.h"
#include "ui/platform/data_folder.h"
#include "ui/platform/path_helpers.h"
#include "ui/platform/qt_file_chooser.h"
#include "ui/platform/qt_prompter.h"
#include "ui/platform/xdg_launcher.h"
#include "ui/view/twips.h"
#include "ui/view/viewer_placement.h"

using namespace tabloom;

namespace {

TableSpec Loaded(int rows, const std::string& topLeft) {
    TableSpec t;
    InitTableState(t);
    t.intNumRows = static_cast<std::int16_t>(rows);
    AdjustCellsToDimensions(t);
    t.At(1, 1).strContent = topLeft;
    return t;
}

void Grow(TableDocument& doc, int rows, const std::string& topLeft) {
    doc.Change("grow", [&](TableSpec& t) {
        t.intNumRows = static_cast<std::int16_t>(rows);
        AdjustCellsToDimensions(t);
        t.At(1, 1).strContent = topLeft;
    });
}

}  // namespace

// Helpers of the windows: messages, paths, placements, the document and the
// launcher.
class TestUiUnits : public QObject {
    Q_OBJECT

  private slots:
    void pathHelpers() {
        QCOMPARE(FolderOf("table.htm", false), QString());
        QCOMPARE(FolderOf("/tmp//./x/a.htm", true), QString("/tmp/x/"));
        QCOMPARE(FileExtension("/out/table.HTM", true), QString("htm"));
        QVERIFY(HasExtension("/out/t.htm", "htm", "html"));
        QVERIFY(!HasExtension("/out/t.htmx", "htm", "html"));

        QTemporaryDir dir;
        const QString file = dir.filePath("plain.htm");
        WriteBytes(file, "x");
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        QVERIFY(FolderExists("  " + dir.filePath("sub") + "/  "));  // blanks are removed first
        QVERIFY(!FolderExists(file));
        QVERIFY(FileExists(file));
        QVERIFY(!FileExists(dir.filePath("sub")));
    }

    void launchDocumentMessage() {
        const QString first = "Error launching web browser, error code = %1.";
        QCOMPARE(LaunchDocumentMessage(31, "htm"),
                 first.arg(31) +
                     "\n\nFile extension 'htm' is not associated with any application program.");
        QCOMPARE(LaunchDocumentMessage(5, "htm"), first.arg(5));
    }

    void mainWindowPlacement() {
        QCOMPARE(MainWindowTopLeft(QSize(800, 500), QRect(0, 0, 1920, 1080)), QPoint(560, 108));
        QCOMPARE(MainWindowTopLeft(QSize(1025, 500), QRect(0, 0, 1024, 768)), QPoint(0, 76));
    }

    // Beside the executable when the text file is there, else the installed
    // share folder; a folder named tbm.dat is no text file.
    void dataFolder() {
        QTemporaryDir dir;
        QDir root(dir.path());
        QVERIFY(root.mkpath("build/bin") && root.mkpath("prefix/bin"));
        QVERIFY(root.mkpath("odd/bin/tbm.dat"));
        WriteBytes(root.filePath("build/bin/tbm.dat"), "x");
        QCOMPARE(DataFolderFor(root.filePath("build/bin")), root.filePath("build/bin"));
        QCOMPARE(DataFolderFor(root.filePath("prefix/bin")), root.filePath("prefix/share/tabloom"));
        QCOMPARE(DataFolderFor(root.filePath("odd/bin")), root.filePath("odd/share/tabloom"));
    }

    void nameFilters() {
        QCOMPARE(QtFileChooser::QtNameFilters("Table files (*.tbl) | *.tbl"),
                 QString("Table files (*.tbl)"));
        QCOMPARE(QtFileChooser::QtNameFilters("Table files (*.tbl) | *.tbl | All files | *"),
                 QString("Table files (*.tbl);;All files (*)"));
    }

    // Enter answers the default button: never Yes when Yes drops the table.
    void messageBoxButtonsAndDetails() {
        struct Case {
            PromptButtons buttons;
            QString details;
            QMessageBox::StandardButton byDefault;
        };
        for (const Case& c :
             {Case{PromptButtons::Ok, {}, QMessageBox::Ok},
              Case{PromptButtons::YesNo, {}, QMessageBox::Yes},
              Case{PromptButtons::YesNoDefaultNo, "cannot write <x>: No space", QMessageBox::No}}) {
            const auto box = QtPrompter::MakeBox("Quit <anyway>?", "Quit", PromptIcon::Exclamation,
                                                 c.buttons, c.details, nullptr);
            QCOMPARE(box->text(), QString("Quit <anyway>?"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->detailedText(), c.details);
            QCOMPARE(box->standardButton(box->defaultButton()), c.byDefault);
            if (c.buttons != PromptButtons::Ok) {
                QCOMPARE(box->standardButton(box->escapeButton()), QMessageBox::No);
            }
        }
    }

    void twipsToPixels() {
        QCOMPARE(TwipsToPixels(100, 15), 7);  // rounds up
        QCOMPARE(TwipsToPixels(8000, 15), 533);
        QCOMPARE(TwipsToPixels(300, 0), 20);  // a broken scale falls back to 96 dpi
    }

    // At 96 dpi 300 twips are 20 pixels.
    void help() {
        struct Case {
            QRect main, viewer, screen;
            QPoint mainTopLeft;
            QRect expected;
        };
        const QRect wide(0, 0, 1920, 1080);
        const QRect narrow(0, 0, 830, 700);
        for (const Case& c :
             {// Side by side, 300 twips spare at the right; also on a second screen.
              Case{{500, 60, 800, 600}, {0, 0, 640, 480}, wide, {20, 60}, {820, 60, 1080, 600}},
              Case{{2500, 60, 800, 600},
                   {0, 0, 640, 480},
                   {1920, 0, 1920, 1080},
                   {1940, 60},
                   {2740, 60, 1080, 600}},
              // Too narrow for both: the width kept fits beside, or the second rule.
              Case{{0, 10, 800, 600}, {5, 5, 9, 300}, narrow, {20, 10}, {820, 10, 9, 600}},
              Case{{0, 10, 800, 600}, {5, 5, 10, 300}, narrow, {20, 10}, {513, 10, 317, 600}},
              // A main window wider than the screen goes to its left edge.
              Case{{0, 10, 800, 600},
                   {5, 5, 600, 300},
                   {0, 0, 400, 700},
                   {0, 10},
                   {513, 10, 600, 600}}}) {
            const HelpPlacement placement = HelpPlacementFor(c.main, c.viewer, c.screen, 15.0);
            QCOMPARE(placement.mainTopLeft, c.mainTopLeft);
            QCOMPARE(placement.viewer, c.expected);
        }
    }

    void keptOnScreen() {
        const QRect screen(100, 0, 1280, 1024);
        QCOMPARE(KeptOnScreen({200, 50, 600, 400}, screen), QRect(200, 50, 600, 400));
        QCOMPARE(KeptOnScreen({800, 50, 596, 400}, screen), QRect(784, 50, 596, 400));
        QCOMPARE(KeptOnScreen({0, 900, 300, 200}, screen), QRect(100, 824, 300, 200));
        QCOMPARE(KeptOnScreen({300, 10, 1400, 400}, screen), QRect(100, 10, 1400, 400));
    }

    // A window at (100, 50) whose grid is at (10, 80), rows 30 high; 540
    // twips are 36 pixels at 96 dpi.
    void belowRow() {
        struct Case {
            QPoint frame;
            int row;
            QRect screen;
            QSize dialog;
            QPoint expected;
        };
        const QRect screen(0, 0, 1280, 1024);
        for (const Case& c :
             {Case{{100, 50}, 1, screen, {}, {110, 50 + 80 + 31 + 36}},
              Case{{100, 500}, 20, screen, {}, {110, 819}},         // never below four fifths
              Case{{100, 500}, 5, screen, {600, 500}, {110, 524}},  // tall: stays on screen
              Case{{900, 50}, 1, screen, {600, 300}, {680, 197}},   // wide: pulled left
              Case{{-300, 50}, 1, screen, {600, 300}, {0, 197}},    // window off the left
              Case{{100, 50}, 1, screen, {1400, 1100}, {0, 0}}}) {  // larger than the screen
            const RowPlacementInput in{c.frame, {10, 80}, 30, c.row, c.screen, 15.0, c.dialog};
            QCOMPARE(DialogBelowRowPosition(in), c.expected);
        }
    }

    // Whatever changes the table, a view that only follows changed sees the
    // rows, cells and output path now in the document ("-": no redraw); the
    // captions name the steps, and a change that changes nothing is no step.
    void everyChangeReachesTheViews() {
        using Act = std::function<void(TableDocument&)>;
        const auto setUp = [](TableSpec& t) { t.At(1, 1).strContent = "set up"; };
        const auto undo = [](TableDocument& d) { d.Undo(); };
        const auto output = [](const char* path, const char* name) {
            return [=](TableDocument& d) { d.SetOutputPath(path, name); };
        };
        const struct {
            Act act;
            const char *seen, *undoCaption, *redoCaption;
        } steps[] = {
            {[](TableDocument& d) {
                 d.Change("no", [](TableSpec& t) { t.At(1, 1).strContent = ""; });
             },
             "-", "Undo", "Redo"},
            {[&](TableDocument& d) { d.Change({}, setUp); }, "6 set up ", "Undo", "Redo"},
            {[](TableDocument& d) { Grow(d, 9, "grown"); }, "9 grown ", "Undo: grow", "Redo"},
            {undo, "6 set up ", "Undo", "Redo: grow"},
            {[](TableDocument& d) { d.Redo(); }, "9 grown ", "Undo: grow", "Redo"},
            {[](TableDocument& d) { d.Replace(Loaded(3, "loaded"), " out.htm ", "load"); },
             "3 loaded out.htm", "Undo: load", "Redo"},
            {undo, "9 grown ", "Undo: grow", "Redo: load"},
            {[](TableDocument& d) { d.Replace(Loaded(6, ""), {}, "new table"); }, "6  ",
             "Undo: new table", "Redo"},
            {output("a.htm", ""), "6  a.htm", "Undo: new table", "Redo"},
            {output("a.htm", "again"), "-", "Undo: new table", "Redo"},
            {output("b.htm", "choose"), "6  b.htm", "Undo: choose", "Redo"},
            {undo, "6  a.htm", "Undo: new table", "Redo: choose"},
            {[](TableDocument& d) { Grow(d, 8, "y"); }, "8 y a.htm", "Undo: grow", "Redo"}};
        TableDocument doc;
        QString seen;
        QObject::connect(&doc, &TableDocument::changed, [&](int) {
            seen = QString("%1 %2 %3")
                       .arg(doc.Table().intNumRows)
                       .arg(QString::fromStdString(doc.Table().At(1, 1).strContent))
                       .arg(doc.OutputPath());
        });
        for (const auto& step : steps) {
            seen = "-";
            step.act(doc);
            QCOMPARE(seen + " / " + doc.UndoCaption() + " / " + doc.RedoCaption(),
                     QString("%1 / %2 / %3").arg(step.seen, step.undoCaption, step.redoCaption));
        }
    }

  private:
    QTemporaryDir dir_;

    // A shell script that records its arguments and ends with the given body.
    QString Script(const QString& name, const QByteArray& body) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write script");
        file.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n" + body + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

  private slots:
    // Exit statuses become the codes the messages know; a crash, no program
    // or a folder in its place is a failure.
    void launchThroughProgram() {
        const std::pair<QByteArray, int> outcomes[] = {
            {"exit 0", 33}, {"exit 2", 2}, {"exit 3", 31}, {"exit 127", 5}, {"kill -9 $$", 5}};
        int n = 0;
        for (const auto& [body, code] : outcomes) {
            XdgLauncher launcher(Script("open_" + QString::number(++n), body), 5000);
            QCOMPARE(launcher.Open("https://example.org/manual.html"), code);
        }
        QVERIFY(QDir(dir_.path()).mkdir("folder-program"));
        for (const char* name : {"no-such-program", "folder-program"})
            QCOMPARE(XdgLauncher(dir_.filePath(name), 2000).Open("/tmp/a.htm"), 5);
    }

    // One argument however it looks; a relative name becomes a path.
    void targetPassedAsOneArgument() {
        const QString program = Script("record", "exit 0");
        const QString target = dir_.filePath("my table; rm -rf x.htm");
        QCOMPARE(XdgLauncher(program, 5000).Open(target), 33);
        QFile args(program + ".args");
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(args.readAll()), target + "\n");
        QCOMPARE(XdgLauncher::ArgumentFor("https://example.org/a.htm"),
                 QString("https://example.org/a.htm"));
        QCOMPARE(XdgLauncher::ArgumentFor("/tmp/a.htm"), QString("/tmp/a.htm"));
        QCOMPARE(XdgLauncher::ArgumentFor("-a.htm"), QDir::current().absoluteFilePath("-a.htm"));
        QCOMPARE(XdgLauncher::ArgumentFor(""), QString());
    }

    // A launcher that keeps running past the wait has taken the request.
    void stillRunningCountsAsAccepted() {
        XdgLauncher launcher(Script("slow", "sleep 2"), 200);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(launcher.Open("/tmp/a.htm"), 33);
        QVERIFY(timer.elapsed() < 1500);
    }
};

QTEST_MAIN(TestUiUnits)
#include "test_ui_units.moc"
