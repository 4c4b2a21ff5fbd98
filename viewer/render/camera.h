#pragma once
// Camera and projection fields shared by drawing, navigation and picking,
// with the fitting rules that size them from the scene.

#include <cstdint>

namespace vantor {

class SceneData;
struct SceneCamera;

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

// Where the camera looks and how far it stands back: the centre of the
// scene's box and the fit extent, of which the clip planes, the eye
// distance and the orthographic half height are multiples. The extent is
// sized so that the sphere around the box stays inside the view (with a
// small margin) from every direction, in both projections and for any
// aspect ratio.
struct SceneFrame {
    float centre[3] = {0, 0, 0};  // centre of the bounding box
    float extent = 0;             // fit extent
};

// The frame of the scene's box; the origin and `fallbackExtent` when the
// scene is empty or its bounds are not computed, and a point-sized box
// gets `fallbackExtent` about its centre.
SceneFrame FrameOf(const SceneData& scene, float aspectRatio, float fallbackExtent);

// Looks at the frame's centre and turns about it: rotationCentre = centre,
// pan on the centre, viewDistance 3 x extent in front of it, clip planes
// 0.5 and 6 x extent, orthoHalfHeight 0.8 x extent, fieldOfView 25, zoom 1.
// The orientation is kept.
void FrameCamera(Camera& camera, const SceneFrame& frame);

// Frames the scene and stores the extent as sceneExtent (Reset, Default,
// files added to the document).
void FitCameraToScene(Camera& camera, SceneData& scene);

// The fit of the first draw: returns true when it changed the camera (the
// caller then loads the projection). Clears fitPending. Scenes without
// computed bounds fall back to sceneExtent (9.99 when it is unusable).
bool ApplyFit(Camera& camera, const SceneData& scene);

// Looks through one of the file's cameras: its eye, direction, up and angle
// (a Viewpoint's angle is the smaller of the two, a VRML 1.0 heightAngle the
// vertical one) or orthographic height; the projection follows its kind.
// Turning goes on about the scene's centre; the clip planes hold the box.
void ViewThroughFileCamera(Camera& camera, const SceneData& scene, const SceneCamera& file);

// The projection matrix the camera loads (column-major, glOrtho or
// gluPerspective form).
void ProjectionMatrix(const Camera& camera, double out[16]);

// The modelview of a frame: pan and distance, then viewRotation about the
// rotation centre (column-major).
void ViewMatrix(const Camera& camera, double out[16]);

// Distance in front of the eye of a scene point under ViewMatrix.
double EyeDepthOf(const Camera& camera, const float point[3]);

// Length of the centre-mark axes: the given fraction of the visible half
// height (orthographic) or of the field of view scaled by the eye's depth
// of the rotation centre.
float MarkLength(const Camera& camera, float fraction);

}  // namespace vantor
