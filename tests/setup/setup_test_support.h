#pragma once
// A prompt that answers the setup tool's questions from a script.

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <deque>
#include <string>
#include <vector>

#include "setup_prompt.h"
#include "support/qt_window.h"

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

using testing::OnNextModal;
using testing::ReadWholeFile;
using ScratchFolder = testing::QtScratchFolder;

}  // namespace vantor::test
