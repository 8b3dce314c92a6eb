#include "ui/dialogs/frm_specify_colors.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "core/model/colour.h"
#include "core/model/text_helpers.h"
#include "ui/dialogs/enter_key_filter.h"
#include "ui/main_window/form_style.h"
#include "ui/platform/prompter.h"
#include "ui/view/twips.h"
#include "ui_frm_specify_colors.h"

namespace tabloom {

namespace {

constexpr std::array<ColourComponent, 3> kComponents = {
    ColourComponent::Red, ColourComponent::Green, ColourComponent::Blue};

QColor ToQColor(std::int32_t colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

struct SampleLine {
    int topTwips;
    const char* family;
    int points;
    bool bold;
    bool italic;
    const char* text;
};

constexpr std::array<SampleLine, 4> kSampleLines = {{
    {0, "Arial", 10, false, false, "Arial, 10 point, regular"},
    {250, "Arial", 10, true, false, "Arial, 10 point, bold"},
    {500, "Arial", 10, false, true, "Arial, 10 point, italic"},
    {750, "Times New Roman", 12, false, false, "Times New Roman, 12 point, regular"},
}};

QFont SampleFont(const SampleLine& line) {
    QFont font(line.family, line.points);
    font.setBold(line.bold);
    font.setItalic(line.italic);
    return font;
}

}  // namespace

frmSpecifyColors::frmSpecifyColors(Prompter& prompts, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmSpecifyColors>()), prompts_(prompts) {
    ui_->setupUi(this);
    bars_ = {{{ui_->vsbRed_0, ui_->vsbGreen_0, ui_->vsbBlue_0},
              {ui_->vsbRed_1, ui_->vsbGreen_1, ui_->vsbBlue_1}}};
    boxes_ = {{{ui_->txbRed_0, ui_->txbGreen_0, ui_->txbBlue_0},
               {ui_->txbRed_1, ui_->txbGreen_1, ui_->txbBlue_1}}};

    auto* enter = new EnterKeyFilter(ui_->cmdAccept, this);
    for (int i = 0; i < 2; ++i) {
        for (int c = 0; c < 3; ++c) {
            const ColourComponent component = kComponents[c];
            QScrollBar* bar = bars_[i][c];
            connect(bar, &QScrollBar::valueChanged, this,
                    [this, i, component] { ScrollChanged(i, component); });
            connect(bar, &QScrollBar::actionTriggered, this,
                    [this, bar](int action) { TurnArrowStep(bar, action); });
            bar->installEventFilter(this);
            connect(boxes_[i][c], &QLineEdit::textChanged, this,
                    [this, i, component] { TextChanged(i, component); });
            enter->Watch(boxes_[i][c]);
        }
    }
    connect(ui_->cmdAccept, &QPushButton::clicked, this, &frmSpecifyColors::cmdAccept_Click);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &frmSpecifyColors::cmdCancel_Click);
}

frmSpecifyColors::~frmSpecifyColors() = default;

void frmSpecifyColors::SetHeading(const QString& text) { ui_->lblWhatThisIs->setText(text); }

void frmSpecifyColors::showEvent(QShowEvent* event) {
    if (!loaded_) {
        SetFormFont(this, "Arial", true, true);
        loaded_ = true;
    }
    Activate();
    QDialog::showEvent(event);
}

void frmSpecifyColors::keyPressEvent(QKeyEvent* event) {
    if (EnterKeyFilter::PressFocusedButton(this, event)) return;
    QDialog::keyPressEvent(event);
}

bool frmSpecifyColors::eventFilter(QObject* watched, QEvent* event) {
    // A quick second click arrives as a double click.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        mouseOnBar_ = true;
    if (event->type() == QEvent::MouseButtonRelease) mouseOnBar_ = false;
    return QDialog::eventFilter(watched, event);
}

void frmSpecifyColors::TurnArrowStep(QScrollBar* bar, int action) const {
    // The bars show 255 at the top, but a scroll bar's upper arrow and the
    // trough above the thumb step towards its minimum. Under the pointer
    // they step upwards, as the thumb moves; keys and the wheel already do.
    if (!mouseOnBar_) return;
    int step = 0;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            step = -bar->singleStep();
            break;
        case QAbstractSlider::SliderSingleStepSub:
            step = bar->singleStep();
            break;
        case QAbstractSlider::SliderPageStepAdd:
            step = -bar->pageStep();
            break;
        case QAbstractSlider::SliderPageStepSub:
            step = bar->pageStep();
            break;
        default:
            return;
    }
    bar->setSliderPosition(bar->value() + step);
}

void frmSpecifyColors::Activate() {
    blnReady_ = false;
    const std::array<std::int32_t, 2> colours = {lngChosenTextColor, lngChosenBgColor};
    for (int i = 0; i < 2; ++i) {
        const std::array<int, 3> parts = {RedOf(colours[i]), GreenOf(colours[i]),
                                          BlueOf(colours[i])};
        for (int c = 2; c >= 0; --c) {
            bars_[i][c]->setValue(parts[c]);
            boxes_[i][c]->setText(QString::number(parts[c]));
        }
    }
    ShowHexColor(0);
    ShowHexColor(1);
    DrawSample();
    blnAccepted = false;
    blnReady_ = true;
    ui_->pic123Testing->setFocus(Qt::OtherFocusReason);
}

void frmSpecifyColors::ScrollChanged(int element, ColourComponent component) {
    if (!blnReady_) return;
    const int c = static_cast<int>(component);
    QLineEdit* box = boxes_[element][c];
    const int value = bars_[element][c]->value();
    // The box's own change handler takes over from here when it changes.
    if (LeadingNumber(box->text().toStdString()) != value) box->setText(QString::number(value));
    StoreColor(element);
    ShowHexColor(element);
    DrawSample();
}

void frmSpecifyColors::TextChanged(int element, ColourComponent component) {
    if (!blnReady_) return;
    const int c = static_cast<int>(component);
    QLineEdit* box = boxes_[element][c];
    const ComponentTextOutcome outcome = CheckComponentText(
        box->text().toStdString(), static_cast<ColourElement>(element), component);
    if (!outcome.message.empty()) {
        prompts_.Show(QString::fromStdString(outcome.message), "Error", PromptIcon::None,
                      PromptButtons::Ok);
    }
    const QString shown = QString::fromStdString(outcome.text);
    if (shown != box->text()) {
        // The change handler runs again on the corrected text.
        box->setText(shown);
        return;
    }
    if (outcome.value != bars_[element][c]->value()) bars_[element][c]->setValue(outcome.value);
    StoreColor(element);
    ShowHexColor(element);
    DrawSample();
}

int frmSpecifyColors::Component(int element, ColourComponent component) const {
    return bars_[element][static_cast<int>(component)]->value();
}

void frmSpecifyColors::StoreColor(int element) {
    const std::int32_t colour =
        ColorFromRGB(static_cast<std::int16_t>(Component(element, ColourComponent::Red)),
                     static_cast<std::int16_t>(Component(element, ColourComponent::Green)),
                     static_cast<std::int16_t>(Component(element, ColourComponent::Blue)));
    (element == 0 ? lngChosenTextColor : lngChosenBgColor) = colour;
}

void frmSpecifyColors::ShowHexColor(int element) {
    const std::string hex =
        HexColor(static_cast<std::int16_t>(Component(element, ColourComponent::Red)),
                 static_cast<std::int16_t>(Component(element, ColourComponent::Green)),
                 static_cast<std::int16_t>(Component(element, ColourComponent::Blue)));
    (element == 0 ? ui_->lblHexColor_0 : ui_->lblHexColor_1)->setText(QString::fromStdString(hex));
}

void frmSpecifyColors::DrawSample() {
    const double twips = TwipsPerPixel(this);
    // Big enough for the four lines at any font scaling.
    int width = 0;
    int height = 0;
    for (const SampleLine& line : kSampleLines) {
        const QFontMetrics metrics(SampleFont(line), this);
        width = std::max(width, metrics.horizontalAdvance(QString::fromLatin1(line.text)));
        height = std::max(height, TwipsToPixels(line.topTwips, twips) + metrics.height());
    }
    // As wide as the area the layout gave the sample, so no bare strip shows.
    const QSize size(std::max(width + 8, ui_->pic123Testing->contentsRect().width()), height + 4);
    const qreal ratio = devicePixelRatioF();
    QPixmap image(size * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(ToQColor(lngChosenBgColor));
    {
        QPainter painter(&image);
        painter.setPen(ToQColor(lngChosenTextColor));
        for (const SampleLine& line : kSampleLines) {
            painter.setFont(SampleFont(line));
            const QRect box(0, TwipsToPixels(line.topTwips, twips), size.width(), size.height());
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, QString::fromLatin1(line.text));
        }
    }
    sample_ = image;
    ui_->pic123Testing->setPixmap(sample_);
}

void frmSpecifyColors::cmdAccept_Click() {
    blnAccepted = true;
    QDialog::accept();
}

void frmSpecifyColors::cmdCancel_Click() { reject(); }

void frmSpecifyColors::reject() {
    blnAccepted = false;
    QDialog::reject();
}

}  // namespace tabloom
