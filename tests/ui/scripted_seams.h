#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "ui/platform/clipboard.h"
#include "ui/platform/file_chooser.h"
#include "ui/platform/launcher.h"
#include "ui/platform/prompter.h"
#include "ui/platform/view_choice_asker.h"

namespace tabloom {

// Records every message box and answers from a script (Ok or No once the
// script runs out).
class RecordingPrompter : public Prompter {
  public:
    struct Call {
        QString text;
        QString title;
        PromptIcon icon;
        PromptButtons buttons;
        QString details;
    };

    PromptAnswer Show(const QString& text, const QString& title, PromptIcon icon,
                      PromptButtons buttons, const QString& details = QString()) override {
        calls.push_back({text, title, icon, buttons, details});
        if (!answers.empty()) {
            const PromptAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
    }

    // Records the items offered and picks chosen (-1: cancel).
    int Choose(const QString& text, const QString& title, const QStringList& items) override {
        calls.push_back({text, title, PromptIcon::Question, PromptButtons::Ok, items.join('\n')});
        return chosen;
    }

    std::vector<Call> calls;
    std::deque<PromptAnswer> answers;
    int chosen = 0;
};

// Returns scripted file names (empty, as a cancelled dialog, once they run
// out) and records the requests.
class ScriptedFileChooser : public FileChooser {
  public:
    QString ChooseSaveFile(const FileDialogRequest& request) override {
        return Next(request, true);
    }
    QString ChooseOpenFile(const FileDialogRequest& request) override {
        return Next(request, false);
    }

    std::deque<QString> names;
    std::vector<FileDialogRequest> requests;
    std::vector<bool> saveDialogs;

  private:
    QString Next(const FileDialogRequest& request, bool save) {
        requests.push_back(request);
        saveDialogs.push_back(save);
        if (names.empty()) return {};
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

// Answers every launch with one code and records the targets.
class ScriptedLauncher : public Launcher {
  public:
    int Open(const QString& target) override {
        targets.push_back(target);
        return code;
    }

    int code = kLaunchAccepted;
    std::vector<QString> targets;
};

// Answers the view question with one choice and counts the questions.
class ScriptedViewChoice : public ViewChoiceAsker {
  public:
    ViewChoice Ask() override {
        ++asked;
        return choice;
    }

    ViewChoice choice = ViewChoice::NotNow;
    int asked = 0;
};

// A clipboard whose text the test sets; counts the reads.
class ScriptedClipboard : public Clipboard {
  public:
    QString Text() override {
        ++reads;
        return text;
    }
    QString Html() override { return html; }
    void SetContent(const QString& plain, const QString& asHtml) override {
        text = plain;
        html = asHtml;
    }

    QString text;
    QString html;
    int reads = 0;
};

}  // namespace tabloom
