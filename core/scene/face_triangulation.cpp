#include "scene/face_triangulation.h"

#include <cmath>

namespace vantor {

namespace {

PolygonTriangulator installed = nullptr;

// Gathers the corners in double and their Newell normal (the polygon's
// plane, also for faces that are not quite flat).
void CornersAndNormal(const float* points, const int32_t* face, int32_t base, size_t count,
                      std::vector<double>& corners, double normal[3]) {
    corners.resize(3 * count);
    for (size_t i = 0; i < count; ++i) {
        const float* p = points + 3 * (int64_t(face[i]) + base);
        for (int a = 0; a < 3; ++a) corners[3 * i + a] = p[a];
    }
    normal[0] = normal[1] = normal[2] = 0;
    for (size_t i = 0; i < count; ++i) {
        const double* p = &corners[3 * i];
        const double* q = &corners[3 * ((i + 1) % count)];
        normal[0] += (p[1] - q[1]) * (p[2] + q[2]);
        normal[1] += (p[2] - q[2]) * (p[0] + q[0]);
        normal[2] += (p[0] - q[0]) * (p[1] + q[1]);
    }
}

double TurnAt(const std::vector<double>& c, size_t before, size_t at, size_t after,
              const double normal[3]) {
    double e1[3], e2[3];
    for (int a = 0; a < 3; ++a) {
        e1[a] = c[3 * at + a] - c[3 * before + a];
        e2[a] = c[3 * after + a] - c[3 * at + a];
    }
    return (e1[1] * e2[2] - e1[2] * e2[1]) * normal[0] +
           (e1[2] * e2[0] - e1[0] * e2[2]) * normal[1] +
           (e1[0] * e2[1] - e1[1] * e2[0]) * normal[2];
}

// Convex in its own plane: every corner turns the same way as the whole.
bool IsConvex(const std::vector<double>& corners, size_t count, const double normal[3]) {
    for (size_t i = 0; i < count; ++i)
        if (TurnAt(corners, (i + count - 1) % count, i, (i + 1) % count, normal) < 0) return false;
    return true;
}

}  // namespace

void InstallPolygonTriangulator(PolygonTriangulator triangulator) {
    installed = triangulator;
}

bool TriangulateFace(const float* points, const int32_t* face, int32_t base, size_t count,
                     std::vector<int32_t>& triangles) {
    if (count < 4 || !installed) return false;
    thread_local std::vector<double> corners;
    double normal[3];
    CornersAndNormal(points, face, base, count, corners, normal);
    if (IsConvex(corners, count, normal)) return false;
    triangles.clear();
    if (!installed(corners.data(), int32_t(count), normal, triangles) || triangles.empty() ||
        triangles.size() % 3 != 0) {
        triangles.clear();
        return false;
    }
    // Keep the face's turning sense whatever order the triangulator chose.
    for (size_t t = 0; t < triangles.size(); t += 3) {
        const int32_t* v = &triangles[t];
        if (v[0] < 0 || v[1] < 0 || v[2] < 0 || v[0] >= int32_t(count) || v[1] >= int32_t(count) ||
            v[2] >= int32_t(count)) {
            triangles.clear();
            return false;
        }
        if (TurnAt(corners, size_t(v[0]), size_t(v[1]), size_t(v[2]), normal) < 0)
            std::swap(triangles[t + 1], triangles[t + 2]);
    }
    return true;
}

}  // namespace vantor
