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
};

}  // namespace tabloom
