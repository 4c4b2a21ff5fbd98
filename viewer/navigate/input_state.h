#pragma once
// The view's mouse and keyboard state between events, and the rules that
// turn the buttons held and the key held into a mouse action through the
// binding table's mouse slots.

#include <cstdint>

namespace vantor {

class BindingTable;

// Button combinations, as the binding file names them.
namespace mouse_buttons {
constexpr int32_t None = -1;
constexpr int32_t Right = 100001;
constexpr int32_t Left = 100002;
constexpr int32_t Middle = 100003;
constexpr int32_t RightAndLeft = 100004;
}  // namespace mouse_buttons

// Continuous mouse operations.
namespace mouse_action {
constexpr int32_t None = -1;
constexpr int32_t Spin = 10;
constexpr int32_t MoveXY = 20;
constexpr int32_t MoveZ0 = 30;
constexpr int32_t MoveZ1 = 40;
constexpr int32_t Zoom0 = 50;
constexpr int32_t ZoomBox = 60;
constexpr int32_t DimMoveXY = 70;  // the selected dimension in the screen plane
constexpr int32_t DimMoveZ = 80;   // the selected dimension along the view's Z
}  // namespace mouse_action

constexpr int32_t kNoHeldKey = -1;

struct MousePoint {
    int x = 0;
    int y = 0;
};

struct InputState {
    InputState() { ClearInputState(); }

    // Buttons, key, action and zoom box back to "nothing"; the points stay.
    void ClearInputState();

    MousePoint dragPoint;      // last point of pan, clip and zoom drags
    MousePoint spinPoint;      // last point of the spin drag
    MousePoint downPoint;      // point of the last button press
    MousePoint zoomBoxAnchor;  // corner where the zoom box started
    int32_t mouseButtons = mouse_buttons::None;
    int32_t heldKey = kNoHeldKey;  // virtual-key code pressed and not yet released
    int32_t mouseAction = mouse_action::None;
    uint8_t rightDown = 0;
    uint8_t leftDown = 0;
    uint8_t middleDown = 0;
    // The zoom box last drawn: sign 0 (right/down of the anchor) or -1, size.
    int32_t zoomBoxSignX = 0;
    int32_t zoomBoxSignY = 0;
    int32_t zoomBoxWidth = 0;
    int32_t zoomBoxHeight = 0;
};

// Button combination of the three flags; left with middle, and all three,
// give none.
int32_t ClassifyButtons(bool right, bool left, bool middle);

// The first mouse action (spin, move XY, move Z0, move Z1, zoom 0, zoom box)
// whose button slot and modifier slot both equal the buttons and the key
// held; mouse_action::None when none does. No key held (-1) matches an
// unbound modifier slot.
int32_t ClassifyAction(const BindingTable& bindings, int32_t mouseButtons, int32_t heldKey);

}  // namespace vantor
