// The pick frame on a headless context: which items a double-click at a
// known point hits, in what depth order, and with which matrix row.

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

#include "render/gl_headers.h"
#include "render/pick_pass.h"
#include "render/render_fixture.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_builder.h"

namespace vantor {
namespace {

using testing::SceneBuilder;

class PickPassTest : public testing::RenderTest {
  protected:
    // Mouse position (y down) of a world point under the fitted camera.
    void Project(SceneData& scene, const float world[3], double& x, double& y) {
        ApplyFit(camera, scene);
        double projection[16], view[16], winX, winY, winZ;
        ProjectionMatrix(camera, projection);
        ViewMatrix(camera, view);
        const GLint viewport[4] = {0, 0, kWidth, kHeight};
        gluProject(world[0], world[1], world[2], view, projection, viewport, &winX, &winY, &winZ);
        x = winX;
        y = kHeight - winY;
    }
    int PickAt(SceneData& scene, const float world[3], PickKeyRole role) {
        double x, y;
        Project(scene, world, x, y);
        return pass.Pick(scene, camera, settings, &renderer->Font(), x, y, role, hits);
    }
    // Sub-items of the hits on `row`.
    std::set<int32_t> SubItemsOf(int32_t row) const {
        std::set<int32_t> items;
        for (const PickHit& hit : hits)
            if (hit.names[2] == row) items.insert(hit.names[4]);
        return items;
    }
    const PickHit* HitOn(int32_t row) const {
        for (const PickHit& hit : hits)
            if (hit.names[2] == row) return &hit;
        return nullptr;
    }

    PickPass pass;
    std::vector<PickHit> hits;
};

TEST_F(PickPassTest, TriangleVerticesEdgesAndFace) {
    SceneData scene;
    SceneBuilder b(scene);
    const int32_t file = b.BeginFile("triangle.wrl");
    const int32_t group = b.OpenGroup(kind::Separator);
    b.Coordinates({-4, -3, 0, 4, -3, 0, 0, 4, 0});
    const int32_t faces = b.FaceSet({0, 1, 2});
    b.Close();
    b.EndFile();
    PrepareGeometry(scene);

    const float centroid[3] = {0, -2.0f / 3, 0};
    ASSERT_GT(PickAt(scene, centroid, PickKeyRole::Measure), 0);
    EXPECT_EQ(SubItemsOf(faces), std::set<int32_t>{sub_item::Face}) << "inside: only the face";
    const PickHit* hit = HitOn(faces);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->names[0], -file) << "group row";
    EXPECT_EQ(hit->names[3], 0) << "element: first index of the triangle";

    const float corner0[3] = {-4, -3, 0};
    ASSERT_GT(PickAt(scene, corner0, PickKeyRole::Measure), 0);
    EXPECT_EQ(SubItemsOf(faces), (std::set<int32_t>{sub_item::Vertex0, sub_item::Edge01,
                                                    sub_item::Edge20, sub_item::Face}))
        << "a corner: its vertex, its two edges and the face";

    const float middle12[3] = {2, 0.5f, 0};
    ASSERT_GT(PickAt(scene, middle12, PickKeyRole::Measure), 0);
    EXPECT_EQ(SubItemsOf(faces), (std::set<int32_t>{sub_item::Edge12, sub_item::Face}));

    // Without a parts key the contents of a Separator are not pickable; a
    // hidden one's only with the show-parts key.
    PickAt(scene, centroid, PickKeyRole::None);
    EXPECT_EQ(HitOn(faces), nullptr);
    scene.Row(group).tag = tag::Hidden;
    for (PickKeyRole role : {PickKeyRole::None, PickKeyRole::Measure, PickKeyRole::NoShowParts}) {
        PickAt(scene, centroid, role);
        EXPECT_EQ(HitOn(faces), nullptr);
    }
    PickAt(scene, centroid, PickKeyRole::ShowParts);
    EXPECT_NE(HitOn(faces), nullptr);
}

TEST_F(PickPassTest, NearerFaceHasTheSmallerDepth) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("two.wrl");
    b.OpenGroup(kind::Separator);
    b.Coordinates({-4, -4, -2, 4, -4, -2, 0, 4, -2, -4, -4, 2, 4, -4, 2, 0, 4, 2});
    const int32_t faces = b.FaceSet({0, 1, 2, 3, 4, 5});
    b.Close();
    b.EndFile();
    PrepareGeometry(scene);
    camera.viewRotation[0] = 1;
    for (int i = 1; i < 15; ++i) camera.viewRotation[i] = i % 5 == 0 ? 1 : 0;
    camera.viewRotation[15] = 1;

    const float centre[3] = {0, -1, 0};
    ASSERT_GT(PickAt(scene, centre, PickKeyRole::Measure), 0);
    const PickHit *back = nullptr, *front = nullptr;
    for (const PickHit& hit : hits) {
        if (hit.names[2] != faces || hit.names[4] != sub_item::Face) continue;
        (hit.names[3] == 0 ? back : front) = &hit;
    }
    ASSERT_TRUE(back && front);
    EXPECT_LT(front->minDepth, back->minDepth) << "the triangle at z = 2 faces the camera";
}

TEST_F(PickPassTest, LineSetsPointSetsAndDatums) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("lines.wrl");
    b.Coordinates({-5, 0, 0, 5, 0, 0, 5, 5, 0});
    const int32_t lines = b.LineSet({0, 1, 2});
    const int32_t offset = scene.pointCount / 3;
    b.Coordinates({-3, 3, 0, 0, -4, 0});
    const int32_t points = scene.AddRow(kind::PointSet, b.file(), tag::PointSet, offset, 2);
    b.EndFile();
    PrepareGeometry(scene);
    ASSERT_EQ(settings.showDatums, 0);

    const float onSegment[3] = {0, 0, 0};
    PickAt(scene, onSegment, PickKeyRole::None);
    EXPECT_EQ(SubItemsOf(lines), std::set<int32_t>{sub_item::Segment})
        << "shapes directly in a file are pickable without a key";

    const float joint[3] = {5, 0, 0};
    PickAt(scene, joint, PickKeyRole::None);
    std::set<std::pair<int32_t, int32_t>> parts;
    for (const PickHit& hit : hits)
        if (hit.names[2] == lines) parts.insert({hit.names[3], hit.names[4]});
    EXPECT_TRUE(parts.count({0, sub_item::SegmentEnd}) && parts.count({1, sub_item::SegmentStart}))
        << "both segments meet at the joint";

    const float point[3] = {-3, 3, 0};
    PickAt(scene, point, PickKeyRole::None);
    const PickHit* hit = HitOn(points);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->names[3], offset) << "element: the point's number";
    EXPECT_EQ(hit->names[4], 0);

    // The Front datum's corner (largest x and y of the box), datums not shown.
    const float corner[3] = {scene.csysBounds[0], scene.csysBounds[2], 0};
    PickAt(scene, corner, PickKeyRole::None);
    const PickHit* datum = HitOn(-10501);
    ASSERT_NE(datum, nullptr);
    EXPECT_EQ(datum->names[3], 10501);
}

TEST_F(PickPassTest, MatrixIndexMatchesPreparedMatrixRows) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("nested.wrl");
    b.Values(kind::Translation, {1, 0, 0});
    b.OpenGroup(kind::Separator);
    b.Values(kind::Translation, {0, 5, 0});
    b.OpenGroup(kind::Separator);
    b.Values(kind::Scale, {2, 2, 2});
    b.Values(kind::Translation, {-4, 0, 0});
    b.Coordinates({-0.5f, -0.5f, 0, 0.5f, -0.5f, 0, 0, 0.5f, 0});
    const int32_t a = b.FaceSet({0, 1, 2});
    b.Close();
    const int32_t bRow = b.FaceSet({0, 1, 2});
    b.Close();
    b.BeginInline("part.wrl");
    b.Values(kind::Translation, {0, -6, 0});
    const int32_t c = b.FaceSet({0, 1, 2});
    b.EndInline();
    b.OpenGroup(kind::Separator, 3, "", tag::Hidden);
    b.Values(kind::Translation, {0, 0, 9});
    b.Close();
    const int32_t d = b.FaceSet({0, 1, 2});
    // A named VRML 2.0 Group (an Anchor row) placed again with USE.
    const int32_t group = b.OpenGroup(kind::Anchor, 2, "G");
    b.OpenGroup(kind::Separator);
    b.Values(kind::Translation, {20, 0, 0});
    const int32_t e = b.FaceSet({0, 1, 2});
    b.Close();
    b.Close();
    b.OpenGroup(kind::Separator);
    b.Values(kind::Translation, {0, 30, 0});
    b.Use(group, "G");
    b.Close();
    b.EndFile();
    PrepareGeometry(scene);

    // World centres: the triangle's local centroid is (0, -1/6, 0).
    struct Case {
        int32_t row;
        float at[3];
        float translation[3];
        float scale;
    };
    const Case cases[] = {
        {a, {-7, 5 - 1.0f / 3, 0}, {-7, 5, 0}, 2}, {bRow, {1, 5 - 1.0f / 6, 0}, {1, 5, 0}, 1},
        {c, {1, -6 - 1.0f / 6, 0}, {1, -6, 0}, 1}, {d, {1, -1.0f / 6, 0}, {1, 0, 0}, 1},
        {e, {21, -1.0f / 6, 0}, {21, 0, 0}, 1},    {e, {21, 30 - 1.0f / 6, 0}, {21, 30, 0}, 1}};
    for (const Case& test : cases) {
        SCOPED_TRACE("row " + std::to_string(test.row));
        PickAt(scene, test.at, PickKeyRole::Measure);
        const PickHit* hit = HitOn(test.row);
        ASSERT_NE(hit, nullptr);
        const int32_t index = hit->names[1];
        ASSERT_GE(index, 1);
        ASSERT_LE(index, scene.matrixDepth);
        const float* m = scene.matrixStack.Row(index);
        EXPECT_NEAR(m[0], test.scale, 1e-5);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(m[12 + i], test.translation[i], 1e-5);
        if (test.row == c) {
            EXPECT_EQ(-hit->names[0], c - 2) << "the inline row is the innermost group";
        }
    }
}

TEST_F(PickPassTest, EveryPrimitiveKindIsPickable) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("kinds.wrl");
    struct Item {
        int32_t row;
        float at[3];
    };
    std::vector<Item> items;
    auto place = [&](float x, float y, auto add) {
        b.OpenGroup(kind::Separator);
        b.Values(kind::Translation, {x, y, 0});
        items.push_back({add(), {x, y, 0}});
        b.Close();
    };
    place(-6, 3, [&] { return b.Values(kind::Cube, {3, 2, 2}); });
    place(0, 3, [&] { return b.Values(kind::Sphere, {1.5f}); });
    place(6, 3, [&] { return b.Values(kind::Cone, {3, 1.5f, 3}); });
    place(-6, -3, [&] { return b.Values(kind::Cylinder, {7, 1.2f, 3}); });
    b.OpenGroup(kind::Separator);
    b.Values(kind::Translation, {3, -4, 0});
    b.Values(kind::Scale, {2, 2, 2});
    items.push_back({b.Text("M"), {3.6f, -3.4f, 0}});
    b.Close();
    b.EndFile();
    PrepareGeometry(scene);

    for (const Item& item : items) {
        SCOPED_TRACE(KindName(scene.Row(item.row).kind));
        PickAt(scene, item.at, PickKeyRole::Measure);
        const PickHit* hit = HitOn(item.row);
        ASSERT_NE(hit, nullptr);
        EXPECT_EQ(hit->names[3], 0);
        EXPECT_EQ(hit->names[4], 0);
    }
}

TEST_F(PickPassTest, DenseGeometryOverflowsTheBuffer) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("dense.wrl");
    b.Coordinates({-4, -3, 0, 4, -3, 0, 0, 4, 0});
    std::vector<int32_t> indices;
    for (int i = 0; i < 1500; ++i) indices.insert(indices.end(), {0, 1, 2});
    b.FaceSet(indices);
    b.EndFile();
    PrepareGeometry(scene);
    const float centroid[3] = {0, -2.0f / 3, 0};
    EXPECT_LT(PickAt(scene, centroid, PickKeyRole::None), 0);
    EXPECT_TRUE(hits.empty());

    // Far from the triangles nothing is a candidate.
    const float outside[3] = {30, 30, 0};
    PickAt(scene, outside, PickKeyRole::None);
    EXPECT_EQ(pass.drawnCandidates, 0);
}

TEST_F(PickPassTest, CullingKeepsTheHitsOfAFullPass) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("wavy.wrl");
    b.OpenGroup(kind::Separator);
    b.Values(kind::Rotation, {1, 1, 0, 40});
    std::vector<float> xyz;
    constexpr int kGrid = 21;
    for (int y = 0; y < kGrid; ++y)
        for (int x = 0; x < kGrid; ++x)
            xyz.insert(xyz.end(), {x - 10.0f, y - 10.0f, std::sin(x * 0.7f) * std::cos(y * 0.5f)});
    b.Coordinates(xyz);
    std::vector<int32_t> triangles;
    for (int y = 0; y + 1 < kGrid; ++y)
        for (int x = 0; x + 1 < kGrid; ++x) {
            const int32_t a = y * kGrid + x, c = a + kGrid + 1;
            triangles.insert(triangles.end(), {a, a + 1, c, a, c, a + kGrid});
        }
    b.FaceSet(triangles);
    b.Close();
    b.EndFile();
    PrepareGeometry(scene);
    ApplyFit(camera, scene);
    camera.fieldOfView = 8;  // close up: the surface fills the picture

    auto key = [](const PickHit& h) {
        return std::tuple(h.minDepth, h.maxDepth, h.names[0], h.names[1], h.names[2], h.names[3],
                          h.names[4]);
    };
    int compared = 0;
    for (double x = 20; x < kWidth; x += 37)
        for (double y = 15; y < kHeight; y += 29) {
            std::vector<PickHit> culled, full;
            pass.cullCandidates = true;
            const int culledCount =
                pass.Pick(scene, camera, settings, nullptr, x, y, PickKeyRole::Measure, culled);
            const int64_t candidates = pass.drawnCandidates;
            pass.cullCandidates = false;
            const int fullCount =
                pass.Pick(scene, camera, settings, nullptr, x, y, PickKeyRole::Measure, full);
            ASSERT_EQ(culledCount, fullCount) << x << ", " << y;
            std::vector<decltype(key(full[0]))> a, b2;
            for (const PickHit& h : culled) a.push_back(key(h));
            for (const PickHit& h : full) b2.push_back(key(h));
            std::sort(a.begin(), a.end());
            std::sort(b2.begin(), b2.end());
            EXPECT_EQ(a, b2) << x << ", " << y;
            EXPECT_LT(candidates, pass.drawnCandidates / 4) << "only nearby triangles are drawn";
            compared += culledCount > 0;
        }
    EXPECT_GT(compared, 20) << "most points lie on the surface";
}

}  // namespace
}  // namespace vantor
