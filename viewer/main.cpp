#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/korvalde_app.h"
#include "context/settings_store.h"
#include "glu_triangulator.h"
#include "language.h"
#include "view/screenshot_command.h"

namespace {

const char* const kHelp =
    "usage: korvalde [--no-splash] [--no-sound] [FILE.wrl...]\n"
    "       korvalde --screenshot OUT.png [--size WxH] [--mode shaded|hlr|hidden|wire]\n"
    "                [--projection persp|ortho] FILE.wrl\n"
    "       korvalde --screenshot OUT_DIR/ [options] FILE.wrl...\n"
    "       korvalde --thumbnail SIZE IN.wrl OUT.png [--timeout SECONDS] [--memory MB]\n"
    "       korvalde --help | --version\n"
    "\n"
    "Korvalde views and measures VRML 1.0 and 2.0 models. --screenshot and\n"
    "--thumbnail draw without any window or X display.\n";

// --help and --version answer before Qt starts, so they need no display.
bool AnswerInformationRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kHelp, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("korvalde " VANTOR_VERSION);
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnswerInformationRequest(argc, argv)) return 0;
    vantor::InstallGluTriangulator();
    // Thumbnails and reports: one picture, no splash and no windows.
    if (vantor::IsScreenshotRequest(argc, argv)) return vantor::RunScreenshotCommand(argc, argv);
    // Font display lists are shared between the views of all child windows.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norrkel"));
    QCoreApplication::setApplicationName(QStringLiteral("Korvalde"));
    vantor::InstallTranslations(QStringLiteral("korvalde"),
                                vantor::ChosenLanguage(vantor::KorvaldeSettings()));

    vantor::CKorvaldeApp app;
    if (!app.InitInstance(vantor::CKorvaldeApp::ParseCommandLine(QCoreApplication::arguments()),
                          app.GetPrompt()))
        return 1;
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
