#pragma once
// The core's prompt as Qt dialogs, for both window programs.

#include <QString>

#include "prompt/prompt.h"

class QWidget;

namespace vantor {

class QtPrompt : public Prompt {
  public:
    PromptAnswer ShowMessage(const std::string& text, const std::string& caption,
                             PromptButtons buttons, PromptIcon icon) override;
    bool AskFile(const FileQuestion& question, std::string& path) override;
    int AskChoice(const std::string& text, const std::string& caption,
                  const std::vector<std::string>& choices) override;
};

// Turns "Name (*.a)|*.a|All (*.*)|*.*||" into Qt's "Name (*.a);;All (*.*)".
QString ToQtFilter(const QString& filter);

// The window that dialogs are centred on (the active window when there is one).
QWidget* DialogParent();

}  // namespace vantor
