// The view commands that ask the user: rotation centre, clip distances,
// section and step amounts.

#include <cfloat>
#include <cstdio>
#include <string>

#include "dialogs/three_value_dialog.h"
#include "navigate/view_navigator.h"
#include "prompt/prompt.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {

// Follows a point text: "... as the spin centre?".
std::string SetAsSpinCentreText() {
    return ViewNavigator::tr("をスピン回転座標に設定しますか？").toStdString();
}

std::string PointText(const char* prefix, const float p[3]) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%s %3.3f ,%3.3f ,%3.3f", prefix, double(p[0]),
                  double(p[1]), double(p[2]));
    return buffer;
}

}  // namespace

void ViewNavigator::CentreOn(const float point[3]) {
    Camera& camera = host_.NavCamera();
    for (int i = 0; i < 3; ++i) camera.rotationCentre[i] = point[i];
    camera.panX = point[0];
    camera.panY = point[1];
}

void ViewNavigator::SetRotationCentre() {
    host_.MakeDocumentActive();
    SelectedItem item;
    if (host_.SelectionEmpty() || !host_.CurrentSelectedItem(item)) {
        ThreeValueRequest request;
        request.titleLine = tr("スピン回転座標の設定");
        request.labels[0] = tr("X座標");
        request.labels[1] = tr("Y座標");
        request.labels[2] = tr("Z座標");
        for (int i = 0; i < 3; ++i) request.values[i] = host_.NavCamera().rotationCentre[i];
        if (host_.AskThreeValues(request)) {
            CentreOn(request.values);
            host_.RedrawView();
        }
    } else {
        SetRotationCentreFromSelection(item);
    }
    input_.ClearInputState();
}

void ViewNavigator::SetRotationCentreFromSelection(const SelectedItem& item) {
    Prompt& prompt = host_.NavPrompt();
    switch (item.subItem) {
        case 0:
        case 2:
        case 4:
            if (prompt.ShowMessage(
                    PointText(" Point []", item.examinedPoint) + SetAsSpinCentreText(),
                    "Strat Point", PromptButtons::OkCancel,
                    PromptIcon::Question) == PromptAnswer::Ok) {
                CentreOn(item.examinedPoint);
                host_.ClearSelection();
                host_.RedrawView();
            }
            break;
        case 1:
        case 3:
        case 5: {
            SceneData* scene = host_.NavScene();
            if (!scene || scene->examinedCentre[0] == FLT_MAX) {
                prompt.ShowMessage("This line isS TRAIT !", "Caution", PromptButtons::Ok,
                                   PromptIcon::Exclamation);
                break;
            }
            if (prompt.ShowMessage(
                    PointText("Center Point []", scene->examinedCentre) + SetAsSpinCentreText(),
                    "Strat Point", PromptButtons::OkCancel,
                    PromptIcon::Question) == PromptAnswer::Ok) {
                CentreOn(scene->examinedCentre);
                host_.RedrawView();
            }
            break;
        }
        case 6:
            prompt.ShowMessage("Please select Point or Line", "Caution", PromptButtons::Ok,
                               PromptIcon::Exclamation);
            break;
        default:
            prompt.ShowMessage("Error in ExamDrawTriangle 01 ", "Error", PromptButtons::Ok,
                               PromptIcon::Exclamation);
            break;
    }
}

void ViewNavigator::EditClipDistances() {
    Camera& camera = host_.NavCamera();
    ThreeValueRequest request;
    request.titleLine = tr("視点位置とクリップ面の設定");
    request.labels[0] = QStringLiteral("NearPlane");
    request.labels[1] = tr("視点位置");
    request.labels[2] = QStringLiteral("FarPlane");
    request.values[0] = camera.nearPlane;
    request.values[1] = camera.viewDistance;
    request.values[2] = camera.farPlane;
    if (host_.AskThreeValues(request)) {
        camera.nearPlane = request.values[0];
        camera.viewDistance = request.values[1];
        camera.farPlane = request.values[2];
        host_.RedrawView();
    }
    input_.ClearInputState();
}

void ViewNavigator::ShowSection() {
    SelectedItem item;
    if (host_.SelectionEmpty() || !host_.CurrentSelectedItem(item)) {
        EditClipDistances();
        return;
    }
    // The near plane goes through the picked point's depth.
    Camera& camera = host_.NavCamera();
    camera.nearPlane = static_cast<float>(EyeDepthOf(camera, item.examinedPoint));
    host_.ResizeViewport();
    input_.ClearInputState();
}

void ViewNavigator::EditStepAmounts() {
    Camera& camera = host_.NavCamera();
    ThreeValueRequest request;
    request.titleLine = tr("ステップ移動量の設定");
    request.labels[0] = tr("距離");
    request.labels[1] = tr("角度(Deg)");
    request.values[0] = camera.stepDistance;
    request.values[1] = camera.stepAngle;
    request.values[2] = 0;
    if (host_.AskThreeValues(request)) {
        camera.stepDistance = request.values[0];
        camera.stepAngle = request.values[1];
    }
}

}  // namespace vantor
