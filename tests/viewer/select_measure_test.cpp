// Arcs through picked geometry, the flatness test and the measured items'
// relations and panel rows: plain maths, checked on known shapes.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "measure/measure_panel.h"
#include "render/pick_pass.h"
#include "scene/node_kind.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_builder.h"
#include "scene/scene_data.h"
#include "select/measure_math.h"
#include "select/measured_item.h"
#include "support/qt_test_main.h"

namespace vantor {
namespace {

const bool kNoApp = vantor::testing::RunWithoutApplication(__FILE__);

// Vertex k of a cylinder of radius r about the z axis through (cx, cy),
// tessellated into `segments` around, at height z, with its outward normal.
void CylinderVertex(int k, int segments, double r, double cx, double cy, double z, double p[3],
                    double n[3]) {
    const double a = 2 * std::numbers::pi * k / segments;
    n[0] = std::cos(a), n[1] = std::sin(a), n[2] = 0;
    p[0] = cx + r * n[0], p[1] = cy + r * n[1], p[2] = z;
}

TEST(SelectMeasure, ArcFromEdgeOnATessellatedCylinder) {
    const MeasureTolerances tolerances;
    for (int segments : {8, 32, 100}) {
        SCOPED_TRACE(segments);
        double p1[3], n1[3], p2[3], n2[3];
        CylinderVertex(3, segments, 5, 1, -2, 4, p1, n1);
        CylinderVertex(4, segments, 5, 1, -2, 4, p2, n2);
        const ArcFit arc = ArcFromEdge(p1, n1, p2, n2, tolerances);
        ASSERT_TRUE(arc.found);
        EXPECT_NEAR(arc.radius, 5, 1e-9) << "outward normals still give a positive radius";
        EXPECT_NEAR(arc.centre[0], 1, 1e-9);
        EXPECT_NEAR(arc.centre[1], -2, 1e-9);
        EXPECT_NEAR(arc.centre[2], 4, 1e-9);
    }
    // Inward normals: the same circle.
    double p1[3], n1[3], p2[3], n2[3];
    CylinderVertex(0, 16, 2, 0, 0, 0, p1, n1);
    CylinderVertex(1, 16, 2, 0, 0, 0, p2, n2);
    for (int i = 0; i < 3; ++i) n1[i] = -n1[i], n2[i] = -n2[i];
    const ArcFit inward = ArcFromEdge(p1, n1, p2, n2, tolerances);
    ASSERT_TRUE(inward.found);
    EXPECT_NEAR(inward.radius, 2, 1e-9);
    EXPECT_NEAR(std::hypot(inward.centre[0], inward.centre[1]), 0, 1e-9);
}

TEST(SelectMeasure, StraightAndDegenerateEdgesHaveNoArc) {
    const MeasureTolerances tolerances;
    const double up[3] = {0, 0, 1};
    const double a[3] = {0, 0, 0}, b[3] = {3, 1, 0};
    EXPECT_FALSE(ArcFromEdge(a, up, b, up, tolerances).found) << "flat region: parallel normals";
    const double tilted[3] = {0, std::sin(0.001), std::cos(0.001)};
    EXPECT_FALSE(ArcFromEdge(a, up, b, tilted, tolerances).found) << "below the angle tolerance";
    const double side[3] = {1, 0, 0};
    const double close[3] = {1e-4, 0, 0};
    EXPECT_FALSE(ArcFromEdge(a, up, close, side, tolerances).found) << "end points coincide";
    EXPECT_EQ(ArcFromEdge(a, up, b, up, tolerances).radius, 0);
}

TEST(SelectMeasure, ArcFromVertexOnATessellatedCylinder) {
    const MeasureTolerances tolerances;
    double pa[3], na[3], pb[3], nb[3];
    // Neighbours on the same ring lie on the circle through the vertex.
    CylinderVertex(5, 24, 3, 2, 2, 1, pa, na);
    CylinderVertex(6, 24, 3, 2, 2, 1, pb, nb);
    const ArcFit arc = ArcFromVertex(pa, na, pb, tolerances);
    ASSERT_TRUE(arc.found);
    EXPECT_NEAR(arc.radius, 3, 1e-9);
    EXPECT_NEAR(arc.centre[0], 2, 1e-9);
    EXPECT_NEAR(arc.centre[1], 2, 1e-9);
    EXPECT_NEAR(arc.centre[2], 1, 1e-9);
    // A normal of any length gives the same circle.
    const double longer[3] = {4 * na[0], 4 * na[1], 4 * na[2]};
    EXPECT_NEAR(ArcFromVertex(pa, longer, pb, tolerances).radius, 3, 1e-9);

    // Along the cylinder's axis the surface is straight.
    double above[3] = {pa[0], pa[1], pa[2] + 2};
    EXPECT_FALSE(ArcFromVertex(pa, na, above, tolerances).found);
    EXPECT_FALSE(ArcFromVertex(pa, na, pa, tolerances).found) << "coinciding vertices";
}

TEST(SelectMeasure, FaceFlatness) {
    const MeasureTolerances tolerances;
    const double corners[3][3] = {{0, 0, 0}, {4, 0, 0}, {0, 3, 0}};
    const double up[3][3] = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
    EXPECT_TRUE(IsFlatFace(corners, up, tolerances)) << "normals agree with the CCW face";
    const double down[3][3] = {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}};
    EXPECT_FALSE(IsFlatFace(corners, down, tolerances)) << "opposite normals";
    const double bent[3][3] = {{0, 0, 1}, {0, 0.2, 0.98}, {0, 0, 1}};
    EXPECT_FALSE(IsFlatFace(corners, bent, tolerances)) << "a curved patch";
    const double tiny[3][3] = {{0, 0, 0}, {0.01, 0, 0}, {0, 0.01, 0}};
    EXPECT_TRUE(IsFlatFace(tiny, up, tolerances)) << "small faces are judged like large ones";
    const double needle[3][3] = {{0, 0, 0}, {1e-4, 0, 0}, {0, 3, 0}};
    EXPECT_FALSE(IsFlatFace(needle, up, tolerances)) << "an edge shorter than the tolerance";
}

// A unit cube from the origin to (1, 1, 1), two counter-clockwise
// triangles per side seen from outside: bottom, top, front (y = 0), back,
// left (x = 0), right.
class UnitCube : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::SceneBuilder b(scene);
        b.BeginFile("cube.wrl");
        b.Coordinates({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 1, 1, 0, 1, 1, 1, 1, 0, 1, 1});
        faces = b.FaceSet({0, 2, 1, 0, 3, 2, 4, 5, 6, 4, 6, 7, 0, 1, 5, 0, 5, 4,
                           3, 7, 6, 3, 6, 2, 0, 4, 7, 0, 7, 3, 1, 2, 6, 1, 6, 5});
        b.EndFile();
        PrepareGeometry(scene);
    }
    // Sub-item `sub` of triangle `t`.
    MeasuredItem Item(int t, int32_t sub) const {
        HitRecord hit;
        hit.lTrans = 0;
        hit.lNode = kind::IndexedFaceSet;
        hit.lData0 = faces;
        hit.lData1 = 3 * t;
        hit.lData2 = sub;
        return MeasureItem(scene, hit, MeasureTolerances());
    }
    // The first value of the panel row `label` (after the heading `section`).
    static QString Value(const QList<MeasurePanel::Row>& rows, const QString& section,
                         const QString& label) {
        bool inSection = false;
        for (const MeasurePanel::Row& row : rows) {
            if (row.heading) inSection = row.label == section;
            if (inSection && row.label == label) return row.values.value(0);
        }
        return QStringLiteral("(none)");
    }

    SceneData scene;
    int32_t faces = 0;
};

TEST_F(UnitCube, ItemsAndTheirRelations) {
    const MeasuredItem top = Item(2, sub_item::Face);
    ASSERT_EQ(top.kind, ItemKind::Face);
    EXPECT_EQ(top.flatness, 1);
    EXPECT_NEAR(top.plane.normal[2], 1, 1e-9);
    EXPECT_NEAR(top.point[0], 2.0 / 3, 1e-9) << "centroid of (0,0,1) (1,0,1) (1,1,1)";
    const MeasuredItem edge = Item(2, sub_item::Edge01);  // (0,0,1) to (1,0,1)
    ASSERT_EQ(edge.kind, ItemKind::Edge);
    EXPECT_NEAR(edge.length, 1, 1e-9);
    EXPECT_FALSE(edge.arc.found);

    struct Case {
        const char* what;
        MeasuredItem reference, selected;
        bool hasAngle;
        double angle;
    } cases[] = {
        {"top and right faces", top, Item(10, sub_item::Face), true, 90},
        {"top and bottom faces", top, Item(0, sub_item::Face), true, 180},
        {"edge along x, edge along y", edge, Item(10, sub_item::Edge01), true, 90},
        {"edge in the top face", edge, top, true, 0},
        {"edge across the right face", Item(10, sub_item::Face), edge, true, 90},
        {"vertex and face", Item(0, sub_item::Vertex0), top, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MeasureReference reference;
        reference.item = c.reference;
        const ItemRelation r = RelateItems(scene, reference, c.selected);
        EXPECT_EQ(r.hasAngle, c.hasAngle);
        if (c.hasAngle) {
            EXPECT_NEAR(r.angleDegrees, c.angle, 1e-4);
        }
    }

    // Vertex (0,0,0) from the top face: 1 below its plane.
    MeasureReference fromTop;
    fromTop.item = top;
    const ItemRelation below = RelateItems(scene, fromTop, Item(0, sub_item::Vertex0));
    EXPECT_NEAR(below.planeDistance, -1, 1e-9);
    EXPECT_NEAR(below.delta[2], -1, 1e-9);
}

TEST_F(UnitCube, PanelRowsInTheMeasuringSystem) {
    MeasureReference reference;
    reference.item = Item(2, sub_item::Face);  // top
    // The explicit plane goes before the reference face's own.
    reference.plane = Item(0, sub_item::Face).plane;  // bottom, normal -z
    QList<MeasurePanel::Row> rows =
        MeasurePanel::BuildRows(scene, Item(10, sub_item::Face), reference);
    EXPECT_EQ(Value(rows, "選択", "種類"), "面");
    EXPECT_EQ(Value(rows, "選択", "ファイル"), "cube.wrl");
    EXPECT_EQ(Value(rows, "選択", "平坦"), "はい");
    EXPECT_EQ(Value(rows, "選択", "稜線0 R"), "0") << "a straight edge, as in the status text";
    EXPECT_EQ(Value(rows, "基準から選択まで", "角度 (度)"), "90.000");
    EXPECT_EQ(Value(rows, "基準から選択まで", "平面からの距離"), "-0.333")
        << "the right face's centroid is 1/3 above the bottom, against its normal";

    // Origin at (1, 1, 1): the right face's first corner (1, 0, 0) reads (0, -1, -1).
    const double corner[3] = {1, 1, 1};
    SetMeasuringOrigin(scene, corner);
    rows = MeasurePanel::BuildRows(scene, Item(10, sub_item::Edge01), MeasureReference());
    EXPECT_EQ(Value(rows, "選択", "頂点0"), "0.000");
    EXPECT_EQ(Value(rows, "選択", "長さ"), "1.000");
    EXPECT_EQ(Value(rows, "基準から選択まで", "距離"), "n/a") << "no reference";
    bool found = false;
    for (const MeasurePanel::Row& row : rows)
        if (row.label == "頂点0" && !row.heading) {
            EXPECT_EQ(row.values, QStringList({"0.000", "-1.000", "-1.000"}));
            found = true;
            break;
        }
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace vantor
