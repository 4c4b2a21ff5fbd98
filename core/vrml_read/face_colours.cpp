#include "vrml_read/face_colours.h"

#include <algorithm>
#include <cstdint>

namespace vantor {

std::vector<int32_t> SpreadIndices(const std::vector<int32_t>& faces,
                                   const std::vector<int32_t>& indices, bool perVertex) {
    if (perVertex) return indices.empty() ? faces : indices;
    std::vector<int32_t> spread(faces.size(), -1);
    size_t face = 0;
    for (size_t i = 0; i < faces.size(); ++i) {
        if (faces[i] == -1) {
            ++face;
            continue;
        }
        spread[i] = indices.empty() ? int32_t(face) : face < indices.size() ? indices[face] : -2;
    }
    return spread;
}

int32_t AppendCornerValues(Pool<float>& pool, int32_t& count, const std::vector<int32_t>& faces,
                           int32_t pointLimit, const std::vector<int32_t>& spread,
                           const std::vector<float>& values, int width, bool reversed) {
    const int64_t entries = int64_t(values.size()) / width;
    if (spread.size() != faces.size() || entries == 0) return -1;
    std::vector<int32_t> corners;
    for (size_t first = 0; first < faces.size();) {
        size_t end = first;
        bool inside = true;
        for (; end < faces.size() && faces[end] != -1; ++end)
            inside = inside && uint32_t(faces[end]) < uint32_t(std::max(pointLimit, 0));
        for (size_t k = first + 2; inside && k < end; ++k) {
            const int32_t triangle[3] = {spread[first], spread[k - 1], spread[k]};
            for (int v : {0, 1, 2}) corners.push_back(triangle[reversed ? 2 - v : v]);
        }
        first = end + 1;
    }
    for (int32_t index : corners)
        if (index < 0 || index >= entries) return -1;
    const int32_t start = count;
    const int64_t end = int64_t(start) + width * int64_t(corners.size());
    if (end > INT32_MAX / 2) return -1;
    pool.Ensure(end);
    float* out = pool.data() + start;
    for (int32_t index : corners)
        for (int c = 0; c < width; ++c) *out++ = values[size_t(width * index + c)];
    count = int32_t(end);
    return start;
}

}  // namespace vantor
