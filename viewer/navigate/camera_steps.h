#pragma once
// The discrete camera operations of the view (zoom, default and reset
// orientation, step moves and turns, front/side/top, turn 180, the spin
// tick) and the camera side of the mouse drags. Plain functions on Camera:
// they change its fields only; the caller redraws. Every product is computed
// in double and stored back as floats once.

#include "render/camera.h"

namespace vantor {

class SceneData;

// Zoom In / Zoom Out: one sqrt 2 step; orthographic views take a second
// sqrt 2 step on zoomFactor, perspective views change fieldOfView instead.
void ZoomIn(Camera& camera);
void ZoomOut(Camera& camera);

// "デフォルト": frames the scene (a null scene as an empty one) in the start
// orientation, then one Zoom Out step of the projection (perspective widens
// 25 degrees by sqrt 2 in tangent; orthographic ends with zoomFactor sqrt 2).
// Pressing it again gives the same view.
void DefaultView(Camera& camera, SceneData* scene);

// "リセット": the same with the identity orientation.
void ResetView(Camera& camera, SceneData* scene);

enum class StepMove { Right, Left, Up, Down, ZFar, ZNear };
void MoveStep(Camera& camera, StepMove move);

// Step turns about the screen axes: viewRotation := R(angle) x viewRotation.
enum class StepTurn { DownXPlus, UpXMinus, YPlus, YMinus, RollZPlus, RollZMinus };
void TurnStep(Camera& camera, StepTurn turn);

// viewRotation := R x viewRotation for a double rotation R.
void PreMultiplyRotation(Camera& camera, const double rotation[16]);

// Front, side and top views along the axes of the measuring system, whose
// x, y and z axes are the first three columns of `csysRotation`. Only the
// 3 x 3 block of viewRotation is written.
void FrontView(Camera& camera, const float csysRotation[16]);
void SideView(Camera& camera, const float csysRotation[16]);
void TopView(Camera& camera, const float csysRotation[16]);

// "前後反転": a half turn about the screen's vertical axis.
void TurnHalf(Camera& camera);

// One tick of "Play All".
void SpinTick(Camera& camera);

// Continuous zoom by the fraction `q` of the viewport width (negative zooms
// in): fieldOfView in perspective, zoomFactor in orthographic mode.
void ZoomByFraction(Camera& camera, double q);

// The wheel without a button: each notch (delta 120) zooms in (forward) or
// out by a fixed ratio about the view centre, in either projection.
void ZoomByWheel(Camera& camera, int delta);

// A view rectangle in the coordinates of the mouse (y down).
struct ViewportSize {
    int width = 0;
    int height = 0;
};

// Scene units per pixel of pan drags, before the factor 2 (pan) or 2.05
// (clip and zoom box): zoomFactor x orthoHalfHeight / height.
double PixelScale(const Camera& camera, const ViewportSize& viewport);

// Finishes a zoom box from `anchor` to `end`: pans to its centre and, when
// it is taller than 5 pixels, zooms so that its height fills the view.
void FinishZoomBox(Camera& camera, const ViewportSize& viewport, int anchorX, int anchorY, int endX,
                   int endY);

}  // namespace vantor
