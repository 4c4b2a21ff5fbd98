#pragma once
// Colours bound to the faces or vertices of a face set, turned into one
// colour per triangle corner as the readers fan the faces.

#include <cstdint>
#include <vector>

#include "scene/scene_data.h"

namespace vantor {

// One index per entry of `faces` (coordinate indices, faces ending in -1):
// per vertex, `indices` laid out like the faces or, when empty, the
// coordinate indices themselves; per face, indices[face] or, when empty,
// the face's number. Entries past a short list are -2, which no list holds.
std::vector<int32_t> SpreadIndices(const std::vector<int32_t>& faces,
                                   const std::vector<int32_t>& indices, bool perVertex);

// Appends `width` values per corner of the faces the readers draw (three
// or more corners, all below pointLimit) to `pool` after `count` floats, in
// fan order, turned when `reversed`; `spread` comes from SpreadIndices and
// `values` holds `width` floats per index. Returns the first float, or -1
// (appending nothing) when an index lies outside the values.
int32_t AppendCornerValues(Pool<float>& pool, int32_t& count, const std::vector<int32_t>& faces,
                           int32_t pointLimit, const std::vector<int32_t>& spread,
                           const std::vector<float>& values, int width, bool reversed);

// Corner colours into colorPool from r, g, b triples.
inline int32_t AppendCornerColours(SceneData& scene, const std::vector<int32_t>& faces,
                                   int32_t pointLimit, const std::vector<int32_t>& spread,
                                   const std::vector<float>& palette, bool reversed) {
    return AppendCornerValues(scene.colorPool, scene.colorCount, faces, pointLimit, spread, palette,
                              3, reversed);
}

}  // namespace vantor
