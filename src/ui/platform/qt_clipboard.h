#pragma once

#include "ui/platform/clipboard.h"

namespace tabloom {

// The clipboard of the running Qt application.
class QtClipboard : public Clipboard {
  public:
    QString Text() override;
    QString Html() override;
    void SetContent(const QString& text, const QString& html) override;
};

}  // namespace tabloom
