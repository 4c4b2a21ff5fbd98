#include "navigate/view_commands.h"

#include <array>

namespace vantor {

namespace {

namespace id = view_command;
namespace code = view_code;
using K = ViewCommandKind;

// The menu texts keep their full-width spaces ("Move　->") and spellings.
constexpr std::array<ViewCommandInfo, 34> kCommands = {{
    {id::ZoomIn, "Zoom In", code::ZoomIn, K::Action, 0},
    {id::ZoomOut, "Zoom Out", code::ZoomOut, K::Action, 0},
    {id::RePaint, "再ペイント", code::RePaint, K::Action, 0},
    {id::Default, "デフォルト", code::Default, K::Action, 0},
    {id::Reset, "リセット", code::Reset, K::Action, 0},
    {id::MoveRight, "Move　->", code::MoveRight, K::Action, 0},
    {id::MoveLeft, "<-　Move", code::MoveLeft, K::Action, 0},
    {id::MoveUp, "Move　Up", code::MoveUp, K::Action, 0},
    {id::MoveDown, "Move　Down", code::MoveDown, K::Action, 0},
    {id::MoveZFar, "Move Z far", code::MoveZFar, K::Action, 0},
    {id::MoveZNear, "Move Z Near", code::MoveZNear, K::Action, 0},
    {id::TurnDownXPlus, "Turn　Down X Plus", code::TurnDownXPlus, K::Action, 0},
    {id::TurnUpXMinus, "TurnUp X Minus", code::TurnUpXMinus, K::Action, 0},
    {id::TurnYPlus, "Turn-> Y Plus", code::TurnYPlus, K::Action, 0},
    {id::TurnYMinus, "<-Turn y Minus", code::TurnYMinus, K::Action, 0},
    {id::RollZPlus, "Roal Z Plus", code::RollZPlus, K::Action, 0},
    {id::RollZMinus, "Roal Z Minus", code::RollZMinus, K::Action, 0},
    {id::Front, "Front", code::Front, K::Action, 0},
    {id::Side, "Side", code::Side, K::Action, 0},
    {id::Top, "Top", code::Top, K::Action, 0},
    {id::Turn180, "前後反転", code::Turn180, K::Action, 0},
    {id::SetRotationCentre, "回転中心設定", code::SetRotationCentre, K::Action, 0},
    {id::ClipDistances, "視点距離クリップ", code::None, K::Action, 0},
    {id::Section, "断面表示", code::None, K::Action, 0},
    {id::StepAmounts, "ステップ移動量設定", code::None, K::Action, 0},
    {id::Wireframe, "ワイヤーフレーム", code::None, K::DisplayMode, 3},
    {id::HiddenLine, "陰線表示", code::None, K::DisplayMode, 2},
    {id::HiddenLineRemoval, "陰線消去", code::None, K::DisplayMode, 1},
    {id::Shaded, "シェード表示", code::None, K::DisplayMode, 0},
    {id::ShowCoordinateCentre, "座標中心　表示", code::None, K::Toggle, 0},
    {id::ShowRotationCentre, "回転中心　表示", code::None, K::Toggle, 0},
    {id::ShowDatums, "データム表示", code::None, K::Toggle, 0},
    {id::PlayAll, "Play All", code::None, K::Toggle, 0},
    {id::PlayEach, "Play Each", code::None, K::Toggle, 0},
}};

}  // namespace

std::span<const ViewCommandInfo> ViewCommandTable() {
    return kCommands;
}

const ViewCommandInfo* FindViewCommand(int menuId) {
    for (const ViewCommandInfo& info : kCommands) {
        if (info.id == menuId) return &info;
    }
    return nullptr;
}

int ViewCommandForCode(int32_t bindingCode) {
    if (bindingCode == code::None) return 0;
    for (const ViewCommandInfo& info : kCommands) {
        if (info.bindingCode == bindingCode) return info.id;
    }
    return 0;
}

}  // namespace vantor
