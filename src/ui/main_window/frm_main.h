#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "core/storage/table_file.h"
#include "core/texts/program_texts.h"
#include "ui/commands/window_services.h"
#include "ui/main_window/main_controls.h"
#include "ui/main_window/program_state.h"
#include "ui/platform/platform_seams.h"

class QMenu;
class QTimer;

namespace tabloom {

class CellCommands;
class Clipboard;
class CopyCommands;
class GridCommands;
class LifecycleCommands;
class OutputCommands;
class PasteDataCommand;
class ProgramWindows;
class TableCheckCommand;
class TableDocument;
class TableFileCommands;
class TableFrameCommands;
class frmOtherProducts;
class frmPreview;
class frmView;
struct CommandContext;

// How the main window is set up.
struct MainWindowOptions {
    // Folder of tbm.dat, the help text, the manual and the product list;
    // empty: found from the executable's folder.
    QString dataFolder;
    // Folder of the settings file tbm.usr; empty: the user's configuration
    // folder ($XDG_CONFIG_HOME/tabloom).
    QString configFolder;
    PlatformSeams seams;
    // Failures injected into every save of a table file (a test seam).
    SaveOptions saving;
};

// The main window: it builds the controls, makes the document and the
// commands for the run, and wires the one to the other.
class frmMain : public QWidget, private WindowServices {
    Q_OBJECT

  public:
    explicit frmMain(MainWindowOptions options = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // Loads the program texts, initialises the state, places and shows the
    // window. False when the program texts could not be loaded: the reason
    // has been shown and the program is to end.
    bool StartUp();
    bool Initialized() const { return started_; }

    const ProgramState& State() const { return state_; }
    ProgramState& State() { return state_; }
    // The table with its output path and undo history; every change of the
    // table goes through it and every view here follows it.
    TableDocument& Document() const { return *document_; }
    const TableSpec& Table() const;
    const QString& OutputPath() const;
    const ProgramTexts& Texts() const { return texts_; }

    // The viewer, the other-products window and the live preview, null
    // until first used.
    frmView* Viewer() const;
    frmOtherProducts* OtherProducts() const;
    frmPreview* Preview() const;
    void ClosePreview();

    int CellHeight() const;
    QWidget* GridWidget() const;
    // The "Grid" button's menu of row and column commands.
    QMenu* GridMenu() const;
    GridCommands& Grid() const { return *grid_; }

    // Opens a document with its associated program; false when refused.
    bool OpenDocument(const QString& path, bool showError);
    // 6 views the written file, 0 clears the output path.
    void cmdViewOutputFile_Click(int index);
    // Pastes rows of values from the clipboard at the current cell.
    void PasteData();
    // Grid clicks count again a second after a window over the grid closed.
    void Clock2_Timer();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ConnectControls();
    // Shows the document in every control that follows it.
    void ShowDocument(int what);
    void ShowTableOptions();
    // Text typed into a cell and not yet stored is stored: the program may
    // end without the focus leaving the cell.
    void KeepTyping();

    // What the commands ask of the window.
    QWidget& Widget() override { return *this; }
    void FocusHelpButton() override;
    void SuppressGridClicks() override;
    void RedrawGrid() override;
    bool HighlightCell(std::int16_t& row, std::int16_t& col) override;
    void GoToCell(int row, int col) override;
    std::optional<CellBlock> SelectedBlock() const override;
    QPoint BelowRow(int row, QSize dialogFrame) const override;
    QPoint GridCorner() const override;
    frmView& ViewerWindow() override;
    void EndProgram() override;

    MainWindowOptions options_;
    ProgramTexts texts_;
    ProgramState state_;
    bool started_ = false;

    // Defaults for the seams the caller left empty.
    std::unique_ptr<Prompter> ownPrompter_;
    std::unique_ptr<FileChooser> ownFileChooser_;
    std::unique_ptr<Launcher> ownLauncher_;
    std::unique_ptr<ViewChoiceAsker> ownViewChoice_;
    std::unique_ptr<Clock> ownClock_;
    std::unique_ptr<Clipboard> ownClipboard_;

    TableDocument* document_ = nullptr;
    std::unique_ptr<CommandContext> context_;
    MainControls c_;

    GridCommands* grid_ = nullptr;
    CellCommands* cellCommands_ = nullptr;
    std::unique_ptr<CopyCommands> copyCommands_;
    std::unique_ptr<TableFrameCommands> tableFrameCommands_;
    std::unique_ptr<TableFileCommands> tableFileCommands_;
    std::unique_ptr<LifecycleCommands> lifecycle_;
    std::unique_ptr<PasteDataCommand> pasteData_;
    std::unique_ptr<ProgramWindows> windows_;
    OutputCommands* output_ = nullptr;
    TableCheckCommand* tableCheck_ = nullptr;

    QTimer* Timer1_ = nullptr;
    QTimer* Clock2_ = nullptr;
};

}  // namespace tabloom
