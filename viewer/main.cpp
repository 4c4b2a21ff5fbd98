#include <QApplication>

#include "app/korvalde_app.h"
#include "view/screenshot_command.h"

int main(int argc, char** argv) {
    // Thumbnails and reports: one picture, no splash and no windows.
    if (IsScreenshotRequest(argc, argv)) return RunScreenshotCommand(argc, argv);
    // Font display lists are shared between the views of all child windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norrkel"));
    QCoreApplication::setApplicationName(QStringLiteral("Korvalde"));

    CKorvaldeApp app;
    if (!app.InitInstance(CKorvaldeApp::ParseCommandLine(QCoreApplication::arguments()),
                          app.GetPrompt()))
        return 1;
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
