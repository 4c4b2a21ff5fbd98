#pragma once
// Helpers for driving the setup tool's forms headless: a prompt that
// answers from a script, and answering modal dialogs from a timer.

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "setup_prompt.h"

namespace vantor::test {

struct ShownBox {
    QString text;
    QString title;
    QMessageBox::Icon icon;
};

class ScriptedSetupPrompt : public SetupPrompt {
  public:
    ScriptedSetupPrompt() { SetCurrentPrompt(this); }
    ~ScriptedSetupPrompt() override { SetCurrentPrompt(nullptr); }

    QMessageBox::StandardButton Message(QWidget*, const QString& text, const QString& title,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons) override {
        shown.push_back({text, title, icon});
        return QMessageBox::Ok;
    }
    QString AskOpenFile(QWidget*, const QString& title, const QString&,
                        const QString& filter) override {
        dialogTitles << title;
        filters << filter;
        return Next();
    }
    QString AskSaveFile(QWidget*, const QString& title, const QString&,
                        const QString& filter) override {
        dialogTitles << title;
        filters << filter;
        return Next();
    }

    std::deque<QString> fileAnswers;  // empty string or none left: cancel
    std::vector<ShownBox> shown;
    QStringList dialogTitles;
    QStringList filters;

  private:
    QString Next() {
        if (fileAnswers.empty()) return {};
        QString answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
};

// Runs `action` on the next modal dialog of type T once it is shown. Gives
// up after about five seconds, so a dialog that never comes fails the test
// instead of hanging it; `seen` (when given) tells whether it came. Delete
// the returned watcher to stop waiting earlier.
template <class T>
QPointer<QTimer> OnNextModal(std::function<void(T*)> action, bool* seen = nullptr) {
    if (seen) *seen = false;
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, action, seen] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && ++*ticks < 500) return;
        timer->stop();
        timer->deleteLater();
        if (dialog) {
            if (seen) *seen = true;
            action(dialog);
        }
    });
    timer->start();
    return timer;
}

// Text of a file, or an empty string.
std::string ReadWholeFile(const QString& path);

// A fresh empty folder for one test, removed with the object.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    QString Path(const QString& name) const;

  private:
    QString folder_;
};

}  // namespace vantor::test
