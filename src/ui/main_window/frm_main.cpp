#include "ui/main_window/frm_main.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QShortcut>
#include <QTimer>

#include "core/model/clock.h"
#include "core/model/version.h"
#include "ui/commands/block_commands.h"
#include "ui/commands/cell_commands.h"
#include "ui/commands/command_context.h"
#include "ui/commands/copy_commands.h"
#include "ui/commands/export_command.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/lifecycle_commands.h"
#include "ui/commands/output_commands.h"
#include "ui/commands/paste_data_command.h"
#include "ui/commands/program_windows.h"
#include "ui/commands/table_check_command.h"
#include "ui/commands/table_file_commands.h"
#include "ui/commands/table_frame_commands.h"
#include "ui/document/table_document.h"
#include "ui/grid/pic_table.h"
#include "ui/main_window/dialog_placement.h"
#include "ui/main_window/enter_presses_button.h"
#include "ui/main_window/form_style.h"
#include "ui/main_window/main_window_placement.h"
#include "ui/main_window/table_extras_controls.h"
#include "ui/platform/data_folder.h"
#include "ui/platform/qt_clipboard.h"
#include "ui/platform/qt_file_chooser.h"
#include "ui/platform/qt_prompter.h"
#include "ui/platform/qt_view_choice_asker.h"
#include "ui/platform/termination_watcher.h"
#include "ui/platform/xdg_launcher.h"
#include "ui/view/frm_preview.h"

namespace tabloom {

namespace {

constexpr int kTextProgramName = 11;

// The seam the caller gave, else one of the window's own, made here.
template <typename Made, typename Seam, typename Own, typename... Args>
Seam& Pick(Seam* given, std::unique_ptr<Own>& own, Args&&... args) {
    if (given == nullptr) own = std::make_unique<Made>(std::forward<Args>(args)...);
    return given != nullptr ? *given : *own;
}

}  // namespace

frmMain::frmMain(MainWindowOptions options, QWidget* parent)
    : QWidget(parent), options_(std::move(options)) {
    setObjectName("frmMain");
    document_ = new TableDocument(this);
    const PlatformSeams& seams = options_.seams;
    context_.reset(new CommandContext{
        *document_, state_, texts_, Pick<QtPrompter>(seams.prompter, ownPrompter_, this),
        Pick<QtFileChooser>(seams.fileChooser, ownFileChooser_, this),
        Pick<XdgLauncher>(seams.launcher, ownLauncher_),
        Pick<QtViewChoiceAsker>(seams.viewChoice, ownViewChoice_, texts_, this),
        Pick<SystemClock>(seams.clock, ownClock_),
        Pick<QtClipboard>(seams.clipboard, ownClipboard_), *this,
        options_.dataFolder.isEmpty() ? DataFolderFor(QCoreApplication::applicationDirPath())
                                      : QDir::cleanPath(options_.dataFolder),
        options_.configFolder, options_.saving});

    // Enter presses the focused button in every window of the program.
    if (QCoreApplication* app = QCoreApplication::instance();
        app != nullptr && app->findChild<EnterPressesFocusedButton*>() == nullptr) {
        app->installEventFilter(new EnterPressesFocusedButton(app));
    }
    c_.Build(this, *document_);
    CommandContext& context = *context_;
    pasteData_ = std::make_unique<PasteDataCommand>(context);
    copyCommands_ = std::make_unique<CopyCommands>(context);
    tableFrameCommands_ = std::make_unique<TableFrameCommands>(context);
    tableFileCommands_ = std::make_unique<TableFileCommands>(context);
    lifecycle_ = std::make_unique<LifecycleCommands>(context);
    windows_ = std::make_unique<ProgramWindows>(context);
    output_ =
        new OutputCommands(context, {c_.txbOutputFile_6, c_.cmdPerformOperation_6,
                                     c_.cmdViewOutputFile_6, c_.cmdViewOutputFile_0, c_.lblResult});
    tableCheck_ = new TableCheckCommand(context, c_.cmdCheck);
    cellCommands_ = new CellCommands(context);
    grid_ = new GridCommands(
        context, {c_.picTable, c_.cboNumberOfRows, c_.cboNumberOfColumns, c_.chkAddPlaceMarkers,
                  c_.chkAddHTMLWrapper4, c_.chkCenterTable4, c_.cmdGridMenu});
    ConnectControls();
    connect(document_, &TableDocument::changed, this, &frmMain::ShowDocument);
}

frmMain::~frmMain() = default;

void frmMain::ConnectControls() {
    const auto click = [this](QPushButton* button, auto&& handler) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    click(c_.cmdSpecifyOutputFile, [this] { output_->SpecifyOutputFile(); });
    click(c_.cmdPerformOperation_6, [this] { output_->Create(); });
    click(c_.cmdViewOutputFile_6, [this] { output_->View(6); });
    click(c_.cmdViewOutputFile_0, [this] { output_->View(0); });
    click(c_.cmdExport, [this] { ExportCommand(*context_).Run(); });
    click(c_.cmdQuit_0, [this] { windows_->ShowHelp(); });
    click(c_.cmdQuit_1, [this] { lifecycle_->Reset(); });
    click(c_.cmdQuit_6, [this] { lifecycle_->Quit(); });
    click(c_.cmdSaveLoad_5, [this] { tableFileCommands_->SaveTable(); });
    click(c_.cmdSaveLoad_4, [this] { tableFileCommands_->LoadTable(); });
    click(c_.cmdSaveLoad_3, [this] { tableFileCommands_->NewTable(); });
    click(c_.cmdSaveLoad_0, [this] { tableFileCommands_->RestoreTable(); });
    click(c_.cmdOtherProducts, [this] { windows_->ShowOtherProducts(); });
    click(c_.cmdPreview, [this] { windows_->ShowPreview(); });
    click(c_.cmdSpecifyBorder, [this] { tableFrameCommands_->cmdSpecifyBorder_Click(); });
    click(c_.cmdSpecifyColors, [this] { tableFrameCommands_->cmdSpecifyColors_Click(); });
    connect(c_.lblDocumentation, &QLabel::linkActivated, this, [this] { windows_->ShowManual(); });
    connect(new QShortcut(Qt::Key_F5, this), &QShortcut::activated, this,
            [this] { windows_->ShowPreview(); });
    connect(new QShortcut(Qt::Key_F7, this), &QShortcut::activated, tableCheck_,
            &TableCheckCommand::Open);
    connect(grid_, &GridCommands::cellCommand, this, [this](bool edit) {
        if (edit) {
            cellCommands_->EditCell();
        } else {
            copyCommands_->CopyCommand();
        }
    });
    connect(c_.chkUseSpecifiedColors_5, &QCheckBox::toggled, this, [this](bool on) {
        document_->Change({}, [on](TableSpec& t) { t.blnUseSpecifiedColors = on; });
    });

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName("Timer1");
    Timer1_->setInterval(1000);
    connect(Timer1_, &QTimer::timeout, output_, &OutputCommands::EnableCreate);
    Clock2_ = new QTimer(this);
    Clock2_->setObjectName("Clock2");
    Clock2_->setInterval(1000);
    Clock2_->setSingleShot(true);
    connect(Clock2_, &QTimer::timeout, this, &frmMain::Clock2_Timer);

    // Ctrl+V while the grid has the keyboard, as the grid's own commands.
    GridMenu()->addSeparator();
    QAction* paste = GridMenu()->addAction("Paste data", this, &frmMain::PasteData);
    paste->setObjectName("mnuPasteData");
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetShortcut);
    c_.picTable->addAction(paste);
}

bool frmMain::StartUp() {
    state_.blnFormInitialized = false;
    state_.strDataFileName = kProgramTextFile;
    const QString textPath = context_->dataFolder + '/' + state_.strDataFileName;
    const int loaded = texts_.Load(QFile::encodeName(textPath).toStdString());
    if (loaded <= 0) {
        context_->prompter.Show(
            QString::fromStdString(ProgramTextFailureMessage(loaded, textPath.toStdString())),
            QString(), PromptIcon::Critical, PromptButtons::Ok);
        return false;
    }

    lifecycle_->InitProgramState();
    SetFormFont(this, "Arial", true, true);
    c_.lblResult->setFixedHeight(2 * c_.lblResult->fontMetrics().lineSpacing());
    SetFormBackColor(this, palette().color(QPalette::Window));
    setWindowTitle(context_->Text(kTextProgramName) + ' ' + ProgramVersionText);
    c_.cmdOtherProducts->setVisible(true);

    adjustSize();
    if (const QScreen* screen = this->screen()) {
        move(MainWindowTopLeft(frameGeometry().size(), screen->availableGeometry()));
    }
    show();
    state_.blnFormInitialized = true;
    lifecycle_->LoadSettingsAtStart();
    document_->ClearHistory();
    Timer1_->start();

    // The session or the system ending the program keeps the table too.
    auto* termination = new TerminationWatcher(this);
    connect(termination, &TerminationWatcher::terminationRequested, this, [this] {
        KeepTyping();
        lifecycle_->SaveAtEnd();
        windows_->SetEnding();
        QCoreApplication::quit();
    });
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
            KeepTyping();
            lifecycle_->SaveAtEnd();
        });
    }
    started_ = true;
    return true;
}

void frmMain::ShowTableOptions() {
    const TableSpec& table = document_->Table();
    const auto show = [](QCheckBox* box, bool on) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    };
    const QSignalBlocker rows(c_.cboNumberOfRows);
    const QSignalBlocker cols(c_.cboNumberOfColumns);
    c_.cboNumberOfRows->setCurrentIndex(table.intNumRows - 1);
    c_.cboNumberOfColumns->setCurrentIndex(table.intNumCols - 1);
    show(c_.chkCenterTable4, table.blnCenterTable);
    show(c_.chkAddHTMLWrapper4, table.blnAddHTMLWrapper);
    show(c_.chkAddPlaceMarkers, table.blnAddPlaceMarkers);
    show(c_.chkUseSpecifiedColors_5, table.blnUseSpecifiedColors);
}

void frmMain::ShowDocument(int what) {
    ShowTableOptions();
    output_->ShowDocument(what);
    if ((what & (TableDocument::kCells | TableDocument::kShape)) == 0) return;
    grid_->DrawTable();
    if (state_.blnFormInitialized) copyCommands_->RefillCopyTargetLists();
    c_.extras->Refresh();
    if (frmPreview* preview = windows_->Preview()) preview->TableChanged();
    tableCheck_->TableChanged();
}

const TableSpec& frmMain::Table() const { return document_->Table(); }
const QString& frmMain::OutputPath() const { return document_->OutputPath(); }
frmView* frmMain::Viewer() const { return windows_->Viewer(); }
frmOtherProducts* frmMain::OtherProducts() const { return windows_->OtherProducts(); }
frmPreview* frmMain::Preview() const { return windows_->Preview(); }
void frmMain::ClosePreview() { windows_->ClosePreview(); }
int frmMain::CellHeight() const { return grid_->CellHeight(); }
QWidget* frmMain::GridWidget() const { return c_.picTable; }
QMenu* frmMain::GridMenu() const { return grid_->Menu(); }
bool frmMain::OpenDocument(const QString& path, bool showError) {
    return output_->OpenDocument(path, showError);
}
void frmMain::cmdViewOutputFile_Click(int index) { output_->View(index); }

void frmMain::PasteData() {
    // Values land from the selected block's top-left cell.
    if (const auto& block = grid_->Blocks().Block()) grid_->MakeCurrent(block->top, block->left);
    pasteData_->Run();
}

void frmMain::Clock2_Timer() {
    state_.blnIgnoreGridClick = false;
    Clock2_->stop();
}

void frmMain::FocusHelpButton() {
    if (c_.cmdQuit_0->isVisible() && c_.cmdQuit_0->isEnabled()) c_.cmdQuit_0->setFocus();
}

void frmMain::SuppressGridClicks() {
    state_.blnIgnoreGridClick = true;
    Clock2_->start();
}

void frmMain::RedrawGrid() { grid_->DrawTable(); }
bool frmMain::HighlightCell(std::int16_t& row, std::int16_t& col) {
    return grid_->HighlightCell(row, col);
}
void frmMain::GoToCell(int row, int col) { grid_->GoToCell(row, col); }
std::optional<CellBlock> frmMain::SelectedBlock() const { return grid_->Blocks().Block(); }
QPoint frmMain::BelowRow(int row, QSize dialogFrame) const {
    return PlaceDialogBelowRow(*this, row, dialogFrame);
}
QPoint frmMain::GridCorner() const {
    return frameGeometry().topLeft() + c_.picTable->mapTo(this, QPoint(0, 0));
}
frmView& frmMain::ViewerWindow() { return windows_->ViewerWindow(); }
void frmMain::EndProgram() { windows_->EndProgram(); }

void frmMain::closeEvent(QCloseEvent* event) {
    // Closing through the frame is Quit: it must not drop the table.
    if (windows_->Ending() || !started_) {
        event->accept();
        return;
    }
    event->ignore();
    KeepTyping();
    lifecycle_->Quit();
}

void frmMain::KeepTyping() { c_.picTable->Editor().Finish(InPlaceEditor::Ending::Keep); }

}  // namespace tabloom
