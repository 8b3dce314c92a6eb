#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "ui/app/prompter.h"

namespace tabloom {

// Records every message and answers from a script (Ok once it runs out).
class ScriptedPrompter : public Prompter {
  public:
    struct Call {
        QString text;
        QString title;
        PromptIcon icon;
        PromptButtons buttons;
    };

    PromptAnswer Show(const QString& text, const QString& title, PromptIcon icon,
                      PromptButtons buttons) override {
        calls.push_back({text, title, icon, buttons});
        if (answers.empty()) return PromptAnswer::Ok;
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Call> calls;
    std::deque<PromptAnswer> answers;
};

}  // namespace tabloom
