// Camera fitting and projection numbers.

#include <cfloat>
#include <cmath>

#include "render/gl_headers.h"
#include "render/render_fixture.h"
#include "scene/scene_builder.h"

namespace vantor {
namespace {

void SetBounds(SceneData& scene, std::initializer_list<float> values) {
    std::copy(values.begin(), values.end(), scene.bounds);
}

TEST(CameraFit, ExtentIsMeasuredFromTheOrigin) {
    SceneData scene;
    testing::SceneBuilder(scene).BeginFile("far.wrl");
    // A box far from the origin: its own size is 2, its distance about 100.
    SetBounds(scene, {99, 101, -1, 1, -1, 1});
    Camera camera;
    FitCameraToScene(camera, scene, true);
    EXPECT_FLOAT_EQ(scene.sceneExtent, 101);
    EXPECT_FLOAT_EQ(camera.nearPlane, 50.5f);
    EXPECT_FLOAT_EQ(camera.farPlane, 606);
    EXPECT_FLOAT_EQ(camera.viewDistance, 303);
    EXPECT_FLOAT_EQ(camera.orthoHalfHeight, 80.8f);

    // A negative coordinate counts by its size too; without resetting the
    // zoom base the orthographic height stays.
    SetBounds(scene, {-1, 1, -250, 1, -1, 1});
    camera.panX = camera.panY = 7;
    FitCameraToScene(camera, scene, false);
    EXPECT_FLOAT_EQ(scene.sceneExtent, 250);
    EXPECT_FLOAT_EQ(camera.orthoHalfHeight, 80.8f);
    EXPECT_EQ(camera.panX, 0);
    EXPECT_EQ(camera.panY, 0);
}

TEST(CameraFit, EmptyAndDegenerateScenes) {
    SceneData empty;
    Camera camera;
    FitCameraToScene(camera, empty, true);
    EXPECT_FLOAT_EQ(empty.sceneExtent, 19.99f) << "empty scene";
    EXPECT_FALSE(ApplyFit(camera, empty)) << "ApplyFit leaves an empty scene alone";
    EXPECT_EQ(camera.fitPending, 1);

    SceneData unbounded;
    testing::SceneBuilder(unbounded).BeginFile("nothing.wrl");
    FitCameraToScene(camera, unbounded, true);
    EXPECT_FLOAT_EQ(unbounded.sceneExtent, 19.99f) << "bounds not computed";

    // All geometry on the origin would give zero clip planes.
    SceneData point;
    testing::SceneBuilder(point).BeginFile("origin.wrl");
    SetBounds(point, {0, 0, 0, 0, 0, 0});
    FitCameraToScene(camera, point, true);
    EXPECT_GT(camera.nearPlane, 0) << "collapsed scene";
}

TEST(CameraFit, ApplyFitRunsOnceAndGuardsBadExtents) {
    SceneData scene;
    testing::SceneBuilder(scene).BeginFile("a.wrl");
    Camera camera;
    scene.sceneExtent = 10;
    ASSERT_TRUE(ApplyFit(camera, scene));
    EXPECT_EQ(camera.fitPending, -1);
    EXPECT_FLOAT_EQ(camera.fieldOfView, 25);
    EXPECT_FLOAT_EQ(camera.nearPlane, 5);
    EXPECT_FLOAT_EQ(camera.farPlane, 60);
    EXPECT_FLOAT_EQ(camera.viewDistance, 30);
    EXPECT_FLOAT_EQ(camera.orthoHalfHeight, 8);
    EXPECT_FALSE(ApplyFit(camera, scene)) << "second draw does not refit";

    for (float bad : {0.0f, -3.0f, NAN}) {
        Camera fresh;
        scene.sceneExtent = bad;
        ASSERT_TRUE(ApplyFit(fresh, scene));
        EXPECT_FLOAT_EQ(fresh.viewDistance, 3 * 9.99f) << "extent " << bad;
    }
}

TEST(CameraDefaults, InitialFieldsAndRotation) {
    Camera camera;
    EXPECT_EQ(camera.projectionMode, kProjectionPerspective);
    EXPECT_FLOAT_EQ(camera.viewDistance, 240);
    EXPECT_FLOAT_EQ(camera.nearPlane, 40);
    EXPECT_FLOAT_EQ(camera.farPlane, 400);
    EXPECT_FLOAT_EQ(camera.fieldOfView, 20);
    // Ry(-30) x Rx(30) turns +z towards -x and tilts it down.
    const float* r = camera.viewRotation;
    EXPECT_NEAR(r[8], -0.5f * std::cos(30 * M_PI / 180), 1e-6);
    EXPECT_NEAR(r[0], std::cos(30 * M_PI / 180), 1e-6);
    EXPECT_NEAR(r[9], -0.5f, 1e-6);
}

TEST(CameraMarks, LengthFollowsProjection) {
    Camera camera;
    camera.projectionMode = kProjectionOrthographic;
    camera.zoomFactor = 2;
    camera.orthoHalfHeight = 50;
    EXPECT_FLOAT_EQ(MarkLength(camera, 0.13f), 13);
    camera.projectionMode = kProjectionPerspective;
    camera.fieldOfView = 25;
    camera.viewDistance = 225;
    EXPECT_FLOAT_EQ(MarkLength(camera, 0.13f), 25 * 0.13f * 2);
}

class ProjectionTest : public testing::RenderTest {};

TEST_F(ProjectionTest, MatchesGlOrthoAndGluPerspective) {
    Camera camera;
    camera.aspectRatio = 1.6f;
    camera.nearPlane = 5;
    camera.farPlane = 60;
    camera.orthoHalfHeight = 8;
    camera.zoomFactor = 0.5f;
    auto check = [&](const char* label, auto loadReference) {
        double ours[16], reference[16];
        ProjectionMatrix(camera, ours);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        loadReference();
        glGetDoublev(GL_PROJECTION_MATRIX, reference);
        glMatrixMode(GL_MODELVIEW);
        for (int i = 0; i < 16; ++i) EXPECT_NEAR(ours[i], reference[i], 1e-5) << label << i;
    };
    camera.projectionMode = kProjectionOrthographic;
    check("ortho ", [] { glOrtho(-4 * 1.6, 4 * 1.6, -4, 4, 5, 60); });
    camera.projectionMode = kProjectionPerspective;
    camera.fieldOfView = 25;
    check("perspective ", [] { gluPerspective(25, 1.6, 5, 60); });
}

}  // namespace
}  // namespace vantor
