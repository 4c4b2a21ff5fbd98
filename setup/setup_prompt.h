#pragma once
// Message boxes and file dialogs of the setup tool's forms. The forms ask
// through the current prompt, so tests can answer instead of a user.

#include <QMessageBox>
#include <QString>

class QWidget;

namespace vantor {

class SetupPrompt {
  public:
    virtual ~SetupPrompt() = default;

    virtual QMessageBox::StandardButton Message(QWidget* parent, const QString& text,
                                                const QString& title, QMessageBox::Icon icon,
                                                QMessageBox::StandardButtons buttons);
    // File name chosen, or an empty string when the user cancels. `filter`
    // has the "Name (*.a)|*.a|..." form.
    virtual QString AskOpenFile(QWidget* parent, const QString& title, const QString& folder,
                                const QString& filter);
    // Asks before overwriting an existing file.
    virtual QString AskSaveFile(QWidget* parent, const QString& title, const QString& folder,
                                const QString& filter);
};

// The prompt the forms use; Qt dialogs unless a test installed its own.
SetupPrompt& CurrentPrompt();
// Installs `prompt` (nullptr: back to Qt dialogs); the caller keeps ownership.
void SetCurrentPrompt(SetupPrompt* prompt);

}  // namespace vantor
