#include "prompt/prompt.h"

#include <cstdio>

namespace vantor {

PromptAnswer ScriptedPrompt::ShowMessage(const std::string& text, const std::string& caption,
                                         PromptButtons buttons, PromptIcon icon) {
    shown.push_back({text, caption, buttons, icon});
    if (messageAnswers.empty()) return PromptAnswer::Ok;
    const PromptAnswer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

bool ScriptedPrompt::AskFile(const FileQuestion& question, std::string& path) {
    fileQuestions.push_back(question);
    if (fileAnswers.empty()) return false;
    path = fileAnswers.front();
    fileAnswers.pop_front();
    return !path.empty();
}

int Prompt::AskChoice(const std::string&, const std::string&, const std::vector<std::string>&) {
    return -1;
}

int ScriptedPrompt::AskChoice(const std::string& text, const std::string& caption,
                              const std::vector<std::string>& choices) {
    std::string recorded = text;
    for (const std::string& choice : choices) recorded += "\n" + choice;
    shown.push_back({recorded, caption, PromptButtons::OkCancel, PromptIcon::Question});
    if (choiceAnswers.empty()) return int(choices.size()) - 1;
    const int answer = choiceAnswers.front();
    choiceAnswers.pop_front();
    return answer;
}

PromptAnswer StderrPrompt::ShowMessage(const std::string& text, const std::string& caption,
                                       PromptButtons buttons, PromptIcon) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
}

bool StderrPrompt::AskFile(const FileQuestion&, std::string&) {
    return false;
}

}  // namespace vantor
