#pragma once

#include "ui/app/clipboard.h"

namespace tabloom {

// The clipboard of the running Qt application.
class QtClipboard : public Clipboard {
  public:
    QString Text() override;
};

}  // namespace tabloom
