#pragma once

#include <QString>

namespace tabloom {

// A tooltip that shows text exactly as given. Qt takes a tooltip that looks
// like markup, such as "Add <HTML>...</HTML>", for rich text and swallows the
// tags; such a text is escaped into a paragraph that keeps its line breaks
// and is not wrapped.
QString PlainToolTip(const QString& text);

}  // namespace tabloom
