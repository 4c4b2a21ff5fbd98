#pragma once
// How the programs talk to the user without knowing the window system:
// message boxes, choices and file dialogs. The window programs answer with
// Qt dialogs; tests and the command-line tool answer from a script.

#include <deque>
#include <string>
#include <vector>

namespace vantor {

enum class PromptButtons { Ok, OkCancel };
enum class PromptIcon { None, Exclamation, Question, Information, Error };
enum class PromptAnswer { Ok, Cancel };

// A file dialog: which kind, its title (empty: the window system's own), the
// filter in the "Name (*.ext)|*.ext|...||" form and the folder it starts in.
struct FileQuestion {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    std::string title;
    std::string filter;
    std::string startFolder;
    std::string suggestedFile;  // a full path offered as the answer (empty: none)
    std::string defaultSuffix;  // added to a typed name without one, e.g. "wrl"
};

class Prompt {
  public:
    virtual ~Prompt() = default;

    // Shows a message box (texts are UTF-8) and returns the button pressed.
    virtual PromptAnswer ShowMessage(const std::string& text, const std::string& caption,
                                     PromptButtons buttons, PromptIcon icon) = 0;

    // Asks for a file; a save dialog asks before overwriting. Returns false
    // when the user cancels; otherwise fills `path`.
    virtual bool AskFile(const FileQuestion& question, std::string& path) = 0;

    // An untitled open dialog.
    bool AskOpenFile(const std::string& filter, const std::string& startFolder, std::string& path) {
        FileQuestion question;
        question.filter = filter;
        question.startFolder = startFolder;
        return AskFile(question, path);
    }

    // Asks a question with one button per choice plus Cancel; returns the
    // index of the chosen button, or -1 for Cancel. Prompts that cannot
    // ask cancel.
    virtual int AskChoice(const std::string& text, const std::string& caption,
                          const std::vector<std::string>& choices);
};

// One message box as it was shown.
struct ShownMessage {
    std::string text;
    std::string caption;
    PromptButtons buttons;
    PromptIcon icon;
};

// Answers from queues (Ok and Cancel when the queues run dry) and records
// everything it was asked.
class ScriptedPrompt : public Prompt {
  public:
    PromptAnswer ShowMessage(const std::string& text, const std::string& caption,
                             PromptButtons buttons, PromptIcon icon) override;
    bool AskFile(const FileQuestion& question, std::string& path) override;
    // Recorded in `shown` with the choices after the text, one per line.
    int AskChoice(const std::string& text, const std::string& caption,
                  const std::vector<std::string>& choices) override;

    std::deque<PromptAnswer> messageAnswers;  // default: Ok
    std::deque<int> choiceAnswers;            // default: the last choice
    std::deque<std::string> fileAnswers;      // empty string = cancel; default: cancel
    std::vector<ShownMessage> shown;
    std::vector<FileQuestion> fileQuestions;  // one per file dialog
};

// Prints every message box to stderr as "caption: text" and cancels every
// dialog (the command-line tool).
class StderrPrompt : public Prompt {
  public:
    PromptAnswer ShowMessage(const std::string& text, const std::string& caption,
                             PromptButtons buttons, PromptIcon icon) override;
    bool AskFile(const FileQuestion& question, std::string& path) override;
};

}  // namespace vantor
