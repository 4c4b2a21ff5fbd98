#include "scene/face_triangulation.h"

#include <cmath>

#include <utility>

namespace vantor {

namespace {

PolygonTriangulator installed = nullptr;

// Faces up to this size are gathered on the stack: the test runs for every
// face of four or more corners of every file.
constexpr size_t kSmallFace = 8;

// Newell normal of the corners (x y z each): the polygon's plane, also for
// faces that are not quite flat.
void NewellNormal(const double* c, size_t count, double normal[3]) {
    normal[0] = normal[1] = normal[2] = 0;
    const double* p = c + 3 * (count - 1);
    for (size_t i = 0; i < count; ++i) {
        const double* q = c + 3 * i;
        normal[0] += (p[1] - q[1]) * (p[2] + q[2]);
        normal[1] += (p[2] - q[2]) * (p[0] + q[0]);
        normal[2] += (p[0] - q[0]) * (p[1] + q[1]);
        p = q;
    }
}

// How corner b turns from a to c, seen along the normal (positive: left).
template <typename T>
[[gnu::always_inline]] inline T TurnAt(const T* a, const T* b, const T* c, const T normal[3]) {
    const T e1[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const T e2[3] = {c[0] - b[0], c[1] - b[1], c[2] - b[2]};
    return (e1[1] * e2[2] - e1[2] * e2[1]) * normal[0] +
           (e1[2] * e2[0] - e1[0] * e2[2]) * normal[1] +
           (e1[0] * e2[1] - e1[1] * e2[0]) * normal[2];
}

// Convex in its own plane: no corner turns against the whole.
bool IsConvex(const double* c, size_t count, const double normal[3]) {
    const double* a = c + 3 * (count - 2);
    const double* b = c + 3 * (count - 1);
    for (size_t i = 0; i < count; ++i) {
        const double* next = c + 3 * i;
        if (TurnAt(a, b, next, normal) < 0) return false;
        a = b;
        b = next;
    }
    return true;
}

// The common quad, straight from the point pool: its Newell normal is the
// cross product of its diagonals. Floats do for a sign test; a quad too
// close to call just goes to the triangulator.
bool IsConvexQuad(const float* a, const float* b, const float* c, const float* d) {
    const float d1[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const float d2[3] = {d[0] - b[0], d[1] - b[1], d[2] - b[2]};
    const float normal[3] = {d1[1] * d2[2] - d1[2] * d2[1], d1[2] * d2[0] - d1[0] * d2[2],
                             d1[0] * d2[1] - d1[1] * d2[0]};
    return TurnAt(d, a, b, normal) >= 0 && TurnAt(a, b, c, normal) >= 0 &&
           TurnAt(b, c, d, normal) >= 0 && TurnAt(c, d, a, normal) >= 0;
}

// Hands the concave face to the installed triangulator and keeps the
// face's turning sense whatever order it chose.
bool Triangulate(const double* c, size_t count, const double normal[3],
                 std::vector<int32_t>& triangles) {
    triangles.clear();
    if (!installed(c, int32_t(count), normal, triangles) || triangles.empty() ||
        triangles.size() % 3 != 0)
        return false;
    for (size_t t = 0; t < triangles.size(); t += 3) {
        int32_t* v = &triangles[t];
        for (int k = 0; k < 3; ++k)
            if (v[k] < 0 || v[k] >= int32_t(count)) return false;
        if (TurnAt(c + 3 * v[0], c + 3 * v[1], c + 3 * v[2], normal) < 0) std::swap(v[1], v[2]);
    }
    return true;
}

}  // namespace

void InstallPolygonTriangulator(PolygonTriangulator triangulator) {
    installed = triangulator;
}

bool TriangulateFace(const float* points, const int32_t* face, int32_t base, size_t count,
                     std::vector<int32_t>& triangles) {
    if (count < 4 || !installed) return false;
    auto point = [points, face, base](size_t i) { return points + 3 * (int64_t(face[i]) + base); };
    if (count == 4 && IsConvexQuad(point(0), point(1), point(2), point(3))) return false;
    double small[3 * kSmallFace];
    thread_local std::vector<double> large;
    double* corners = small;
    if (count > kSmallFace) {
        large.resize(3 * count);
        corners = large.data();
    }
    for (size_t i = 0; i < count; ++i) {
        const float* p = point(i);
        // The tessellator follows null pointers on infinite or NaN corners.
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) return false;
        corners[3 * i] = p[0], corners[3 * i + 1] = p[1], corners[3 * i + 2] = p[2];
    }
    double normal[3];
    NewellNormal(corners, count, normal);
    if (count > 4 && IsConvex(corners, count, normal)) return false;
    if (Triangulate(corners, count, normal, triangles)) return true;
    triangles.clear();
    return false;
}

}  // namespace vantor
