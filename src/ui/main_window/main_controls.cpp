#include "ui/main_window/main_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/model/table_spec.h"
#include "ui/grid/pic_table.h"
#include "ui/main_window/plain_text.h"
#include "ui/main_window/table_extras_controls.h"
#include "ui/main_window/undo_buttons.h"

namespace tabloom {

namespace {

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

void MainControls::Build(QWidget* window, TableDocument& document) {
    picTable = new PicTable(window);
    cmdGridMenu = new QToolButton(window);
    cmdGridMenu->setObjectName("cmdGridMenu");
    cmdGridMenu->setText("Grid");
    cmdGridMenu->setMinimumWidth(64);
    cmdGridMenu->setToolTip(
        "Insert or delete rows and columns at the current cell; merge, split, copy or cut the "
        "selected cells.");

    // Table options.
    auto* grpTable = new QGroupBox("Table", window);
    grpTable->setObjectName("grpTable");
    lblNumberOfRows = new QLabel("Rows:", grpTable);
    lblNumberOfRows->setObjectName("lblNumberOfRows");
    lblNumberOfColumns = new QLabel("Columns:", grpTable);
    lblNumberOfColumns->setObjectName("lblNumberOfColumns");
    cboNumberOfRows = MakeCountList(grpTable, "cboNumberOfRows", intMaxRows);
    cboNumberOfColumns = MakeCountList(grpTable, "cboNumberOfColumns", intMaxCols);
    lblNumberOfRows->setBuddy(cboNumberOfRows);
    lblNumberOfColumns->setBuddy(cboNumberOfColumns);
    chkCenterTable4 =
        MakeCheckBox(grpTable, "chkCenterTable4", "Center table", "Add <CENTER>...</CENTER>.");
    chkAddHTMLWrapper4 =
        MakeCheckBox(grpTable, "chkAddHTMLWrapper4", "Add HTML wrapper", "Add <HTML>...</HTML>");
    chkAddPlaceMarkers = MakeCheckBox(grpTable, "chkAddPlaceMarkers", "Place markers");
    chkUseSpecifiedColors_5 =
        MakeCheckBox(grpTable, "chkUseSpecifiedColors_5", "Use specified table colors");
    chkUseSpecifiedColors_5->setChecked(true);
    chkUseSpecifiedColors_5->setVisible(false);
    cmdSpecifyBorder = MakeButton(grpTable, "cmdSpecifyBorder", "Specify table width, etc.",
                                  "Specify table width, border, cell padding and spacing.");
    cmdSpecifyColors = MakeButton(grpTable, "cmdSpecifyColors", "Specify table colors");
    extras = new TableExtrasControls(document, grpTable);

    auto* dimensions = new QGridLayout;
    dimensions->addWidget(lblNumberOfRows, 0, 0);
    dimensions->addWidget(cboNumberOfRows, 0, 1);
    dimensions->addWidget(lblNumberOfColumns, 1, 0);
    dimensions->addWidget(cboNumberOfColumns, 1, 1);
    dimensions->setColumnStretch(2, 1);
    auto* tableLayout = new QVBoxLayout(grpTable);
    tableLayout->addLayout(dimensions);
    tableLayout->addWidget(chkCenterTable4);
    tableLayout->addWidget(chkAddHTMLWrapper4);
    tableLayout->addWidget(chkAddPlaceMarkers);
    tableLayout->addWidget(chkUseSpecifiedColors_5);
    tableLayout->addWidget(cmdSpecifyBorder);
    tableLayout->addWidget(cmdSpecifyColors);
    tableLayout->addLayout(extras->TableLayout());
    tableLayout->addStretch();

    // Output file.
    auto* grpOutput = new QGroupBox("Output", window);
    grpOutput->setObjectName("grpOutput");
    cmdSpecifyOutputFile = MakeButton(grpOutput, "cmdSpecifyOutputFile", "Specify output file");
    txbOutputFile_6 = new QLineEdit(grpOutput);
    txbOutputFile_6->setObjectName("txbOutputFile_6");
    // Only the program sets the path; typing and pasting change nothing.
    txbOutputFile_6->setReadOnly(true);
    cmdExport = MakeButton(grpOutput, "cmdExport", "Export\u2026",
                           "Write the table as Markdown, LaTeX, MediaWiki or CSV.");
    cmdPerformOperation_6 = MakeButton(grpOutput, "cmdPerformOperation_6", "Create table",
                                       "Create the HTML code for this table.");
    cmdViewOutputFile_6 = MakeButton(grpOutput, "cmdViewOutputFile_6", "View");
    cmdViewOutputFile_0 = MakeButton(grpOutput, "cmdViewOutputFile_0", "Clear");
    cmdPreview = MakeButton(grpOutput, "cmdPreview", "Preview",
                            "Show the table as it will look, following every change (F5).");
    cmdCheck = MakeButton(grpOutput, "cmdCheck", "Check");
    lblResult = new QLabel("Result", grpOutput);
    lblResult->setObjectName("lblResult");
    lblResult->setTextFormat(Qt::PlainText);
    lblResult->setWordWrap(true);
    // The line takes the room the row leaves and a fixed height (set with
    // the font), so the window's size never follows what it says.
    lblResult->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(cmdSpecifyOutputFile);
    pathRow->addWidget(txbOutputFile_6, 1);
    // Check and Export sit by the path, where the box gives way to them, so
    // that the window keeps to an 800 pixel wide screen.
    pathRow->addWidget(cmdExport);
    pathRow->addWidget(cmdCheck);
    auto* createRow = new QHBoxLayout;
    createRow->setSpacing(4);
    createRow->addWidget(cmdPerformOperation_6);
    createRow->addWidget(extras->StyleLabel());
    createRow->addWidget(extras->StyleList());
    QWidget::setTabOrder(cmdPerformOperation_6, extras->StyleList());
    createRow->addWidget(cmdViewOutputFile_6);
    createRow->addWidget(cmdViewOutputFile_0);
    createRow->addWidget(cmdPreview);
    createRow->addWidget(lblResult, 1);
    auto* outputLayout = new QVBoxLayout(grpOutput);
    outputLayout->addLayout(pathRow);
    outputLayout->addLayout(createRow);

    // Table file commands.
    auto* grpTableFile = new QGroupBox("Table file", window);
    grpTableFile->setObjectName("grpTableFile");
    cmdSaveLoad_5 = MakeButton(grpTableFile, "cmdSaveLoad_5", "Save table",
                               "Save this table specification to a file.");
    cmdSaveLoad_4 = MakeButton(grpTableFile, "cmdSaveLoad_4", "Load table",
                               "Load a previously saved table specification.");
    cmdSaveLoad_3 = MakeButton(grpTableFile, "cmdSaveLoad_3", "New table");
    cmdSaveLoad_0 = MakeButton(grpTableFile, "cmdSaveLoad_0", "Restore table");
    auto* fileLayout = new QGridLayout(grpTableFile);
    fileLayout->addWidget(cmdSaveLoad_5, 0, 0);
    fileLayout->addWidget(cmdSaveLoad_4, 0, 1);
    fileLayout->addWidget(cmdSaveLoad_3, 1, 0);
    fileLayout->addWidget(cmdSaveLoad_0, 1, 1);

    // Program commands along the bottom.
    lblDocumentation = new QLabel(window);
    lblDocumentation->setObjectName("lblDocumentation");
    lblDocumentation->setText("<a href=\"manual\">Online user manual</a>");
    lblDocumentation->setTextFormat(Qt::RichText);
    lblDocumentation->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                              Qt::LinksAccessibleByKeyboard);
    lblDocumentation->setCursor(Qt::PointingHandCursor);
    cmdOtherProducts = MakeButton(window, "cmdOtherProducts", "Other products");
    cmdOtherProducts->setVisible(false);
    cmdQuit_0 = MakeButton(window, "cmdQuit_0", "Help");
    cmdQuit_1 = MakeButton(window, "cmdQuit_1", "Reset");
    cmdQuit_6 = MakeButton(window, "cmdQuit_6", "Quit");
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(lblDocumentation);
    bottomRow->addSpacing(12);
    bottomRow->addWidget(cmdOtherProducts);
    bottomRow->addStretch();
    new UndoButtons(document, bottomRow, window);
    bottomRow->addSpacing(12);
    bottomRow->addWidget(cmdQuit_0);
    bottomRow->addWidget(cmdQuit_1);
    bottomRow->addWidget(cmdQuit_6);

    auto* layout = new QGridLayout(window);
    auto* gridColumn = new QVBoxLayout;
    gridColumn->addWidget(picTable);
    gridColumn->addWidget(cmdGridMenu, 0, Qt::AlignLeft);
    gridColumn->addStretch();
    layout->addLayout(gridColumn, 0, 0);
    layout->addWidget(grpTable, 0, 1);
    layout->addWidget(grpOutput, 1, 0);
    layout->addWidget(grpTableFile, 1, 1);
    layout->addLayout(bottomRow, 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tabloom
