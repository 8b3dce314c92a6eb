#pragma once

#include <memory>

#include "ui/platform/prompter.h"

class QMessageBox;
class QWidget;

namespace tabloom {

// Message boxes through QMessageBox.
class QtPrompter : public Prompter {
  public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    PromptAnswer Show(const QString& text, const QString& title, PromptIcon icon,
                      PromptButtons buttons, const QString& details = QString()) override;
    int Choose(const QString& text, const QString& title, const QStringList& items) override;

    // The box Show runs, before it is shown.
    static std::unique_ptr<QMessageBox> MakeBox(const QString& text, const QString& title,
                                                PromptIcon icon, PromptButtons buttons,
                                                const QString& details, QWidget* parent);

  private:
    QWidget* parent_;
};

}  // namespace tabloom
