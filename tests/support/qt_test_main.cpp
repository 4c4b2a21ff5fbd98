// The one main of a Qt test program: one QApplication for all its tests,
// and the user's own settings and data out of reach.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    // The build lists the tests without any display; the off-screen
    // platform serves that listing (the test run itself has an X server).
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir userHome;
    qputenv("XDG_CONFIG_HOME", (userHome.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (userHome.path() + "/data").toLocal8Bit());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
