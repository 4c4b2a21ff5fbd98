#include "bindings/vocabulary.h"

#include <algorithm>

namespace vantor {
namespace {

// The captions of the KEY_VIEW_R_ ids say "move" and those of the KEY_VIEW_M_
// ids say "turn", because that is what the viewer runs for them.
constexpr CommandInfo kViewCommands[] = {
    {"KEY_VIEW_ZOOM_IN", VANTOR_TRANSLATE_NOOP("Vocabulary", "ズームイン")},
    {"KEY_VIEW_ZOOM_OUT", VANTOR_TRANSLATE_NOOP("Vocabulary", "ズームアウト")},
    {"KEY_VIEW_REPAINT", VANTOR_TRANSLATE_NOOP("Vocabulary", "再ペイント")},
    {"KEY_VIEW_DEFAULT", VANTOR_TRANSLATE_NOOP("Vocabulary", "デフォルト位置")},
    {"KEY_VIEW_RESET", VANTOR_TRANSLATE_NOOP("Vocabulary", "表示リセット")},
    {"KEY_VIEW_R_X_P", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｘ軸＋移動")},
    {"KEY_VIEW_R_X_M", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｘ軸－移動")},
    {"KEY_VIEW_R_Y_P", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｙ軸＋移動")},
    {"KEY_VIEW_R_Y_M", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｙ軸－移動")},
    {"KEY_VIEW_R_Z_P", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｚ軸＋移動")},
    {"KEY_VIEW_R_Z_M", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｚ軸－移動")},
    {"KEY_VIEW_M_X_P", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｘ軸＋回転")},
    {"KEY_VIEW_M_X_M", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｘ軸－回転")},
    {"KEY_VIEW_M_Y_P", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｙ軸＋回転")},
    {"KEY_VIEW_M_Y_M", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｙ軸－回転")},
    {"KEY_VIEW_M_Z_P", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｚ軸＋回転")},
    {"KEY_VIEW_M_Z_M", VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｚ軸－回転")},
    {"KEY_VIEW_FRONT", VANTOR_TRANSLATE_NOOP("Vocabulary", "フロント")},
    {"KEY_VIEW_SIDE", VANTOR_TRANSLATE_NOOP("Vocabulary", "サイド")},
    {"KEY_VIEW_TOP", VANTOR_TRANSLATE_NOOP("Vocabulary", "トップ")},
    {"KEY_VIEW_180", VANTOR_TRANSLATE_NOOP("Vocabulary", "前後反転")},
    {"KEY_SET_CSYS_SPIN", VANTOR_TRANSLATE_NOOP("Vocabulary", "回転中心変更")},
    {"KEY_SET_CSYS_DIM", VANTOR_TRANSLATE_NOOP("Vocabulary", "測定中心変更")},
    {"KEY_SET_MEASURE_ROTATION", VANTOR_TRANSLATE_NOOP("Vocabulary", "測定座表系変更")},
};

constexpr CommandInfo kDataCommands[] = {
    {"KEY_DATA_NEXT", VANTOR_TRANSLATE_NOOP("Vocabulary", "次のデータ")},
    {"KEY_DATA_PREVIOUS", VANTOR_TRANSLATE_NOOP("Vocabulary", "前のデータ")},
    {"KEY_DATA_LAST", VANTOR_TRANSLATE_NOOP("Vocabulary", "最後のデータ")},
    {"KEY_DATA_FIRST", VANTOR_TRANSLATE_NOOP("Vocabulary", "最初のデータ")},
    {"KEY_DATA_REQUERY", VANTOR_TRANSLATE_NOOP("Vocabulary", "データの更新")},
    {"KEY_DATA_DELETEALL", VANTOR_TRANSLATE_NOOP("Vocabulary", "データ削除")},
    {"KEY_DATA_SWITCH", VANTOR_TRANSLATE_NOOP("Vocabulary", "次のデータアイテム")},
};

// Also the order of the viewer's dimension-key part.
constexpr CommandInfo kDimensionCommands[] = {
    {"KEY_MAKE_DIM_POINT_TO_POINT", VANTOR_TRANSLATE_NOOP("Vocabulary", "点から点")},
    {"KEY_MAKE_DIM_CSYS_TO_POINT", VANTOR_TRANSLATE_NOOP("Vocabulary", "測定原点から点")},
    {"KEY_MAKE_DIM_FRONT_TO_POINT", VANTOR_TRANSLATE_NOOP("Vocabulary", "フロント面から点")},
    {"KEY_MAKE_DIM_SIDE_TO_POINT", VANTOR_TRANSLATE_NOOP("Vocabulary", "サイド面から点")},
    {"KEY_MAKE_DIM_TOP_TO_POINT", VANTOR_TRANSLATE_NOOP("Vocabulary", "トップ面から点")},
    {"KEY_MAKE_DIM_PLANE_TO_POINT", VANTOR_TRANSLATE_NOOP("Vocabulary", "設定面から点")},
    {"KEY_MAKE_DIM_RADIUS0", VANTOR_TRANSLATE_NOOP("Vocabulary", "半径")},
    {"KEY_MAKE_DIM_DIAMETER0", VANTOR_TRANSLATE_NOOP("Vocabulary", "直径")},
    {"KEY_MAKE_COMMENT0", VANTOR_TRANSLATE_NOOP("Vocabulary", "コメント")},
};
static_assert(std::size(kDimensionCommands) == kDimensionCommandCount);

constexpr CommandInfo kPartsCommands[] = {
    {"MOUSE_KEY_SHOW_PARTS", VANTOR_TRANSLATE_NOOP("Vocabulary", "部品非表示解除")},
    {"MOUSE_KEY_NOSHOW_PARTS", VANTOR_TRANSLATE_NOOP("Vocabulary", "部品非表示")},
    {"MOUSE_KEY_HILIGHT_ITEM", VANTOR_TRANSLATE_NOOP("Vocabulary", "アイテムハイライト")},
};

struct CommandId {
    std::string_view name;
    int32_t id;
};

// The viewer's command-name table. The dimension ids are reachable through
// the key part only with the hand-written names KEY_MAKE_RADIUS0 and
// KEY_MAKE_DIAMETER0; the other KEY_MAKE_ names go to the dimension part.
constexpr CommandId kViewerCommandIds[] = {
    {"KEY_VIEW_ZOOM_IN", 1001},
    {"KEY_VIEW_ZOOM_OUT", 1002},
    {"KEY_VIEW_REPAINT", 1003},
    {"KEY_VIEW_DEFAULT", 1004},
    {"KEY_VIEW_RESET", 1005},
    {"KEY_VIEW_R_X_P", 1011},
    {"KEY_VIEW_R_X_M", 1012},
    {"KEY_VIEW_R_Y_P", 1013},
    {"KEY_VIEW_R_Y_M", 1014},
    {"KEY_VIEW_R_Z_P", 1015},
    {"KEY_VIEW_R_Z_M", 1016},
    {"KEY_VIEW_M_X_P", 1021},
    {"KEY_VIEW_M_X_M", 1022},
    {"KEY_VIEW_M_Y_P", 1023},
    {"KEY_VIEW_M_Y_M", 1024},
    {"KEY_VIEW_M_Z_P", 1025},
    {"KEY_VIEW_M_Z_M", 1026},
    {"KEY_VIEW_FRONT", 1030},
    {"KEY_VIEW_SIDE", 1031},
    {"KEY_VIEW_TOP", 1032},
    {"KEY_VIEW_180", 1033},
    {"KEY_SET_CSYS_SPIN", 1100},
    {"KEY_SET_CSYS_DIM", 1101},
    {"KEY_SET_MEASURE_ROTATION", 2001},
    {"KEY_DATA_NEXT", 1},
    {"KEY_DATA_PREVIOUS", 2},
    {"KEY_DATA_LAST", 3},
    {"KEY_DATA_FIRST", 4},
    {"KEY_DATA_REQUERY", 6},
    {"KEY_DATA_DELETEALL", 7},
    {"KEY_DATA_SWITCH", 10},
    {"KEY_MAKE_DIM_POINT_TO_POINT", 100},
    {"KEY_MAKE_DIM_CSYS_TO_POINT", 101},
    {"KEY_MAKE_DIM_FRONT_TO_POINT", 102},
    {"KEY_MAKE_DIM_SIDE_TO_POINT", 103},
    {"KEY_MAKE_DIM_TOP_TO_POINT", 104},
    {"KEY_MAKE_DIM_PLANE_TO_POINT", 110},
    {"KEY_MAKE_RADIUS0", 111},
    {"KEY_MAKE_DIAMETER0", 112},
    {"KEY_MAKE_COMMENT0", 113},
};

constexpr std::array<KeyInfo, kKeyCount> kKeys = {{
    {"VK_A", 65, "A"},
    {"VK_B", 66, "B"},
    {"VK_C", 67, "C"},
    {"VK_D", 68, "D"},
    {"VK_E", 69, "E"},
    {"VK_F", 70, "F"},
    {"VK_G", 71, "G"},
    {"VK_H", 72, "H"},
    {"VK_I", 73, "I"},
    {"VK_J", 74, "J"},
    {"VK_K", 75, "K"},
    {"VK_L", 76, "L"},
    {"VK_M", 77, "M"},
    {"VK_N", 78, "N"},
    {"VK_O", 79, "O"},
    {"VK_P", 80, "P"},
    {"VK_Q", 81, "Q"},
    {"VK_R", 82, "R"},
    {"VK_S", 83, "S"},
    {"VK_T", 84, "T"},
    {"VK_U", 85, "U"},
    {"VK_V", 86, "V"},
    {"VK_W", 87, "W"},
    {"VK_X", 88, "X"},
    {"VK_Y", 89, "Y"},
    {"VK_Z", 90, "Z"},
    {"VK_1", 49, "1"},
    {"VK_2", 50, "2"},
    {"VK_3", 51, "3"},
    {"VK_4", 52, "4"},
    {"VK_5", 53, "5"},
    {"VK_6", 54, "6"},
    {"VK_7", 55, "7"},
    {"VK_8", 56, "8"},
    {"VK_9", 57, "9"},
    {"VK_0", 48, "0"},
    {"VK_F1", 112, "F1"},
    {"VK_F2", 113, "F2"},
    {"VK_F3", 114, "F3"},
    {"VK_F4", 115, "F4"},
    {"VK_F5", 116, "F5"},
    {"VK_F6", 117, "F6"},
    {"VK_F7", 118, "F7"},
    {"VK_F8", 119, "F8"},
    {"VK_NUMPAD0", 96, "0"},
    {"VK_NUMPAD1", 97, "1"},
    {"VK_NUMPAD2", 98, "2"},
    {"VK_NUMPAD3", 99, "3"},
    {"VK_NUMPAD4", 100, "4"},
    {"VK_NUMPAD5", 101, "5"},
    {"VK_NUMPAD6", 102, "6"},
    {"VK_NUMPAD7", 103, "7"},
    {"VK_NUMPAD8", 104, "8"},
    {"VK_NUMPAD9", 105, "9"},
    {"VK_ADD", 107, "+"},
    {"VK_DECIMAL", 110, "."},
    {"VK_MULTIPLY ", 106, "*"},
    {"VK_SUBTRACT ", 109, "-"},
    {"VK_DIVIDE", 111, "/"},
    {"VK_END", 35, "END"},
    {"VK_HOME ", 36, "Home"},
    {"VK_DELETE", 46, "Delete"},
    {"VK_INSERT ", 45, "Insert"},
    {"VK_CONTROL", 17, "Ctrl"},
    {"VK_SPACE", 32, "S P A C E"},
    {"VK_SHIFT", 16, "Shift"},
    {"VK_DOWN", 40, VANTOR_TRANSLATE_NOOP("Vocabulary", "↓")},
    {"VK_UP", 38, VANTOR_TRANSLATE_NOOP("Vocabulary", "↑")},
    {"VK_RIGHT", 39, VANTOR_TRANSLATE_NOOP("Vocabulary", "→")},
    {"VK_LEFT", 37, VANTOR_TRANSLATE_NOOP("Vocabulary", "←")},
    {"VK_EQUALS", 189, "-"},
    {"VK_BACK_SLASH", 220, "^"},
    {"VK_BACK_SPACE", 8, "\\"},
    {"VK_BACK_QUOTE", 192, "@"},
    {"VK_OPEN_BRACKET", 219, "["},
    {"VK_SEMICOLON", 187, ";"},
    {"VK_COLON", 186, ":"},
    {"VK_CLOSE_BRACKET", 221, "]"},
    {"VK_COMMA", 188, ","},
    {"VK_PERIOD", 190, "."},
    {"VK_SLASH", 191, "/"},
    {"VK_226", 226, VANTOR_TRANSLATE_NOOP("Vocabulary", "＼")},
    {"VK_PAGE_DOWN", 34, "PageDown"},
    {"VK_PAGE_UP", 33, "PageUp"},
}};

constexpr std::array<MouseActionInfo, kMouseActionCount> kMouseActions = {{
    {MouseAction::Spin, "SPIN", 0, VANTOR_TRANSLATE_NOOP("Vocabulary", "スピン")},
    {MouseAction::MoveXY, "MOVE_XY", 1, VANTOR_TRANSLATE_NOOP("Vocabulary", "ＸＹ移動")},
    {MouseAction::MoveZ0, "MOVE_Z0", 4, VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｚ移動０")},
    {MouseAction::MoveZ1, "MOVE_Z1", 5, VANTOR_TRANSLATE_NOOP("Vocabulary", "Ｚ移動１")},
    {MouseAction::Zoom0, "ZOOM0", 2, VANTOR_TRANSLATE_NOOP("Vocabulary", "全体ズーム")},
    {MouseAction::Zoom1, "ZOOM1", 3, VANTOR_TRANSLATE_NOOP("Vocabulary", "部分ズームイン")},
    {MouseAction::DimMoveXY, "DIM_MOVE_XY", -1, ""},
    {MouseAction::DimMoveZ, "DIM_MOVE_Z", -1, ""},
}};

// Table index of the action shown in each setup row.
constexpr int kActionOfRow[kMouseRowCount] = {0, 1, 4, 5, 2, 3};

constexpr std::array<std::string_view, kPartsModifierCount> kPartsModifierNames = {
    "MOUSE_KEY_SHOW_PARTS", "MOUSE_KEY_NOSHOW_PARTS", "MOUSE_KEY_HILIGHT_ITEM",
    "MOUSE_KEY_MEASURE"};

constexpr std::array<MouseButtonInfo, kMouseButtonCount> kMouseButtons = {{
    {"MOUSE_RIGHT", 100001, VANTOR_TRANSLATE_NOOP("Vocabulary", "マウス右ボタン")},
    {"MOUSE_LEFT", 100002, VANTOR_TRANSLATE_NOOP("Vocabulary", "マウス左ボタン")},
    {"MOUSE_MIDDLE", 100003, VANTOR_TRANSLATE_NOOP("Vocabulary", "マウス中ボタン(ホイル)")},
    {"MOUSE_BOTH", 100004, VANTOR_TRANSLATE_NOOP("Vocabulary", "マウス左右ボタン両方")},
}};

}  // namespace

std::span<const CommandInfo> CommandsOfGroup(CommandGroup group) {
    switch (group) {
        case CommandGroup::View:
            return kViewCommands;
        case CommandGroup::Data:
            return kDataCommands;
        case CommandGroup::Dimension:
            return kDimensionCommands;
        case CommandGroup::Parts:
            return kPartsCommands;
    }
    return {};
}

std::string_view GroupCaption(CommandGroup group) {
    switch (group) {
        case CommandGroup::View:
            return VANTOR_TRANSLATE_NOOP("Vocabulary", "キーコマンド");
        case CommandGroup::Data:
            return VANTOR_TRANSLATE_NOOP("Vocabulary", "データ操作");
        case CommandGroup::Dimension:
            return VANTOR_TRANSLATE_NOOP("Vocabulary", "寸法測定作成");
        case CommandGroup::Parts:
            return VANTOR_TRANSLATE_NOOP("Vocabulary", "部品の操作");
    }
    return {};
}

std::string_view GroupExplanation(CommandGroup group) {
    switch (group) {
        case CommandGroup::View:
            return {};
        case CommandGroup::Data:
            return VANTOR_TRANSLATE_NOOP(
                "Vocabulary",
                "　画面をマウスのＬボタンでダブルクリックしてオブジェクト（面、線など）を選択し"
                "た"
                "場合、奥行き方向に別のオブジェクトを探す場合、また、同一オブジェクトにて他のア"
                "イテムを探す（その面のエッジを選択など）場合に使用します。");
        case CommandGroup::Dimension:
            return VANTOR_TRANSLATE_NOOP(
                "Vocabulary",
                "　寸法を作成する時、マウスのＬボタンクリックと同時に押されているべきキーを設定"
                "します。　このキーを設定していないと、このコマンドは使用できません。");
        case CommandGroup::Parts:
            return VANTOR_TRANSLATE_NOOP(
                "Vocabulary",
                "　画面をマウスのＲボタンでダブルクリックして部品、またオブジェクト（面、線など"
                "）を選択し、部品のの表示、消去、キルトのハイライトなどを設定する場合に使用しま"
                "す。");
    }
    return {};
}

std::span<const KeyInfo, kKeyCount> KeyTable() {
    return kKeys;
}

std::span<const MouseActionInfo, kMouseActionCount> MouseActionTable() {
    return kMouseActions;
}

const MouseActionInfo& MouseActionForRow(int row) {
    return kMouseActions[kActionOfRow[std::clamp(row, 0, kMouseRowCount - 1)]];
}

std::span<const std::string_view, kPartsModifierCount> PartsModifierNames() {
    return kPartsModifierNames;
}

std::span<const MouseButtonInfo, kMouseButtonCount> MouseButtonTable() {
    return kMouseButtons;
}

int32_t CommandIdForName(std::string_view name) {
    for (const CommandId& entry : kViewerCommandIds) {
        if (entry.name == name) return entry.id;
    }
    return kUnknownName;
}

int32_t KeyCodeForName(std::string_view name) {
    for (const KeyInfo& key : kKeys) {
        if (key.name == name) return key.code;
    }
    for (const MouseButtonInfo& button : kMouseButtons) {
        if (button.name == name) return button.code;
    }
    return kUnknownName;
}

int16_t KeyIndexForName(std::string_view name) {
    for (int16_t i = 0; i < kKeyCount; ++i) {
        if (kKeys[i].name == name) return i;
    }
    return kNoKeyIndex;
}

int16_t KeyIndexForTrimmedName(std::string_view name) {
    for (int16_t i = 0; i < kKeyCount; ++i) {
        if (TrimBlanks(kKeys[i].name) == name) return i;
    }
    return kNoKeyIndex;
}

std::string GetCommand(CommandGroup group, std::string_view caption) {
    for (const CommandInfo& command : CommandsOfGroup(group)) {
        if (command.caption == caption) return std::string(command.name);
    }
    if (caption == kKeyNotUseCaption) return std::string(kKeyNotUse);
    return std::string(kLookupError);
}

bool GroupOfCommand(std::string_view name, CommandGroup& group) {
    for (int g = 1; g <= kCommandGroupCount; ++g) {
        for (const CommandInfo& command : CommandsOfGroup(static_cast<CommandGroup>(g))) {
            if (command.name == name) {
                group = static_cast<CommandGroup>(g);
                return true;
            }
        }
    }
    return false;
}

std::string CaptionForCommand(std::string_view name) {
    for (int g = 1; g <= kCommandGroupCount; ++g) {
        for (const CommandInfo& command : CommandsOfGroup(static_cast<CommandGroup>(g))) {
            if (command.name == name) return std::string(command.caption);
        }
    }
    if (name == kKeyNotUse) return std::string(kKeyNotUseCaption);
    return std::string(kLookupError);
}

std::string GetMouseCommand(std::string_view caption) {
    for (const MouseButtonInfo& button : kMouseButtons) {
        if (button.caption == caption) return std::string(button.name);
    }
    if (caption == kMouseNotUseCaption) return std::string(kMouseNotUse);
    return std::string(kLookupError);
}

std::string GetMouseTitle(std::string_view name) {
    for (const MouseButtonInfo& button : kMouseButtons) {
        if (button.name == name) return std::string(button.caption);
    }
    if (name == kMouseNotUse) return std::string(kMouseNotUseCaption);
    return std::string(kLookupError);
}

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

}  // namespace vantor
