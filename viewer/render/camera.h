#pragma once
// Camera and projection fields shared by drawing, navigation and picking,
// with the fitting rules that size them from the scene.

#include <cstdint>

namespace vantor {

class SceneData;

constexpr int32_t kProjectionOrthographic = 4;
constexpr int32_t kProjectionPerspective = 5;

struct Camera {
    Camera();

    int32_t fitPending = 1;    // 1: the next draw fits the camera to the scene
    float panX = 0;            // sideways camera offset (scene units)
    float panY = 0;            // vertical camera offset
    float viewDistance = 240;  // eye distance from the rotation centre
    float aspectRatio = 1;     // viewport width / height
    float nearPlane = 40;      // clip distances
    float farPlane = 400;
    float fieldOfView = 20;      // vertical angle of the perspective, degrees
    float orthoHalfHeight = 40;  // half height of the orthographic volume at zoom 1
    float zoomFactor = 1;        // multiplies orthoHalfHeight
    float rotationCentre[3] = {0, 0, 0};
    int32_t projectionMode = kProjectionPerspective;
    float viewRotation[16];   // Ry(-30 deg) x Rx(+30 deg) at start
    float stepDistance = 10;  // amounts of the step operations
    float stepAngle = 45;     // degrees

    bool IsOrthographic() const { return projectionMode != kProjectionPerspective; }
};

// Largest absolute coordinate of the scene's bounds, measured from the
// origin; 19.99 when the scene is empty or its bounds are not computed.
float SceneExtentOf(const SceneData& scene);

// Stores the extent as sceneExtent and sets pan, clip planes and distance
// from it; the orthographic half height only when resetZoomBase is set.
void FitCameraToScene(Camera& camera, SceneData& scene, bool resetZoomBase);

// The fit of the first draw: returns true when it changed the camera (the
// caller then loads the projection). Clears fitPending.
bool ApplyFit(Camera& camera, const SceneData& scene);

// The projection matrix the camera loads (column-major, glOrtho or
// gluPerspective form).
void ProjectionMatrix(const Camera& camera, double out[16]);

// The modelview of a frame: pan and distance, then viewRotation about the
// rotation centre (column-major).
void ViewMatrix(const Camera& camera, double out[16]);

// Length of the centre-mark axes: the given fraction of the visible half
// height (orthographic) or of the distance-scaled field of view.
float MarkLength(const Camera& camera, float fraction);

}  // namespace vantor
