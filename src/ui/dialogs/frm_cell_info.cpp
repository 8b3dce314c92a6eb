#include "ui/dialogs/frm_cell_info.h"

#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "core/dialogs/cell_checks.h"
#include "core/model/colour.h"
#include "ui/dialogs/enter_key_filter.h"
#include "ui/dialogs/frm_specify_colors.h"
#include "ui/main_window/form_style.h"
#include "ui/main_window/program_state.h"
#include "ui/platform/prompter.h"
#include "ui_frm_cell_info.h"

namespace tabloom {

namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

QColor ToQColor(std::int32_t colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// The content box holds lines separated by line feeds; the cell by CR LF.
QString ContentForBox(const std::string& content) {
    return FromUtf8(content).replace("\r\n", "\n");
}

std::string ContentForCell(const QString& box) {
    return QString(box).replace("\n", "\r\n").toStdString();
}

}  // namespace

frmCellInfo::frmCellInfo(const TableSpec& table, ProgramState& state, Prompter& prompts,
                         std::function<void()> closing, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::frmCellInfo>()),
      table_(table),
      state_(state),
      prompts_(prompts),
      closing_(std::move(closing)) {
    ui_->setupUi(this);
    // Before the opener measures and places the window.
    SetFormFont(this, "Arial", true, true);
    for (const char* name : strAlignName) ui_->cboAlign->addItem(name);
    for (const char* name : strVAlignName) ui_->cboVAlign->addItem(name);
    ui_->cboAlign->setCurrentIndex(0);
    ui_->cboVAlign->setCurrentIndex(0);
    ui_->optPixels->setChecked(true);

    auto* enter = new EnterKeyFilter(ui_->cmdAccept, this);
    enter->Watch(ui_->txbWidth);
    enter->Watch(ui_->txbHeight);

    for (QComboBox* list : {ui_->cboRowSpan, ui_->cboColSpan, ui_->cboAlign, ui_->cboVAlign}) {
        connect(list, &QComboBox::activated, this, &frmCellInfo::FocusCancel);
        list->installEventFilter(this);
    }
    for (QRadioButton* option : {ui_->optPercent, ui_->optPixels}) {
        connect(option, &QRadioButton::clicked, this, &frmCellInfo::FocusCancel);
        option->installEventFilter(this);
    }
    connect(ui_->txbCellContent->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) {
                lastChange_ = {position, added};
            });
    connect(ui_->txbCellContent, &QPlainTextEdit::textChanged, this, &frmCellInfo::LimitContent);
    connect(ui_->chkUseSpecifiedCellColors, &QCheckBox::clicked, this,
            &frmCellInfo::chkUseSpecifiedCellColors_Click);
    connect(ui_->cmdSpecifyCellColors, &QPushButton::clicked, this,
            &frmCellInfo::cmdSpecifyCellColors_Click);
    connect(ui_->cmdResetCell, &QPushButton::clicked, this, &frmCellInfo::cmdResetCell_Click);
    connect(ui_->cmdAccept, &QPushButton::clicked, this, &frmCellInfo::cmdAccept_Click);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &frmCellInfo::cmdCancel_Click);
}

frmCellInfo::~frmCellInfo() = default;

void frmCellInfo::Load(const CellDialogValues& values, int row, int col) {
    row_ = row;
    col_ = col;
    ui_->cboRowSpan->clear();
    for (int n = 1; n <= values.rowSpanItems; ++n) ui_->cboRowSpan->addItem(QString::number(n));
    ui_->cboColSpan->clear();
    for (int n = 1; n <= values.colSpanItems; ++n) ui_->cboColSpan->addItem(QString::number(n));
    ui_->cboRowSpan->setCurrentIndex(values.rowSpanIndex);
    ui_->cboColSpan->setCurrentIndex(values.colSpanIndex);
    ui_->lblCellAt->setText(FromUtf8(CellHeading(row, col)));
    ui_->txbCellContent->setPlainText(ContentForBox(values.content));
    ui_->cboAlign->setCurrentIndex(values.align);
    ui_->cboVAlign->setCurrentIndex(values.valign);
    ui_->txbWidth->setText(FromUtf8(values.width));
    (values.percent ? ui_->optPercent : ui_->optPixels)->setChecked(true);
    ui_->txbHeight->setText(FromUtf8(values.height));
    ui_->txbFontFace->setText(FromUtf8(values.fontFace));
    ui_->txbFontSize->setText(FromUtf8(values.fontSize));
}

CellDialogValues frmCellInfo::Values() const {
    CellDialogValues v;
    v.rowSpanItems = ui_->cboRowSpan->count();
    v.colSpanItems = ui_->cboColSpan->count();
    v.rowSpanIndex = ui_->cboRowSpan->currentIndex();
    v.colSpanIndex = ui_->cboColSpan->currentIndex();
    v.content = ContentForCell(ui_->txbCellContent->toPlainText());
    v.align = ui_->cboAlign->currentIndex();
    v.valign = ui_->cboVAlign->currentIndex();
    v.width = ui_->txbWidth->text().toStdString();
    v.percent = ui_->optPercent->isChecked();
    v.height = ui_->txbHeight->text().toStdString();
    v.fontFace = ui_->txbFontFace->text().toStdString();
    v.fontSize = ui_->txbFontSize->text().toStdString();
    v.useCellColours = ui_->chkUseSpecifiedCellColors->isChecked();
    v.textColour = state_.lngEditCellTextColor;
    v.bgColour = state_.lngEditCellBgColor;
    return v;
}

void frmCellInfo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Activate();
}

void frmCellInfo::keyPressEvent(QKeyEvent* event) {
    if (EnterKeyFilter::PressFocusedButton(this, event)) return;
    QDialog::keyPressEvent(event);
}

void frmCellInfo::Activate() {
    ui_->chkUseSpecifiedCellColors->setChecked(state_.lngEditCellTextColor != NotSpecifiedColor);
    chkUseSpecifiedCellColors_Click();
    QTextCursor caret = ui_->txbCellContent->textCursor();
    caret.movePosition(QTextCursor::End);
    ui_->txbCellContent->setTextCursor(caret);
    ui_->txbCellContent->setFocus(Qt::OtherFocusReason);
}

bool frmCellInfo::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
            pointerChoice_ = true;
            break;
        case QEvent::KeyPress:
            pointerChoice_ = false;
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmCellInfo::FocusCancel() {
    // A choice made with the keyboard leaves the focus where the user works.
    if (isVisible() && pointerChoice_) ui_->cmdCancel->setFocus(Qt::OtherFocusReason);
}

void frmCellInfo::PaintContent(std::int32_t text, std::int32_t background) {
    QPalette palette = ui_->txbCellContent->palette();
    palette.setColor(QPalette::Text, ToQColor(text));
    palette.setColor(QPalette::Base, ToQColor(background));
    ui_->txbCellContent->setPalette(palette);
}

void frmCellInfo::ShowColours(const CellColourView& view) {
    ui_->cmdSpecifyCellColors->setEnabled(view.specifyEnabled);
    ui_->lblCellTextHex->setText(FromUtf8(view.textLabel));
    ui_->lblCellBackgroundHex->setText(FromUtf8(view.backgroundLabel));
    PaintContent(view.textColour, view.backgroundColour);
}

void frmCellInfo::chkUseSpecifiedCellColors_Click() {
    ShowColours(CellColourViewFor(ui_->chkUseSpecifiedCellColors->isChecked(),
                                  state_.lngEditCellTextColor, state_.lngEditCellBgColor,
                                  state_.lngEditTableTextColor, state_.lngEditTableBgColor,
                                  table_.blnUseSpecifiedColors));
    ui_->cmdCancel->setFocus(Qt::OtherFocusReason);
}

void frmCellInfo::cmdSpecifyCellColors_Click() {
    if (chooser_ == nullptr) {
        chooser_ = new frmSpecifyColors(prompts_, this);
        connect(chooser_, &QDialog::finished, this, &frmCellInfo::ChooserClosed);
    }
    const bool own = state_.lngEditCellTextColor != NotSpecifiedColor;
    chooser_->lngChosenTextColor = own ? state_.lngEditCellTextColor : state_.lngEditTableTextColor;
    chooser_->lngChosenBgColor = own ? state_.lngEditCellBgColor : state_.lngEditTableBgColor;
    chooser_->SetHeading(FromUtf8(CellColorsHeading(row_, col_)));
    chooser_->open();
}

void frmCellInfo::ChooserClosed() {
    if (chooser_->blnAccepted) {
        state_.lngEditCellTextColor = chooser_->lngChosenTextColor;
        state_.lngEditCellBgColor = chooser_->lngChosenBgColor;
        PaintContent(state_.lngEditCellTextColor, state_.lngEditCellBgColor);
    }
    // This window is the active one again.
    Activate();
}

void frmCellInfo::cmdResetCell_Click() {
    ui_->txbCellContent->clear();
    ui_->txbWidth->clear();
    ui_->txbHeight->clear();
    ui_->txbFontFace->clear();
    ui_->txbFontSize->clear();
    ui_->cboAlign->setCurrentIndex(0);
    ui_->cboVAlign->setCurrentIndex(0);
    ui_->optPixels->setChecked(true);
    ui_->lblCellTextHex->setText("table default");
    ui_->lblCellBackgroundHex->setText("table default");
    PaintContent(state_.lngEditTableTextColor, state_.lngEditTableBgColor);
    if (ui_->chkUseSpecifiedCellColors->isChecked()) {
        ui_->chkUseSpecifiedCellColors->setChecked(false);
        chkUseSpecifiedCellColors_Click();
    }
    ui_->cmdSpecifyCellColors->setEnabled(false);
}

void frmCellInfo::cmdAccept_Click() {
    if (closing_) closing_();
    CellDialogValues values = Values();
    const CellAcceptResult result = CheckCellAccept(table_, row_, col_, values);

    // The steps that ran leave their cleaned texts in the boxes.
    ui_->txbCellContent->setPlainText(ContentForBox(values.content));
    ui_->txbWidth->setText(FromUtf8(values.width));
    ui_->txbHeight->setText(FromUtf8(values.height));
    ui_->txbFontSize->setText(FromUtf8(values.fontSize));
    ui_->txbFontFace->setText(FromUtf8(values.fontFace));
    if (result.spansSet) {
        intNewRowSpan = result.newRowSpan;
        intNewColSpan = result.newColSpan;
    }
    if (result.overlapFound) {
        state_.intOverlapRow = result.overlapRow;
        state_.intOverlapCol = result.overlapCol;
    }
    if (!result.message.empty()) {
        prompts_.Show(FromUtf8(result.message), kInadmissibleTitle, PromptIcon::None,
                      PromptButtons::Ok);
        return;
    }
    state_.lngEditCellTextColor = values.textColour;
    state_.lngEditCellBgColor = values.bgColour;
    blnAccepted = true;
    QDialog::accept();
}

void frmCellInfo::cmdCancel_Click() { reject(); }

void frmCellInfo::reject() {
    if (closing_) closing_();
    blnAccepted = false;
    QDialog::reject();
}

void frmCellInfo::LimitContent() {
    QPlainTextEdit* box = ui_->txbCellContent;
    const std::string content = ContentForCell(box->toPlainText());
    const std::size_t length = ContentLength(content);
    if (length <= kMaxCellContent) return;
    // Of what the last edit put in, only the part that fits stays; the rest
    // of the text and the caret stay as they were.
    const int position = lastChange_.first;
    const int added =
        std::min(lastChange_.second, box->document()->characterCount() - 1 - position);
    const QString inserted = box->toPlainText().mid(position, added);
    const std::string insertedText = ContentForCell(inserted);
    const std::size_t others = length - ContentLength(insertedText);
    const int kept =
        ContentForBox(insertedText.substr(0, FittingPrefix(insertedText, others))).size();
    QTextCursor excess(box->document());
    excess.setPosition(position + kept);
    excess.setPosition(position + added, QTextCursor::KeepAnchor);
    // One step for Undo together with the edit it trims.
    excess.joinPreviousEditBlock();
    excess.removeSelectedText();
    excess.endEditBlock();
    QTextCursor caret = box->textCursor();
    caret.setPosition(position + kept);
    box->setTextCursor(caret);
}

}  // namespace tabloom
