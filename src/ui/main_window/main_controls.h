#pragma once

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace tabloom {

class PicTable;
class TableDocument;
class TableExtrasControls;

// The controls of the main window, laid out in it: the grid, the table
// options, the output file, the table file commands and the program's own
// buttons along the bottom.
struct MainControls {
    // Makes the controls as children of window, in its layout.
    void Build(QWidget* window, TableDocument& document);

    PicTable* picTable = nullptr;
    QToolButton* cmdGridMenu = nullptr;
    QLabel* lblNumberOfRows = nullptr;
    QLabel* lblNumberOfColumns = nullptr;
    QComboBox* cboNumberOfRows = nullptr;
    QComboBox* cboNumberOfColumns = nullptr;
    QCheckBox* chkCenterTable4 = nullptr;
    QCheckBox* chkAddHTMLWrapper4 = nullptr;
    QCheckBox* chkAddPlaceMarkers = nullptr;
    QCheckBox* chkUseSpecifiedColors_5 = nullptr;
    QPushButton* cmdSpecifyBorder = nullptr;
    QPushButton* cmdSpecifyColors = nullptr;
    TableExtrasControls* extras = nullptr;
    QPushButton* cmdSpecifyOutputFile = nullptr;
    QLineEdit* txbOutputFile_6 = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdCheck = nullptr;
    QPushButton* cmdPerformOperation_6 = nullptr;
    QPushButton* cmdViewOutputFile_6 = nullptr;
    QPushButton* cmdViewOutputFile_0 = nullptr;
    QPushButton* cmdPreview = nullptr;
    QLabel* lblResult = nullptr;
    QPushButton* cmdSaveLoad_5 = nullptr;
    QPushButton* cmdSaveLoad_4 = nullptr;
    QPushButton* cmdSaveLoad_3 = nullptr;
    QPushButton* cmdSaveLoad_0 = nullptr;
    QLabel* lblDocumentation = nullptr;
    QPushButton* cmdOtherProducts = nullptr;
    QPushButton* cmdQuit_0 = nullptr;
    QPushButton* cmdQuit_1 = nullptr;
    QPushButton* cmdQuit_6 = nullptr;
};

}  // namespace tabloom
