#include "setup_prompt.h"

#include <QFileDialog>
#include <QStringList>

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

QString ToQtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString pattern = parts[i + 1];
        pattern.replace(u';', u' ');
        // "*.*" must also match names without a dot.
        if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
        QString name = parts[i];
        const qsizetype paren = name.indexOf(u'(');
        if (paren >= 0) name = name.left(paren).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(name, pattern);
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace vantor
