#pragma once
// The interface language of the window programs: Japanese (the language of
// the source texts) or English, from the saved choice or else the locale.

#include <QString>
#include <functional>

class QSettings;

namespace vantor {

inline constexpr char kLanguageKey[] = "Language";  // "ja", "en", or absent: the locale

// "ja" or "en".
QString ChosenLanguage(const QSettings& settings);

// For English, loads `program`_en.qm and core_en.qm from the translations
// folder beside the program into the application, and lets the core's texts
// follow them. Japanese needs nothing. False when a file is missing.
bool InstallTranslations(const QString& program, const QString& language);

// Saves the choice; it takes effect at the next start.
void SaveLanguage(QSettings& settings, const QString& language);

}  // namespace vantor

class QMenu;

namespace vantor {

// Adds the "Language" submenu to `parent`: 日本語 and English, the current
// one ticked; choosing one saves it with `save` and says that it applies at
// the next start.
void AddLanguageMenu(QMenu* parent, const QString& current,
                     const std::function<void(const QString&)>& save);

}  // namespace vantor
