#include "scene/textures.h"

#include <algorithm>
#include <array>
#include <limits>

namespace vantor {

bool TextureSizeAllowed(int64_t width, int64_t height, int64_t components) {
    return width > 0 && height > 0 && width <= kMaxTextureSide && height <= kMaxTextureSide &&
           width * height <= kMaxTexturePixels && components >= 1 && components <= 4;
}

void CopyTextureTransform(TextureRecord& to, const TextureRecord& from) {
    std::copy_n(from.centre, 2, to.centre);
    to.rotation = from.rotation;
    std::copy_n(from.scale, 2, to.scale);
    std::copy_n(from.translation, 2, to.translation);
}

int32_t AddTextureRow(SceneData& s, int32_t kindCode, const TextureRecord& record,
                      int32_t fileIndex, const std::string& defName) {
    const int32_t index = s.AddTextureRecord(record);
    return s.AddRow(kindCode, fileIndex, tag::Value, index, -1, defName);
}

int32_t AddCornerTexCoordRow(SceneData& s, const float* uv, int64_t corners, int32_t fileIndex) {
    const int64_t end = int64_t(s.texCoordCount) + 2 * corners;
    if (corners <= 0 || end > std::numeric_limits<int32_t>::max() / 2) return -1;
    s.texCoordPool.Ensure(end);
    std::copy(uv, uv + 2 * corners, s.texCoordPool.data() + s.texCoordCount);
    const int32_t first = s.texCoordCount;
    s.texCoordCount = int32_t(end);
    return s.AddRow(kind::TextureCoordinate2, fileIndex, tag::Value, first, s.texCoordCount);
}

std::vector<float> BoxMappedTexCoords(const float* points, int64_t count,
                                      const std::vector<int32_t>& faces) {
    std::array<float, 3> low{}, high{};
    bool first = true;
    for (int32_t p : faces) {
        if (p < 0 || p >= count) continue;
        for (int a = 0; a < 3; ++a) {
            const float v = points[3 * int64_t(p) + a];
            low[a] = first ? v : std::min(low[a], v);
            high[a] = first ? v : std::max(high[a], v);
        }
        first = false;
    }
    std::array<int, 3> axes = {0, 1, 2};
    // Longest first; on a tie x comes before y before z, as VRML orders them.
    std::stable_sort(axes.begin(), axes.end(),
                     [&](int a, int b) { return high[a] - low[a] > high[b] - low[b]; });
    const int u = axes[0], v = axes[1];
    const float length = high[u] - low[u] > 0 ? high[u] - low[u] : 1.0f;
    std::vector<float> uv(size_t(2 * std::max<int64_t>(count, 0)));
    for (int64_t p = 0; p < count; ++p) {
        uv[size_t(2 * p)] = (points[3 * p + u] - low[u]) / length;
        uv[size_t(2 * p + 1)] = (points[3 * p + v] - low[v]) / length;
    }
    return uv;
}

int32_t TexCoordRowOf(const SceneData& s, int32_t faceSetRow) {
    if (faceSetRow <= 0 || faceSetRow >= s.nodeCount) return -1;
    const NodeRow& faceSet = s.Row(faceSetRow);
    if (faceSet.kind != kind::IndexedFaceSet || faceSet.dataBegin < 0 ||
        int64_t(faceSet.dataBegin) + 3 > s.valueCount)
        return -1;
    const float* block = s.Block(faceSet.dataBegin);
    const int64_t corners = int64_t(block[2]) - int64_t(block[1]);
    // The readers put it a few state rows before its face set.
    for (int32_t r = faceSetRow - 1; r >= std::max(0, faceSetRow - 5); --r) {
        const NodeRow& row = s.Row(r);
        if (row.kind == kind::IndexedFaceSet) break;
        if (row.kind != kind::TextureCoordinate2) continue;
        const bool valid = row.dataBegin >= 0 && row.dataEnd <= s.texCoordCount &&
                           int64_t(row.dataEnd) - row.dataBegin == 2 * corners && corners > 0;
        return valid ? r : -1;
    }
    return -1;
}

}  // namespace vantor
