#include "ui/main_window/plain_text.h"

#include <QTextDocument>

namespace tabloom {

QString PlainToolTip(const QString& text) {
    if (!Qt::mightBeRichText(text)) return text;
    QString html = text.toHtmlEscaped();
    // Fixed blanks keep runs of them and the line whole, as a plain tip shows it.
    html.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return QStringLiteral("<p style=\"white-space:pre\">") + html + QStringLiteral("</p>");
}

}  // namespace tabloom
