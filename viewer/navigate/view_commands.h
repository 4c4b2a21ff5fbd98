#pragma once
// The view's camera, display and spin commands: menu ids, menu texts and
// the binding codes that run them from a key.

#include <cstdint>
#include <span>

namespace vantor {

namespace view_command {
constexpr int ZoomIn = 32825;
constexpr int ZoomOut = 32826;
constexpr int RePaint = 32781;
constexpr int Default = 32785;
constexpr int Reset = 32784;
constexpr int MoveRight = 32809;
constexpr int MoveLeft = 32810;
constexpr int MoveUp = 32811;
constexpr int MoveDown = 32812;
constexpr int MoveZFar = 32835;
constexpr int MoveZNear = 32836;
constexpr int TurnDownXPlus = 32808;
constexpr int TurnUpXMinus = 32807;
constexpr int TurnYPlus = 32806;
constexpr int TurnYMinus = 32805;
constexpr int RollZPlus = 32828;
constexpr int RollZMinus = 32829;
constexpr int Front = 32846;
constexpr int Side = 32848;
constexpr int Top = 32847;
constexpr int Turn180 = 32851;
constexpr int SetRotationCentre = 32792;
constexpr int ClipDistances = 32833;
constexpr int Section = 32866;
constexpr int StepAmounts = 32863;
constexpr int Wireframe = 32775;
constexpr int HiddenLine = 32776;
constexpr int HiddenLineRemoval = 32777;
constexpr int Shaded = 32778;
constexpr int ShowCoordinateCentre = 32799;
constexpr int ShowRotationCentre = 32800;
constexpr int ShowDatums = 32852;
constexpr int PlayAll = 32895;
constexpr int PlayEach = 32896;
}  // namespace view_command

// Binding codes of the view commands (what CommandForKey returns).
namespace view_code {
constexpr int32_t ZoomIn = 1001;
constexpr int32_t ZoomOut = 1002;
constexpr int32_t RePaint = 1003;
constexpr int32_t Default = 1004;
constexpr int32_t Reset = 1005;
constexpr int32_t MoveRight = 1011;
constexpr int32_t MoveLeft = 1012;
constexpr int32_t MoveUp = 1013;
constexpr int32_t MoveDown = 1014;
constexpr int32_t MoveZFar = 1015;
constexpr int32_t MoveZNear = 1016;
constexpr int32_t TurnDownXPlus = 1021;
constexpr int32_t TurnUpXMinus = 1022;
constexpr int32_t TurnYPlus = 1023;
constexpr int32_t TurnYMinus = 1024;
constexpr int32_t RollZPlus = 1025;
constexpr int32_t RollZMinus = 1026;
constexpr int32_t Front = 1030;
constexpr int32_t Side = 1031;
constexpr int32_t Top = 1032;
constexpr int32_t Turn180 = 1033;
constexpr int32_t SetRotationCentre = 1100;
constexpr int32_t None = -1;
}  // namespace view_code

// How a menu item shows its state.
enum class ViewCommandKind {
    Action,       // runs once
    DisplayMode,  // checked when displayMode equals its value
    Toggle,       // checked while its flag is 1
};

struct ViewCommandInfo {
    int id;                // menu command id
    const char* text;      // menu text (UTF-8)
    int32_t bindingCode;   // code that runs it from a key, or view_code::None
    ViewCommandKind kind;  // Action, DisplayMode or Toggle
    int32_t modeValue;     // displayMode value of a DisplayMode item, else 0
};

// Every view command in menu order (camera, turns, views, dialogs, display
// modes, overlays, spin).
std::span<const ViewCommandInfo> ViewCommandTable();

// The entry of a menu id, or null.
const ViewCommandInfo* FindViewCommand(int id);

// The menu id a binding code runs, or 0 when the code runs no view command.
int ViewCommandForCode(int32_t code);

}  // namespace vantor
