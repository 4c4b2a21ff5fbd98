#pragma once
// A prompt that answers the setup tool's questions from a script.

#include <QString>
#include <QStringList>
#include <deque>
#include <string>
#include <vector>

#include "setup_prompt.h"
#include "support/qt_window.h"

namespace vantor::test {

struct ShownBox {
    QString text;
    QString title;
    PromptIcon icon;
};

class ScriptedSetupPrompt : public Prompt {
  public:
    ScriptedSetupPrompt() { SetCurrentPrompt(this); }
    ~ScriptedSetupPrompt() override { SetCurrentPrompt(nullptr); }

    PromptAnswer ShowMessage(const std::string& text, const std::string& title, PromptButtons,
                             PromptIcon icon) override {
        shown.push_back({QString::fromStdString(text), QString::fromStdString(title), icon});
        return PromptAnswer::Ok;
    }
    bool AskFile(const FileQuestion& question, std::string& path) override {
        dialogTitles << QString::fromStdString(question.title);
        filters << QString::fromStdString(question.filter);
        if (fileAnswers.empty()) return false;
        path = fileAnswers.front().toStdString();
        fileAnswers.pop_front();
        return !path.empty();
    }

    std::deque<QString> fileAnswers;  // empty string or none left: cancel
    std::vector<ShownBox> shown;
    QStringList dialogTitles;
    QStringList filters;
};

using testing::OnNextModal;
using testing::ReadWholeFile;
using ScratchFolder = testing::QtScratchFolder;

}  // namespace vantor::test
