#pragma once
// The names shared by the viewer and the setup tool: commands, keys, mouse
// actions and mouse buttons, with the viewer's codes and the setup tool's
// captions. All names are plain ASCII and compared exactly.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include "prompt/translate.h"

namespace vantor {

// Lookup results that mean "not in the table".
constexpr int32_t kUnknownName = -999999;  // viewer name-to-code lookups
constexpr int16_t kNoKeyIndex = -9977;     // setup tool's key index lookup
constexpr std::string_view kLookupError = "Error";

// The setup tool's values for "nothing bound"; never written to a file.
constexpr std::string_view kKeyNotUse = "KEY_NOT_USE";
constexpr std::string_view kMouseNotUse = "MOUSE_NOT_USE";
constexpr std::string_view kKeyNotUseCaption = VANTOR_TRANSLATE_NOOP("Vocabulary", "キー不使用");
constexpr std::string_view kMouseNotUseCaption =
    VANTOR_TRANSLATE_NOOP("Vocabulary", "コマンド不使用");

// Setup groups of key commands; the numbers are the setup tool's group ids.
enum class CommandGroup { View = 1, Data = 2, Dimension = 3, Parts = 4 };
constexpr int kCommandGroupCount = 4;

struct CommandInfo {
    std::string_view name;     // as stored in the binding file
    std::string_view caption;  // shown by the setup tool
};

// Commands the setup tool offers for a group, in table order.
std::span<const CommandInfo> CommandsOfGroup(CommandGroup group);

// Tab caption of a group and the explanation the setup tool shows on it
// (empty for the view group).
std::string_view GroupCaption(CommandGroup group);
std::string_view GroupExplanation(CommandGroup group);

// ---- keys ----------------------------------------------------------------

struct KeyInfo {
    std::string_view name;  // four names end in a blank that belongs to the name
    int32_t code;           // Windows virtual-key code (Japanese layout)
    std::string_view caption;
};

constexpr int kKeyCount = 84;
std::span<const KeyInfo, kKeyCount> KeyTable();

// F9 to F12 have a slot in the viewer's key part but no name.
constexpr int32_t kFirstUnnamedFunctionKey = 120;
constexpr int kUnnamedFunctionKeyCount = 4;

// ---- mouse -----------------------------------------------------------------

// Mouse actions in the order of the viewer's binding table.
enum class MouseAction { Spin, MoveXY, MoveZ0, MoveZ1, Zoom0, Zoom1, DimMoveXY, DimMoveZ };
constexpr int kMouseActionCount = 8;
// Rows of the setup tool's mouse tab (SPIN, MOVE_XY, ZOOM0, ZOOM1, MOVE_Z0, MOVE_Z1).
constexpr int kMouseRowCount = 6;

struct MouseActionInfo {
    MouseAction action;
    std::string_view name;     // "SPIN", ...; entry names add a prefix
    int setupRow;              // -1: not edited by the setup tool
    std::string_view caption;  // empty when setupRow is -1
};

constexpr std::string_view kMouseButtonEntryPrefix = "MOUSE_MOUSE_";
constexpr std::string_view kMouseKeyEntryPrefix = "MOUSE_KEY_";

// In binding-table order.
std::span<const MouseActionInfo, kMouseActionCount> MouseActionTable();
// The action shown in a setup row (0-5).
const MouseActionInfo& MouseActionForRow(int row);

// Modifier-only entries of the viewer's modifier part, after the eight actions.
enum class PartsModifier { ShowParts, NoShowParts, HilightItem, Measure };
constexpr int kPartsModifierCount = 4;
std::span<const std::string_view, kPartsModifierCount> PartsModifierNames();

struct MouseButtonInfo {
    std::string_view name;
    int32_t code;
    std::string_view caption;
};

constexpr int kMouseButtonCount = 4;
// MOUSE_RIGHT, MOUSE_LEFT, MOUSE_MIDDLE, MOUSE_BOTH (codes 100001-100004).
std::span<const MouseButtonInfo, kMouseButtonCount> MouseButtonTable();

// ---- dimension commands -------------------------------------------------------

constexpr int kDimensionCommandCount = 9;

// ---- viewer lookups ------------------------------------------------------------

// Command id of a name in the viewer's command table, or kUnknownName.
int32_t CommandIdForName(std::string_view name);
// Virtual-key code of a key name or code of a mouse button name, or kUnknownName.
int32_t KeyCodeForName(std::string_view name);

// ---- setup tool lookups ------------------------------------------------------

// Index 0-83 of a key name, or kNoKeyIndex.
int16_t KeyIndexForName(std::string_view name);
// Index of a key name compared with the names trimmed of blanks, as the
// setup tool's reader hands out trimmed values.
int16_t KeyIndexForTrimmedName(std::string_view name);
// Command name for a caption of the group; KEY_NOT_USE for "キー不使用";
// "Error" otherwise.
std::string GetCommand(CommandGroup group, std::string_view caption);
// Caption of a command name of any group, "キー不使用" for KEY_NOT_USE, "Error" otherwise.
std::string CaptionForCommand(std::string_view name);
// Group of a command name the setup tool knows; false when it knows none.
bool GroupOfCommand(std::string_view name, CommandGroup& group);
// Button name for a button caption ("コマンド不使用" gives MOUSE_NOT_USE), "Error" otherwise.
std::string GetMouseCommand(std::string_view caption);
// Caption for a button name (MOUSE_NOT_USE included), "Error" otherwise.
std::string GetMouseTitle(std::string_view name);

// Text without leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

}  // namespace vantor
