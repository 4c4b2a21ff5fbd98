#include "render/camera.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "math/vector_math.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {
constexpr float kEmptySceneExtent = 19.99f;
constexpr float kFallbackFitExtent = 9.99f;

constexpr float kFitMargin = 1.05f;  // share of room left around the sphere

// Sine of the smaller half angle of the perspective view at fieldOfView 25:
// the sphere around the box fits when radius / distance stays below it.
double NarrowHalfAngleSine(float aspectRatio) {
    const double tanHalf = std::tan(12.5 * vmath::kDegToRad) * std::min(1.0f, aspectRatio);
    return tanHalf / std::sqrt(1 + tanHalf * tanHalf);
}

bool UsableExtent(float extent) {
    return extent > 0 && std::isfinite(extent);
}

}  // namespace

Camera::Camera() {
    double ry[16], rx[16], product[16];
    vmath::RotationY(ry, -30.0 * vmath::kDegToRad);
    vmath::RotationX(rx, 30.0 * vmath::kDegToRad);
    vmath::Multiply(product, ry, rx);
    for (int i = 0; i < 16; ++i) viewRotation[i] = static_cast<float>(product[i]);
}

SceneFrame FrameOf(const SceneData& scene, float aspectRatio, float fallbackExtent) {
    SceneFrame frame;
    frame.extent = fallbackExtent;
    const float* b = scene.bounds;
    if (scene.nodeCount < 1 || b[0] == FLT_MAX || b[0] > b[1] || b[2] > b[3] || b[4] > b[5])
        return frame;
    for (float v : scene.bounds)
        if (!std::isfinite(v)) return frame;
    double radius2 = 0;
    for (int a = 0; a < 3; ++a) {
        const double low = b[2 * a], high = b[2 * a + 1];
        frame.centre[a] = static_cast<float>((low + high) / 2);
        radius2 += (high - low) * (high - low) / 4;
    }
    if (!(aspectRatio > 0) || !std::isfinite(aspectRatio)) aspectRatio = 1;
    // Perspective at 25 degrees is the tighter of the two projections: the
    // eye stands 3 x extent from the centre, the orthographic view shows
    // 0.8 x extent each side of it.
    const double extent = kFitMargin * std::sqrt(radius2) / (3 * NarrowHalfAngleSine(aspectRatio));
    // A point-sized box keeps the fallback size about its centre.
    if (UsableExtent(static_cast<float>(extent))) frame.extent = static_cast<float>(extent);
    return frame;
}

void FrameCamera(Camera& camera, const SceneFrame& frame) {
    const float extent = frame.extent;
    const float* c = frame.centre;
    std::copy(c, c + 3, camera.rotationCentre);
    // The draw maps the rotation centre to (c.x - panX, c.y - panY,
    // c.z - viewDistance) whatever the orientation.
    camera.panX = c[0];
    camera.panY = c[1];
    camera.viewDistance = c[2] + 3 * extent;
    camera.nearPlane = 0.5f * extent;
    camera.farPlane = 6 * extent;
    camera.orthoHalfHeight = 0.8f * extent;
    camera.fieldOfView = 25;
    camera.zoomFactor = 1;
}

void FitCameraToScene(Camera& camera, SceneData& scene) {
    const SceneFrame frame = FrameOf(scene, camera.aspectRatio, kEmptySceneExtent);
    scene.sceneExtent = frame.extent;
    FrameCamera(camera, frame);
}

bool ApplyFit(Camera& camera, const SceneData& scene) {
    if (scene.nodeCount < 1 || camera.fitPending != 1) return false;
    const float stored = scene.sceneExtent;
    FrameCamera(camera, FrameOf(scene, camera.aspectRatio,
                                UsableExtent(stored) ? stored : kFallbackFitExtent));
    camera.fitPending = -1;
    return true;
}

void ViewThroughFileCamera(Camera& camera, const SceneData& scene, const SceneCamera& file) {
    const SceneFrame frame = FrameOf(scene, camera.aspectRatio, kEmptySceneExtent);
    // Rows of the view rotation: right, up and backwards.
    float right[3];
    vmath::Cross3(right, file.forward, file.up);
    for (int a = 0; a < 3; ++a) {
        float* r = camera.viewRotation;
        r[4 * a] = right[a], r[4 * a + 1] = file.up[a], r[4 * a + 2] = -file.forward[a];
        r[4 * a + 3] = 0;
        r[12 + a] = 0;
    }
    camera.viewRotation[15] = 1;
    // The draw maps x to R (x - c) + c - (panX, panY, viewDistance); that
    // is R (x - eye) when (panX, panY, viewDistance) = c + R (eye - c).
    const float* c = frame.centre;
    std::copy(c, c + 3, camera.rotationCentre);
    float offset[4] = {file.eye[0] - c[0], file.eye[1] - c[1], file.eye[2] - c[2], 0};
    vmath::TransformPoint(offset, camera.viewRotation, offset);
    camera.panX = c[0] + offset[0];
    camera.panY = c[1] + offset[1];
    camera.viewDistance = c[2] + offset[2];

    const float toCentre[3] = {c[0] - file.eye[0], c[1] - file.eye[1], c[2] - file.eye[2]};
    const float depth = vmath::Dot3(toCentre, file.forward);
    const float radius = frame.extent * 3 * float(NarrowHalfAngleSine(camera.aspectRatio));
    camera.farPlane = std::max(depth + radius, radius) * kFitMargin;
    camera.nearPlane = std::max(depth - radius, camera.farPlane / 1000);
    camera.zoomFactor = 1;
    const bool orthographic = scene.Row(file.row).kind == kind::OrthographicCamera;
    camera.projectionMode = orthographic ? kProjectionOrthographic : kProjectionPerspective;
    if (orthographic) {
        camera.orthoHalfHeight = file.size > 0 ? file.size / 2 : 0.8f * frame.extent;
    } else {
        double halfAngle = std::clamp(file.size / 2.0, 0.001, 1.55);
        // A Viewpoint's angle spans the narrower side, the width of a tall view.
        if (scene.Row(file.row).kind == kind::Viewpoint && camera.aspectRatio < 1)
            halfAngle = std::min(1.55, std::atan(std::tan(halfAngle) / camera.aspectRatio));
        camera.fieldOfView = float(2 * halfAngle / vmath::kDegToRad);
    }
    camera.fitPending = -1;
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

double EyeDepthOf(const Camera& camera, const float point[3]) {
    double view[16];
    ViewMatrix(camera, view);
    return -(view[2] * point[0] + view[6] * point[1] + view[10] * point[2] + view[14]);
}

float MarkLength(const Camera& camera, float fraction) {
    if (camera.IsOrthographic()) return camera.zoomFactor * camera.orthoHalfHeight * fraction;
    // The depth of the rotation centre, which is viewDistance while the
    // centre is the origin.
    const float depth = camera.viewDistance - camera.rotationCentre[2];
    return camera.fieldOfView * fraction * depth / 112.5f;
}

}  // namespace vantor
