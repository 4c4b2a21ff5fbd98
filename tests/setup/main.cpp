// The setup tests need one QApplication and must not touch the user's own
// settings, so settings go to a scratch folder.

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "setup_shared.h"
#include "setup_test_support.h"

namespace vantor::test {

std::string ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), bytes.size());
}

ScratchFolder::ScratchFolder() {
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tessmaran_test_XXXXXX"));
    dir.setAutoRemove(false);
    folder_ = dir.path();
}

ScratchFolder::~ScratchFolder() {
    QDir(folder_).removeRecursively();
}

QString ScratchFolder::Path(const QString& name) const {
    return folder_ + u'/' + name;
}

}  // namespace vantor::test

int main(int argc, char** argv) {
    // The build lists the tests without any display; the forms hold no GL
    // widget, so the off-screen platform serves when there is no X server.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir settingsHome;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(vantor::kSettingsOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(vantor::kSettingsApplication));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
