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
    FileQuestion question;
    question.kind = kind;
    question.title = title.toStdString();
    question.filter = filter.toStdString();
    question.startFolder = folder.toStdString();
    std::string path;
    if (!CurrentPrompt().AskFile(question, path)) return QString();
    return QString::fromStdString(path);
}

}  // namespace vantor
