#pragma once

#include "ui/app/prompter.h"

class QWidget;

namespace tabloom {

// Message boxes through QMessageBox.
class QtPrompter : public Prompter {
  public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    PromptAnswer Show(const QString& text, const QString& title, PromptIcon icon,
                      PromptButtons buttons) override;

  private:
    QWidget* parent_;
};

}  // namespace tabloom
