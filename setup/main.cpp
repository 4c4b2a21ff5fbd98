#include <QApplication>
#include <QSettings>
#include <cstdio>
#include <cstring>

#include "language.h"
#include "setup_shared.h"
#include "startup.h"

namespace {

const char* const kHelp =
    "usage: tessmaran [Config.cfg]\n"
    "       tessmaran --help | --version\n"
    "\n"
    "Tessmaran assigns Korvalde's commands to keys and mouse buttons and writes\n"
    "the binding file. Everything after the program name is one file name.\n";

}  // namespace

int main(int argc, char** argv) {
    // Only a lone switch is one: any other command line is a file name.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("tessmaran %s\n", qPrintable(vantor::VersionText()));
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(vantor::kSettingsOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(vantor::kSettingsApplication));
    vantor::InstallTranslations(QStringLiteral("tessmaran"), vantor::ChosenLanguage(QSettings()));
    return vantor::RunTessmaran(QApplication::arguments().mid(1));
}
