#include "ui/app/plain_text.h"

#include <QTextDocument>

namespace tabloom {

QString PlainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text)) return text;
    return Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
}

}  // namespace tabloom
