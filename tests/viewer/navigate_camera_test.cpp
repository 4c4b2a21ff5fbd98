#include <gtest/gtest.h>

#include <cmath>

#include "math/vector_math.h"
#include "navigate/camera_steps.h"
#include "render/camera.h"
#include "scene/scene_data.h"
#include "support/qt_test_main.h"

using namespace vantor;

namespace {

const bool kNoApp = vantor::testing::RunWithoutApplication(__FILE__);

double TanDeg(double degrees) {
    return std::tan(degrees * vmath::kPi / 180.0);
}

// Where the camera's rotation sends a scene direction.
void Apply(const Camera& camera, const float v[3], float out[3]) {
    const float p[4] = {v[0], v[1], v[2], 0};
    float q[4];
    vmath::TransformPoint(q, camera.viewRotation, p);
    for (int i = 0; i < 3; ++i) out[i] = q[i];
}

void ExpectDirection(const Camera& camera, const float v[3], float x, float y, float z,
                     const char* label) {
    float out[3];
    Apply(camera, v, out);
    EXPECT_NEAR(out[0], x, 1e-6) << label;
    EXPECT_NEAR(out[1], y, 1e-6) << label;
    EXPECT_NEAR(out[2], z, 1e-6) << label;
}

}  // namespace

TEST(NavigateCamera, ZoomStepsInBothProjections) {
    Camera ortho;
    ortho.projectionMode = kProjectionOrthographic;
    for (int i = 0; i < 4; ++i) ZoomIn(ortho);
    EXPECT_NEAR(ortho.zoomFactor * ortho.orthoHalfHeight, 40.0 / 16, 1e-5) << "ortho 1/16";
    for (int i = 0; i < 4; ++i) ZoomOut(ortho);
    EXPECT_NEAR(ortho.zoomFactor, 1.0, 1e-6) << "ortho zoom out undoes zoom in";

    Camera persp;
    const double startTan = TanDeg(persp.fieldOfView);
    for (int i = 0; i < 4; ++i) ZoomIn(persp);
    EXPECT_NEAR(TanDeg(persp.fieldOfView) / startTan, 0.25, 1e-5) << "perspective tan 1/4";
    EXPECT_NEAR(persp.zoomFactor, 0.25, 1e-6) << "one sqrt 2 per step in perspective";
    for (int i = 0; i < 4; ++i) ZoomOut(persp);
    EXPECT_NEAR(persp.fieldOfView, 20.0, 1e-4);
}

// The fit itself is the render camera test's; here what the two commands
// add to it.
TEST(NavigateCamera, DefaultAndResetFitWidenedOnce) {
    SceneData scene;
    scene.nodeCount = 1;
    const float bounds[6] = {-1, 3, -3, 5, 4, 10};  // centre (1, 1, 7)
    std::copy(bounds, bounds + 6, scene.bounds);
    const double widened = std::atan(TanDeg(25) * std::sqrt(2.0)) * 180 / vmath::kPi;

    Camera start;
    Camera persp;
    vmath::Identity(persp.viewRotation);
    DefaultView(persp, &scene);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(persp.viewRotation[i], start.viewRotation[i]) << i;
    EXPECT_NEAR(persp.fieldOfView, widened, 1e-4) << "Default widens once";
    DefaultView(persp, &scene);
    EXPECT_NEAR(persp.fieldOfView, widened, 1e-4) << "and gives the same view when pressed again";
    EXPECT_EQ(persp.zoomFactor, 1.0f);

    Camera ortho;
    ortho.projectionMode = kProjectionOrthographic;
    for (int i = 0; i < 3; ++i) {
        DefaultView(ortho, &scene);
        EXPECT_FLOAT_EQ(ortho.zoomFactor, float(std::sqrt(2.0))) << "press " << i;
    }

    Camera reset;
    reset.zoomFactor = 3;
    ResetView(reset, &scene);
    EXPECT_NEAR(reset.fieldOfView, widened, 1e-4);
    EXPECT_EQ(reset.zoomFactor, 1.0f);
    EXPECT_EQ(reset.viewRotation[0], 1.0f);
    EXPECT_EQ(reset.viewRotation[6], 0.0f);
    // Front, Side, Top and Turn 180 turn about the box centre: it stays put.
    const float centre[3] = {1, 1, 7};
    const float axes[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    SideView(reset, axes);
    TurnHalf(reset);
    EXPECT_NEAR(EyeDepthOf(reset, centre), 3 * scene.sceneExtent, 1e-4);

    Camera noScene;
    ResetView(noScene, nullptr);
    EXPECT_FLOAT_EQ(noScene.viewDistance, 3 * 19.99f) << "no document fits as empty";
}

TEST(NavigateCamera, WheelZoomsByAFixedRatioPerNotch) {
    for (int32_t projection : {kProjectionPerspective, kProjectionOrthographic}) {
        Camera camera;
        camera.projectionMode = projection;
        // Half the visible height at unit distance (perspective) or in
        // scene units (orthographic).
        auto visible = [&] {
            return camera.IsOrthographic() ? camera.zoomFactor * camera.orthoHalfHeight
                                           : TanDeg(camera.fieldOfView / 2);
        };
        const double before = visible();
        ZoomByWheel(camera, 120);
        EXPECT_NEAR(visible() / before, 1 / 1.25, 1e-5) << "one notch forward zooms in";
        ZoomByWheel(camera, -240);
        EXPECT_NEAR(visible() / before, 1.25, 1e-5) << "two notches back zoom out";
        ZoomByWheel(camera, 60);
        EXPECT_NEAR(visible() / before, std::sqrt(1.25), 1e-5) << "half notches";
        EXPECT_EQ(camera.panX, 0) << "about the view centre";
    }
}

TEST(NavigateCamera, StepMovesAndTurnsAboutScreenAxes) {
    // Right and up steps are driven by keys in the event tests.
    Camera camera;
    MoveStep(camera, StepMove::ZFar);
    EXPECT_EQ(camera.viewDistance, 250);

    // A turn about the screen's y axis keeps the screen-up direction of
    // every scene vector, whatever the orientation was.
    camera.stepAngle = 30;
    const float up[3] = {camera.viewRotation[1], camera.viewRotation[5], camera.viewRotation[9]};
    TurnStep(camera, StepTurn::YPlus);
    EXPECT_NEAR(camera.viewRotation[1], up[0], 1e-6);
    EXPECT_NEAR(camera.viewRotation[5], up[1], 1e-6);
    EXPECT_NEAR(camera.viewRotation[9], up[2], 1e-6);

    Camera plain;
    vmath::Identity(plain.viewRotation);
    plain.stepAngle = 90;
    TurnStep(plain, StepTurn::DownXPlus);
    const float y[3] = {0, 1, 0};
    ExpectDirection(plain, y, 0, 0, -1, "Rx(-90) sends y to -z");
    TurnStep(plain, StepTurn::UpXMinus);
    ExpectDirection(plain, y, 0, 1, 0, "and back");
    TurnStep(plain, StepTurn::RollZPlus);
    const float x[3] = {1, 0, 0};
    ExpectDirection(plain, x, 0, -1, 0, "Rz(-90) sends x to -y");
}

TEST(NavigateCamera, TurnHalfTwiceRestoresExactly) {
    Camera camera;
    camera.viewRotation[12] = 5;
    float before[16];
    vmath::Copy16(before, camera.viewRotation);
    TurnHalf(camera);
    EXPECT_EQ(camera.viewRotation[0], -before[0]);
    EXPECT_EQ(camera.viewRotation[1], before[1]) << "the up row stays";
    EXPECT_EQ(camera.viewRotation[12], 5) << "outside the 3 x 3 block";
    TurnHalf(camera);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(camera.viewRotation[i], before[i]) << i;
}

TEST(NavigateCamera, FrontSideTopFollowTheMeasuringSystem) {
    // A measuring system turned 30 degrees about z, then 20 about x.
    double rz[16], rx[16], both[16];
    vmath::RotationZ(rz, 30 * vmath::kPi / 180);
    vmath::RotationX(rx, 20 * vmath::kPi / 180);
    vmath::Multiply(both, rz, rx);
    float csys[16];
    for (int i = 0; i < 16; ++i) csys[i] = float(both[i]);
    const float* u = csys;
    const float* v = csys + 4;
    const float* w = csys + 8;

    Camera camera;
    camera.viewRotation[15] = 1;
    camera.viewRotation[3] = 0.5f;  // outside the block, must survive
    FrontView(camera, csys);
    ExpectDirection(camera, u, 1, 0, 0, "front: U to screen right");
    ExpectDirection(camera, v, 0, 1, 0, "front: V up");
    ExpectDirection(camera, w, 0, 0, 1, "front: W towards the eye");
    EXPECT_EQ(camera.viewRotation[3], 0.5f);

    SideView(camera, csys);
    ExpectDirection(camera, w, -1, 0, 0, "side: W to the left");
    ExpectDirection(camera, v, 0, 1, 0, "side: V up");
    ExpectDirection(camera, u, 0, 0, 1, "side: looks along U");

    TopView(camera, csys);
    ExpectDirection(camera, u, 1, 0, 0, "top: U right");
    ExpectDirection(camera, w, 0, -1, 0, "top: W down");
    ExpectDirection(camera, v, 0, 0, 1, "top: looks along V");
}

TEST(NavigateCamera, DragZoom) {
    Camera ortho;
    ortho.projectionMode = kProjectionOrthographic;
    ZoomByFraction(ortho, -0.5);
    EXPECT_FLOAT_EQ(ortho.zoomFactor, 1 / 1.5f) << "left divides by 1 + |q|";
    ZoomByFraction(ortho, 0.5);
    EXPECT_FLOAT_EQ(ortho.zoomFactor, 1.0f);

    Camera persp;
    ZoomByFraction(persp, 0.25);
    EXPECT_NEAR(TanDeg(persp.fieldOfView), TanDeg(20) * 1.25, 1e-6);
    EXPECT_EQ(persp.zoomFactor, 1.0f) << "perspective zooms by angle only";
}

TEST(NavigateCamera, ZoomBoxFinish) {
    const ViewportSize viewport{400, 300};
    Camera small;
    FinishZoomBox(small, viewport, 300, 100, 304, 104);
    const double k = 40.0 / 300 * 2.05;
    EXPECT_NEAR(small.panX, (302 - 200) * k, 1e-4) << "box pans with the 2.05 factor";
    EXPECT_NEAR(small.panY, (150 - 102) * k, 1e-4);
    EXPECT_EQ(small.zoomFactor, 1.0f) << "a box under 6 pixels does not zoom";
    EXPECT_EQ(small.fieldOfView, 20.0f);

    Camera six;
    FinishZoomBox(six, viewport, 100, 100, 160, 106);
    EXPECT_FLOAT_EQ(six.zoomFactor, 6.0f / 400) << "6 pixels zoom";

    Camera big;
    big.projectionMode = kProjectionOrthographic;
    // Dragged up and to the left: same box as the other way round.
    FinishZoomBox(big, viewport, 300, 250, 100, 50);
    EXPECT_NEAR(big.panX, 0, 1e-5);
    EXPECT_NEAR(big.panY, 0, 1e-5);
    EXPECT_FLOAT_EQ(big.zoomFactor, 200.0f / 400);
    EXPECT_NEAR(TanDeg(big.fieldOfView), std::sqrt(0.5) * TanDeg(20), 1e-6);

    Camera empty;
    FinishZoomBox(empty, ViewportSize{0, 0}, 0, 0, 50, 50);
    EXPECT_EQ(empty.zoomFactor, 1.0f) << "no viewport, no change";
    EXPECT_EQ(empty.panX, 0.0f);
}
