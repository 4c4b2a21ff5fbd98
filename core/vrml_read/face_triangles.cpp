#include "vrml_read/face_triangles.h"

#include "scene/face_triangulation.h"

namespace vantor {

namespace {

// Writes list[corner] + base for each corner.
void AppendCorners(Pool<int32_t>& pool, int32_t& count, const int32_t* list, int32_t base,
                   const std::vector<int32_t>& corners) {
    pool.Ensure(int64_t(count) + int64_t(corners.size()));
    int32_t* out = pool.data() + count;
    for (int32_t corner : corners) *out++ = list[corner] + base;
    count += int32_t(corners.size());
}

void AppendFan(Pool<int32_t>& pool, int32_t& count, const int32_t* list, size_t size,
               int32_t base) {
    pool.Ensure(int64_t(count) + 3 * int64_t(size - 2));
    int32_t* out = pool.data() + count;
    for (size_t k = 2; k < size; ++k) {
        *out++ = list[0] + base;
        *out++ = list[k - 1] + base;
        *out++ = list[k] + base;
    }
    count += int32_t(3 * (size - 2));
}

}  // namespace

void AppendFaceTriangles(SceneData& s, const int32_t* face, size_t size, int32_t pointBase,
                         const int32_t* normals, int32_t normalBase) {
    thread_local std::vector<int32_t> corners;
    if (size > 3 && TriangulateFace(s.pointPool.data(), face, pointBase, size, corners)) {
        AppendCorners(s.coordIndexPool, s.coordIndexCount, face, pointBase, corners);
        if (normals)
            AppendCorners(s.normalIndexPool, s.normalIndexCount, normals, normalBase, corners);
        return;
    }
    AppendFan(s.coordIndexPool, s.coordIndexCount, face, size, pointBase);
    if (normals) AppendFan(s.normalIndexPool, s.normalIndexCount, normals, size, normalBase);
}

const std::vector<int32_t>& FaceCorners(const float* points, const int32_t* face, size_t size,
                                        int32_t pointBase) {
    thread_local std::vector<int32_t> corners;
    if (TriangulateFace(points, face, pointBase, size, corners)) return corners;
    corners.clear();
    for (size_t k = 2; k < size; ++k)
        corners.insert(corners.end(), {0, int32_t(k - 1), int32_t(k)});
    return corners;
}

}  // namespace vantor
