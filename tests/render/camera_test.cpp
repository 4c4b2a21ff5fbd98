// Camera fitting and projection numbers.

#include <algorithm>
#include <cmath>

#include "math/vector_math.h"
#include "render/gl_headers.h"
#include "render/render_fixture.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_builder.h"

namespace vantor {
namespace {

void SetBounds(SceneData& scene, std::initializer_list<float> values) {
    std::copy(values.begin(), values.end(), scene.bounds);
}

// The fit extent that puts a sphere of `radius` inside a view of this aspect.
double ExpectedExtent(double radius, double aspect) {
    const double t = std::tan(12.5 * M_PI / 180) * std::min(1.0, aspect);
    return 1.05 * radius / (3 * t / std::sqrt(1 + t * t));
}

TEST(CameraFit, FramesTheBoxAboutItsCentre) {
    SceneData scene;
    testing::SceneBuilder(scene).BeginFile("far.wrl");
    // A box of size 2 x 2 x 4 about (100, 0, -35).
    SetBounds(scene, {99, 101, -1, 1, -37, -33});
    Camera camera;
    camera.aspectRatio = 4.0f / 3;
    camera.zoomFactor = 3;
    camera.fieldOfView = 40;
    FitCameraToScene(camera, scene);
    const float e = float(ExpectedExtent(std::sqrt(6.0), 4.0 / 3));
    EXPECT_NEAR(scene.sceneExtent, e, 1e-4);
    const float centre[3] = {100, 0, -35};
    for (int a = 0; a < 3; ++a) EXPECT_FLOAT_EQ(camera.rotationCentre[a], centre[a]) << a;
    EXPECT_FLOAT_EQ(camera.panX, 100);
    EXPECT_FLOAT_EQ(camera.panY, 0);
    EXPECT_NEAR(camera.nearPlane, 0.5f * e, 1e-4);
    EXPECT_NEAR(camera.farPlane, 6 * e, 1e-4);
    EXPECT_NEAR(camera.orthoHalfHeight, 0.8f * e, 1e-4);
    EXPECT_FLOAT_EQ(camera.fieldOfView, 25);
    EXPECT_FLOAT_EQ(camera.zoomFactor, 1);
    // The centre lies 3 x extent in front of the eye whatever the orientation.
    EXPECT_NEAR(EyeDepthOf(camera, centre), 3 * e, 1e-3);
    vmath::Identity(camera.viewRotation);
    EXPECT_NEAR(EyeDepthOf(camera, centre), 3 * e, 1e-3);

    // A tall narrow view stands further back, so the width still holds it.
    camera.aspectRatio = 0.5f;
    FitCameraToScene(camera, scene);
    EXPECT_NEAR(scene.sceneExtent, ExpectedExtent(std::sqrt(6.0), 0.5), 1e-4);
    EXPECT_GT(scene.sceneExtent, 1.9f * e);
}

TEST(CameraFit, EmptyAndDegenerateScenes) {
    SceneData empty;
    Camera camera;
    FitCameraToScene(camera, empty);
    EXPECT_FLOAT_EQ(empty.sceneExtent, 19.99f) << "empty scene";
    EXPECT_EQ(camera.panX, 0);
    EXPECT_FALSE(ApplyFit(camera, empty)) << "ApplyFit leaves an empty scene alone";
    EXPECT_EQ(camera.fitPending, 1);

    SceneData unbounded;
    testing::SceneBuilder(unbounded).BeginFile("nothing.wrl");
    FitCameraToScene(camera, unbounded);
    EXPECT_FLOAT_EQ(unbounded.sceneExtent, 19.99f) << "bounds not computed";

    // A single point: the fallback size about the point itself.
    SceneData point;
    testing::SceneBuilder(point).BeginFile("point.wrl");
    SetBounds(point, {5, 5, -2, -2, 7, 7});
    FitCameraToScene(camera, point);
    EXPECT_FLOAT_EQ(point.sceneExtent, 19.99f);
    EXPECT_GT(camera.nearPlane, 0) << "collapsed scene";
    EXPECT_FLOAT_EQ(camera.panX, 5);
    EXPECT_FLOAT_EQ(camera.panY, -2);
    EXPECT_FLOAT_EQ(camera.viewDistance, 7 + 3 * 19.99f);

    SetBounds(point, {NAN, 1, 0, 1, 0, 1});
    FitCameraToScene(camera, point);
    EXPECT_FLOAT_EQ(point.sceneExtent, 19.99f) << "broken bounds";
    EXPECT_EQ(camera.panX, 0);
}

TEST(CameraFit, ApplyFitRunsOnceAndGuardsBadExtents) {
    SceneData scene;
    testing::SceneBuilder(scene).BeginFile("a.wrl");
    Camera camera;
    // Without computed bounds the stored extent sizes the fit.
    scene.sceneExtent = 10;
    ASSERT_TRUE(ApplyFit(camera, scene));
    EXPECT_EQ(camera.fitPending, -1);
    EXPECT_FLOAT_EQ(camera.viewDistance, 30);
    EXPECT_FALSE(ApplyFit(camera, scene)) << "second draw does not refit";

    for (float bad : {0.0f, -3.0f, NAN}) {
        Camera fresh;
        scene.sceneExtent = bad;
        ASSERT_TRUE(ApplyFit(fresh, scene));
        EXPECT_FLOAT_EQ(fresh.viewDistance, 3 * 9.99f) << "extent " << bad;
    }
}

// A file's camera: the eye goes to the origin of the view, its direction to
// -z and its up to +y; the angle or height and the projection follow it.
TEST(FileCamera, ViewThroughTheFilesCamera) {
    SceneData scene;
    testing::SceneBuilder(scene).BeginFile("cameras.wrl");
    SetBounds(scene, {-1, 1, -1, 1, -1, 1});
    scene.AddRow(kind::Viewpoint, 0, tag::Value, 0, -1);
    scene.AddRow(kind::OrthographicCamera, 0, tag::Value, 0, -1);
    SceneCamera side{scene.nodeCount - 2, {10, 2, 0}, {-1, 0, 0}, {0, 1, 0}, 0.5f};
    Camera camera;
    camera.aspectRatio = 2;
    camera.projectionMode = kProjectionOrthographic;
    ViewThroughFileCamera(camera, scene, side);
    double view[16];
    ViewMatrix(camera, view);
    const double probes[3][4] = {{10, 2, 0, 1}, {9, 2, 0, 1}, {10, 3, 0, 1}};
    const double expected[3][3] = {{0, 0, 0}, {0, 0, -1}, {0, 1, 0}};
    for (int p = 0; p < 3; ++p) {
        double out[4];
        vmath::TransformPoint(out, view, probes[p]);
        for (int a = 0; a < 3; ++a) EXPECT_NEAR(out[a], expected[p][a], 1e-5) << p << a;
    }
    EXPECT_EQ(camera.projectionMode, kProjectionPerspective);
    EXPECT_NEAR(camera.fieldOfView, 0.5 / (M_PI / 180), 1e-3);
    EXPECT_LT(camera.nearPlane, 10 - std::sqrt(3.0f));
    EXPECT_GT(camera.farPlane, 10 + std::sqrt(3.0f));
    EXPECT_EQ(camera.fitPending, -1) << "the first draw keeps it";

    side.row = scene.nodeCount - 1;
    side.size = 6;
    ViewThroughFileCamera(camera, scene, side);
    EXPECT_EQ(camera.projectionMode, kProjectionOrthographic);
    EXPECT_FLOAT_EQ(camera.orthoHalfHeight * camera.zoomFactor, 3);
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
    // Measured at the rotation centre's depth.
    camera.rotationCentre[2] = 112.5f;
    EXPECT_FLOAT_EQ(MarkLength(camera, 0.13f), 25 * 0.13f);
}

class ProjectionTest : public testing::RenderTest {};

// Box of the model pixels (those not in the background colour).
QRect ModelPixels(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(0, 0, 128)) box |= QRect(x, y, 1, 1);
    return box;
}

// An off-origin part, a long thin part and a flat board, in both
// projections and from the front and the top: inside the picture and
// filling a good share of it.
TEST_F(ProjectionTest, OpeningFramesTheModel) {
    struct Part {
        const char* name;
        float at[3];
        float size[3];
    };
    const Part parts[] = {{"off-origin", {-5, 85, -35}, {3, 3, 3}},
                          {"long thin", {10, 0, 0}, {40, 0.5f, 0.5f}},
                          {"flat board", {0, 0, 200}, {30, 20, 1.6f}}};
    for (const Part& part : parts) {
        SceneData scene;
        testing::SceneBuilder b(scene);
        b.BeginFile("part.wrl");
        b.Values(kind::Translation, {part.at[0], part.at[1], part.at[2]});
        b.Values(kind::Cube, {part.size[0], part.size[1], part.size[2]});
        b.EndFile();
        PrepareGeometry(scene);
        for (int32_t projection : {kProjectionPerspective, kProjectionOrthographic}) {
            for (bool fromTop : {false, true}) {
                camera = Camera();
                camera.aspectRatio = float(kWidth) / kHeight;
                camera.projectionMode = projection;
                if (fromTop) {
                    double top[16];
                    vmath::RotationX(top, vmath::kPi / 2);
                    for (int i = 0; i < 16; ++i) camera.viewRotation[i] = float(top[i]);
                }
                const QRect box = ModelPixels(Draw(scene));
                const std::string label =
                    std::string(part.name) +
                    (projection == kProjectionPerspective ? " persp" : " ortho") +
                    (fromTop ? " top" : "");
                ASSERT_FALSE(box.isEmpty()) << label;
                // Clear of the picture's edges, so nothing is cut off.
                EXPECT_TRUE(QRect(1, 1, kWidth - 2, kHeight - 2).contains(box)) << label;
                EXPECT_TRUE(box.width() >= 0.4 * kWidth || box.height() >= 0.4 * kHeight)
                    << label << " " << box.width() << "x" << box.height();
                // The box's centre in the middle of the picture.
                EXPECT_NEAR(box.center().x(), kWidth / 2, kWidth / 10) << label;
                EXPECT_NEAR(box.center().y(), kHeight / 2, kHeight / 10) << label;
            }
        }
    }
}

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
