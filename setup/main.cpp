#include <QApplication>

#include "setup_shared.h"
#include "startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(vantor::kSettingsOrganisation));
    QApplication::setApplicationName(QString::fromLatin1(vantor::kSettingsApplication));
    return vantor::RunTessmaran(QApplication::arguments().mid(1));
}
