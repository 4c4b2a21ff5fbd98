#include "navigate/view_navigator.h"

#include <algorithm>
#include <cstdlib>

#include "bindings/binding_table.h"
#include "commands/command_table.h"
#include "math/vector_math.h"
#include "prompt/prompt.h"
#include "render/render_settings.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {

constexpr double kSpinRadiansPerPixel = 0.015;
constexpr double kWheelSpinPerUnit = 0.005;
constexpr double kWheelMovePerUnit = 0.3;
constexpr double kPanFactor = 2.0;
constexpr double kClipFactor = 2.05;

constexpr int32_t kFirstDataCommand = 1;
constexpr int32_t kLastDataCommand = 10;
// Dimension keys whose command ends the held-key state: plane, radius,
// diameter and comment (the last four of the nine).
constexpr int kFirstKeyConsumingDimension = 5;

const char* const kNoSelectedData = " ############ There is No Selected Data ########### ";

const float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

void Rotate(Camera& camera, double aboutX, double aboutY) {
    double rx[16], ry[16], both[16];
    vmath::RotationX(rx, aboutX);
    vmath::RotationY(ry, aboutY);
    vmath::Multiply(both, rx, ry);
    PreMultiplyRotation(camera, both);
}

// The display mode a view-menu command selects, or -1.
int32_t DisplayModeOf(int id) {
    switch (id) {
        case cmd::kShaded:
            return kDisplayShaded;
        case cmd::kHiddenLineRemoved:
            return kDisplayHiddenLineRemoval;
        case cmd::kHiddenLine:
            return kDisplayHiddenLine;
        case cmd::kWireframe:
            return kDisplayWireframe;
        default:
            return -1;
    }
}

// The on/off overlay setting a view-menu command toggles, or null.
template <typename Settings>
auto* OverlayOf(Settings& settings, int id) {
    decltype(&settings.showDatums) none = nullptr;
    switch (id) {
        case cmd::kShowCoordinateCentre:
            return &settings.showCoordinateCentre;
        case cmd::kShowRotationCentre:
            return &settings.showRotationCentre;
        case cmd::kShowDatums:
            return &settings.showDatums;
        default:
            return none;
    }
}

void ShiftClipPlanes(Camera& camera, double d, bool withViewDistance) {
    camera.nearPlane = static_cast<float>(camera.nearPlane + d);
    camera.farPlane = static_cast<float>(camera.farPlane + d);
    if (withViewDistance) camera.viewDistance = static_cast<float>(camera.viewDistance + d);
}

}  // namespace

bool ViewNavigator::RunCommand(int id) {
    Camera& camera = host_.NavCamera();
    RenderSettings& settings = host_.NavSettings();
    SceneData* scene = host_.NavScene();
    const float* csys = scene ? scene->csysRotation : kIdentity;

    if (const int32_t mode = DisplayModeOf(id); mode >= 0) {
        settings.displayMode = mode;
        host_.RedrawView();
        return true;
    }
    if (int32_t* overlay = OverlayOf(settings, id)) {
        *overlay = *overlay == 1 ? 0 : 1;
        host_.RedrawView();
        return true;
    }
    switch (id) {
        case cmd::kZoomIn:
            ZoomIn(camera);
            break;
        case cmd::kZoomOut:
            ZoomOut(camera);
            break;
        case cmd::kRepaint:
            host_.ResizeViewport();
            return true;
        case cmd::kDefault:
            DefaultView(camera, scene);
            input_.spinPoint = input_.downPoint;
            break;
        case cmd::kReset:
            ResetView(camera, scene);
            input_.spinPoint = input_.downPoint;
            host_.ResizeViewport();
            return true;
        case cmd::kMoveRight:
            MoveStep(camera, StepMove::Right);
            break;
        case cmd::kMoveLeft:
            MoveStep(camera, StepMove::Left);
            break;
        case cmd::kMoveUp:
            MoveStep(camera, StepMove::Up);
            break;
        case cmd::kMoveDown:
            MoveStep(camera, StepMove::Down);
            break;
        case cmd::kMoveZFar:
            MoveStep(camera, StepMove::ZFar);
            break;
        case cmd::kMoveZNear:
            MoveStep(camera, StepMove::ZNear);
            break;
        case cmd::kTurnXPlus:
            TurnStep(camera, StepTurn::DownXPlus);
            break;
        case cmd::kTurnXMinus:
            TurnStep(camera, StepTurn::UpXMinus);
            break;
        case cmd::kTurnYPlus:
            TurnStep(camera, StepTurn::YPlus);
            break;
        case cmd::kTurnYMinus:
            TurnStep(camera, StepTurn::YMinus);
            break;
        case cmd::kRollZPlus:
            TurnStep(camera, StepTurn::RollZPlus);
            break;
        case cmd::kRollZMinus:
            TurnStep(camera, StepTurn::RollZMinus);
            break;
        case cmd::kFront:
            FrontView(camera, csys);
            break;
        case cmd::kSide:
            SideView(camera, csys);
            break;
        case cmd::kTop:
            TopView(camera, csys);
            break;
        case cmd::kTurn180:
            TurnHalf(camera);
            break;
        case cmd::kSetRotationCentre:
            SetRotationCentre();
            return true;
        case cmd::kClipDistances:
            EditClipDistances();
            return true;
        case cmd::kSection:
            ShowSection();
            return true;
        case cmd::kStepAmounts:
            EditStepAmounts();
            return true;
        case cmd::kPlayAll:
            TogglePlayAll();
            break;
        case cmd::kPlayEach:
            TogglePlayEach();
            break;
        default:
            return false;
    }
    host_.RedrawView();
    return true;
}

bool ViewNavigator::IsCommandChecked(int id, bool& checked) const {
    const RenderSettings& settings = host_.NavSettings();
    if (const int32_t mode = DisplayModeOf(id); mode >= 0) {
        checked = settings.displayMode == mode;
        return true;
    }
    if (const int32_t* overlay = OverlayOf(settings, id)) {
        checked = *overlay == 1;
        return true;
    }
    switch (id) {
        case cmd::kPlayAll:
            checked = spin_.playAll != 0;
            return true;
        case cmd::kPlayEach:
            checked = spin_.playEach != 0;
            return true;
        default:
            return false;
    }
}

// --- Keys -------------------------------------------------------------------

void ViewNavigator::KeyPress(int32_t key, bool autoRepeat) {
    if (autoRepeat && !pressedKeys_.count(key)) return;
    pressedKeys_.insert(key);
    input_.heldKey = key;
    RunDataKey(key);
}

void ViewNavigator::KeyRelease(int32_t key, bool autoRepeat) {
    if (autoRepeat) return;
    input_.heldKey = kNoHeldKey;
    // A menu shortcut (Ctrl+S) takes the press away from the view: its
    // release must not also run the view command of the letter.
    if (pressedKeys_.erase(key) == 0) return;
    DispatchViewCommand(key);
}

void ViewNavigator::DispatchViewCommand(int32_t key) {
    const int id = CommandForBindingCode(host_.NavBindings().CommandForKey(key));
    if (id != 0) RunCommand(id);
}

void ViewNavigator::RunDataKey(int32_t key) {
    const int32_t code = host_.NavBindings().CommandForKey(key);
    // Raw key codes lie below 256 too, but only ids 1-10 are data commands.
    if (code < kFirstDataCommand || code > kLastDataCommand) return;
    host_.RunDataCommand(code);
    if (host_.SelectionEmpty()) {
        host_.ShowStatusText(QString::fromUtf8(kNoSelectedData));
        host_.RedrawMainWindow();
    } else {
        host_.RedrawSelectionHighlight();
    }
}

// --- Mouse ------------------------------------------------------------------

void ViewNavigator::Classify() {
    input_.mouseButtons = ClassifyButtons(input_.rightDown, input_.leftDown, input_.middleDown);
    input_.mouseAction = ClassifyAction(host_.NavBindings(), input_.mouseButtons, input_.heldKey);
}

void ViewNavigator::ButtonDown(Button button, MousePoint point) {
    host_.CaptureMouse();
    captured_ = true;
    input_.dragPoint = input_.spinPoint = input_.downPoint = point;
    switch (button) {
        case Button::Left:
            input_.leftDown = 1;
            break;
        case Button::Right:
            input_.rightDown = 1;
            break;
        case Button::Middle:
            input_.middleDown = 1;
            break;
    }
    Classify();
    if (input_.mouseAction == mouse_action::ZoomBox) {
        input_.zoomBoxAnchor = point;
        input_.zoomBoxSignX = input_.zoomBoxSignY = 0;
        input_.zoomBoxWidth = input_.zoomBoxHeight = 0;
    }
}

void ViewNavigator::DrawZoomBox(MousePoint point) {
    const MousePoint anchor = input_.zoomBoxAnchor;
    input_.zoomBoxWidth = std::abs(point.x - anchor.x);
    input_.zoomBoxHeight = std::abs(point.y - anchor.y);
    input_.zoomBoxSignX = point.x < anchor.x ? -1 : 0;
    input_.zoomBoxSignY = point.y < anchor.y ? -1 : 0;
    // A rubber band replaces the XOR frame: same anchor, size and sign.
    host_.ShowZoomBox(anchor.x + input_.zoomBoxWidth * input_.zoomBoxSignX,
                      anchor.y + input_.zoomBoxHeight * input_.zoomBoxSignY, input_.zoomBoxWidth,
                      input_.zoomBoxHeight);
}

void ViewNavigator::Drag(MousePoint point) {
    if (!captured_) return;
    Camera& camera = host_.NavCamera();
    const ViewportSize viewport = host_.NavViewport();
    const double k = PixelScale(camera, viewport);
    const int dx = point.x - input_.dragPoint.x;
    const int dy = point.y - input_.dragPoint.y;

    switch (input_.mouseAction) {
        case mouse_action::Spin:
            Rotate(camera, (point.y - input_.spinPoint.y) * kSpinRadiansPerPixel,
                   (point.x - input_.spinPoint.x) * kSpinRadiansPerPixel);
            host_.RedrawView();
            input_.spinPoint = point;
            break;
        case mouse_action::MoveXY:
            camera.panX = static_cast<float>(camera.panX - dx * kPanFactor * k);
            camera.panY = static_cast<float>(camera.panY + dy * kPanFactor * k);
            host_.RedrawView();
            input_.dragPoint = point;
            break;
        case mouse_action::MoveZ0:
        case mouse_action::MoveZ1:
            // Only horizontal motion moves the clip slab.
            ShiftClipPlanes(camera, dx * kClipFactor * k,
                            input_.mouseAction == mouse_action::MoveZ1);
            host_.ResizeViewport();
            input_.dragPoint = point;
            break;
        case mouse_action::Zoom0:
            if (viewport.width <= 0) return;
            ZoomByFraction(camera, double(dx) / viewport.width);
            host_.RedrawView();
            input_.dragPoint = point;
            break;
        case mouse_action::ZoomBox:
            DrawZoomBox(point);
            input_.spinPoint = point;
            break;
        case mouse_action::DimMoveXY:
        case mouse_action::DimMoveZ:
            MoveDimension(dx, dy, k);
            input_.dragPoint = point;
            break;
        default:
            break;
    }
}

void ViewNavigator::MoveDimension(int dx, int dy, double k) {
    // The shift in eye coordinates, at the pan's scale, turned into world
    // coordinates by the transposed view rotation.
    const bool alongZ = input_.mouseAction == mouse_action::DimMoveZ;
    const double eye[3] = {alongZ ? 0 : dx * kPanFactor * k, alongZ ? 0 : -dy * kPanFactor * k,
                           alongZ ? dx * kPanFactor * k : 0};
    const float* r = host_.NavCamera().viewRotation;
    double world[3];
    for (int i = 0; i < 3; ++i)
        world[i] = r[4 * i] * eye[0] + r[4 * i + 1] * eye[1] + r[4 * i + 2] * eye[2];
    host_.MoveSelectedDimension(world);
}

void ViewNavigator::ButtonUp(Button button, MousePoint point) {
    if (button != Button::Left && !captured_) return;
    if (button == Button::Right) input_.rightDown = 0;
    Classify();

    const bool othersDown = button == Button::Left    ? input_.rightDown || input_.middleDown
                            : button == Button::Right ? input_.leftDown || input_.middleDown
                                                      : input_.leftDown || input_.rightDown;
    if (!othersDown && captured_) {
        host_.ReleaseMouse();
        captured_ = false;
    }

    Camera& camera = host_.NavCamera();
    if (input_.mouseAction == mouse_action::ZoomBox) {
        host_.HideZoomBox();
        FinishZoomBox(camera, host_.NavViewport(), input_.zoomBoxAnchor.x, input_.zoomBoxAnchor.y,
                      point.x, point.y);
        camera.projectionMode =
            camera.IsOrthographic() ? kProjectionOrthographic : kProjectionPerspective;
        host_.RedrawView();
    } else if (!captured_) {
        // The action changed under the drag (a key was released): no frame
        // may stay behind.
        host_.HideZoomBox();
    }

    if (button == Button::Left && input_.heldKey != kNoHeldKey) {
        // Each matching dimension command runs on the selection; the last
        // four end the held key.
        const BindingTable& bindings = host_.NavBindings();
        int32_t key = input_.heldKey;
        for (int i = 0; i < kDimensionCommandCount; ++i) {
            if (bindings.DimensionKey(i) != key) continue;
            host_.DimensionKeyClicked(i);
            if (i >= kFirstKeyConsumingDimension) input_.heldKey = kNoHeldKey;
        }
    }

    switch (button) {
        case Button::Left:
            input_.leftDown = 0;
            break;
        case Button::Right:
            input_.rightDown = 0;
            break;
        case Button::Middle:
            input_.middleDown = 0;
            break;
    }
}

void ViewNavigator::Wheel(int delta) {
    if (!captured_) return;
    Camera& camera = host_.NavCamera();
    const ViewportSize viewport = host_.NavViewport();
    const double k = PixelScale(camera, viewport);
    switch (input_.mouseAction) {
        case mouse_action::Spin:
            Rotate(camera, 0.0, delta * kWheelSpinPerUnit);
            host_.RedrawView();
            break;
        case mouse_action::MoveXY:
            camera.panX = static_cast<float>(camera.panX - delta * kWheelMovePerUnit * k);
            host_.RedrawView();
            break;
        case mouse_action::MoveZ0:
        case mouse_action::MoveZ1:
            ShiftClipPlanes(camera, delta * kWheelMovePerUnit * kClipFactor * k,
                            input_.mouseAction == mouse_action::MoveZ1);
            host_.ResizeViewport();
            break;
        case mouse_action::Zoom0:
            if (viewport.width <= 0) return;
            ZoomByFraction(camera, double(delta) / viewport.width);
            host_.RedrawView();
            break;
        default:
            break;
    }
}

void ViewNavigator::WheelZoom(int delta) {
    ZoomByWheel(host_.NavCamera(), delta);
    host_.RedrawView();
}

void ViewNavigator::Deactivate() {
    input_.ClearInputState();
    pressedKeys_.clear();
    if (captured_) host_.ReleaseMouse();
    captured_ = false;
    host_.HideZoomBox();
}

// --- Spin -------------------------------------------------------------------

void ViewNavigator::ShowSpinCaution() {
    host_.NavPrompt().ShowMessage(
        tr("このコマンドを使うと複数のウィンドウのアップデートに問題が\r\n"
           "生じることがありますので、その場合はPlayを停止してください。")
            .toStdString(),
        "Caution", PromptButtons::Ok, PromptIcon::Exclamation);
}

void ViewNavigator::TogglePlayAll() {
    if (spin_.playAll == 0) {
        ShowSpinCaution();
        if (spin_.playEach == 0) {
            spin_.spinTimerStarted = 1;
            host_.StartSpinTimer();
        }
    } else if (spin_.playAll == 1 && spin_.playEach == 0) {
        host_.StopSpinTimer();
    }
    spin_.playAll = spin_.playAll == 0 ? 1 : 0;
}

void ViewNavigator::TogglePlayEach() {
    if (spin_.playEach == 0) {
        ShowSpinCaution();
        if (spin_.playAll == 0) {
            spin_.spinTimerStarted = 1;
            host_.StartSpinTimer();
        }
    } else if (spin_.playEach == 1 && spin_.playAll == 0) {
        host_.StopSpinTimer();
    }
    spin_.playEach = spin_.playEach == 0 ? 1 : 0;
    ApplyPlayEach();
}

void ViewNavigator::StopSpins() {
    if (spin_.playAll == 0 && spin_.playEach == 0) return;
    host_.StopSpinTimer();
    spin_.playAll = 0;
    if (spin_.playEach != 0) {
        spin_.playEach = 0;
        ApplyPlayEach();
    }
}

void ViewNavigator::ApplyPlayEach() {
    host_.NavSettings().playEach = spin_.playEach;
    SceneData* scene = host_.NavScene();
    if (!scene) return;
    scene->playEachFlag = spin_.playEach;
    if (spin_.playEach == 0) {
        // Put the spun parts back, but keep the box the camera was fitted to.
        float bounds[6], csysBounds[7];
        std::copy(std::begin(scene->bounds), std::end(scene->bounds), bounds);
        std::copy(std::begin(scene->csysBounds), std::end(scene->csysBounds), csysBounds);
        const float extent = scene->sceneExtent;
        PrepareGeometry(*scene);
        std::copy(std::begin(bounds), std::end(bounds), scene->bounds);
        std::copy(std::begin(csysBounds), std::end(csysBounds), scene->csysBounds);
        scene->sceneExtent = extent;
    }
}

void ViewNavigator::SpinTimerTick() {
    if (spin_.playAll == 1) SpinTick(host_.NavCamera());
    host_.RedrawView();
}

}  // namespace vantor
