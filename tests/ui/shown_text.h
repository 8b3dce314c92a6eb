#pragma once

#include <QString>
#include <QTextDocument>

// The text a tooltip shows: Qt reads it as markup when it looks like markup.
inline QString ShownToolTip(const QString& tip) {
    if (!Qt::mightBeRichText(tip)) return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}
