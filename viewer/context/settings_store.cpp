#include "context/settings_store.h"

#include "commands/command_ids.h"

namespace vantor {

QStringList ReadRecentFiles(QSettings& settings) {
    QStringList files;
    settings.beginGroup(QStringLiteral("Recent File List"));
    for (int i = 1; i <= cmd::kRecentFileCount; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty()) files << file;
    }
    settings.endGroup();
    return files;
}

void WriteRecentFiles(QSettings& settings, const QStringList& files) {
    settings.beginGroup(QStringLiteral("Recent File List"));
    for (int i = 1; i <= cmd::kRecentFileCount; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= files.size())
            settings.setValue(key, files[i - 1]);
        else
            settings.remove(key);
    }
    settings.endGroup();
    settings.sync();
}

}  // namespace vantor
