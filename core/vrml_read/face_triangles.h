#pragma once
// The triangles the readers store for one face: fanned from its first
// corner, or triangulated when it is concave (core/scene/face_triangulation.h).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "scene/scene_data.h"

namespace vantor {

// Appends the triangles of one face (`size` corners, indices relative to
// pointBase, every one inside the points) to coordIndexPool and, when
// `normals` is given (laid out like the face, relative to normalBase), the
// same corners of it to normalIndexPool.
void AppendFaceTriangles(SceneData& s, const int32_t* face, size_t size, int32_t pointBase,
                         const int32_t* normals, int32_t normalBase);

// Corner numbers of the same triangles, three each.
const std::vector<int32_t>& FaceCorners(const float* points, const int32_t* face, size_t size,
                                        int32_t pointBase);

}  // namespace vantor
