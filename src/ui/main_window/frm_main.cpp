#include "ui/main_window/frm_main.h"

#include <sys/stat.h>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <cerrno>
#include <cstring>

#include "core/html/write_table_html.h"
#include "core/model/clock.h"
#include "core/model/version.h"
#include "core/storage/settings_file.h"
#include "ui/commands/block_commands.h"
#include "ui/commands/cell_commands.h"
#include "ui/commands/copy_commands.h"
#include "ui/commands/export_command.h"
#include "ui/commands/grid_commands.h"
#include "ui/commands/lifecycle_commands.h"
#include "ui/commands/output_commands.h"
#include "ui/commands/paste_data_command.h"
#include "ui/commands/table_check_command.h"
#include "ui/commands/table_file_commands.h"
#include "ui/commands/table_frame_commands.h"
#include "ui/document/table_document.h"
#include "ui/grid/pic_table.h"
#include "ui/main_window/enter_presses_button.h"
#include "ui/main_window/form_style.h"
#include "ui/main_window/main_messages.h"
#include "ui/main_window/main_window_placement.h"
#include "ui/main_window/plain_text.h"
#include "ui/main_window/table_extras_controls.h"
#include "ui/main_window/undo_buttons.h"
#include "ui/platform/data_folder.h"
#include "ui/platform/path_helpers.h"
#include "ui/platform/qt_clipboard.h"
#include "ui/platform/qt_file_chooser.h"
#include "ui/platform/qt_prompter.h"
#include "ui/platform/qt_view_choice_asker.h"
#include "ui/platform/termination_watcher.h"
#include "ui/platform/xdg_launcher.h"
#include "ui/view/frm_other_products.h"
#include "ui/view/frm_preview.h"
#include "ui/view/frm_view.h"
#include "ui/view/twips.h"
#include "ui/view/viewer_placement.h"

namespace tabloom {

namespace {

constexpr int kTextProgramName = 11;

const char* const kHelpFile = "tbm_help.txt";
const char* const kManualFile = "manual.html";
const char* const kProductListFile = "other_products.txt";

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip = {}) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!tip.isEmpty()) button->setToolTip(PlainToolTip(tip));
    return button;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip = {}) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    if (!tip.isEmpty()) box->setToolTip(PlainToolTip(tip));
    return box;
}

QComboBox* MakeCountList(QWidget* parent, const char* name, int maximum) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (int n = 1; n <= maximum; ++n) list->addItem(QString::number(n));
    return list;
}

}  // namespace

frmMain::frmMain(MainWindowOptions options, QWidget* parent)
    : QWidget(parent), options_(std::move(options)) {
    setObjectName("frmMain");
    document_ = new TableDocument(this);
    dataFolder_ = options_.dataFolder.isEmpty()
                      ? DataFolderFor(QCoreApplication::applicationDirPath())
                      : QDir::cleanPath(options_.dataFolder);

    const PlatformSeams& seams = options_.seams;
    if (seams.prompter == nullptr) ownPrompter_ = std::make_unique<QtPrompter>(this);
    if (seams.fileChooser == nullptr) ownFileChooser_ = std::make_unique<QtFileChooser>(this);
    if (seams.launcher == nullptr) ownLauncher_ = std::make_unique<XdgLauncher>();
    if (seams.viewChoice == nullptr) {
        ownViewChoice_ = std::make_unique<QtViewChoiceAsker>(texts_, this);
    }
    if (seams.clock == nullptr) ownClock_ = std::make_unique<SystemClock>();
    if (seams.clipboard == nullptr) ownClipboard_ = std::make_unique<QtClipboard>();
    prompter_ = seams.prompter ? seams.prompter : ownPrompter_.get();
    fileChooser_ = seams.fileChooser ? seams.fileChooser : ownFileChooser_.get();
    launcher_ = seams.launcher ? seams.launcher : ownLauncher_.get();
    viewChoice_ = seams.viewChoice ? seams.viewChoice : ownViewChoice_.get();
    clock_ = seams.clock ? seams.clock : ownClock_.get();
    clipboard_ = seams.clipboard ? seams.clipboard : ownClipboard_.get();
    pasteData_ = std::make_unique<PasteDataCommand>(*this, *clipboard_);

    copyCommands_ = std::make_unique<CopyCommands>(*this);
    tableFrameCommands_ = std::make_unique<TableFrameCommands>(*this);
    // Enter presses the focused button in every window of the program.
    if (QCoreApplication* app = QCoreApplication::instance();
        app != nullptr && app->findChild<EnterPressesFocusedButton*>() == nullptr) {
        app->installEventFilter(new EnterPressesFocusedButton(app));
    }
    tableFileCommands_ = std::make_unique<TableFileCommands>(*this);
    lifecycle_ = std::make_unique<LifecycleCommands>(*this);

    BuildControls();
    output_ = std::make_unique<OutputCommands>(
        *this, OutputControls{txbOutputFile_6_, cmdPerformOperation_6_, cmdViewOutputFile_6_,
                              cmdViewOutputFile_0_, lblResult_});
    ConnectControls();
    cellCommands_ = new CellCommands(*this);
    connect(document_, &TableDocument::changed, this, &frmMain::ShowDocument);
}

frmMain::~frmMain() = default;

void frmMain::BuildControls() {
    picTable_ = new PicTable(this);
    cmdGridMenu_ = new QToolButton(this);
    cmdGridMenu_->setObjectName("cmdGridMenu");
    cmdGridMenu_->setText("Grid");
    cmdGridMenu_->setMinimumWidth(64);
    cmdGridMenu_->setToolTip(
        "Insert or delete rows and columns at the current cell; merge, split, copy or cut the "
        "selected cells.");

    // Table options.
    auto* grpTable = new QGroupBox("Table", this);
    grpTable->setObjectName("grpTable");
    lblNumberOfRows_ = new QLabel("Rows:", grpTable);
    lblNumberOfRows_->setObjectName("lblNumberOfRows");
    lblNumberOfColumns_ = new QLabel("Columns:", grpTable);
    lblNumberOfColumns_->setObjectName("lblNumberOfColumns");
    cboNumberOfRows_ = MakeCountList(grpTable, "cboNumberOfRows", intMaxRows);
    cboNumberOfColumns_ = MakeCountList(grpTable, "cboNumberOfColumns", intMaxCols);
    lblNumberOfRows_->setBuddy(cboNumberOfRows_);
    lblNumberOfColumns_->setBuddy(cboNumberOfColumns_);
    chkCenterTable4_ =
        MakeCheckBox(grpTable, "chkCenterTable4", "Center table", "Add <CENTER>...</CENTER>.");
    chkAddHTMLWrapper4_ =
        MakeCheckBox(grpTable, "chkAddHTMLWrapper4", "Add HTML wrapper", "Add <HTML>...</HTML>");
    chkAddPlaceMarkers_ = MakeCheckBox(grpTable, "chkAddPlaceMarkers", "Place markers");
    chkUseSpecifiedColors_5_ =
        MakeCheckBox(grpTable, "chkUseSpecifiedColors_5", "Use specified table colors");
    chkUseSpecifiedColors_5_->setChecked(true);
    chkUseSpecifiedColors_5_->setVisible(false);
    cmdSpecifyBorder_ = MakeButton(grpTable, "cmdSpecifyBorder", "Specify table width, etc.",
                                   "Specify table width, border, cell padding and spacing.");
    cmdSpecifyColors_ = MakeButton(grpTable, "cmdSpecifyColors", "Specify table colors");
    extras_ = new TableExtrasControls(*this, grpTable);

    auto* dimensions = new QGridLayout;
    dimensions->addWidget(lblNumberOfRows_, 0, 0);
    dimensions->addWidget(cboNumberOfRows_, 0, 1);
    dimensions->addWidget(lblNumberOfColumns_, 1, 0);
    dimensions->addWidget(cboNumberOfColumns_, 1, 1);
    dimensions->setColumnStretch(2, 1);
    auto* tableLayout = new QVBoxLayout(grpTable);
    tableLayout->addLayout(dimensions);
    tableLayout->addWidget(chkCenterTable4_);
    tableLayout->addWidget(chkAddHTMLWrapper4_);
    tableLayout->addWidget(chkAddPlaceMarkers_);
    tableLayout->addWidget(chkUseSpecifiedColors_5_);
    tableLayout->addWidget(cmdSpecifyBorder_);
    tableLayout->addWidget(cmdSpecifyColors_);
    tableLayout->addLayout(extras_->TableLayout());
    tableLayout->addStretch();

    // Output file.
    auto* grpOutput = new QGroupBox("Output", this);
    grpOutput->setObjectName("grpOutput");
    cmdSpecifyOutputFile_ = MakeButton(grpOutput, "cmdSpecifyOutputFile", "Specify output file");
    txbOutputFile_6_ = new QLineEdit(grpOutput);
    txbOutputFile_6_->setObjectName("txbOutputFile_6");
    // Only the program sets the path; typing and pasting change nothing.
    txbOutputFile_6_->setReadOnly(true);
    txbOutputFile_6_->installEventFilter(this);
    auto* cmdExport = MakeButton(grpOutput, "cmdExport", "Export\u2026",
                                 "Write the table as Markdown, LaTeX, MediaWiki or CSV.");
    connect(cmdExport, &QPushButton::clicked, this, [this] { ExportCommand(*this).Run(); });
    cmdPerformOperation_6_ = MakeButton(grpOutput, "cmdPerformOperation_6", "Create table",
                                        "Create the HTML code for this table.");
    cmdViewOutputFile_6_ = MakeButton(grpOutput, "cmdViewOutputFile_6", "View");
    cmdViewOutputFile_0_ = MakeButton(grpOutput, "cmdViewOutputFile_0", "Clear");
    cmdPreview_ = MakeButton(grpOutput, "cmdPreview", "Preview",
                             "Show the table as it will look, following every change (F5).");
    auto* cmdCheck = MakeButton(grpOutput, "cmdCheck", "Check");
    tableCheck_ = new TableCheckCommand(*this, cmdCheck);
    lblResult_ = new QLabel("Result", grpOutput);
    lblResult_->setObjectName("lblResult");
    lblResult_->setTextFormat(Qt::PlainText);
    lblResult_->setWordWrap(true);
    // The line takes the room the row leaves and a fixed height (set with
    // the font), so the window's size never follows what it says.
    lblResult_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(cmdSpecifyOutputFile_);
    pathRow->addWidget(txbOutputFile_6_, 1);
    // Check and Export sit by the path, where the box gives way to them, so
    // that the window keeps to an 800 pixel wide screen.
    pathRow->addWidget(cmdExport);
    pathRow->addWidget(cmdCheck);
    auto* createRow = new QHBoxLayout;
    createRow->setSpacing(4);
    createRow->addWidget(cmdPerformOperation_6_);
    createRow->addWidget(extras_->StyleLabel());
    createRow->addWidget(extras_->StyleList());
    QWidget::setTabOrder(cmdPerformOperation_6_, extras_->StyleList());
    createRow->addWidget(cmdViewOutputFile_6_);
    createRow->addWidget(cmdViewOutputFile_0_);
    createRow->addWidget(cmdPreview_);
    createRow->addWidget(lblResult_, 1);
    auto* outputLayout = new QVBoxLayout(grpOutput);
    outputLayout->addLayout(pathRow);
    outputLayout->addLayout(createRow);

    // Table file commands.
    auto* grpTableFile = new QGroupBox("Table file", this);
    grpTableFile->setObjectName("grpTableFile");
    cmdSaveLoad_5_ = MakeButton(grpTableFile, "cmdSaveLoad_5", "Save table",
                                "Save this table specification to a file.");
    cmdSaveLoad_4_ = MakeButton(grpTableFile, "cmdSaveLoad_4", "Load table",
                                "Load a previously saved table specification.");
    cmdSaveLoad_3_ = MakeButton(grpTableFile, "cmdSaveLoad_3", "New table");
    cmdSaveLoad_0_ = MakeButton(grpTableFile, "cmdSaveLoad_0", "Restore table");
    auto* fileLayout = new QGridLayout(grpTableFile);
    fileLayout->addWidget(cmdSaveLoad_5_, 0, 0);
    fileLayout->addWidget(cmdSaveLoad_4_, 0, 1);
    fileLayout->addWidget(cmdSaveLoad_3_, 1, 0);
    fileLayout->addWidget(cmdSaveLoad_0_, 1, 1);

    // Program commands along the bottom.
    lblDocumentation_ = new QLabel(this);
    lblDocumentation_->setObjectName("lblDocumentation");
    lblDocumentation_->setText("<a href=\"manual\">Online user manual</a>");
    lblDocumentation_->setTextFormat(Qt::RichText);
    lblDocumentation_->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                               Qt::LinksAccessibleByKeyboard);
    lblDocumentation_->setCursor(Qt::PointingHandCursor);
    cmdOtherProducts_ = MakeButton(this, "cmdOtherProducts", "Other products");
    cmdOtherProducts_->setVisible(false);
    cmdQuit_0_ = MakeButton(this, "cmdQuit_0", "Help");
    cmdQuit_1_ = MakeButton(this, "cmdQuit_1", "Reset");
    cmdQuit_6_ = MakeButton(this, "cmdQuit_6", "Quit");
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(lblDocumentation_);
    bottomRow->addSpacing(12);
    bottomRow->addWidget(cmdOtherProducts_);
    bottomRow->addStretch();
    new UndoButtons(*document_, bottomRow, this);
    bottomRow->addSpacing(12);
    bottomRow->addWidget(cmdQuit_0_);
    bottomRow->addWidget(cmdQuit_1_);
    bottomRow->addWidget(cmdQuit_6_);

    auto* layout = new QGridLayout(this);
    auto* gridColumn = new QVBoxLayout;
    gridColumn->addWidget(picTable_);
    gridColumn->addWidget(cmdGridMenu_, 0, Qt::AlignLeft);
    gridColumn->addStretch();
    layout->addLayout(gridColumn, 0, 0);
    layout->addWidget(grpTable, 0, 1);
    layout->addWidget(grpOutput, 1, 0);
    layout->addWidget(grpTableFile, 1, 1);
    layout->addLayout(bottomRow, 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName("Timer1");
    Timer1_->setInterval(1000);
    Clock2_ = new QTimer(this);
    Clock2_->setObjectName("Clock2");
    Clock2_->setInterval(1000);
    Clock2_->setSingleShot(true);
}

void frmMain::ConnectControls() {
    connect(cmdSpecifyOutputFile_, &QPushButton::clicked, this,
            &frmMain::cmdSpecifyOutputFile_Click);
    connect(cmdPerformOperation_6_, &QPushButton::clicked, this,
            &frmMain::cmdPerformOperation_Click);
    connect(cmdViewOutputFile_6_, &QPushButton::clicked, this,
            [this] { cmdViewOutputFile_Click(6); });
    connect(cmdViewOutputFile_0_, &QPushButton::clicked, this,
            [this] { cmdViewOutputFile_Click(0); });
    connect(cmdQuit_0_, &QPushButton::clicked, this, &frmMain::ShowHelp);
    connect(cmdQuit_1_, &QPushButton::clicked, this, [this] { lifecycle_->Reset(); });
    connect(cmdQuit_6_, &QPushButton::clicked, this, [this] { lifecycle_->Quit(); });
    connect(cmdSaveLoad_5_, &QPushButton::clicked, this,
            [this] { tableFileCommands_->SaveTable(); });
    connect(cmdSaveLoad_4_, &QPushButton::clicked, this,
            [this] { tableFileCommands_->LoadTable(); });
    connect(cmdSaveLoad_3_, &QPushButton::clicked, this,
            [this] { tableFileCommands_->NewTable(); });
    connect(cmdSaveLoad_0_, &QPushButton::clicked, this,
            [this] { tableFileCommands_->RestoreTable(); });
    connect(lblDocumentation_, &QLabel::linkActivated, this, &frmMain::lblDocumentation_Click);
    connect(cmdOtherProducts_, &QPushButton::clicked, this, &frmMain::cmdOtherProducts_Click);
    connect(cmdPreview_, &QPushButton::clicked, this, &frmMain::cmdPreview_Click);
    connect(new QShortcut(Qt::Key_F5, this), &QShortcut::activated, this,
            &frmMain::cmdPreview_Click);
    connect(new QShortcut(Qt::Key_F7, this), &QShortcut::activated, tableCheck_,
            &TableCheckCommand::Open);
    connect(cmdSpecifyBorder_, &QPushButton::clicked, this,
            [this] { tableFrameCommands_->cmdSpecifyBorder_Click(); });
    connect(cmdSpecifyColors_, &QPushButton::clicked, this,
            [this] { tableFrameCommands_->cmdSpecifyColors_Click(); });
    connect(Timer1_, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    connect(Clock2_, &QTimer::timeout, this, &frmMain::Clock2_Timer);

    grid_ = new GridCommands(*this,
                             {picTable_, cboNumberOfRows_, cboNumberOfColumns_, chkAddPlaceMarkers_,
                              chkAddHTMLWrapper4_, chkCenterTable4_, cmdGridMenu_});
    // Ctrl+V while the grid has the keyboard, as the grid's own commands.
    GridMenu()->addSeparator();
    QAction* paste = GridMenu()->addAction("Paste data", this, &frmMain::PasteData);
    paste->setObjectName("mnuPasteData");
    paste->setShortcut(QKeySequence::Paste);
    paste->setShortcutContext(Qt::WidgetShortcut);
    picTable_->addAction(paste);
    connect(chkUseSpecifiedColors_5_, &QCheckBox::toggled, this, [this](bool on) {
        document_->Change({}, [on](TableSpec& t) { t.blnUseSpecifiedColors = on; });
    });
}

QString frmMain::Text(int n) const { return QString::fromStdString(texts_.ProgramText(n)); }

bool frmMain::StartUp() {
    state_.blnFormInitialized = false;
    state_.strDataFileName = kProgramTextFile;
    const QString textPath = dataFolder_ + '/' + state_.strDataFileName;
    const int loaded = texts_.Load(QFile::encodeName(textPath).toStdString());
    if (loaded <= 0) {
        prompter_->Show(
            QString::fromStdString(ProgramTextFailureMessage(loaded, textPath.toStdString())),
            QString(), PromptIcon::Critical, PromptButtons::Ok);
        return false;
    }

    InitProgramState();
    SetFormFont(this, "Arial", true, true);
    lblResult_->setFixedHeight(2 * lblResult_->fontMetrics().lineSpacing());
    SetFormBackColor(this, palette().color(QPalette::Window));
    setWindowTitle(Text(kTextProgramName) + ' ' + ProgramVersionText);
    cmdOtherProducts_->setVisible(true);

    adjustSize();
    if (const QScreen* screen = this->screen()) {
        move(MainWindowTopLeft(frameGeometry().size(), screen->availableGeometry()));
    }
    show();
    state_.blnFormInitialized = true;
    lifecycle_->LoadSettingsAtStart();
    state_.blnFormInitialized = true;
    document_->ClearHistory();
    Timer1_->start();

    // The session or the system ending the program keeps the table too.
    termination_ = new TerminationWatcher(this);
    connect(termination_, &TerminationWatcher::terminationRequested, this, [this] {
        lifecycle_->SaveAtEnd();
        ending_ = true;
        QCoreApplication::quit();
    });
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { lifecycle_->SaveAtEnd(); });
    }
    started_ = true;
    return true;
}

void frmMain::InitProgramState(const QString& what) {
    cmdViewOutputFile_0_->setEnabled(false);
    cmdViewOutputFile_6_->setEnabled(false);
    txbOutputFile_6_->clear();

    state_.strOutputFilePrompt = kOutputFilePrompt;
    txbOutputFile_6_->setToolTip(PlainToolTip(state_.strOutputFilePrompt));
    state_.lngMaxViewKB = 60;
    state_.strSettingsFile = QString::fromStdString(
        LocateSettingsFile(QFile::encodeName(ConfigFolderFor(options_.configFolder)).toStdString())
            .path);
    state_.strTableFile.clear();

    lblResult_->clear();
    QPalette resultPalette = lblResult_->palette();
    resultPalette.setColor(QPalette::WindowText,
                           lblNumberOfRows_->palette().color(QPalette::WindowText));
    resultPalette.setColor(QPalette::Window, lblNumberOfRows_->palette().color(QPalette::Window));
    lblResult_->setPalette(resultPalette);

    TableSpec initial;
    InitTableState(initial);
    document_->Replace(initial, QString(), what);
    Timer1_Timer();
}

void frmMain::ShowTableOptions() {
    const QSignalBlocker rows(cboNumberOfRows_);
    const QSignalBlocker cols(cboNumberOfColumns_);
    const QSignalBlocker centre(chkCenterTable4_);
    const QSignalBlocker wrapper(chkAddHTMLWrapper4_);
    const QSignalBlocker markers(chkAddPlaceMarkers_);
    const QSignalBlocker colours(chkUseSpecifiedColors_5_);
    cboNumberOfRows_->setCurrentIndex(document_->Table().intNumRows - 1);
    cboNumberOfColumns_->setCurrentIndex(document_->Table().intNumCols - 1);
    chkCenterTable4_->setChecked(document_->Table().blnCenterTable);
    chkAddHTMLWrapper4_->setChecked(document_->Table().blnAddHTMLWrapper);
    chkAddPlaceMarkers_->setChecked(document_->Table().blnAddPlaceMarkers);
    chkUseSpecifiedColors_5_->setChecked(document_->Table().blnUseSpecifiedColors);
}

void frmMain::ShowDocument(int what) {
    ShowTableOptions();
    if (what & TableDocument::kOutputPath) {
        const QString& path = document_->OutputPath();
        txbOutputFile_6_->setText(path);
        txbOutputFile_6_->setCursorPosition(0);
        const bool given = !path.isEmpty();
        txbOutputFile_6_->setToolTip(given ? QString() : PlainToolTip(state_.strOutputFilePrompt));
        cmdViewOutputFile_0_->setEnabled(given);
        cmdPerformOperation_6_->setEnabled(given);
        cmdViewOutputFile_6_->setEnabled(false);
    }
    if ((what & (TableDocument::kCells | TableDocument::kShape)) == 0) return;
    // Whatever the result line said was about the table before this change.
    lblResult_->clear();
    grid_->DrawTable();
    if (state_.blnFormInitialized) copyCommands_->RefillCopyTargetLists();
    extras_->Refresh();
    if (preview_ != nullptr) preview_->TableChanged();
    if (tableCheck_ != nullptr) tableCheck_->TableChanged();
}

bool frmMain::HighlightCell(std::int16_t& row, std::int16_t& col) {
    return grid_->HighlightCell(row, col);
}

int frmMain::CellHeight() const { return grid_->CellHeight(); }

QWidget* frmMain::GridWidget() const { return picTable_; }

QMenu* frmMain::GridMenu() const { return grid_->Menu(); }

void frmMain::SuppressGridClicks() {
    state_.blnIgnoreGridClick = true;
    Clock2_->start();
}

void frmMain::CellCommand() { cellCommands_->EditCell(); }

void frmMain::CopyCommand() { copyCommands_->CopyCommand(); }

void frmMain::RefillCopyTargetLists() { copyCommands_->RefillCopyTargetLists(); }

const TableSpec& frmMain::Table() const { return document_->Table(); }

void frmMain::FocusHelpButton() {
    if (cmdQuit_0_->isVisible() && cmdQuit_0_->isEnabled()) cmdQuit_0_->setFocus();
}

void frmMain::ShowMessage(const QString& text, const QString& title) {
    prompter_->Show(text, title, PromptIcon::Exclamation, PromptButtons::Ok);
}

void frmMain::Timer1_Timer() {
    cmdPerformOperation_6_->setEnabled(!txbOutputFile_6_->text().isEmpty());
}

void frmMain::Clock2_Timer() {
    state_.blnIgnoreGridClick = false;
    Clock2_->stop();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txbOutputFile_6_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter only leads to the Create button; it never starts it.
            if (cmdPerformOperation_6_->isEnabled()) cmdPerformOperation_6_->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

frmView& frmMain::ViewerWindow() {
    // A window of its own (modeless) that the main window owns.
    if (viewer_ == nullptr) viewer_ = new frmView(texts_, *prompter_, this);
    return *viewer_;
}

void frmMain::cmdSpecifyOutputFile_Click() { output_->SpecifyOutputFile(); }

void frmMain::cmdPerformOperation_Click() { output_->Create(); }

void frmMain::cmdViewOutputFile_Click(int index) { output_->View(index); }

bool frmMain::OutputExtensionOK(const QString& prefix, const QString& ext1, const QString& ext2) {
    return output_->OutputExtensionOK(prefix, ext1, ext2);
}

int frmMain::OutputFileSizeOK() { return output_->OutputFileSizeOK(); }

bool frmMain::OpenDocument(const QString& path, bool showError) {
    return output_->OpenDocument(path, showError);
}

void frmMain::LaunchDocument(const QString& target) { output_->LaunchDocument(target); }

void frmMain::lblDocumentation_Click() {
    LaunchDocument(QUrl::fromLocalFile(dataFolder_ + '/' + kManualFile).toString());
}

void frmMain::cmdPreview_Click() {
    if (preview_ == nullptr) preview_ = new frmPreview(document_->Table(), *clock_, this);
    const QScreen* screen = this->screen();
    preview_->ShowPreview(frameGeometry(), screen ? screen->availableGeometry() : QRect());
}

void frmMain::ClosePreview() {
    if (preview_ != nullptr) preview_->close();
}

void frmMain::PasteData() {
    // Values land from the selected block's top-left cell.
    if (const auto& block = grid_->Blocks().Block()) grid_->MakeCurrent(block->top, block->left);
    pasteData_->Run();
}

frmOtherProducts& frmMain::OtherProductsWindow() {
    if (otherProducts_ == nullptr) {
        otherProducts_ = new frmOtherProducts(
            dataFolder_ + '/' + kProductListFile,
            [this](const QString& url) { LaunchDocument(url); }, this);
    }
    return *otherProducts_;
}

void frmMain::cmdOtherProducts_Click() {
    OtherProductsWindow();
    otherProducts_->show();
    otherProducts_->raise();
    otherProducts_->activateWindow();
}

void frmMain::ShowHelp() {
    frmView& viewer = ViewerWindow();
    if (viewer.isMinimized()) viewer.setWindowState(viewer.windowState() & ~Qt::WindowMinimized);
    if (const QScreen* screen = this->screen()) {
        const HelpPlacement placement =
            HelpPlacementFor(frameGeometry(), viewer.frameGeometry(), screen->availableGeometry(),
                             TwipsPerPixel(this));
        move(placement.mainTopLeft);
        viewer.ApplyFrameRect(placement.viewer, screen->availableGeometry());
    }
    viewer.strFileToView = dataFolder_ + '/' + kHelpFile;
    viewer.setWindowTitle("Help for Tabloom");
    viewer.setWindowIcon(windowIcon());
    viewer.SetTextFont("Arial");
    viewer.SetFileEncoding(FileEncoding::Utf8);
    viewer.ShowRestored();
}

}  // namespace tabloom

namespace tabloom {

const QString& frmMain::OutputPath() const { return document_->OutputPath(); }

void frmMain::EndProgram() {
    if (ending_) return;
    ending_ = true;
    hide();
    if (viewer_ != nullptr) viewer_->hide();
    ClosePreview();
    frmOtherProducts& products = OtherProductsWindow();
    products.setWindowModality(Qt::ApplicationModal);
    // The program ends with this window, which the desktop does not count as
    // a last window of its own.
    connect(&products, &QDialog::finished, qApp, [] { QCoreApplication::quit(); });
    products.show();
    products.raise();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Closing through the frame is Quit: it must not drop the table.
    if (ending_ || !started_) {
        event->accept();
        return;
    }
    event->ignore();
    lifecycle_->Quit();
}

}  // namespace tabloom
