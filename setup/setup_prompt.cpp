#include "setup_prompt.h"

#include "qt_prompt.h"

namespace vantor {
namespace {

Prompt* installedPrompt = nullptr;

}  // namespace

Prompt& CurrentPrompt() {
    static QtPrompt qtPrompt;
    return installedPrompt ? *installedPrompt : qtPrompt;
}

void SetCurrentPrompt(Prompt* prompt) {
    installedPrompt = prompt;
}

void ShowWarning(const QString& text, const QString& title) {
    CurrentPrompt().ShowMessage(text.toStdString(), title.toStdString(), PromptButtons::Ok,
                                PromptIcon::Exclamation);
}

QString AskFileName(FileQuestion::Kind kind, const QString& title, const QString& folder,
                    const QString& filter) {
    std::string path;
    if (!CurrentPrompt().AskFile(
            {kind, title.toStdString(), filter.toStdString(), folder.toStdString()}, path))
        return QString();
    return QString::fromStdString(path);
}

}  // namespace vantor
