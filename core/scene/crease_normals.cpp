#include "scene/crease_normals.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace vantor {

namespace {

// Points shared by more faces than this keep the faces' own normals there:
// comparing every pair would cost the square of the count.
constexpr size_t kMostFacesPerPoint = 256;

struct Vec {
    double x = 0, y = 0, z = 0;
};

Vec UnitFaceNormal(const float* a, const float* b, const float* c) {
    const double u[3] = {double(b[0]) - a[0], double(b[1]) - a[1], double(b[2]) - a[2]};
    const double v[3] = {double(c[0]) - a[0], double(c[1]) - a[1], double(c[2]) - a[2]};
    Vec n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (length > 0) n.x /= length, n.y /= length, n.z /= length;
    return n;
}

}  // namespace

bool AppendCreaseNormals(SceneData& s, int32_t first, int32_t end, float creaseAngle) {
    if (!(creaseAngle > 0) || first < 0 || end > s.coordIndexCount || end - first < 3) return false;
    const int32_t triangles = (end - first) / 3;
    const int32_t points = s.pointCount / 3;
    const int32_t* corners = s.coordIndexPool.data() + first;
    for (int32_t c = 0; c < 3 * triangles; ++c)
        if (corners[c] < 0 || corners[c] >= points) return false;

    std::vector<Vec> faces(static_cast<size_t>(triangles));
    for (int32_t t = 0; t < triangles; ++t) {
        const int32_t* tri = corners + 3 * t;
        faces[size_t(t)] =
            UnitFaceNormal(&s.pointPool[3 * int64_t(tri[0])], &s.pointPool[3 * int64_t(tri[1])],
                           &s.pointPool[3 * int64_t(tri[2])]);
    }
    // Corners sorted by point give each point its faces.
    std::vector<std::pair<int32_t, int32_t>> byPoint(static_cast<size_t>(3 * triangles));
    for (int32_t c = 0; c < 3 * triangles; ++c) byPoint[size_t(c)] = {corners[c], c};
    std::sort(byPoint.begin(), byPoint.end());

    const double cosCrease = creaseAngle >= 3.14159265 ? -2.0 : std::cos(double(creaseAngle));
    const int32_t firstNormal = s.normalCount;
    s.EnsureNormals(int64_t(firstNormal) + 9 * int64_t(triangles));
    float* normals = s.normalPool.data() + firstNormal;
    for (size_t run = 0; run < byPoint.size();) {
        size_t runEnd = run;
        while (runEnd < byPoint.size() && byPoint[runEnd].first == byPoint[run].first) ++runEnd;
        const bool crowded = runEnd - run > kMostFacesPerPoint;
        for (size_t i = run; i < runEnd; ++i) {
            const int32_t corner = byPoint[i].second;
            const Vec own = faces[size_t(corner / 3)];
            Vec sum = own;
            for (size_t j = run; j < runEnd && !crowded; ++j) {
                if (j == i) continue;
                const Vec other = faces[size_t(byPoint[j].second / 3)];
                if (own.x * other.x + own.y * other.y + own.z * other.z < cosCrease) continue;
                sum.x += other.x, sum.y += other.y, sum.z += other.z;
            }
            const double length = std::sqrt(sum.x * sum.x + sum.y * sum.y + sum.z * sum.z);
            if (length > 0) sum.x /= length, sum.y /= length, sum.z /= length;
            float* out = normals + 3 * int64_t(corner);
            out[0] = float(sum.x), out[1] = float(sum.y), out[2] = float(sum.z);
        }
        run = runEnd;
    }
    s.normalCount += 9 * triangles;

    const int32_t k0 = s.normalIndexCount;
    s.EnsureNormalIndices(int64_t(k0) + 3 * int64_t(triangles));
    int32_t* indices = s.normalIndexPool.data() + k0;
    for (int32_t c = 0; c < 3 * triangles; ++c) indices[c] = firstNormal / 3 + c;
    s.normalIndexCount += 3 * triangles;
    return true;
}

}  // namespace vantor
