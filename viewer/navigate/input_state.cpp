#include "navigate/input_state.h"

#include "bindings/binding_table.h"

namespace vantor {

void InputState::ClearInputState() {
    rightDown = leftDown = middleDown = 0;
    zoomBoxSignX = zoomBoxSignY = zoomBoxWidth = zoomBoxHeight = 0;
    mouseButtons = mouse_buttons::None;
    heldKey = kNoHeldKey;
    mouseAction = mouse_action::None;
}

int32_t ClassifyButtons(bool right, bool left, bool middle) {
    if (right && !middle) return left ? mouse_buttons::RightAndLeft : mouse_buttons::Right;
    if (!right) {
        if (left && !middle) return mouse_buttons::Left;
        if (middle && !left) return mouse_buttons::Middle;
    }
    return mouse_buttons::None;
}

int32_t ClassifyAction(const BindingTable& bindings, int32_t mouseButtons, int32_t heldKey) {
    struct Candidate {
        MouseAction slot;
        int32_t action;
    };
    static constexpr Candidate kOrder[] = {
        {MouseAction::Spin, mouse_action::Spin},
        {MouseAction::MoveXY, mouse_action::MoveXY},
        {MouseAction::MoveZ0, mouse_action::MoveZ0},
        {MouseAction::MoveZ1, mouse_action::MoveZ1},
        {MouseAction::Zoom0, mouse_action::Zoom0},
        {MouseAction::Zoom1, mouse_action::ZoomBox},
        // Only when no view action claims the same button and key.
        {MouseAction::DimMoveXY, mouse_action::DimMoveXY},
        {MouseAction::DimMoveZ, mouse_action::DimMoveZ},
    };
    for (const Candidate& c : kOrder) {
        if (bindings.MouseButton(c.slot) == mouseButtons &&
            bindings.ModifierKey(c.slot) == heldKey) {
            return c.action;
        }
    }
    return mouse_action::None;
}

}  // namespace vantor
