#include <gtest/gtest.h>

#include <QRect>
#include <cfloat>
#include <cmath>
#include <deque>
#include <optional>
#include <vector>

#include "bindings/config_reader.h"
#include "commands/command_table.h"
#include "dialogs/three_value_dialog.h"
#include "math/vector_math.h"
#include "navigate/navigation_host.h"
#include "navigate/view_navigator.h"
#include "prompt/prompt.h"
#include "render/render_settings.h"
#include "scene/scene_data.h"
#include "support/qt_test_main.h"

using namespace vantor;
using Button = ViewNavigator::Button;

namespace {

const bool kNoApp = vantor::testing::RunWithoutApplication(__FILE__);

// A navigation host without a window: records what the navigator asked of
// the view and answers dialogs from a script.
class FakeNavigationHost : public NavigationHost {
  public:
    Camera& NavCamera() override { return camera; }
    RenderSettings& NavSettings() override { return settings; }
    SceneData* NavScene() override { return withScene ? &scene : nullptr; }
    const BindingTable& NavBindings() override { return bindings; }
    Prompt& NavPrompt() override { return prompt; }
    ViewportSize NavViewport() override { return viewport; }
    void RedrawView() override { ++redraws; }
    void ResizeViewport() override { ++resizes; }
    bool AskThreeValues(ThreeValueRequest& request) override {
        asked.push_back(request);
        if (dialogAnswers.empty()) return false;
        const std::optional<std::array<float, 3>> answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        if (!answer) return false;
        for (int i = 0; i < 3; ++i) request.values[i] = (*answer)[i];
        return true;
    }
    void StartSpinTimer() override { timerEvents.push_back(+1); }
    void StopSpinTimer() override { timerEvents.push_back(-1); }
    void ShowZoomBox(int x, int y, int w, int h) override { zoomBox = QRect(x, y, w, h); }
    void HideZoomBox() override { zoomBox.reset(); }
    bool SelectionEmpty() override { return !selected.has_value(); }
    bool CurrentSelectedItem(SelectedItem& item) override {
        if (!selected) return false;
        item = *selected;
        return true;
    }
    void RunDataCommand(int32_t code) override { dataCommands.push_back(code); }
    void ClearSelection() override { selected.reset(); }
    void ShowStatusText(const QString& text) override { status = text; }

    Camera camera;
    RenderSettings settings;
    SceneData scene;
    bool withScene = true;
    BindingTable bindings;
    ScriptedPrompt prompt;
    ViewportSize viewport{400, 300};
    int redraws = 0;
    int resizes = 0;
    std::vector<ThreeValueRequest> asked;
    std::deque<std::optional<std::array<float, 3>>> dialogAnswers;  // nullopt = Cancel
    std::vector<int> timerEvents;                                   // +1 start, -1 stop
    std::optional<QRect> zoomBox;
    std::optional<SelectedItem> selected;
    std::vector<int32_t> dataCommands;
    QString status;
};

constexpr int32_t kShift = 16;
constexpr int32_t kKeyD = 68;
constexpr int32_t kKeyN = 78;

struct Rig {
    Rig() : navigator(host) {
        ConfigReader(host.bindings, host.prompt)
            .ReadConfigFile(VANTOR_TEST_INPUTS "/navigate/mouse_and_keys.cfg");
        host.bindings.ApplyBinding("KEY_VIEW_DEFAULT", "VK_D");
        host.bindings.ApplyBinding("KEY_MAKE_DIM_RADIUS0", "VK_SHIFT");
    }
    FakeNavigationHost host;
    ViewNavigator navigator;
};

// The fixture's own rig, with short names for its parts.
class NavigateDispatch : public ::testing::Test {
  protected:
    Rig rig;
    FakeNavigationHost& host = rig.host;
    ViewNavigator& nav = rig.navigator;
    Camera& cam = rig.host.camera;
};

}  // namespace

TEST_F(NavigateDispatch, LeftAndMiddleTogetherDoNothing) {
    Camera before = cam;
    nav.ButtonDown(Button::Left, {10, 10});
    nav.ButtonDown(Button::Middle, {10, 10});
    EXPECT_EQ(nav.Input().mouseButtons, -1);
    EXPECT_EQ(nav.Input().mouseAction, -1);
    nav.Drag({60, 40});
    for (int i = 0; i < 16; ++i) EXPECT_EQ(cam.viewRotation[i], before.viewRotation[i]);
    EXPECT_EQ(cam.panX, before.panX);
    EXPECT_EQ(host.redraws, 0);
}

TEST_F(NavigateDispatch, ClipSlabDragsUseTheirFactor) {
    const double k = 40.0 / 300;  // zoomFactor x orthoHalfHeight / height

    // Motion after a release does nothing.
    nav.ButtonDown(Button::Left, {100, 100});
    nav.ButtonUp(Button::Left, {110, 104});
    EXPECT_FALSE(nav.HasCapture());
    nav.Drag({200, 200});
    EXPECT_EQ(host.redraws, 0);

    // Clip slab with Shift + middle: only horizontal motion, factor 2.05.
    nav.KeyPress(kShift);
    const float nearBefore = cam.nearPlane, farBefore = cam.farPlane, dist = cam.viewDistance;
    nav.ButtonDown(Button::Middle, {100, 100});
    nav.Drag({120, 300});
    EXPECT_NEAR(cam.nearPlane - nearBefore, 20 * 2.05 * k, 1e-4);
    EXPECT_NEAR(cam.farPlane - farBefore, 20 * 2.05 * k, 1e-4);
    EXPECT_EQ(cam.viewDistance, dist) << "move Z0 leaves the eye";
    EXPECT_GE(host.resizes, 1);
    nav.ButtonUp(Button::Middle, {120, 300});

    // Shift + right: the eye moves with the slab.
    nav.ButtonDown(Button::Right, {100, 100});
    nav.Drag({90, 100});
    EXPECT_NEAR(cam.viewDistance - dist, -10 * 2.05 * k, 1e-4);
    nav.ButtonUp(Button::Right, {90, 100});
    nav.KeyRelease(kShift);
}

// Zoom boxes cut short, which real events cannot time.
TEST_F(NavigateDispatch, ZoomBoxEndsWithoutAFrameLeft) {
    // Shift let go during the drag: the release is no zoom box any more,
    // and no frame stays behind.
    Rig released;
    released.navigator.KeyPress(kShift);
    released.navigator.ButtonDown(Button::Left, {300, 200});
    released.navigator.Drag({250, 260});
    ASSERT_TRUE(released.host.zoomBox.has_value());
    EXPECT_EQ(*released.host.zoomBox, QRect(250, 200, 50, 60)) << "left of the anchor";
    released.navigator.KeyRelease(kShift);
    released.navigator.ButtonUp(Button::Left, {250, 260});
    EXPECT_FALSE(released.host.zoomBox.has_value());
    EXPECT_EQ(released.host.camera.zoomFactor, 1.0f);

    // A left click with the radius key held ends the held key.
    Rig radius;
    radius.navigator.KeyPress(kShift);
    radius.navigator.ButtonDown(Button::Left, {0, 0});
    radius.navigator.ButtonUp(Button::Left, {40, 5});
    EXPECT_EQ(radius.navigator.Input().heldKey, -1);

    // Losing the activation in the middle of a box ends it too.
    Rig deactivated;
    deactivated.navigator.KeyPress(kShift);
    deactivated.navigator.ButtonDown(Button::Left, {0, 0});
    deactivated.navigator.Drag({100, 80});
    deactivated.navigator.Deactivate();
    EXPECT_FALSE(deactivated.host.zoomBox.has_value());
    EXPECT_FALSE(deactivated.navigator.HasCapture());
    deactivated.navigator.Drag({150, 120});
    EXPECT_FALSE(deactivated.host.zoomBox.has_value()) << "no drag without the capture";
}

// Firing on release is covered with real events; these are the rules
// around it that events cannot isolate.
TEST_F(NavigateDispatch, KeysFireOnReleaseOnce) {
    // Default from a key copies the press point into the spin point.
    nav.ButtonDown(Button::Right, {33, 44});
    nav.ButtonUp(Button::Right, {33, 44});
    nav.KeyPress(kKeyD);
    nav.KeyRelease(kKeyD);
    EXPECT_EQ(nav.Input().spinPoint.x, 33);
    EXPECT_EQ(cam.zoomFactor, 1.0f);

    // A data key acts on press; with nothing selected the status bar says so.
    nav.KeyPress(kKeyN);
    ASSERT_EQ(host.dataCommands.size(), 1u);
    EXPECT_EQ(host.dataCommands[0], 1);
    EXPECT_EQ(host.status, QStringLiteral(" ############ There is No Selected Data ########### "));
    // Holding it walks on: auto-repeated presses count as key-downs.
    nav.KeyPress(kKeyN, true);
    nav.KeyPress(kKeyN, true);
    EXPECT_EQ(host.dataCommands.size(), 3u) << "auto-repeat";
    nav.KeyRelease(kKeyN);
    EXPECT_EQ(host.dataCommands.size(), 3u) << "nothing on release";
}

TEST_F(NavigateDispatch, MenuCommandsAndCheckMarks) {
    EXPECT_FALSE(nav.RunCommand(12345));
    bool checked = false;
    EXPECT_FALSE(nav.IsCommandChecked(cmd::kZoomIn, checked));

    // Each display command selects its mode, and only its entry is checked.
    const int modeCommands[] = {cmd::kShaded, cmd::kHiddenLineRemoved, cmd::kHiddenLine,
                                cmd::kWireframe};
    for (int mode : {3, 2, 1, 0}) {
        ASSERT_TRUE(nav.RunCommand(modeCommands[mode]));
        EXPECT_EQ(host.settings.displayMode, mode);
        for (int other = 0; other < 4; ++other) {
            ASSERT_TRUE(nav.IsCommandChecked(modeCommands[other], checked));
            EXPECT_EQ(checked, other == mode) << mode << " " << other;
        }
    }

    host.settings.showDatums = 7;  // anything but 1 turns on
    nav.RunCommand(cmd::kShowDatums);
    EXPECT_EQ(host.settings.showDatums, 1);
    nav.RunCommand(cmd::kShowDatums);
    EXPECT_EQ(host.settings.showDatums, 0);

    // Front uses the scene's measuring system; without a scene the scene axes.
    host.withScene = false;
    nav.RunCommand(cmd::kFront);
    EXPECT_EQ(cam.viewRotation[0], 1.0f);
    EXPECT_EQ(cam.viewRotation[4], 0.0f);
}

TEST_F(NavigateDispatch, SpinToggles) {
    nav.RunCommand(cmd::kPlayAll);
    EXPECT_EQ(nav.Spin().playAll, 1);
    EXPECT_EQ(nav.Spin().spinTimerStarted, 1);
    ASSERT_EQ(host.prompt.shown.size(), 1u);
    EXPECT_EQ(host.prompt.shown[0].caption, "Caution");
    EXPECT_NE(host.prompt.shown[0].text.find("\r\n"), std::string::npos);

    nav.RunCommand(cmd::kPlayEach);  // timer already running
    EXPECT_EQ(host.scene.playEachFlag, 1);
    EXPECT_EQ(host.settings.playEach, 1);
    nav.RunCommand(cmd::kPlayAll);  // Play Each still needs the timer
    EXPECT_EQ(nav.Spin().playAll, 0);
    EXPECT_EQ(host.timerEvents, (std::vector<int>{+1}));

    host.scene.bounds[0] = -123;  // the fitted box survives the re-preparation
    nav.RunCommand(cmd::kPlayEach);
    EXPECT_EQ(host.timerEvents, (std::vector<int>{+1, -1}));
    EXPECT_EQ(host.scene.playEachFlag, 0);
    EXPECT_EQ(host.scene.bounds[0], -123);
    EXPECT_EQ(host.prompt.shown.size(), 2u) << "caution only when switching on";

    // Ticks turn the view only while Play All is on.
    const Camera before = cam;
    nav.SpinTimerTick();
    EXPECT_EQ(cam.viewRotation[0], before.viewRotation[0]);
    nav.RunCommand(cmd::kPlayAll);
    nav.SpinTimerTick();
    EXPECT_NE(cam.viewRotation[0], before.viewRotation[0]);
    bool checked = false;
    nav.IsCommandChecked(cmd::kPlayAll, checked);
    EXPECT_TRUE(checked);

    // Stopping both spins quietly (point edits need the parts at rest).
    nav.RunCommand(cmd::kPlayEach);
    const size_t messages = host.prompt.shown.size();
    nav.StopSpins();
    EXPECT_EQ(nav.Spin().playAll, 0);
    EXPECT_EQ(nav.Spin().playEach, 0);
    EXPECT_EQ(host.scene.playEachFlag, 0);
    EXPECT_EQ(host.timerEvents.back(), -1);
    EXPECT_EQ(host.prompt.shown.size(), messages);
}

TEST_F(NavigateDispatch, RotationCentreClipAndStepDialogs) {
    nav.KeyPress(kShift);
    host.dialogAnswers.push_back(std::array<float, 3>{1, 2, 3});
    nav.RunCommand(cmd::kSetRotationCentre);
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(cam.rotationCentre[2], 3.0f);
    EXPECT_EQ(cam.panX, 1.0f);
    EXPECT_EQ(cam.panY, 2.0f);
    EXPECT_EQ(nav.Input().heldKey, -1) << "input state cleared afterwards";

    host.dialogAnswers.push_back(std::nullopt);
    nav.RunCommand(cmd::kClipDistances);
    EXPECT_EQ(host.asked[1].values[2], 400.0f);
    EXPECT_EQ(cam.nearPlane, 40.0f) << "Cancel keeps the planes";

    host.dialogAnswers.push_back(std::array<float, 3>{5, 100, 900});
    nav.RunCommand(cmd::kSection);  // empty selection: the clip dialog
    EXPECT_EQ(cam.nearPlane, 5.0f);
    EXPECT_EQ(cam.viewDistance, 100.0f);
    EXPECT_EQ(cam.farPlane, 900.0f);

    host.dialogAnswers.push_back(std::array<float, 3>{2.5f, 15, 99});
    nav.RunCommand(cmd::kStepAmounts);
    EXPECT_EQ(cam.stepDistance, 2.5f);
    EXPECT_EQ(cam.stepAngle, 15.0f);
}

TEST_F(NavigateDispatch, RotationCentreFromTheSelection) {
    // A straight line has no arc centre: refused.
    host.selected = SelectedItem{1, {0, 0, 0}};
    host.scene.examinedCentre[0] = FLT_MAX;
    nav.SetRotationCentre();
    ASSERT_EQ(host.prompt.shown.size(), 1u);
    EXPECT_EQ(host.prompt.shown[0].text, "This line isS TRAIT !");
    EXPECT_EQ(cam.rotationCentre[0], 0.0f);

    // An arc: its centre, the selection stays.
    host.scene.examinedCentre[0] = 4;
    host.scene.examinedCentre[1] = 5;
    nav.SetRotationCentre();
    EXPECT_EQ(host.prompt.shown[1].text,
              "Center Point [] 4.000 ,5.000 ,0.000をスピン回転座標に設定しますか？");
    EXPECT_EQ(host.prompt.shown[1].caption, "Strat Point");
    EXPECT_EQ(cam.rotationCentre[0], 4.0f);
    EXPECT_EQ(cam.panY, 5.0f);
    EXPECT_TRUE(host.selected.has_value());

    // A point, answered Ok: its position, then the selection is cleared.
    host.selected = SelectedItem{2, {7, 8, 9}};
    nav.SetRotationCentre();
    EXPECT_EQ(host.prompt.shown[2].text.rfind(" Point [] 7.000 ,8.000 ,9.000", 0), 0u);
    EXPECT_EQ(cam.rotationCentre[2], 9.0f);
    EXPECT_FALSE(host.selected.has_value());

    host.selected = SelectedItem{6, {0, 0, 0}};
    nav.SetRotationCentre();
    EXPECT_EQ(host.prompt.shown[3].text, "Please select Point or Line");

    // Section through a picked point's depth.
    host.selected = SelectedItem{0, {0, 0, 10}};
    vmath::Identity(cam.viewRotation);
    cam.viewDistance = 50;
    nav.ShowSection();
    EXPECT_EQ(cam.nearPlane, 40.0f);
    // Turned half round about the rotation centre (7, 8, 9), the point
    // lies at z 8.
    TurnHalf(cam);
    nav.ShowSection();
    EXPECT_NEAR(cam.nearPlane, 42.0f, 1e-4);
}
