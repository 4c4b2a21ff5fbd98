#include "select/measure_math.h"

#include <cmath>
#include <cstdio>

#include "scene/node_kind.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {

double Dot(const double a[3], const double b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

void Cross(const double a[3], const double b[3], double out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

bool Normalise(double v[3]) {
    const double length = std::sqrt(Dot(v, v));
    if (length == 0) return false;
    for (int i = 0; i < 3; ++i) v[i] /= length;
    return true;
}

}  // namespace

ArcFit ArcFromEdge(const double p1[3], const double n1[3], const double p2[3], const double n2[3],
                   const MeasureTolerances& tolerances) {
    ArcFit arc;
    const double d[3] = {p1[0] - p2[0], p1[1] - p2[1], p1[2] - p2[2]};
    if (Dot(d, d) < tolerances.length) return arc;
    const double n11 = Dot(n1, n1), n12 = Dot(n1, n2);
    const double w[3] = {n11 * n2[0] - n12 * n1[0], n11 * n2[1] - n12 * n1[1],
                         n11 * n2[2] - n12 * n1[2]};
    if (std::sqrt(Dot(w, w)) < tolerances.angle) return arc;
    const double n2w = Dot(n2, w);
    if (n2w == 0) return arc;
    const double t = Dot(d, w) / n2w;
    for (int i = 0; i < 3; ++i) arc.centre[i] = p2[i] + t * n2[i];
    // Outward normals put the centre behind the surface (t < 0); a radius
    // is a length either way. The distance to the centre is |t| |N2|.
    arc.radius = std::fabs(t) * std::sqrt(Dot(n2, n2));
    arc.found = true;
    return arc;
}

ArcFit ArcFromVertex(const double pa[3], const double na[3], const double pb[3],
                     const MeasureTolerances& tolerances) {
    ArcFit arc;
    const double d[3] = {pb[0] - pa[0], pb[1] - pa[1], pb[2] - pa[2]};
    const double dd = Dot(d, d);
    if (dd < tolerances.length) return arc;
    double n[3] = {na[0], na[1], na[2]};
    if (!Normalise(n)) return arc;
    const double nd = Dot(n, d);
    if (nd * nd / dd < tolerances.angle) return arc;
    // Centre C = Pa + s N with |C - Pb| = |s|: |d|^2 - 2 s (N.d) = 0.
    arc.radius = dd / (2 * std::fabs(nd));
    const double side = nd >= 0 ? 1 : -1;
    for (int i = 0; i < 3; ++i) arc.centre[i] = pa[i] + side * arc.radius * n[i];
    arc.found = true;
    return arc;
}

bool IsFlatFace(const double corners[3][3], const double normals[3][3],
                const MeasureTolerances& tolerances) {
    double e[3][3];
    for (int k = 0; k < 3; ++k)
        for (int i = 0; i < 3; ++i) e[k][i] = corners[(k + 1) % 3][i] - corners[k][i];
    for (const auto& edge : e)
        if (Dot(edge, edge) < tolerances.length) return false;
    double n[3];
    Cross(e[0], e[1], n);
    // Unit vectors, so the test does not depend on the size of the face.
    if (!Normalise(n)) return false;
    for (int k = 0; k < 3; ++k) {
        double ni[3] = {normals[k][0], normals[k][1], normals[k][2]};
        if (!Normalise(ni) || Dot(n, ni) + tolerances.angle < 1) return false;
    }
    return true;
}

void ToMeasuring(const SceneData& scene, const double world[3], double out[3]) {
    const double d[3] = {world[0] - scene.csysOrigin[0], world[1] - scene.csysOrigin[1],
                         world[2] - scene.csysOrigin[2]};
    DirectionToMeasuring(scene, d, out);
}

void DirectionToMeasuring(const SceneData& scene, const double world[3], double out[3]) {
    const float* r = scene.csysRotation;
    const double d[3] = {world[0], world[1], world[2]};  // `out` may alias `world`
    for (int axis = 0; axis < 3; ++axis)
        out[axis] = r[4 * axis] * d[0] + r[4 * axis + 1] * d[1] + r[4 * axis + 2] * d[2];
}

std::string FormatTriple(const double v[3]) {
    char text[160];
    std::snprintf(text, sizeof text, "%3.3f ,%3.3f ,%3.3f", v[0], v[1], v[2]);
    return text;
}

int32_t NextSubItem(int32_t nodeKind, int32_t subItem) {
    if (nodeKind == kind::IndexedFaceSet) return (subItem + 1) % 7;
    if (nodeKind == kind::IndexedLineSet) return (subItem + 1) % 3;
    return subItem;
}

}  // namespace vantor
