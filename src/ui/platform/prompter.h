#pragma once

#include <QString>
#include <QStringList>

namespace tabloom {

enum class PromptIcon { None, Critical, Question, Exclamation, Information };
// YesNo answers Yes to Enter; YesNoDefaultNo, for a question whose Yes drops
// the user's work, answers No.
enum class PromptButtons { Ok, YesNo, YesNoDefaultNo };
enum class PromptAnswer { Ok, Yes, No };

// Message boxes. The program shows every message through this seam so that
// tests can answer them without a modal loop. details, when not empty, is
// the box's detailed text (the reason behind a failure).
class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual PromptAnswer Show(const QString& text, const QString& title, PromptIcon icon,
                              PromptButtons buttons, const QString& details = QString()) = 0;
    // Asks the user to pick one of items (text says what for); the index
    // picked, or -1 when the user cancels.
    virtual int Choose(const QString& text, const QString& title, const QStringList& items) = 0;
};

}  // namespace tabloom
