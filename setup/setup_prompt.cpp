#include "setup_prompt.h"

#include <QFileDialog>

#include "qt_prompt.h"

namespace vantor {
namespace {

SetupPrompt* installedPrompt = nullptr;

}  // namespace

QMessageBox::StandardButton SetupPrompt::Message(QWidget* parent, const QString& text,
                                                 const QString& title, QMessageBox::Icon icon,
                                                 QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString SetupPrompt::AskOpenFile(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, ToQtFilter(filter));
}

QString SetupPrompt::AskSaveFile(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) {
    // QFileDialog asks before overwriting unless told otherwise.
    return QFileDialog::getSaveFileName(parent, title, folder, ToQtFilter(filter));
}

SetupPrompt& CurrentPrompt() {
    static SetupPrompt qtPrompt;
    return installedPrompt ? *installedPrompt : qtPrompt;
}

void SetCurrentPrompt(SetupPrompt* prompt) {
    installedPrompt = prompt;
}

}  // namespace vantor
