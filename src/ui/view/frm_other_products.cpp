#include "ui/view/frm_other_products.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/view/twips.h"

namespace tabloom {

namespace {
const char* const kUnreadable = "The list of other products could not be read.";
const char* const kEmptyList = "There are no other products to show at present.";
constexpr int kWidthTwips = 7200;
}  // namespace

frmOtherProducts::frmOtherProducts(const QString& listPath, UrlOpener openUrl, QWidget* parent)
    : QDialog(parent), openUrl_(std::move(openUrl)) {
    setObjectName("frmOtherProducts");
    setWindowTitle("Other products of the Tabloom team");
    setFont(QFont("Arial"));

    auto* intro = new QLabel("Other small tools from the Tabloom team:", this);
    intro->setObjectName("lblIntro");

    entriesBox_ = new QWidget(this);
    entriesLayout_ = new QVBoxLayout(entriesBox_);
    entriesLayout_->setContentsMargins(0, 0, 0, 0);

    auto* cmdClose = new QPushButton("Close", this);
    cmdClose->setObjectName("cmdClose");
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(entriesBox_);
    layout->addStretch();
    layout->addLayout(buttons);

    setMinimumWidth(TwipsToPixels(kWidthTwips, TwipsPerPixel(parent)));
    LoadList(listPath);
}

bool frmOtherProducts::LoadList(const QString& listPath) {
    auto list = ReadProductList(listPath);
    entries_ = list ? std::move(*list) : std::vector<ProductEntry>{};
    Rebuild(list.has_value());
    return list.has_value();
}

void frmOtherProducts::Rebuild(bool listRead) {
    while (QLayoutItem* item = entriesLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!listRead || entries_.empty()) {
        auto* notice = new QLabel(listRead ? kEmptyList : kUnreadable, entriesBox_);
        notice->setObjectName("lblNoProducts");
        entriesLayout_->addWidget(notice);
        return;
    }
    int index = 0;
    for (const ProductEntry& entry : entries_) {
        QString html = "<b>" + entry.name.toHtmlEscaped() + "</b>";
        if (!entry.description.isEmpty()) html += " &ndash; " + entry.description.toHtmlEscaped();
        if (!entry.url.isEmpty()) {
            const QString url = entry.url.toHtmlEscaped();
            html += "<br><a href=\"" + url + "\">" + url + "</a>";
        }
        auto* label = new QLabel(html, entriesBox_);
        label->setObjectName(QString("lblProduct%1").arg(index++));
        label->setTextFormat(Qt::RichText);
        label->setWordWrap(true);
        // Links go through the callback, never straight to the desktop.
        label->setOpenExternalLinks(false);
        label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        connect(label, &QLabel::linkActivated, this, [this](const QString& link) {
            if (openUrl_) openUrl_(link);
        });
        entriesLayout_->addWidget(label);
    }
}

}  // namespace tabloom
