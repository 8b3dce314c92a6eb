#pragma once

#include <QString>

namespace tabloom {

// The system clipboard, as far as the program reads it.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // The clipboard's plain text; empty when it holds none (nothing, or
    // only an image).
    virtual QString Text() = 0;
    // The clipboard's HTML (what spreadsheets and browsers put there beside
    // the text); empty when it holds none.
    virtual QString Html() = 0;
    // Puts text on the clipboard as plain text and, for programs that take
    // it, as HTML.
    virtual void SetContent(const QString& text, const QString& html) = 0;
};

}  // namespace tabloom
