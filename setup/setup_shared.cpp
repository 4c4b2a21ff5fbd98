#include "setup_shared.h"

#include <QCoreApplication>

#include <string>
#include "bindings/key_command.h"

namespace vantor {

SetupShared& Shared() {
    static SetupShared shared = [] {
        SetupShared values;
        values.versionText = VersionText();
        values.programFolder = QCoreApplication::applicationDirPath();
        return values;
    }();
    return shared;
}

QString ShownCaption(std::string_view caption) {
    return QCoreApplication::translate("Vocabulary", std::string(caption).c_str());
}

QString VersionText() {
    return QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

QColor ViewColour() {
    return QColor(136, 255, 136);
}
QColor MouseColour() {
    return QColor(255, 136, 136);
}
QColor DataColour() {
    return QColor(136, 136, 255);
}
QColor DimensionColour() {
    return QColor(255, 136, 255);
}
QColor PartsColour() {
    return QColor(255, 255, 136);
}

QColor OwnerColour(int16_t owner) {
    switch (owner) {
        case key_owner::View:
            return ViewColour();
        case key_owner::Mouse:
            return MouseColour();
        case key_owner::Data:
            return DataColour();
        case key_owner::Dimension:
            return DimensionColour();
        case key_owner::Parts:
            return PartsColour();
        default:
            return QColor();
    }
}

}  // namespace vantor
