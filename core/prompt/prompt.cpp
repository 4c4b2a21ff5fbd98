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

bool ScriptedPrompt::AskOpenFile(const std::string& filter, const std::string&, std::string& path) {
    fileFilters.push_back(filter);
    if (fileAnswers.empty()) return false;
    path = fileAnswers.front();
    fileAnswers.pop_front();
    return !path.empty();
}

PromptAnswer StderrPrompt::ShowMessage(const std::string& text, const std::string& caption,
                                       PromptButtons buttons, PromptIcon) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
}

bool StderrPrompt::AskOpenFile(const std::string&, const std::string&, std::string&) {
    return false;
}

}  // namespace vantor
