#pragma once
// Triangles of one polygon of a face set. Faces are fanned from their first
// corner, which is right for convex faces; a face that is concave in its
// own plane goes to a triangulator the program installs (the GLU
// tessellator, see tessellate/), since the core links no GL library. Without
// one such faces stay fanned.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor {

// Splits one polygon (`count` corners, x y z each, seen along `normal`) into
// triangles of corner numbers, three per triangle, appended to `triangles`.
// False when it cannot; the face is then fanned.
using PolygonTriangulator = bool (*)(const double* corners, int32_t count, const double normal[3],
                                     std::vector<int32_t>& triangles);

void InstallPolygonTriangulator(PolygonTriangulator triangulator);

// The triangles of the face whose corners are points[3 * (face[i] + base)]
// (every index valid): false when the fan from corner 0 draws it right (a
// triangle, a convex face, or no triangulator installed); else `triangles`
// holds corner numbers, three per triangle, counter-clockwise like the face.
bool TriangulateFace(const float* points, const int32_t* face, int32_t base, std::size_t count,
                     std::vector<int32_t>& triangles);

}  // namespace vantor
