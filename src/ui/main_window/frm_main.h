#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "core/storage/table_file.h"
#include "core/texts/program_texts.h"
#include "ui/main_window/program_state.h"
#include "ui/platform/platform_seams.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

namespace tabloom {

class CellCommands;
class Clipboard;
class CopyCommands;
class GridCommands;
class PicTable;
class frmOtherProducts;
class frmPreview;
class frmView;
class LifecycleCommands;
class OutputCommands;
class PasteDataCommand;
class TableFileCommands;
class TableCheckCommand;
class TableFrameCommands;
class TerminationWatcher;
class TableExtrasControls;
class TableDocument;
class UndoButtons;

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

// The main window: it owns the table and the program state for the whole
// run and carries the commands on the output file.
class frmMain : public QWidget {
    Q_OBJECT

  public:
    explicit frmMain(MainWindowOptions options = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // Loads the program texts, initialises the state, places and shows the
    // window. False when the program texts could not be loaded: the reason
    // has been shown and the program is to end.
    bool StartUp();
    bool Initialized() const { return started_; }

    const QString& DataFolder() const { return dataFolder_; }
    const ProgramState& State() const { return state_; }
    ProgramState& State() { return state_; }
    // The table with its output path and undo history; every change of the
    // table goes through it and every view here follows it.
    TableDocument& Document() const { return *document_; }
    const TableSpec& Table() const;
    const ProgramTexts& Texts() const { return texts_; }

    // The viewer and the other-products window, null until first used.
    frmView* Viewer() const { return viewer_; }
    frmOtherProducts* OtherProducts() const { return otherProducts_; }
    // The live preview, null until first shown; Quit closes it.
    frmPreview* Preview() const { return preview_; }
    void ClosePreview();

    // Shared routines of the main window.
    // Puts the program and the table as they are at the start; what names
    // the undo step (none when empty).
    void InitProgramState(const QString& what = {});
    void FocusHelpButton();
    // Puts the table's dimensions and options into the lists and check boxes.
    void ShowTableOptions();

    // Whether the trimmed text of the output path box ends in ".ext1" or
    // ".ext2"; otherwise says so and returns false.
    bool OutputExtensionOK(const QString& prefix, const QString& ext1, const QString& ext2);
    // 1 when the last written output file fits the viewer, 0 when it is too
    // large, -1 when its length cannot be measured (reported already).
    int OutputFileSizeOK();
    // Opens a document with its associated program; false when refused.
    bool OpenDocument(const QString& path, bool showError);
    // Opens a URL or file in the browser, reporting any failure.
    void LaunchDocument(const QString& target);
    void ShowHelp();

    // Puts the cell outline of a dialog on (row, col); the grid's drawing.
    bool HighlightCell(std::int16_t& row, std::int16_t& col);
    int CellHeight() const;
    QWidget* GridWidget() const;
    // The "Grid" button's menu of row and column commands.
    QMenu* GridMenu() const;
    GridCommands& Grid() const { return *grid_; }
    // Grid clicks are ignored for a second: a window over the grid closed.
    void SuppressGridClicks();
    // What a click on cell (intRow, intCol) starts: the left button edits
    // the cell, any other copies its properties.
    void CellCommand();
    void CopyCommand();
    // The copy window's target lists follow the table's dimensions.
    void RefillCopyTargetLists();

    const QString& OutputPath() const;

    // Hides the windows, shows the other-products window modally and ends
    // the program when it closes.
    void EndProgram();
    bool Ending() const { return ending_; }
    frmOtherProducts& OtherProductsWindow();
    LifecycleCommands& Lifecycle() { return *lifecycle_; }
    const SaveOptions& Saving() const { return options_.saving; }

    Prompter& Prompts() const { return *prompter_; }
    Launcher& Launch() const { return *launcher_; }
    ViewChoiceAsker& ViewChoices() const { return *viewChoice_; }
    const Clock& ClockSource() const { return *clock_; }
    QString Text(int n) const;
    frmView& ViewerWindow();
    FileChooser& Files() const { return *fileChooser_; }
    Clipboard& ClipboardSeam() const { return *clipboard_; }

    // Command handlers.
    void cmdSpecifyOutputFile_Click();
    void cmdPerformOperation_Click();
    void cmdViewOutputFile_Click(int index);
    void lblDocumentation_Click();
    void cmdOtherProducts_Click();
    void cmdPreview_Click();
    // Pastes rows of values from the clipboard at the current cell.
    void PasteData();
    void Timer1_Timer();
    void Clock2_Timer();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void ConnectControls();
    void ShowMessage(const QString& text, const QString& title);
    // Shows the document in every control that follows it.
    void ShowDocument(int what);

    MainWindowOptions options_;
    QString dataFolder_;
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
    Prompter* prompter_ = nullptr;
    FileChooser* fileChooser_ = nullptr;
    Launcher* launcher_ = nullptr;
    ViewChoiceAsker* viewChoice_ = nullptr;
    const Clock* clock_ = nullptr;
    Clipboard* clipboard_ = nullptr;
    std::unique_ptr<PasteDataCommand> pasteData_;

    CellCommands* cellCommands_ = nullptr;
    std::unique_ptr<CopyCommands> copyCommands_;
    std::unique_ptr<TableFrameCommands> tableFrameCommands_;

    frmView* viewer_ = nullptr;
    frmOtherProducts* otherProducts_ = nullptr;
    frmPreview* preview_ = nullptr;

    std::unique_ptr<TableFileCommands> tableFileCommands_;
    std::unique_ptr<LifecycleCommands> lifecycle_;
    std::unique_ptr<OutputCommands> output_;
    TableCheckCommand* tableCheck_ = nullptr;
    TerminationWatcher* termination_ = nullptr;
    TableDocument* document_ = nullptr;
    bool ending_ = false;

    PicTable* picTable_ = nullptr;
    QToolButton* cmdGridMenu_ = nullptr;
    GridCommands* grid_ = nullptr;
    QLabel* lblNumberOfRows_ = nullptr;
    QLabel* lblNumberOfColumns_ = nullptr;
    QComboBox* cboNumberOfRows_ = nullptr;
    QComboBox* cboNumberOfColumns_ = nullptr;
    QCheckBox* chkCenterTable4_ = nullptr;
    QCheckBox* chkAddHTMLWrapper4_ = nullptr;
    QCheckBox* chkAddPlaceMarkers_ = nullptr;
    QCheckBox* chkUseSpecifiedColors_5_ = nullptr;
    QPushButton* cmdSpecifyBorder_ = nullptr;
    QPushButton* cmdSpecifyColors_ = nullptr;
    TableExtrasControls* extras_ = nullptr;
    QPushButton* cmdSpecifyOutputFile_ = nullptr;
    QLineEdit* txbOutputFile_6_ = nullptr;
    QPushButton* cmdPerformOperation_6_ = nullptr;
    QPushButton* cmdViewOutputFile_6_ = nullptr;
    QPushButton* cmdViewOutputFile_0_ = nullptr;
    QPushButton* cmdPreview_ = nullptr;
    QLabel* lblResult_ = nullptr;
    QPushButton* cmdSaveLoad_5_ = nullptr;
    QPushButton* cmdSaveLoad_4_ = nullptr;
    QPushButton* cmdSaveLoad_3_ = nullptr;
    QPushButton* cmdSaveLoad_0_ = nullptr;
    QPushButton* cmdQuit_6_ = nullptr;
    QPushButton* cmdQuit_1_ = nullptr;
    QPushButton* cmdQuit_0_ = nullptr;
    QLabel* lblDocumentation_ = nullptr;
    QPushButton* cmdOtherProducts_ = nullptr;
    QTimer* Timer1_ = nullptr;
    QTimer* Clock2_ = nullptr;
};

}  // namespace tabloom
