#pragma once
// Values the tool's forms share, set once at start-up.

#include <QColor>
#include <QString>
#include <cstdint>
#include <string_view>

namespace vantor {

// Title of the tool in its About box.
inline constexpr char kProgramTitle[] = "Vantor3D Setup";
// Settings of the tool: QSettings(kSettingsOrganisation, kSettingsApplication).
inline constexpr char kSettingsOrganisation[] = "Norrkel";
inline constexpr char kSettingsApplication[] = "Tessmaran";

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 0;

// Dialog hide states: shown, closed by OK, closed by Cancel (or a failed check).
namespace hide_state {
constexpr int16_t Shown = -999;
constexpr int16_t Ok = 1;
constexpr int16_t Cancel = 2;
}  // namespace hide_state

struct SetupShared {
    QString versionText;    // "major.minor.revision"
    QString programFolder;  // folder of the executable; where Open and Save start
    QString dataFileName;   // the command line, when one was given
};

// The one instance; start-up fills it (programFolder and versionText are
// filled on first use when it did not run, as in tests).
SetupShared& Shared();

QString VersionText();

// A caption of the binding vocabulary as shown: translated, while the
// model and the binding file keep the caption itself.
QString ShownCaption(std::string_view caption);

// Colours of the key owners on the keyboard and the tab legends.
QColor ViewColour();
QColor MouseColour();
QColor DataColour();
QColor DimensionColour();
QColor PartsColour();
// Colour of a key owner (key_owner value); invalid for a free key.
QColor OwnerColour(int16_t owner);

}  // namespace vantor
