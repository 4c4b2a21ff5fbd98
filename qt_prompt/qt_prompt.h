#pragma once
// The core's prompt as Qt dialogs, for both window programs.

#include "prompt/prompt.h"

namespace vantor {

class QtPrompt : public Prompt {
  public:
    PromptAnswer ShowMessage(const std::string& text, const std::string& caption,
                             PromptButtons buttons, PromptIcon icon) override;
    bool AskFile(const FileQuestion& question, std::string& path) override;
    int AskChoice(const std::string& text, const std::string& caption,
                  const std::vector<std::string>& choices) override;
};

}  // namespace vantor
