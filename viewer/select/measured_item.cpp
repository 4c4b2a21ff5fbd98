#include "select/measured_item.h"

#include <algorithm>
#include <cmath>

#include "math/vector_math.h"
#include "render/pick_pass.h"
#include "scene/node_kind.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {

using vmath::Cross3;
using vmath::Dot3;
using vmath::Length3;

// Datum pick names of Front, Side and Top.
constexpr int32_t kFirstDatumName = 10501;

void Transform(const double m[16], const float p[3], double out[3]) {
    for (int i = 0; i < 3; ++i)
        out[i] = m[i] * p[0] + m[4 + i] * p[1] + m[8 + i] * p[2] + m[12 + i];
}

void Rotate(const double m[16], const float n[3], double out[3]) {
    for (int i = 0; i < 3; ++i) out[i] = m[i] * n[0] + m[4 + i] * n[1] + m[8 + i] * n[2];
}

const float* PoolTriple(const Pool<float>& pool, int32_t used, int32_t index) {
    if (index < 0 || int64_t(index) * 3 + 2 >= used) return nullptr;
    return &pool[int64_t(index) * 3];
}

bool Normalise(double v[3]) {
    const double length = Length3(v);
    if (length == 0) return false;
    for (int i = 0; i < 3; ++i) v[i] /= length;
    return true;
}

void Midpoint(const double a[3], const double b[3], double out[3]) {
    for (int i = 0; i < 3; ++i) out[i] = (a[i] + b[i]) / 2;
}

void SetPoint(MeasuredItem& m, const double at[3]) {
    std::copy(at, at + 3, m.point);
    m.hasPoint = true;
}

// An edge or segment from a to b: direction, length, midpoint.
void SetLine(MeasuredItem& m, const double a[3], const double b[3]) {
    double d[3];
    vmath::Sub3(d, b, a);
    m.length = Length3(d);
    m.hasDirection = Normalise(d);
    std::copy(d, d + 3, m.direction);
    double mid[3];
    Midpoint(a, b, mid);
    SetPoint(m, mid);
}

void MeasurePoint(const SceneData& scene, const HitRecord& item, const double m[16],
                  MeasuredItem& out) {
    const float* p = PoolTriple(scene.pointPool, scene.pointCount, item.lData1);
    if (item.lData2 != 0 || !p) return;
    Transform(m, p, out.corners[0]);
    out.cornerCount = 1;
    SetPoint(out, out.corners[0]);
    out.kind = ItemKind::Point;
}

void MeasureSegment(const SceneData& scene, const HitRecord& item, const double m[16],
                    MeasuredItem& out) {
    const int32_t sub = item.lData2, p = item.lData1;
    if (sub < 0 || sub > 2 || p < 0 || p + 1 >= scene.lineCoordIndexCount) return;
    for (int k = 0; k < 2; ++k) {
        const float* at =
            PoolTriple(scene.pointPool, scene.pointCount, scene.lineCoordIndexPool[p + k]);
        if (!at) return;
        Transform(m, at, out.corners[k]);
    }
    out.cornerCount = 2;
    if (sub == sub_item::Segment) {
        SetLine(out, out.corners[0], out.corners[1]);
        out.kind = ItemKind::Segment;
    } else {
        SetPoint(out, out.corners[sub / 2]);
        out.kind = ItemKind::Vertex;
    }
}

// The three corners of a triangle with their world normals (the face's
// normal where the set has none); false when the element names no valid points.
bool TriangleCorners(const SceneData& scene, const HitRecord& item, const double m[16],
                     MeasuredItem& out) {
    const NodeRow& row = scene.Row(item.lData0);
    if (row.dataBegin < 0 || int64_t(row.dataBegin) + 5 > scene.valueCount) return false;
    const float* block = scene.Block(row.dataBegin);
    const int32_t c0 = int32_t(block[1]), n0 = int32_t(block[3]);
    const int32_t p = item.lData1;
    if (p < c0 || p + 2 >= scene.coordIndexCount) return false;
    for (int k = 0; k < 3; ++k) {
        const float* corner =
            PoolTriple(scene.pointPool, scene.pointCount, scene.coordIndexPool[p + k]);
        if (!corner) return false;
        Transform(m, corner, out.corners[k]);
    }
    double e1[3], e2[3], face[3];
    vmath::Sub3(e1, out.corners[1], out.corners[0]);
    vmath::Sub3(e2, out.corners[2], out.corners[0]);
    Cross3(face, e1, e2);
    Normalise(face);
    const bool hasNormals = int32_t(block[0]) != -1;
    for (int k = 0; k < 3; ++k) {
        const int64_t at = int64_t(p) - c0 + n0 + k;
        const float* n =
            hasNormals && at >= 0 && at < scene.normalIndexCount
                ? PoolTriple(scene.normalPool, scene.normalCount, scene.normalIndexPool[at])
                : nullptr;
        if (n)
            Rotate(m, n, out.cornerNormals[k]);
        else
            std::copy(face, face + 3, out.cornerNormals[k]);
    }
    out.cornerCount = 3;
    return true;
}

void MeasureFace(MeasuredItem& out, const MeasureTolerances& tolerances) {
    out.kind = ItemKind::Face;
    double centroid[3];
    for (int i = 0; i < 3; ++i)
        centroid[i] = (out.corners[0][i] + out.corners[1][i] + out.corners[2][i]) / 3;
    SetPoint(out, centroid);
    double e1[3], e2[3], n[3], mean[3] = {0, 0, 0};
    vmath::Sub3(e1, out.corners[1], out.corners[0]);
    vmath::Sub3(e2, out.corners[2], out.corners[0]);
    Cross3(n, e1, e2);
    for (const auto& vertexNormal : out.cornerNormals) vmath::Add3(mean, mean, vertexNormal);
    // The winding may disagree with the vertex normals; they tell outside.
    if (Dot3(n, mean) < 0) vmath::Scale3(n, n, -1);
    out.hasPlane = Normalise(n);
    std::copy(centroid, centroid + 3, out.plane.point);
    std::copy(n, n + 3, out.plane.normal);
    out.flatness = IsFlatFace(out.corners, out.cornerNormals, tolerances) ? 1 : -1;
}

void MeasureTriangle(const SceneData& scene, const HitRecord& item, const double m[16],
                     const MeasureTolerances& tolerances, MeasuredItem& out) {
    const int32_t sub = item.lData2;
    if (sub < 0 || sub > 6 || !TriangleCorners(scene, item, m, out)) return;
    for (int k = 0; k < 3; ++k) {
        const int next = (k + 1) % 3;
        out.edgeArcs[k] = ArcFromEdge(out.corners[k], out.cornerNormals[k], out.corners[next],
                                      out.cornerNormals[next], tolerances);
        out.vertexArcs[k] =
            ArcFromVertex(out.corners[k], out.cornerNormals[k], out.corners[next], tolerances);
    }
    if (sub == sub_item::Face) {
        MeasureFace(out, tolerances);
    } else if (sub % 2 == 0) {
        out.kind = ItemKind::Vertex;
        SetPoint(out, out.corners[sub / 2]);
    } else {
        out.kind = ItemKind::Edge;
        const int edge = sub / 2;
        SetLine(out, out.corners[edge], out.corners[(edge + 1) % 3]);
        out.arc = out.edgeArcs[edge];
        if (out.arc.found) SetPoint(out, out.arc.centre);
    }
}

void MeasureDatum(const SceneData& scene, const HitRecord& item, MeasuredItem& out) {
    out.kind = ItemKind::Datum;
    out.plane = DatumPlane(scene, DatumPlaneOf(item));
    SetPoint(out, out.plane.point);
    out.hasPlane = true;
}

double AngleBetween(const double a[3], const double b[3]) {
    const double c = std::clamp(Dot3(a, b), -1.0, 1.0);
    return std::acos(c) * 180 / vmath::kPi;
}

}  // namespace

Plane DatumPlane(const SceneData& scene, int plane) {
    // The plane's normal axis: Front W, Side U, Top V (columns of the rotation).
    const int axisColumn[3] = {2, 0, 1};
    Plane out;
    const float* axis = scene.csysRotation + 4 * axisColumn[std::clamp(plane, 0, 2)];
    for (int i = 0; i < 3; ++i) out.point[i] = scene.csysOrigin[i];
    vmath::ToDouble3(out.normal, axis);
    return out;
}

int DatumPlaneOf(const HitRecord& item) {
    const int plane = item.lNode - kFirstDatumName;
    return plane >= 0 && plane < 3 ? plane : -1;
}

void ShapeMatrix(const SceneData& scene, int32_t row, double out[16]) {
    vmath::Identity(out);
    if (row <= 0 || row > scene.matrixDepth || row >= scene.matrixStack.capacity()) return;
    const float* m = scene.matrixStack.Row(row);
    for (int i = 0; i < 16; ++i) out[i] = m[i];
}

MeasuredItem MeasureItem(const SceneData& scene, const HitRecord& item,
                         const MeasureTolerances& tolerances) {
    MeasuredItem out;
    out.subItem = item.lData2;
    if (DatumPlaneOf(item) >= 0) {
        MeasureDatum(scene, item, out);
        return out;
    }
    if (item.lData0 < 0 || item.lData0 >= scene.nodeCount) return out;
    out.nodeRow = item.lData0;
    double m[16];
    ShapeMatrix(scene, item.lTrans, m);
    switch (item.lNode) {
        case kind::PointSet:
            MeasurePoint(scene, item, m, out);
            break;
        case kind::IndexedLineSet:
            MeasureSegment(scene, item, m, out);
            break;
        case kind::IndexedFaceSet:
            MeasureTriangle(scene, item, m, tolerances, out);
            break;
        case kind::AsciiText:
        case kind::Text:
            out.kind = ItemKind::Text;
            break;
        case kind::Cone:
        case kind::Cube:
        case kind::Cylinder:
        case kind::Sphere:
        case kind::Cone2:
        case kind::Box:
        case kind::Cylinder2:
        case kind::Sphere2:
            out.kind = ItemKind::Primitive;
            break;
        default:
            break;
    }
    return out;
}

std::optional<Plane> ReferencePlane(const MeasureReference& reference) {
    if (reference.plane) return reference.plane;
    if (reference.item && reference.item->hasPlane) return reference.item->plane;
    return std::nullopt;
}

ItemRelation RelateItems(const SceneData& scene, const MeasureReference& reference,
                         const MeasuredItem& selected) {
    ItemRelation r;
    if (!selected.hasPoint) return r;
    if (const std::optional<Plane> plane = ReferencePlane(reference)) {
        double d[3];
        vmath::Sub3(d, selected.point, plane->point);
        r.hasPlaneDistance = true;
        r.planeDistance = Dot3(d, plane->normal);
    }
    if (!reference.item || !reference.item->hasPoint) return r;
    const MeasuredItem& ref = *reference.item;
    double a[3], b[3];
    ToMeasuring(scene, ref.point, a);
    ToMeasuring(scene, selected.point, b);
    vmath::Sub3(r.delta, b, a);
    r.hasDelta = true;
    r.distance = Length3(r.delta);
    if (ref.hasDirection && selected.hasDirection) {
        // Lines have no sense of direction: the smaller angle.
        r.angleDegrees = AngleBetween(ref.direction, selected.direction);
        r.angleDegrees = std::min(r.angleDegrees, 180 - r.angleDegrees);
        r.hasAngle = true;
    } else if (ref.hasPlane && selected.hasPlane) {
        r.angleDegrees = AngleBetween(ref.plane.normal, selected.plane.normal);
        r.hasAngle = true;
    } else if ((ref.hasDirection && selected.hasPlane) || (ref.hasPlane && selected.hasDirection)) {
        const double* line = ref.hasDirection ? ref.direction : selected.direction;
        const double* normal = ref.hasPlane ? ref.plane.normal : selected.plane.normal;
        r.angleDegrees = std::fabs(90 - AngleBetween(line, normal));
        r.hasAngle = true;
    }
    return r;
}

void SetMeasuringOrigin(SceneData& scene, const double world[3]) {
    for (int i = 0; i < 3; ++i) scene.csysOrigin[i] = float(world[i]);
    scene.csysOrigin[3] = 1;
    UpdateCsysBounds(scene);
}

bool SetMeasuringZAxis(SceneData& scene, const double axis[3]) {
    double w[3] = {axis[0], axis[1], axis[2]};
    if (!Normalise(w)) return false;
    // The old x axis without its part along w; the old y axis when x lies along w.
    double u[3];
    for (int column : {0, 1}) {
        vmath::ToDouble3(u, scene.csysRotation + 4 * column);
        const double along = Dot3(u, w);
        for (int i = 0; i < 3; ++i) u[i] -= along * w[i];
        if (Length3(u) > 1e-6) break;
    }
    if (!Normalise(u)) return false;
    double v[3];
    Cross3(v, w, u);
    float* r = scene.csysRotation;
    for (int i = 0; i < 3; ++i) r[i] = float(u[i]), r[4 + i] = float(v[i]), r[8 + i] = float(w[i]);
    r[3] = r[7] = r[11] = r[12] = r[13] = r[14] = 0;
    r[15] = 1;
    UpdateCsysBounds(scene);
    return true;
}

void ResetMeasuringSystem(SceneData& scene) {
    vmath::Identity(scene.csysRotation);
    scene.csysOrigin[0] = scene.csysOrigin[1] = scene.csysOrigin[2] = 0;
    scene.csysOrigin[3] = 1;
    UpdateCsysBounds(scene);
}

}  // namespace vantor
