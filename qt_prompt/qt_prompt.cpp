#include "qt_prompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

namespace vantor {
namespace {

// The window that dialogs are centred on (the active window when there is one).
QWidget* DialogParent() {
    return QApplication::activeWindow();
}

// Turns "Name (*.a)|*.a|All (*.*)|*.*||" into Qt's "Name (*.a);;All (*.*)".
QString ToQtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString pattern = parts[i + 1];
        pattern.replace(u';', u' ');
        // Show the name as given but let Qt match the listed patterns; "*.*"
        // must match files without a dot too.
        if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
        QString name = parts[i];
        const qsizetype paren = name.indexOf(u'(');
        if (paren >= 0) name = name.left(paren).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(name, pattern);
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace

PromptAnswer QtPrompt::ShowMessage(const std::string& text, const std::string& caption,
                                   PromptButtons buttons, PromptIcon icon) {
    QMessageBox box(DialogParent());
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    switch (icon) {
        case PromptIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case PromptIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case PromptIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case PromptIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case PromptIcon::None:
            break;
    }
    if (buttons == PromptButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
}

int QtPrompt::AskChoice(const std::string& text, const std::string& caption,
                        const std::vector<std::string>& choices) {
    QMessageBox box(DialogParent());
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    box.setIcon(QMessageBox::Question);
    std::vector<QAbstractButton*> buttons;
    for (const std::string& choice : choices)
        buttons.push_back(box.addButton(QString::fromStdString(choice), QMessageBox::AcceptRole));
    box.addButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    if (!buttons.empty()) box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return chosen == buttons.end() ? -1 : int(chosen - buttons.begin());
}

bool QtPrompt::AskFile(const FileQuestion& question, std::string& path) {
    QFileDialog dialog(DialogParent(), QString::fromStdString(question.title),
                       QString::fromStdString(question.startFolder),
                       ToQtFilter(QString::fromStdString(question.filter)));
    // A save dialog asks before overwriting unless told otherwise.
    if (question.kind == FileQuestion::Kind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.setDefaultSuffix(QString::fromStdString(question.defaultSuffix));
    if (!question.suggestedFile.empty())
        dialog.selectFile(QString::fromStdString(question.suggestedFile));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    path = dialog.selectedFiles().first().toStdString();
    return true;
}

}  // namespace vantor
