#include "ui/platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tabloom {

QString QtClipboard::Text() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) return {};
    return data->text();
}

QString QtClipboard::Html() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasHtml()) return {};
    return data->html();
}

void QtClipboard::SetContent(const QString& text, const QString& html) {
    auto* data = new QMimeData;
    data->setText(text);
    data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace tabloom
