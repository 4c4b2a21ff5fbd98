#pragma once
// The prompt the setup tool's forms ask through, so tests can answer
// instead of a user.

#include <QString>

#include "prompt/prompt.h"

namespace vantor {

// Qt dialogs unless a test installed its own.
Prompt& CurrentPrompt();
// Installs `prompt` (nullptr: back to Qt dialogs); the caller keeps ownership.
void SetCurrentPrompt(Prompt* prompt);

// A warning box with one OK button, the kind the forms show.
void ShowWarning(const QString& text, const QString& title);
// A file dialog; an empty string when the user cancels.
QString AskFileName(FileQuestion::Kind kind, const QString& title, const QString& folder,
                    const QString& filter);

}  // namespace vantor
