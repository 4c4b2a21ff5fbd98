// Whole frames compared with baseline images, and the walk rules that
// decide what gets drawn.

#include "math/vector_math.h"
#include "prompt/prompt.h"
#include "render/gl_headers.h"
#include "render/render_fixture.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_builder.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {
namespace {

using testing::CountPixelsNotColoured;
using testing::SceneBuilder;

constexpr QRgb kNavy = qRgb(0, 0, 128);

// Primitives, a face set, a line set and a text, each in its own colour.
void BuildSampleScene(SceneData& scene) {
    SceneBuilder b(scene);
    b.BeginFile("sample.wrl");
    auto part = [&b](float x, float y, float red, float green, float blue, int32_t code,
                     std::initializer_list<float> values) {
        b.OpenGroup(kind::Separator);
        b.Values(kind::Translation, {x, y, 0});
        b.Material(red, green, blue);
        b.Values(code, values);
        b.Close();
    };
    part(-6, 3, 0.9f, 0.2f, 0.2f, kind::Cube, {3, 2, 2});
    part(0, 3, 0.2f, 0.9f, 0.2f, kind::Sphere, {1.5f});
    part(6, 3, 0.2f, 0.4f, 0.9f, kind::Cone, {3, 1.5f, 3});
    part(-6, -3, 0.9f, 0.9f, 0.2f, kind::Cylinder, {7, 1.2f, 3});
    b.OpenGroup(kind::Separator);
    b.Material(0.9f, 0.5f, 0.1f);
    b.Coordinates({-2, -5, 0, 2, -5, 0, 2, -1, 0, -2, -1, 0, 0, -3, 2});
    b.FaceSet({0, 1, 4, 1, 2, 4, 2, 3, 4, 3, 0, 4});
    b.LineSet({0, 2, -1, 1, 3});
    b.Close();
    b.OpenGroup(kind::Separator);
    b.Values(kind::Translation, {4, -4, 0});
    b.Material(1, 1, 1);
    b.Values(kind::Scale, {2, 2, 2});
    b.Text("Ab");
    b.Close();
    b.EndFile();
    PrepareGeometry(scene);
}

class SceneDrawingTest : public testing::RenderTest {};

TEST_F(SceneDrawingTest, SampleSceneInEveryDisplayMode) {
    SceneData scene;
    BuildSampleScene(scene);
    const char* names[4] = {"sample_shaded", "sample_hlr", "sample_hidden", "sample_wire"};
    for (int mode = 0; mode < 4; ++mode) {
        settings.displayMode = mode;
        const QImage image = Draw(scene);
        EXPECT_GT(CountPixelsNotColoured(image, kNavy), 500) << names[mode];
        EXPECT_TRUE(testing::MatchesBaseline(image, names[mode]));
    }
}

TEST_F(SceneDrawingTest, OrthographicWithOverlaysAndBackgroundColour) {
    SceneData scene;
    BuildSampleScene(scene);
    camera.projectionMode = kProjectionOrthographic;
    settings.showCoordinateCentre = settings.showRotationCentre = settings.showDatums = 1;
    settings.backgroundColour[0] = 0.3f;
    settings.backgroundColour[1] = 0.3f;
    settings.backgroundColour[2] = 0.3f;
    const QImage image = Draw(scene);
    const QColor corner(image.pixel(1, 1));
    EXPECT_NEAR(corner.red(), 77, 1) << "background colour";
    EXPECT_NEAR(corner.blue(), 77, 1) << "background colour";
    EXPECT_TRUE(testing::MatchesBaseline(image, "sample_ortho_overlays"));
}

TEST_F(SceneDrawingTest, HiddenGroupsSuppressTheirSubtree) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("hidden.wrl");
    const int32_t hidden = b.OpenGroup(kind::Separator);
    b.Values(kind::Cube, {4, 4, 4});
    b.OpenGroup(kind::Separator);
    b.Values(kind::Sphere, {3});
    b.Close();
    b.Close();
    b.EndFile();
    PrepareGeometry(scene);
    scene.bounds[0] = scene.bounds[2] = scene.bounds[4] = -5;
    scene.bounds[1] = scene.bounds[3] = scene.bounds[5] = 5;
    scene.sceneExtent = 5;

    const QImage shown = Draw(scene);
    EXPECT_GT(CountPixelsNotColoured(shown, kNavy), 1000) << "shown";
    for (int32_t tagValue : {tag::Hidden, 99}) {
        scene.Row(hidden).tag = tagValue;
        EXPECT_EQ(CountPixelsNotColoured(Draw(scene), kNavy), 0) << "tag " << tagValue;
    }
    scene.Row(hidden).tag = tag::Shown;
    scene.Row(0).tag = tag::Hidden;
    EXPECT_EQ(CountPixelsNotColoured(Draw(scene), kNavy), 0) << "hidden file root";

    // The sample without its sphere: the group around it is hidden.
    SceneData sample;
    BuildSampleScene(sample);
    for (int32_t row = 0; row < sample.nodeCount; ++row)
        if (sample.Row(row).kind == kind::Sphere) sample.Row(row - 3).tag = tag::Hidden;
    camera = Camera();
    camera.aspectRatio = float(kWidth) / kHeight;
    EXPECT_TRUE(testing::MatchesBaseline(Draw(sample), "sample_sphere_hidden"));
}

TEST_F(SceneDrawingTest, MaterialsAndBackFaces) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("materials.wrl");
    b.OpenGroup(kind::Group, 2);
    b.Material(0, 1, 0);
    b.Close();
    // The Group shares its state: the green stays in force after it.
    b.Coordinates({-4, -4, 0, 4, -4, 0, 4, 4, 0, -4, 4, 0});
    b.FaceSet({0, 1, 2, 0, 2, 3});
    b.EndFile();
    PrepareGeometry(scene);
    vmath::Identity(camera.viewRotation);
    camera.projectionMode = kProjectionOrthographic;
    const QColor front(Draw(scene).pixel(kWidth / 2, kHeight / 2));
    EXPECT_GT(front.green(), 150) << "group material stays in force";
    EXPECT_LT(front.red(), 60);

    // Seen from behind, shaded mode gives the back faces red ambient light.
    double turn[16];
    vmath::RotationY(turn, vmath::kPi);
    for (int i = 0; i < 16; ++i) camera.viewRotation[i] = float(turn[i]);
    const QColor back(Draw(scene).pixel(kWidth / 2, kHeight / 2));
    EXPECT_GT(back.red(), 30) << "red back face";
    EXPECT_GT(back.green(), 150);

    // Highlighted face sets take the highlight material.
    vmath::Identity(camera.viewRotation);
    scene.Row(scene.nodeCount - 1).tag = tag::Highlighted;
    for (int32_t row = 0; row < scene.nodeCount; ++row)
        if (scene.Row(row).kind == kind::IndexedFaceSet) scene.Row(row).tag = tag::Highlighted;
    const QColor lit(Draw(scene).pixel(kWidth / 2, kHeight / 2));
    EXPECT_GT(lit.red(), 150) << "highlight material";
}

// What real exports rely on beyond their shapes, one file and picture each:
// corner colours (and a USE of a Color), smooth normals from the crease
// angle, a sphere seen through a transparent box, an image file and pixels
// as textures.
TEST_F(SceneDrawingTest, ColoursSmoothShadingTransparencyAndTextures) {
    const std::string folder = VANTOR_TEST_INPUTS "/render/";
    for (const char* name : {"appearance_colours", "appearance_smooth", "appearance_transparent",
                             "appearance_texture"}) {
        SCOPED_TRACE(name);
        VrmlReader scene;
        ScriptedPrompt prompt;
        ASSERT_EQ(scene.ReadVrmlFile(folder + name + ".wrl", prompt,
                                     ::testing::TempDir() + "appearance_log.txt"),
                  1);
        EXPECT_EQ(scene.log.linesWritten(), 0);
        camera = Camera{};
        camera.aspectRatio = float(kWidth) / kHeight;
        vmath::Identity(camera.viewRotation);
        EXPECT_TRUE(testing::MatchesBaseline(Draw(scene), name));
    }
}

// A square facing the eye, drawn as it is, in millimetres under a 1/1000
// scale, and mirrored: lit alike. A display mode draws the same picture
// whatever mode came before.
TEST_F(SceneDrawingTest, LightingIgnoresScaleMirrorAndThePreviousMode) {
    auto square = [](SceneData& scene, std::initializer_list<float> scale, float unit) {
        SceneBuilder b(scene);
        b.BeginFile("square.wrl");
        b.Material(0.2f, 0.6f, 0.9f);
        b.Values(kind::Scale, scale);
        const float h = 4 * unit;
        b.Coordinates({-h, -h, 0, h, -h, 0, h, h, 0, -h, h, 0});
        b.FaceSet({0, 1, 2, 0, 2, 3});
        b.EndFile();
        PrepareGeometry(scene);
    };
    auto centreColour = [&](SceneData& scene) {
        camera = Camera();
        camera.aspectRatio = float(kWidth) / kHeight;
        vmath::Identity(camera.viewRotation);
        return QColor(Draw(scene).pixel(kWidth / 2, kHeight / 2));
    };
    SceneData plain, millimetres, mirrored;
    square(plain, {1, 1, 1}, 1);
    square(millimetres, {0.001f, 0.001f, 0.001f}, 1000);
    square(mirrored, {-1, 1, 1}, 1);
    const QColor expected = centreColour(plain);
    EXPECT_GT(expected.blue(), 150);
    for (SceneData* scene : {&millimetres, &mirrored}) {
        const QColor actual = centreColour(*scene);
        EXPECT_NEAR(actual.red(), expected.red(), 4)
            << (scene == &mirrored ? "mirrored" : "scaled");
        EXPECT_NEAR(actual.green(), expected.green(), 4);
        EXPECT_NEAR(actual.blue(), expected.blue(), 4);
    }

    SceneData sample;
    BuildSampleScene(sample);
    for (int32_t mode = kDisplayShaded; mode <= kDisplayWireframe; ++mode) {
        QImage pictures[2];
        for (int32_t before : {kDisplayShaded, kDisplayHiddenLineRemoval}) {
            settings.displayMode = before;
            Draw(sample);
            settings.displayMode = mode;
            pictures[before] = Draw(sample);
        }
        EXPECT_EQ(pictures[0], pictures[1]) << "mode " << mode;
    }
}

TEST_F(SceneDrawingTest, SwitchDrawsOnlyTheChosenChild) {
    SceneData scene;
    SceneBuilder c(scene);
    c.BeginFile("switch.wrl");
    // Switch with a chosen child range that draws nothing and a second
    // child (a cube) that is not chosen.
    const float block[3] = {0, 0, 0};
    const int32_t offset = scene.AddValues(block, 3);
    scene.AddRow(kind::Switch, 0, tag::Shown, offset, -998);
    const int32_t chosen = c.Values(kind::Info, {});
    const int32_t cube = c.Values(kind::Cube, {6, 6, 6});
    scene.valuePool[offset] = float(chosen);
    scene.valuePool[offset + 1] = float(chosen + 1);
    scene.valuePool[offset + 2] = float(cube + 1);
    c.EndFile();
    PrepareGeometry(scene);
    scene.sceneExtent = 5;
    EXPECT_EQ(CountPixelsNotColoured(Draw(scene), kNavy), 0) << "unchosen child";
    scene.valuePool[offset] = float(cube);
    scene.valuePool[offset + 1] = float(cube + 1);
    EXPECT_GT(CountPixelsNotColoured(Draw(scene), kNavy), 500) << "chosen child";
}

TEST_F(SceneDrawingTest, UseOfItsOwnGroupDoesNotRecurseForever) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("loop.wrl");
    const int32_t group = b.OpenGroup(kind::Separator, 3, "LOOP");
    b.Values(kind::Cube, {2, 2, 2});
    b.Use(group, "LOOP");
    b.Close();
    b.EndFile();
    PrepareGeometry(scene);
    scene.sceneExtent = 3;
    EXPECT_GT(CountPixelsNotColoured(Draw(scene), kNavy), 100);
}

TEST_F(SceneDrawingTest, IdleScreenCyclesTitleColours) {
    SceneData empty;
    const int fixedTime[6] = {2026, 3, 7, 9, 5, 0};
    std::copy(fixedTime, fixedTime + 6, renderer->idleTime);
    // Overlays are not drawn over the idle screen (the baseline has none).
    settings.showCoordinateCentre = settings.showRotationCentre = settings.showDatums = 1;
    const QImage first = Draw(empty);
    EXPECT_TRUE(testing::MatchesBaseline(first, "idle_screen"));
    EXPECT_GT(CountPixelsNotColoured(first, kNavy), 300) << "title and date drawn";
    const QImage second = Draw(empty);
    EXPECT_NE(first, second) << "colours advance every frame";
}

TEST_F(SceneDrawingTest, PlayEachSpinsKorvaldeMatrices) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("spin.wrl");
    const int32_t offset = scene.valueCount;
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    scene.AddValues(identity, 16);
    scene.AddRow(kind::MatrixTransformKorvalde, 0, tag::DefaultRow, offset, offset + 15);
    b.Values(kind::Cube, {2, 2, 2});
    b.EndFile();
    PrepareGeometry(scene);
    Draw(scene);
    EXPECT_EQ(scene.valuePool[offset], 1) << "still without Play Each";
    settings.playEach = 1;
    Draw(scene);
    Draw(scene);
    EXPECT_LT(scene.valuePool[offset], 1) << "stored matrix turns frame by frame";
    EXPECT_NE(settings.partSpin[0], 1);
}

// The reader's default parts value ALL (8) must draw the whole shape.
TEST_F(SceneDrawingTest, PrimitiveAllPartsAndSingleParts) {
    for (int32_t code : {kind::Cylinder, kind::Cone}) {
        SceneData scene;
        SceneBuilder b(scene);
        b.BeginFile("parts.wrl");
        const int32_t shape = b.Values(code, {8, 2, 4});
        b.EndFile();
        PrepareGeometry(scene);
        scene.sceneExtent = 4;
        camera = Camera();
        const int all = CountPixelsNotColoured(Draw(scene), kNavy);
        EXPECT_GT(all, 1000) << "ALL, kind " << code;
        scene.valuePool[scene.Row(shape).dataBegin] = 2;  // one cap only
        const int cap = CountPixelsNotColoured(Draw(scene), kNavy);
        EXPECT_GT(cap, 0) << "cap, kind " << code;
        EXPECT_LT(cap, all) << "cap, kind " << code;
    }
}

}  // namespace
}  // namespace vantor
