#include "navigate/camera_steps.h"

#include <cmath>
#include <cstdlib>

#include "math/vector_math.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {

const double kSqrt2 = std::sqrt(2.0);
constexpr double kWheelZoomPerNotch = 1.25;
constexpr double kRadToDeg = 180.0 / vmath::kPi;

double TanOfDegrees(float degrees) {
    return std::tan(double(degrees) * vmath::kDegToRad);
}

float DegreesOfAtan(double t) {
    return static_cast<float>(std::atan(t) * kRadToDeg);
}

// The projection side of one Zoom Out step, without the first zoomFactor
// change (Default and Reset start from zoomFactor 1).
void WidenProjectionOnce(Camera& camera) {
    if (camera.IsOrthographic()) {
        camera.zoomFactor = static_cast<float>(camera.zoomFactor * kSqrt2);
    } else {
        camera.fieldOfView = DegreesOfAtan(TanOfDegrees(camera.fieldOfView) * kSqrt2);
    }
}

void StartOrientation(float out[16]) {
    double ry[16], rx[16], product[16];
    vmath::RotationY(ry, -30.0 * vmath::kDegToRad);
    vmath::RotationX(rx, 30.0 * vmath::kDegToRad);
    vmath::Multiply(product, ry, rx);
    for (int i = 0; i < 16; ++i) out[i] = static_cast<float>(product[i]);
}

// Writes the three rows of the 3 x 3 block (column-major: row r is
// elements r, r + 4, r + 8).
void SetRows(Camera& camera, const float row0[3], const float row1[3], const float row2[3]) {
    const float* rows[3] = {row0, row1, row2};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) camera.viewRotation[r + 4 * c] = rows[r][c];
    }
}

struct MeasuringAxes {
    float u[3], v[3], w[3], minusW[3];
};

MeasuringAxes AxesOf(const float csysRotation[16]) {
    MeasuringAxes axes;
    for (int i = 0; i < 3; ++i) {
        axes.u[i] = csysRotation[i];
        axes.v[i] = csysRotation[4 + i];
        axes.w[i] = csysRotation[8 + i];
        axes.minusW[i] = -axes.w[i];
    }
    return axes;
}

}  // namespace

void ZoomIn(Camera& camera) {
    camera.zoomFactor = static_cast<float>(camera.zoomFactor / kSqrt2);
    if (camera.IsOrthographic()) {
        camera.zoomFactor = static_cast<float>(camera.zoomFactor / kSqrt2);
    } else {
        camera.fieldOfView = DegreesOfAtan(TanOfDegrees(camera.fieldOfView) / kSqrt2);
    }
}

void ZoomOut(Camera& camera) {
    camera.zoomFactor = static_cast<float>(camera.zoomFactor * kSqrt2);
    WidenProjectionOnce(camera);
}

namespace {

// Frames the scene about the centre of its box, at zoom 1 and 25 degrees,
// then widens once.
void FrameAndWiden(Camera& camera, SceneData* scene) {
    if (scene) {
        FitCameraToScene(camera, *scene);
    } else {
        SceneData empty;
        FitCameraToScene(camera, empty);
    }
    WidenProjectionOnce(camera);
}

}  // namespace

void DefaultView(Camera& camera, SceneData* scene) {
    StartOrientation(camera.viewRotation);
    FrameAndWiden(camera, scene);
}

void ResetView(Camera& camera, SceneData* scene) {
    vmath::Identity(camera.viewRotation);
    FrameAndWiden(camera, scene);
}

void MoveStep(Camera& camera, StepMove move) {
    const float step = camera.stepDistance;
    switch (move) {
        case StepMove::Right:
            camera.panX -= step;
            break;
        case StepMove::Left:
            camera.panX += step;
            break;
        case StepMove::Up:
            camera.panY -= step;
            break;
        case StepMove::Down:
            camera.panY += step;
            break;
        case StepMove::ZFar:
            camera.viewDistance += step;
            break;
        case StepMove::ZNear:
            camera.viewDistance -= step;
            break;
    }
}

void PreMultiplyRotation(Camera& camera, const double rotation[16]) {
    vmath::Multiply(camera.viewRotation, rotation, camera.viewRotation);
}

void TurnStep(Camera& camera, StepTurn turn) {
    const double a = double(camera.stepAngle) * vmath::kDegToRad;
    double r[16];
    switch (turn) {
        case StepTurn::DownXPlus:
            vmath::RotationX(r, -a);
            break;
        case StepTurn::UpXMinus:
            vmath::RotationX(r, a);
            break;
        case StepTurn::YPlus:
            vmath::RotationY(r, -a);
            break;
        case StepTurn::YMinus:
            vmath::RotationY(r, a);
            break;
        case StepTurn::RollZPlus:
            vmath::RotationZ(r, -a);
            break;
        case StepTurn::RollZMinus:
            vmath::RotationZ(r, a);
            break;
    }
    PreMultiplyRotation(camera, r);
}

void FrontView(Camera& camera, const float csysRotation[16]) {
    const MeasuringAxes a = AxesOf(csysRotation);
    SetRows(camera, a.u, a.v, a.w);
}

void SideView(Camera& camera, const float csysRotation[16]) {
    const MeasuringAxes a = AxesOf(csysRotation);
    SetRows(camera, a.minusW, a.v, a.u);
}

void TopView(Camera& camera, const float csysRotation[16]) {
    const MeasuringAxes a = AxesOf(csysRotation);
    SetRows(camera, a.u, a.minusW, a.v);
}

void TurnHalf(Camera& camera) {
    for (int c = 0; c < 3; ++c) {
        camera.viewRotation[4 * c] = -camera.viewRotation[4 * c];
        camera.viewRotation[2 + 4 * c] = -camera.viewRotation[2 + 4 * c];
    }
}

void SpinTick(Camera& camera) {
    double rx[16], ry[16], both[16];
    vmath::RotationX(rx, 0.027);
    vmath::RotationY(ry, -0.0495);
    vmath::Multiply(both, rx, ry);
    PreMultiplyRotation(camera, both);
}

void ZoomByFraction(Camera& camera, double q) {
    // Left (negative) motion divides by 1 + |q|, so the zoom never flips sign.
    const double factor = q < 0 ? 1.0 / (1.0 - q) : 1.0 + q;
    if (camera.IsOrthographic()) {
        camera.zoomFactor = static_cast<float>(camera.zoomFactor * factor);
    } else {
        camera.fieldOfView = DegreesOfAtan(TanOfDegrees(camera.fieldOfView) * factor);
    }
}

void ZoomByWheel(Camera& camera, int delta) {
    const double ratio = std::pow(kWheelZoomPerNotch, delta / 120.0);
    if (camera.IsOrthographic()) {
        camera.zoomFactor = static_cast<float>(camera.zoomFactor / ratio);
    } else {
        // The tangent of the half angle sizes what the view shows.
        const double half = std::tan(camera.fieldOfView * vmath::kDegToRad / 2) / ratio;
        camera.fieldOfView = 2 * DegreesOfAtan(half);
    }
}

double PixelScale(const Camera& camera, const ViewportSize& viewport) {
    if (viewport.height <= 0) return 0;
    return (1.0 / viewport.height) * camera.zoomFactor * camera.orthoHalfHeight;
}

void FinishZoomBox(Camera& camera, const ViewportSize& viewport, int anchorX, int anchorY, int endX,
                   int endY) {
    if (viewport.width <= 0 || viewport.height <= 0) return;
    const double k = PixelScale(camera, viewport) * 2.05;
    camera.panX =
        static_cast<float>(camera.panX + ((anchorX + endX) / 2.0 - viewport.width / 2) * k);
    camera.panY =
        static_cast<float>(camera.panY + (viewport.height / 2 - (anchorY + endY) / 2.0) * k);
    const int boxHeight = std::abs(anchorY - endY);
    if (boxHeight > 5) {
        const double share = double(boxHeight) / viewport.width;
        camera.zoomFactor = static_cast<float>(share * camera.zoomFactor);
        camera.fieldOfView = DegreesOfAtan(std::sqrt(share) * TanOfDegrees(camera.fieldOfView));
    }
}

}  // namespace vantor
