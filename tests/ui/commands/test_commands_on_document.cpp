#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include "core/model/clock.h"
#include "core/model/place_markers.h"
#include "main_test_files.h"
#include "scripted_seams.h"
#include "ui/commands/command_context.h"
#include "ui/commands/lifecycle_commands.h"
#include "ui/commands/paste_data_command.h"
#include "ui/commands/table_file_commands.h"
#include "ui/commands/window_services.h"
#include "ui/document/table_document.h"

namespace tabloom {

// The window a command runs in, reduced to a plain widget.
class StubWindow : public WindowServices {
  public:
    QWidget& Widget() override { return widget; }
    void FocusHelpButton() override {}
    void SuppressGridClicks() override {}
    void RedrawGrid() override {}
    bool HighlightCell(std::int16_t&, std::int16_t&) override { return true; }
    void GoToCell(int, int) override {}
    std::optional<CellBlock> SelectedBlock() const override { return {}; }
    QPoint BelowRow(int, QSize) const override { return {}; }
    QPoint GridCorner() const override { return {}; }
    frmView& ViewerWindow() override { qFatal("no viewer here"); }
    void EndProgram() override {}

    QWidget widget;
};

// Commands on a document and scripted seams, with no main window at all.
class CommandsOnDocumentTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TableDocument document;
    ProgramState state;
    ProgramTexts texts;
    RecordingPrompter prompter;
    ScriptedFileChooser chooser;
    ScriptedLauncher launcher;
    ScriptedViewChoice choice;
    FixedClock clock{LocalDateTime{2026, 3, 14, 15, 9, 26}};
    ScriptedClipboard clipboard;
    StubWindow window;
    CommandContext context{document, state,     texts,  prompter,  chooser,    launcher,     choice,
                           clock,    clipboard, window, QString(), dir.path(), SaveOptions{}};

    void Put(int row, int col, const char* text) {
        document.Change({}, [&](TableSpec& t) { t.At(row, col).strContent = text; });
    }

  private slots:
    void init() {
        LifecycleCommands(context).InitProgramState();
        prompter.calls.clear();
    }

    void saveNewRestoreAndUndo() {
        Put(2, 3, "kept");
        chooser.names = {dir.filePath("t")};  // the suffix is added
        TableFileCommands files(context);
        files.SaveTable();
        QCOMPARE(state.strTableFile, dir.filePath("t.tbl"));
        prompter.answers = {PromptAnswer::Yes};
        files.NewTable();
        QCOMPARE(document.Table().At(2, 3).strContent, std::string());
        files.RestoreTable();
        QCOMPARE(document.Table().At(2, 3).strContent, std::string("kept"));
        QCOMPARE(document.UndoCaption(), QString("Undo: restore table"));
        document.Undo();
        QCOMPARE(document.Table().At(2, 3).strContent, std::string());
        // The place marker choice stays and fills the restored cells.
        document.Change({}, [](TableSpec& t) { t.blnAddPlaceMarkers = true; });
        files.RestoreTable();
        QCOMPARE(document.Table().At(1, 1).strContent, MakePlaceMarker(1, 1));
        // A saved file that is gone is said, and no longer offered.
        QFile::remove(state.strTableFile);
        files.RestoreTable();
        QVERIFY(prompter.calls.back().text.contains("no longer exists"));
        files.SaveTable();
        QVERIFY(chooser.requests.back().presetName.isEmpty());
    }

    // What does not fit, or a clipboard without text, is said; HTML beside
    // the text brings merges and colours, HTML without a table is ignored.
    void pasteReportsAndHtml() {
        const QString merged =
            "<table><tr><td colspan=2 style='background:#ff0'>a</td></tr>"
            "<tr><td>b</td><td>c</td></tr></table>";
        struct Case {
            QString text, html, said;
            int span;
        };
        for (const Case& c :
             {Case{QString("x\ty\tz\r\n").repeated(25), {}, "5 rows and 0 columns", 1},
              Case{{}, {}, "holds no text", 1}, Case{"a\t\nb\tc\n", merged, {}, 2},
              Case{"a\t\nb\tc\n", "<p>just words</p>", {}, 1}}) {
            TableSpec fresh;
            InitTableState(fresh);
            document.Replace(fresh, QString(), {});
            prompter.calls.clear();
            state.intRow = state.intCol = 1;
            clipboard.text = c.text;
            clipboard.html = c.html;
            PasteDataCommand(context).Run();
            QCOMPARE(prompter.calls.size(), size_t(c.said.isEmpty() ? 0 : 1));
            if (!c.said.isEmpty()) QVERIFY(prompter.calls[0].text.contains(c.said));
            QCOMPARE(int(document.Table().At(1, 1).intColSpan), c.span);
            QCOMPARE(document.Table().At(1, 1).lngBgColor,
                     c.span == 2 ? 0x00FFFF : NotSpecifiedColor);
        }
    }

    // Closing the window while a cell is being typed into keeps the text.
    void closingKeepsTheTextBeingTyped() {
        StartedMain f;
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.window->GridWidget()->setFocus();
        for (QChar ch : QString("typed")) QTest::keyClicks(QApplication::focusWidget(), ch);
        f.prompter.answers = {PromptAnswer::Yes};
        f.window->close();
        QVERIFY(ReadBytes(f.SettingsFile()).contains("typed"));
    }
};

}  // namespace tabloom

QTEST_MAIN(tabloom::CommandsOnDocumentTest)
#include "test_commands_on_document.moc"
