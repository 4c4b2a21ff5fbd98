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

void ExaminePointSet(SceneData& scene, const MeasuredItem& m, ExaminedState& state,
                     ExamineResult& result) {
    const double* w = m.corners[0];
    StorePoint(scene, state, w);
    result.highlight.points.push_back(MakePoint(w, kSelectedColour));
    result.status = " Node Point X,Y,Z = " + Measured(scene, w) + " ,";
}

void ExamineLineSet(SceneData& scene, const MeasuredItem& m, ExaminedState& state,
                    ExamineResult& result) {
    const double* wa = m.corners[0];
    const double* wb = m.corners[1];
    const int32_t sub = m.subItem;
    PickHighlight& h = result.highlight;
    h.lines.push_back(MakeLine(wa, wb, sub == 1 ? kSelectedColour : kEdgeColours[0]));
    if (sub == 1) {
        StoreStraight(scene, state, m.point);
    } else {
        h.points.push_back(MakePoint(m.point, kSelectedColour));
        StorePoint(scene, state, m.point);
    }
    result.status = "Node Line  Point0 X,Y,Z = " + Measured(scene, wa) +
                    " , Point1 X,Y,Z = " + Measured(scene, wb) + " ,";
}

void ExamineFace(SceneData& scene, const MeasuredItem& m, ExaminedState& state, PickHighlight& h) {
    for (int k = 0; k < 3; ++k) CopyToFloat(m.corners[k], h.face + 3 * k);
    h.hasFace = true;
    StorePoint(scene, state, m.point);
    FacePlane& plane = state.facePlane;
    plane.flag = m.flatness;
    if (m.flatness != 1) return;
    for (int i = 0; i < 3; ++i) {
        plane.centre[i] = m.point[i];
        plane.normal[i] =
            (m.cornerNormals[0][i] + m.cornerNormals[1][i] + m.cornerNormals[2][i]) / 3;
    }
}

void ExamineTriangle(SceneData& scene, const MeasuredItem& m, ExaminedState& state,
                     ExamineResult& result) {
    const int32_t sub = m.subItem;
    std::string text;
    if (sub == sub_item::Face) text += " Triange Selected ";
    const char* lines[3] = {"Line0", "Line1", "Line2"};
    const char* points[3] = {"Point0", "Point1", "Point2"};
    for (int k = 0; k < 3; ++k) text += ArcText(lines[k], scene, m.edgeArcs[k]);
    for (int k = 0; k < 3; ++k) text += ArcText(points[k], scene, m.vertexArcs[k]);
    for (int k = 0; k < 3; ++k)
        text += std::string(" ") + points[k] + " X,Y,Z = " + Measured(scene, m.corners[k]) + " ,";
    result.status = text;

    PickHighlight& h = result.highlight;
    if (sub == sub_item::Face) {
        ExamineFace(scene, m, state, h);
        return;
    }
    const int selectedEdge = sub % 2 == 1 ? sub / 2 : -1;
    for (int k = 0; k < 3; ++k)
        h.lines.push_back(MakeLine(m.corners[k], m.corners[(k + 1) % 3],
                                   k == selectedEdge ? kSelectedColour : kEdgeColours[k]));
    if (selectedEdge < 0) {
        h.points.push_back(MakePoint(m.point, kSelectedColour));
        StorePoint(scene, state, m.point);
        return;
    }
    const double* a = m.corners[selectedEdge];
    const double* b = m.corners[(selectedEdge + 1) % 3];
    const double mid[3] = {(a[0] + b[0]) / 2, (a[1] + b[1]) / 2, (a[2] + b[2]) / 2};
    if (m.arc.found) {
        CopyToFloat(mid, state.examinedPoint);
        CopyToFloat(m.arc.centre, scene.examinedCentre);
        scene.examinedRadius = float(m.arc.radius);
        h.points.push_back(MakePoint(m.arc.centre, kArcCentreColour));
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
    result.highlight.textFacesViewer = scene.selectedDimension >= 0;
    for (int i = 0; i < 16; ++i) result.highlight.textMatrix[i] = float(m[i]);
}

void ExamineDatum(const SceneData& scene, const HitRecord& item, ExamineResult& result) {
    const MeasuredItem datum = MeasureItem(scene, item, MeasureTolerances());
    const int plane = DatumPlaneOf(item);
    result.status = std::string(" Datum ") + kDatumNames[plane] + " Selected " +
                    " Center = " + FormatTriple(datum.plane.point) +
                    " ,Normal = " + FormatTriple(datum.plane.normal) + " ";
    result.highlight.datumPlane = plane;
}

}  // namespace

ExamineResult ExamineSelected(SceneData& scene, const HitRecord& item,
                              const MeasureTolerances& tolerances, ExaminedState& state) {
    ExamineResult result;
    if (DatumPlaneOf(item) >= 0) {
        ExamineDatum(scene, item, result);
        return result;
    }
    if (item.lData0 < 0 || item.lData0 >= scene.nodeCount) return result;
    double m[16];
    ShapeMatrix(scene, item.lTrans, m);
    switch (item.lNode) {
        case kind::PointSet:
        case kind::IndexedLineSet:
        case kind::IndexedFaceSet:
            break;
        case kind::AsciiText:
        case kind::Text:
            ExamineText(scene, item, m, result);
            return result;
        default:
            return result;
    }
    const int32_t sub = item.lData2;
    const bool pointSet = item.lNode == kind::PointSet;
    if (sub < 0 || sub > (pointSet ? 0 : item.lNode == kind::IndexedLineSet ? 2 : 6)) {
        result.error = pointSet ? kPointSetError : kTriangleError;
        return result;
    }
    const MeasuredItem measured = MeasureItem(scene, item, tolerances);
    if (measured.kind == ItemKind::None) return result;
    if (pointSet)
        ExaminePointSet(scene, measured, state, result);
    else if (item.lNode == kind::IndexedLineSet)
        ExamineLineSet(scene, measured, state, result);
    else
        ExamineTriangle(scene, measured, state, result);
    return result;
}

}  // namespace vantor
