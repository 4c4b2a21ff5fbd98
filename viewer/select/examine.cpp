#include "select/examine.h"

#include <cfloat>
#include <cmath>
#include <cstring>

#include "render/pick_pass.h"
#include "scene/node_kind.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {

constexpr const char* kPointSetError = "Error in ExamDrawPointset 01 ";
constexpr const char* kTriangleError = "Error in ExamDrawTriangle 01 ";
constexpr const char* kDatumNames[3] = {"Front", "Side", "Top"};
// Datum pick names of Front, Side and Top.
constexpr int32_t kFirstDatumName = 10501;

struct WorldVertex {
    double at[3];
    double normal[3];
};

void Transform(const double m[16], const float p[3], double out[3]) {
    for (int i = 0; i < 3; ++i)
        out[i] = m[i] * p[0] + m[4 + i] * p[1] + m[8 + i] * p[2] + m[12 + i];
}

void Rotate(const double m[16], const double n[3], double out[3]) {
    for (int i = 0; i < 3; ++i) out[i] = m[i] * n[0] + m[4 + i] * n[1] + m[8 + i] * n[2];
}

const float* PoolPoint(const SceneData& scene, int32_t index) {
    if (index < 0 || int64_t(index) * 3 + 2 >= scene.pointCount) return nullptr;
    return &scene.pointPool[int64_t(index) * 3];
}

const float* PoolNormal(const SceneData& scene, int32_t index) {
    if (index < 0 || int64_t(index) * 3 + 2 >= scene.normalCount) return nullptr;
    return &scene.normalPool[int64_t(index) * 3];
}

void CopyToFloat(const double v[3], float out[3]) {
    for (int i = 0; i < 3; ++i) out[i] = float(v[i]);
}

HighlightPoint MakePoint(const double at[3], const float colour[3]) {
    HighlightPoint p;
    CopyToFloat(at, p.at);
    std::memcpy(p.colour, colour, sizeof p.colour);
    return p;
}

HighlightLine MakeLine(const double a[3], const double b[3], const float colour[3]) {
    HighlightLine line;
    CopyToFloat(a, line.from);
    CopyToFloat(b, line.to);
    std::memcpy(line.colour, colour, sizeof line.colour);
    return line;
}

std::string Measured(const SceneData& scene, const double world[3]) {
    double m[3];
    ToMeasuring(scene, world, m);
    return FormatTriple(m);
}

void StorePoint(SceneData& scene, ExaminedState& state, const double at[3]) {
    CopyToFloat(at, state.examinedPoint);
    CopyToFloat(at, scene.examinedCentre);
    scene.examinedRadius = 0;
}

void StoreStraight(SceneData& scene, ExaminedState& state, const double at[3]) {
    CopyToFloat(at, state.examinedPoint);
    scene.examinedCentre[0] = FLT_MAX;
    scene.examinedRadius = 0;
}

std::string ArcText(const char* label, const SceneData& scene, const ArcFit& arc) {
    if (!arc.found) return std::string(" ") + label + " R = 0";
    char radius[64];
    std::snprintf(radius, sizeof radius, "%3.3f", arc.radius);
    return std::string(" ") + label + " R = " + radius +
           " ,Center = " + Measured(scene, arc.centre) + " \n";
}

void ExaminePointSet(SceneData& scene, const HitRecord& item, ExaminedState& state,
                     const double m[16], ExamineResult& result) {
    if (item.lData2 != 0) {
        result.error = kPointSetError;
        return;
    }
    const float* p = PoolPoint(scene, item.lData1);
    if (!p) return;
    double w[3];
    Transform(m, p, w);
    StorePoint(scene, state, w);
    result.highlight.points.push_back(MakePoint(w, kSelectedColour));
    result.status = " Node Point X,Y,Z = " + Measured(scene, w) + " ,";
}

void ExamineLineSet(SceneData& scene, const HitRecord& item, ExaminedState& state,
                    const double m[16], ExamineResult& result) {
    const int32_t sub = item.lData2;
    if (sub < 0 || sub > 2) {
        result.error = kTriangleError;
        return;
    }
    const int32_t p = item.lData1;
    if (p < 0 || p + 1 >= scene.lineCoordIndexCount) return;
    const float* a = PoolPoint(scene, scene.lineCoordIndexPool[p]);
    const float* b = PoolPoint(scene, scene.lineCoordIndexPool[p + 1]);
    if (!a || !b) return;
    double wa[3], wb[3];
    Transform(m, a, wa);
    Transform(m, b, wb);
    PickHighlight& h = result.highlight;
    h.lines.push_back(MakeLine(wa, wb, sub == 1 ? kSelectedColour : kEdgeColours[0]));
    if (sub == 0) {
        h.points.push_back(MakePoint(wa, kSelectedColour));
        StorePoint(scene, state, wa);
    } else if (sub == 2) {
        h.points.push_back(MakePoint(wb, kSelectedColour));
        StorePoint(scene, state, wb);
    } else {
        const double mid[3] = {(wa[0] + wb[0]) / 2, (wa[1] + wb[1]) / 2, (wa[2] + wb[2]) / 2};
        StoreStraight(scene, state, mid);
    }
    result.status = "Node Line  Point0 X,Y,Z = " + Measured(scene, wa) +
                    " , Point1 X,Y,Z = " + Measured(scene, wb) + " ,";
}

// The three corners of a triangle with their world normals; false when the
// element does not name valid points.
bool TriangleCorners(const SceneData& scene, const HitRecord& item, const double m[16],
                     WorldVertex v[3]) {
    const NodeRow& row = scene.Row(item.lData0);
    if (row.dataBegin < 0 || int64_t(row.dataBegin) + 5 > scene.valueCount) return false;
    const float* block = scene.Block(row.dataBegin);
    const int32_t c0 = int32_t(block[1]), n0 = int32_t(block[3]);
    const int32_t p = item.lData1;
    if (p < c0 || p + 2 >= scene.coordIndexCount) return false;
    const float* corner[3];
    for (int k = 0; k < 3; ++k)
        if (!(corner[k] = PoolPoint(scene, scene.coordIndexPool[p + k]))) return false;
    for (int k = 0; k < 3; ++k) Transform(m, corner[k], v[k].at);
    // Face normal for sets without usable normals.
    const double e1[3] = {v[1].at[0] - v[0].at[0], v[1].at[1] - v[0].at[1],
                          v[1].at[2] - v[0].at[2]};
    const double e2[3] = {v[2].at[0] - v[0].at[0], v[2].at[1] - v[0].at[1],
                          v[2].at[2] - v[0].at[2]};
    const double face[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                            e1[0] * e2[1] - e1[1] * e2[0]};
    const double faceLength = std::sqrt(face[0] * face[0] + face[1] * face[1] + face[2] * face[2]);
    const bool hasNormals = int32_t(block[0]) != -1;
    for (int k = 0; k < 3; ++k) {
        const int64_t at = int64_t(p) - c0 + n0 + k;
        const float* n = hasNormals && at >= 0 && at < scene.normalIndexCount
                             ? PoolNormal(scene, scene.normalIndexPool[at])
                             : nullptr;
        if (n) {
            const double local[3] = {n[0], n[1], n[2]};
            Rotate(m, local, v[k].normal);
        } else {
            for (int i = 0; i < 3; ++i) v[k].normal[i] = faceLength > 0 ? face[i] / faceLength : 0;
        }
    }
    return true;
}

void ExamineTriangle(SceneData& scene, const HitRecord& item, const MeasureTolerances& tolerances,
                     ExaminedState& state, const double m[16], ExamineResult& result) {
    const int32_t sub = item.lData2;
    if (sub < 0 || sub > 6) {
        result.error = kTriangleError;
        return;
    }
    WorldVertex v[3];
    if (!TriangleCorners(scene, item, m, v)) return;
    ArcFit edgeArcs[3], vertexArcs[3];
    for (int k = 0; k < 3; ++k) {
        const WorldVertex& a = v[k];
        const WorldVertex& b = v[(k + 1) % 3];
        edgeArcs[k] = ArcFromEdge(a.at, a.normal, b.at, b.normal, tolerances);
        vertexArcs[k] = ArcFromVertex(a.at, a.normal, b.at, tolerances);
    }
    std::string text;
    if (sub == sub_item::Face) text += " Triange Selected ";
    const char* lines[3] = {"Line0", "Line1", "Line2"};
    const char* points[3] = {"Point0", "Point1", "Point2"};
    for (int k = 0; k < 3; ++k) text += ArcText(lines[k], scene, edgeArcs[k]);
    for (int k = 0; k < 3; ++k) text += ArcText(points[k], scene, vertexArcs[k]);
    for (int k = 0; k < 3; ++k)
        text += std::string(" ") + points[k] + " X,Y,Z = " + Measured(scene, v[k].at) + " ,";
    result.status = text;

    PickHighlight& h = result.highlight;
    if (sub == sub_item::Face) {
        for (int k = 0; k < 3; ++k) CopyToFloat(v[k].at, h.face + 3 * k);
        h.hasFace = true;
        double centroid[3], corners[3][3], normals[3][3];
        FacePlane& plane = state.facePlane;
        for (int i = 0; i < 3; ++i) {
            centroid[i] = (v[0].at[i] + v[1].at[i] + v[2].at[i]) / 3;
            for (int k = 0; k < 3; ++k) corners[k][i] = v[k].at[i], normals[k][i] = v[k].normal[i];
        }
        StorePoint(scene, state, centroid);
        if (IsFlatFace(corners, normals, tolerances)) {
            plane.flag = 1;
            for (int i = 0; i < 3; ++i) {
                plane.centre[i] = centroid[i];
                plane.normal[i] = (v[0].normal[i] + v[1].normal[i] + v[2].normal[i]) / 3;
            }
        } else {
            plane.flag = -1;
        }
        return;
    }
    if (sub % 2 == 0) {
        const int corner = sub / 2;
        for (int k = 0; k < 3; ++k)
            h.lines.push_back(MakeLine(v[k].at, v[(k + 1) % 3].at, kEdgeColours[k]));
        h.points.push_back(MakePoint(v[corner].at, kSelectedColour));
        StorePoint(scene, state, v[corner].at);
        return;
    }
    const int edge = sub / 2;
    for (int k = 0; k < 3; ++k)
        h.lines.push_back(
            MakeLine(v[k].at, v[(k + 1) % 3].at, k == edge ? kSelectedColour : kEdgeColours[k]));
    const WorldVertex& a = v[edge];
    const WorldVertex& b = v[(edge + 1) % 3];
    const double mid[3] = {(a.at[0] + b.at[0]) / 2, (a.at[1] + b.at[1]) / 2,
                           (a.at[2] + b.at[2]) / 2};
    const ArcFit& arc = edgeArcs[edge];
    if (arc.found) {
        CopyToFloat(mid, state.examinedPoint);
        CopyToFloat(arc.centre, scene.examinedCentre);
        scene.examinedRadius = float(arc.radius);
        h.points.push_back(MakePoint(arc.centre, kArcCentreColour));
    } else {
        StoreStraight(scene, state, mid);
    }
}

// The SeparatorDim above a text, or -9999 when a file, inline, LOD, Switch,
// Separator or TransformSeparator comes first.
int32_t EnclosingDimension(const SceneData& scene, int32_t textRow) {
    for (int32_t r = textRow - 1; r >= 0; --r) {
        const int32_t k = scene.Row(r).kind;
        if (k == kind::SeparatorDim) {
            const int32_t offset = scene.Row(r).dataBegin;
            // Only a group whose children reach the text holds it.
            if (offset >= 0 && int64_t(offset) + 2 <= scene.valueCount &&
                int32_t(scene.valuePool[offset + 1]) > textRow)
                return r;
            continue;
        }
        if (k == kind::VrmlData || k == kind::Lod || k == kind::Lod2 || k == kind::Switch ||
            k == kind::Switch2 || k == kind::Separator || k == kind::TransformSeparator ||
            kind::IsInline(k))
            return -9999;
    }
    return -9999;
}

void ExamineText(SceneData& scene, const HitRecord& item, const double m[16],
                 ExamineResult& result) {
    scene.selectedDimension = item.lData2 == 0 ? -9998 : EnclosingDimension(scene, item.lData0);
    result.highlight.textRow = item.lData0;
    for (int i = 0; i < 16; ++i) result.highlight.textMatrix[i] = float(m[i]);
}

void ExamineDatum(const SceneData& scene, const HitRecord& item, ExamineResult& result) {
    const int plane = item.lNode - kFirstDatumName;
    // The plane's normal axis: Front W, Side U, Top V (columns of the rotation).
    const int axisColumn[3] = {2, 0, 1};
    const double origin[3] = {scene.csysOrigin[0], scene.csysOrigin[1], scene.csysOrigin[2]};
    const float* axis = scene.csysRotation + 4 * axisColumn[plane];
    const double normal[3] = {axis[0], axis[1], axis[2]};
    result.status = std::string(" Datum ") + kDatumNames[plane] + " Selected " +
                    " Center = " + FormatTriple(origin) + " ,Normal = " + FormatTriple(normal) +
                    " ";
    result.highlight.datumPlane = plane;
}

}  // namespace

void ShapeMatrix(const SceneData& scene, int32_t row, double out[16]) {
    for (int i = 0; i < 16; ++i) out[i] = i % 5 == 0 ? 1 : 0;
    if (row <= 0 || row > scene.matrixDepth || row >= scene.matrixStack.capacity()) return;
    const float* m = scene.matrixStack.Row(row);
    for (int i = 0; i < 16; ++i) out[i] = m[i];
}

ExamineResult ExamineSelected(SceneData& scene, const HitRecord& item,
                              const MeasureTolerances& tolerances, ExaminedState& state) {
    ExamineResult result;
    if (item.lNode >= kFirstDatumName && item.lNode < kFirstDatumName + 3) {
        ExamineDatum(scene, item, result);
        return result;
    }
    if (item.lData0 < 0 || item.lData0 >= scene.nodeCount) return result;
    double m[16];
    ShapeMatrix(scene, item.lTrans, m);
    switch (item.lNode) {
        case kind::PointSet:
            ExaminePointSet(scene, item, state, m, result);
            break;
        case kind::IndexedLineSet:
            ExamineLineSet(scene, item, state, m, result);
            break;
        case kind::IndexedFaceSet:
            ExamineTriangle(scene, item, tolerances, state, m, result);
            break;
        case kind::AsciiText:
        case kind::Text:
            ExamineText(scene, item, m, result);
            break;
        default:
            break;
    }
    return result;
}

}  // namespace vantor
