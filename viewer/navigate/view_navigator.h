#pragma once
// Turns the view's key, mouse, wheel and timer events and its menu commands
// into camera operations, through the binding table: view commands run when
// their key is released, data commands when their key is pressed, and mouse
// drags run the action bound to the buttons and the key held.

#include <cstdint>
#include <set>

#include <QCoreApplication>
#include "navigate/input_state.h"
#include "navigate/navigation_host.h"

namespace vantor {

// Spin flags of one view.
struct SpinState {
    int32_t playAll = 0;
    int32_t playEach = 0;
    int32_t spinTimerStarted = 0;  // 1 once the timer was started
};

constexpr int kSpinTimerMilliseconds = 150;

class ViewNavigator {
    Q_DECLARE_TR_FUNCTIONS(ViewNavigator)

  public:
    explicit ViewNavigator(NavigationHost& host) : host_(host) {}

    // Menu command `id` of the camera and display commands (the command
    // table names them); false for other ids.
    bool RunCommand(int id);
    // Check mark of a display mode, overlay or spin item; false when `id`
    // has none.
    bool IsCommandChecked(int id, bool& checked) const;

    // Keys: virtual-key codes. A release runs a view command only when the
    // view saw the key's press; auto-repeated presses run data commands
    // again, auto-repeated releases are ignored, so a held view key fires
    // once.
    void KeyPress(int32_t key, bool autoRepeat = false);
    void KeyRelease(int32_t key, bool autoRepeat = false);
    // The view command bound to `key`, if any.
    void DispatchViewCommand(int32_t key);

    enum class Button { Left, Right, Middle };
    void ButtonDown(Button button, MousePoint point);
    void ButtonUp(Button button, MousePoint point);
    void Drag(MousePoint point);
    // `delta`: signed wheel amount, 120 per notch. Wheel acts on the drag
    // while a button is held; WheelZoom is the wheel without a button.
    void Wheel(int delta);
    void WheelZoom(int delta);
    void SpinTimerTick();

    // The view lost activation: forget buttons, keys and any drag.
    void Deactivate();
    void ClearInputState() { input_.ClearInputState(); }

    void TogglePlayAll();
    void TogglePlayEach();
    // Both spins off and the timer stopped, without messages (edits of the
    // picked data need the parts at rest).
    void StopSpins();
    void SetRotationCentre();
    void EditClipDistances();
    void ShowSection();
    void EditStepAmounts();

    const InputState& Input() const { return input_; }
    const SpinState& Spin() const { return spin_; }
    bool HasCapture() const { return captured_; }

  private:
    void Classify();
    void DrawZoomBox(MousePoint point);
    // Drag of a dimension-move action: the selected dimension follows.
    void MoveDimension(int dx, int dy, double k);
    void RunDataKey(int32_t key);
    void SetRotationCentreFromSelection(const SelectedItem& item);
    void CentreOn(const float point[3]);
    // Hands the play-each flag to the drawing and the scene; switching it
    // off prepares the geometry again.
    void ApplyPlayEach();
    // Caution shown when a spin starts.
    void ShowSpinCaution();

    NavigationHost& host_;
    InputState input_;
    SpinState spin_;
    bool captured_ = false;
    std::set<int32_t> pressedKeys_;  // keys whose press reached the view
};

}  // namespace vantor
