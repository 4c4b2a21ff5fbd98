#pragma once
// Message boxes and the open-file dialog of the core, as Qt dialogs.

#include <QString>

#include "prompt/prompt.h"

class QWidget;

class QtPrompt : public vantor::Prompt {
  public:
    vantor::PromptAnswer ShowMessage(const std::string& text, const std::string& caption,
                                     vantor::PromptButtons buttons,
                                     vantor::PromptIcon icon) override;
    bool AskOpenFile(const std::string& filter, const std::string& startFolder,
                     std::string& path) override;
    int AskChoice(const std::string& text, const std::string& caption,
                  const std::vector<std::string>& choices) override;

    // Turns "Name (*.a)|*.a|All (*.*)|*.*||" into Qt's "Name (*.a);;All (*.*)".
    static QString ToQtFilter(const std::string& filter);
};

// The window that dialogs are centred on (the main window when it exists).
QWidget* DialogParent();
