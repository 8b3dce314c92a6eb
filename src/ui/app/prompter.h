#pragma once

#include <QString>

namespace tabloom {

enum class PromptIcon { None, Critical, Question, Exclamation, Information };
enum class PromptButtons { Ok, YesNo };
enum class PromptAnswer { Ok, Yes, No };

// Message boxes. The program shows every message through this seam so that
// tests can answer them without a modal loop.
class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual PromptAnswer Show(const QString& text, const QString& title, PromptIcon icon,
                              PromptButtons buttons) = 0;
};

}  // namespace tabloom
