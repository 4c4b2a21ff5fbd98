#pragma once
// The viewer's per-user settings: one INI file (organisation "Norrkel",
// application "Korvalde") with the group "2.10" for the install path and the
// binding file, and the recently-used file list.

#include <QSettings>
#include <QStringList>

namespace vantor {

inline constexpr const char* kSettingsGroup = "2.10";
inline constexpr const char* kInstallPathKey = "2.10/sInstallPath";
inline constexpr const char* kConfigKey = "2.10/Config";

class KorvaldeSettings : public QSettings {
  public:
    KorvaldeSettings()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Norrkel"),
                    QStringLiteral("Korvalde")) {}
};

QStringList ReadRecentFiles(QSettings& settings);
void WriteRecentFiles(QSettings& settings, const QStringList& files);

}  // namespace vantor
