#pragma once
// Smooth per-corner normals for face sets that give none, following the
// crease angle of VRML: faces meeting at a point are averaged when their
// normals differ by less than the angle, and keep their edge otherwise.

#include <cstdint>

#include "scene/scene_data.h"

namespace vantor {

// For the triangles coordIndexPool[first, end) appends one normal per
// corner to normalPool and the matching indices to normalIndexPool.
// Returns false, appending nothing, when the angle leaves every face flat.
bool AppendCreaseNormals(SceneData& scene, int32_t first, int32_t end, float creaseAngle);

}  // namespace vantor
