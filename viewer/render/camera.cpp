#include "render/camera.h"

#include <cfloat>
#include <cmath>

#include "math/vector_math.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {
constexpr float kEmptySceneExtent = 19.99f;
constexpr float kFallbackFitExtent = 9.99f;
}  // namespace

Camera::Camera() {
    double ry[16], rx[16], product[16];
    vmath::RotationY(ry, -30.0 * vmath::kDegToRad);
    vmath::RotationX(rx, 30.0 * vmath::kDegToRad);
    vmath::Multiply(product, ry, rx);
    for (int i = 0; i < 16; ++i) viewRotation[i] = static_cast<float>(product[i]);
}

float SceneExtentOf(const SceneData& scene) {
    if (scene.nodeCount < 1 || scene.bounds[0] == FLT_MAX) return kEmptySceneExtent;
    double largest = 0;
    for (float b : scene.bounds) largest = std::max(largest, double(b) * double(b));
    const float extent = static_cast<float>(std::sqrt(largest));
    // A scene collapsed onto the origin would give zero clip planes and a
    // singular projection.
    if (!(extent > 0) || !std::isfinite(extent)) return kEmptySceneExtent;
    return extent;
}

void FitCameraToScene(Camera& camera, SceneData& scene, bool resetZoomBase) {
    const float extent = SceneExtentOf(scene);
    scene.sceneExtent = extent;
    camera.panX = camera.panY = 0;
    camera.nearPlane = 0.5f * extent;
    camera.farPlane = 6 * extent;
    camera.viewDistance = 3 * extent;
    if (resetZoomBase) camera.orthoHalfHeight = 0.8f * extent;
}

bool ApplyFit(Camera& camera, const SceneData& scene) {
    if (scene.nodeCount < 1 || camera.fitPending != 1) return false;
    float extent = scene.sceneExtent;
    if (!(extent > 0) || !std::isfinite(extent)) extent = kFallbackFitExtent;
    camera.panX = camera.panY = 0;
    camera.fieldOfView = 25;
    camera.nearPlane = 0.5f * extent;
    camera.farPlane = 6 * extent;
    camera.viewDistance = 3 * extent;
    camera.orthoHalfHeight = 0.8f * extent;
    camera.fitPending = -1;
    return true;
}

void ProjectionMatrix(const Camera& camera, double out[16]) {
    vmath::Identity(out);
    const double n = camera.nearPlane, f = camera.farPlane, a = camera.aspectRatio;
    if (camera.IsOrthographic()) {
        const double h = double(camera.zoomFactor) * camera.orthoHalfHeight;
        const double r = h * a, t = h;
        out[0] = 1 / r;
        out[5] = 1 / t;
        out[10] = -2 / (f - n);
        out[14] = -(f + n) / (f - n);
        return;
    }
    const double cotangent = 1 / std::tan(camera.fieldOfView * vmath::kPi / 360.0);
    out[0] = cotangent / a;
    out[5] = cotangent;
    out[10] = -(f + n) / (f - n);
    out[11] = -1;
    out[14] = -2 * f * n / (f - n);
    out[15] = 0;
}

void ViewMatrix(const Camera& camera, double out[16]) {
    double pan[16], toCentre[16], rotation[16], fromCentre[16];
    const float* c = camera.rotationCentre;
    vmath::Identity(pan);
    pan[12] = -camera.panX, pan[13] = -camera.panY, pan[14] = -camera.viewDistance;
    vmath::Identity(toCentre);
    toCentre[12] = c[0], toCentre[13] = c[1], toCentre[14] = c[2];
    vmath::Identity(fromCentre);
    fromCentre[12] = -c[0], fromCentre[13] = -c[1], fromCentre[14] = -c[2];
    for (int i = 0; i < 16; ++i) rotation[i] = camera.viewRotation[i];
    vmath::Multiply(out, pan, toCentre);
    vmath::Multiply(out, out, rotation);
    vmath::Multiply(out, out, fromCentre);
}

float MarkLength(const Camera& camera, float fraction) {
    if (camera.IsOrthographic()) return camera.zoomFactor * camera.orthoHalfHeight * fraction;
    return camera.fieldOfView * fraction * camera.viewDistance / 112.5f;
}

}  // namespace vantor
