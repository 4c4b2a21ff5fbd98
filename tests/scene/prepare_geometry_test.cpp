#include <gtest/gtest.h>

#include <vector>

#include "scene/prepare_geometry.h"
#include "scene/scene_builder.h"

using namespace vantor;
using vantor::testing::SceneBuilder;

namespace {

void ExpectBounds(const SceneData& s, std::initializer_list<float> expected) {
    int i = 0;
    for (float v : expected) {
        EXPECT_NEAR(s.bounds[i], v, 1e-5) << "bounds[" << i << "]";
        ++i;
    }
}

int CountRows(const SceneData& s, int32_t code) {
    int n = 0;
    for (int32_t i = 0; i < s.nodeCount; ++i) n += s.Row(i).kind == code;
    return n;
}

}  // namespace

TEST(Transforms, ComposeOnTheRightInFileOrder) {
    struct Step {
        int32_t kind;
        std::vector<float> values;
    };
    struct Case {
        const char* label;
        std::vector<float> at;  // where the point (1, 0, 0) ends up
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"translation", {2, 2, 3}, {{kind::Translation, {1, 2, 3}}}},
        {"scale", {2, 0, 0}, {{kind::Scale, {2, 3, 4}}}},
        {"rotation about z, degrees", {0, 1, 0}, {{kind::Rotation, {0, 0, 1, 90}}}},
        {"translate, then scale (applied first)",
         {3, 0, 0},
         {{kind::Translation, {1, 0, 0}}, {kind::Scale, {2, 2, 2}}}},
        {"matrix",
         {5, 1, 0},
         {{kind::MatrixTransform, {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 5, 0, 0, 1}}}},
        {"transform: rotation (0 1 0 90) and translation (1 0 0)",
         {1, 0, -1},
         {{kind::Transform, {1, 0, 0, 0, 1, 0, 90, 1, 1, 1, 0, 0, 1, 0, 0, 0, 0}}}},
        // Scale x by 3 about centre (1, 0, 0): (1, 0, 0) stays.
        {"transform about a centre with a scale orientation",
         {1, 0, 0},
         {{kind::Transform, {0, 0, 0, 0, 0, 1, 0, 3, 1, 1, 0, 0, 1, 0, 1, 0, 0}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SceneData s;
        SceneBuilder b(s);
        b.BeginFile("t.wrl");
        for (const Step& step : c.steps) {
            const int32_t n = int32_t(step.values.size());
            const int32_t at = s.AddValues(step.values.data(), n);
            s.AddRow(step.kind, b.file(), tag::Value, at, at + n - 1);
        }
        b.Coordinates({1, 0, 0});
        s.AddRow(kind::PointSet, 0, tag::PointSet, 0, 1);
        b.EndFile();
        PrepareGeometry(s);
        ExpectBounds(s, {c.at[0], c.at[0], c.at[1], c.at[1], c.at[2], c.at[2]});
    }
}

TEST(Transforms, MatrixStackRecordsEachChangeAndGroupRestores) {
    SceneData s;
    SceneBuilder b(s);
    b.BeginFile("t.wrl");  // the default matrix row pushes once
    b.OpenGroup(kind::Separator);
    b.Values(kind::Transform, {1, 2, 3, 0, 1, 0, 0, 1, 1, 1, 0, 0, 1, 0, 0, 0, 0});
    b.Close();  // leaving the group pushes the restored matrix
    b.OpenGroup(kind::Separator);
    b.Close();  // a group that changed nothing pushes nothing
    b.EndFile();
    PrepareGeometry(s);
    // Default matrix, the Transform (one row for all its steps), the restore
    // inside the file, the restore when the file root is left.
    EXPECT_EQ(s.matrixDepth, 4);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(s.matrixStack.Row(3)[i], s.matrixStack.Row(1)[i]);
    EXPECT_FLOAT_EQ(s.matrixStack.Row(2)[12], 1);

    PrepareGeometry(s);  // a second pass starts again from depth 0
    EXPECT_EQ(s.matrixDepth, 4);
}

TEST(Walk, HiddenGroupsAndUnchosenSwitchChildrenContributeNothing) {
    SceneData s;
    SceneBuilder b(s);
    b.BeginFile("t.wrl");
    b.Coordinates({0, 0, 0, 1, 0, 0, 0, 1, 0, 9, 9, 9, 8, 9, 9, 9, 8, 9});
    b.FaceSet({0, 1, 2});
    const int32_t hidden = b.OpenGroup(kind::Separator, 3, "", tag::Hidden);
    const int32_t hiddenFaces = b.FaceSet({3, 4, 5});
    b.Close();
    // Switch with whichChoice -1: the chosen range is empty.
    const float block[3] = {0, 0, 0};
    const int32_t offset = s.AddValues(block, 3);
    const int32_t sw = s.AddRow(kind::Switch, 0, tag::Shown, offset, -998);
    b.FaceSet({3, 4, 5});
    s.valuePool[offset] = float(sw + 1);
    s.valuePool[offset + 1] = float(sw + 1);
    s.valuePool[offset + 2] = float(s.nodeCount);
    b.EndFile();

    PrepareGeometry(s);
    ExpectBounds(s, {0, 1, 0, 1, 0, 0});
    EXPECT_EQ(s.Block(s.Row(hiddenFaces).dataBegin)[0], -1);  // no normals for the hidden set
    EXPECT_EQ(CountRows(s, kind::NormalG), 1);
    EXPECT_FLOAT_EQ(s.sceneExtent, 1);

    // Showing the group again brings its face set in on the next pass.
    s.Row(hidden).tag = tag::Shown;
    PrepareGeometry(s);
    EXPECT_FLOAT_EQ(s.bounds[1], 9);
    EXPECT_EQ(CountRows(s, kind::NormalG), 2);
}

TEST(Normals, GeneratedOncePerFaceSetAndIndexedPerTriangle) {
    SceneData s;
    SceneBuilder b(s);
    b.BeginFile("t.wrl");
    b.Coordinates({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0});
    const int32_t faces = b.FaceSet({0, 1, 2, 0, 2, 3, 0, 0, 0});  // the last is degenerate
    b.EndFile();

    PrepareGeometry(s);
    const float* block = s.Block(s.Row(faces).dataBegin);
    EXPECT_EQ(block[0], 2);
    ASSERT_EQ(CountRows(s, kind::NormalG), 1);
    EXPECT_EQ(s.normalCount, 9);
    EXPECT_EQ(block[4] - block[3], 9);
    EXPECT_EQ(s.normalIndexPool[int32_t(block[3]) + 3], 1);  // second triangle, normal 1
    EXPECT_FLOAT_EQ(s.normalPool[2], 1);                     // +z
    EXPECT_FLOAT_EQ(s.normalPool[8], 0);                     // degenerate: zero, not NaN

    PrepareGeometry(s);
    EXPECT_EQ(CountRows(s, kind::NormalG), 1);
    EXPECT_EQ(s.normalCount, 9);
}

TEST(Walk, UseRevisitsItsTargetInTheCurrentTransformAndNeverLoops) {
    SceneData s;
    SceneBuilder b(s);
    b.BeginFile("t.wrl");
    const int32_t part = b.OpenGroup(kind::Separator, 3, "Part");
    b.Coordinates({0, 0, 0, 1, 1, 1});
    s.AddRow(kind::PointSet, 0, tag::PointSet, 0, -1);
    b.Use(part, "Part");  // a USE inside its own target
    b.Close();
    b.Values(kind::Translation, {10, 0, 0});
    b.Use(part, "Part");
    b.EndFile();

    PrepareGeometry(s);
    ExpectBounds(s, {0, 11, 0, 1, 0, 1});
}

TEST(Primitives, ExtremePointsWidenTheBounds) {
    SceneData s;
    SceneBuilder b(s);
    b.BeginFile("t.wrl");
    b.Values(kind::Sphere, {2});
    b.Values(kind::Cylinder, {0, 1, 6});
    b.Values(kind::Cube, {1, 1, 10});
    b.Values(kind::Translation, {100, 0, 0});
    b.Text("HI");  // its glyph box: one em wide, inside the other heights
    b.EndFile();
    PrepareGeometry(s);
    ExpectBounds(s, {-2, 101, -3, 3, -5, 5});
    EXPECT_FLOAT_EQ(s.sceneExtent, 101);
}

TEST(MeasuringSystem, BoundsAreExpressedInItsAxes) {
    SceneData s;
    SceneBuilder b(s);
    b.BeginFile("t.wrl");
    b.Values(kind::Cube, {2, 4, 6});
    b.EndFile();
    // Origin at (1, 0, 0); the system's x axis is the world's y axis.
    s.csysOrigin[0] = 1;
    const float rotation[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    std::copy(rotation, rotation + 16, s.csysRotation);
    PrepareGeometry(s);
    // max x, min x, max y, min y, max z, min z, extent
    const float expected[7] = {2, -2, 2, 0, 3, -3, 3};
    for (int i = 0; i < 7; ++i) EXPECT_NEAR(s.csysBounds[i], expected[i], 1e-6) << i;
}

TEST(Walk, EmptySceneLeavesBoundsUnsetAndExtentZero) {
    SceneData s;
    PrepareGeometry(s);
    EXPECT_EQ(s.bounds[0], FLT_MAX);
    EXPECT_EQ(s.sceneExtent, 0);
    EXPECT_EQ(s.matrixDepth, 0);
}
