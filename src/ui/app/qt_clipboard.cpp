#include "ui/app/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace tabloom {

QString QtClipboard::Text() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) return {};
    return data->text();
}

}  // namespace tabloom
