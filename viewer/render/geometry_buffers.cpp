#include "render/geometry_buffers.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "render/gl_headers.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {

constexpr int kFloatsPerVertex = 6;  // position, normal

struct Builder {
    const SceneData& s;
    std::vector<float> vertices;
    std::vector<uint32_t> edges;
    std::vector<float> colours;    // aligned with the vertices once a set has colours
    std::vector<float> texCoords;  // likewise, u, v once a set has texture coordinates
    int64_t pointTotal = 0;
    int64_t normalTotal = 0;

    explicit Builder(const SceneData& scene)
        : s(scene), pointTotal(scene.pointCount / 3), normalTotal(scene.normalCount / 3) {}

    int32_t VertexCount() const { return int32_t(vertices.size() / kFloatsPerVertex); }

    bool ValidPoint(int64_t p) const { return p >= 0 && p < pointTotal; }
    bool ValidNormal(int64_t n) const { return n >= 0 && n < normalTotal; }

    void Push(const float* p, const float* n) {
        vertices.insert(vertices.end(), p, p + 3);
        vertices.insert(vertices.end(), n, n + 3);
    }
};

// Reads an integer stored as a float in a block, by truncation.
int32_t BlockInt(const SceneData& s, int32_t offset, int index) {
    const int64_t at = int64_t(offset) + index;
    if (offset < 0 || at >= s.valueCount) return -1;
    return int32_t(s.valuePool[at]);
}

void FaceNormal(float out[3], const float* a, const float* b, const float* c) {
    const float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const float v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    out[0] = u[1] * v[2] - u[2] * v[1];
    out[1] = u[2] * v[0] - u[0] * v[2];
    out[2] = u[0] * v[1] - u[1] * v[0];
    const float length = std::sqrt(out[0] * out[0] + out[1] * out[1] + out[2] * out[2]);
    if (length > 0) out[0] /= length, out[1] /= length, out[2] /= length;
}

}  // namespace

GeometryBuffers::~GeometryBuffers() {
    // The context may be gone by now; Release() is the owner's job.
}

void GeometryBuffers::Release() {
    if (vertexBuffer_) glDeleteBuffers(1, &vertexBuffer_);
    if (edgeBuffer_) glDeleteBuffers(1, &edgeBuffer_);
    if (colourBuffer_) glDeleteBuffers(1, &colourBuffer_);
    if (texCoordBuffer_) glDeleteBuffers(1, &texCoordBuffer_);
    vertexBuffer_ = edgeBuffer_ = colourBuffer_ = texCoordBuffer_ = 0;
    valid_ = false;
}

GeometryBuffers::Signature GeometryBuffers::SignatureOf(const SceneData& s) {
    Signature sig;
    const int64_t values[12] = {s.nodeCount,           s.valueCount,           s.pointCount,
                                s.normalCount,         s.coordIndexCount,      s.normalIndexCount,
                                s.lineCoordIndexCount, s.lineNormalIndexCount, s.fileCount,
                                s.materialCount,       s.colorCount,           s.texCoordCount};
    for (int i = 0; i < 12; ++i) sig.values[i] = values[i];
    sig.places[0] = s.pointPool.data();
    sig.places[1] = s.normalPool.data();
    sig.places[2] = s.coordIndexPool.data();
    return sig;
}

void GeometryBuffers::Update(const SceneData& scene) {
    const Signature now = SignatureOf(scene);
    if (valid_ && now == signature_) return;
    Build(scene);
    signature_ = now;
    valid_ = true;
}

void GeometryBuffers::Build(const SceneData& s) {
    Builder b(s);
    ranges_.assign(size_t(std::max(0, s.nodeCount)), Range{});
    stripFirsts_.clear();
    stripCounts_.clear();
    const float* points = s.pointPool.data();
    const float* normals = s.normalPool.data();
    const float zero[3] = {0, 0, 0};
    const float* pendingColours = nullptr;  // of the Color row before a face set
    int64_t pendingCorners = 0;
    const float* pendingTexCoords = nullptr;  // of the TextureCoordinate2 row before it
    int64_t pendingTexCorners = 0;

    for (int32_t row = 0; row < s.nodeCount; ++row) {
        const NodeRow& node = s.nodeTable[row];
        Range& range = ranges_[size_t(row)];
        if (node.kind == kind::Color) {
            const bool valid = node.dataBegin >= 0 && node.dataEnd <= s.colorCount &&
                               node.dataEnd > node.dataBegin;
            pendingColours = valid ? s.colorPool.data() + node.dataBegin : nullptr;
            pendingCorners = valid ? (node.dataEnd - node.dataBegin) / 3 : 0;
        } else if (node.kind == kind::TextureCoordinate2) {
            const bool valid = node.dataBegin >= 0 && node.dataEnd <= s.texCoordCount &&
                               node.dataEnd > node.dataBegin;
            pendingTexCoords = valid ? s.texCoordPool.data() + node.dataBegin : nullptr;
            pendingTexCorners = valid ? (node.dataEnd - node.dataBegin) / 2 : 0;
        } else if (node.kind == kind::IndexedFaceSet) {
            const int32_t normalState = BlockInt(s, node.dataBegin, 0);
            const int32_t first = std::max(0, BlockInt(s, node.dataBegin, 1));
            const int32_t end = std::min(BlockInt(s, node.dataBegin, 2), s.coordIndexCount);
            const int32_t normalFirst = BlockInt(s, node.dataBegin, 3);
            range.first = b.VertexCount();
            range.edgeFirst = int32_t(b.edges.size());
            range.hasNormals = true;
            const float* colours =
                pendingCorners == std::max(0, end - first) ? pendingColours : nullptr;
            pendingColours = nullptr;
            if (colours) {
                b.colours.resize(size_t(b.VertexCount()) * 3);
                range.hasColours = true;
            }
            const float* texCoords =
                pendingTexCorners == std::max(0, end - first) ? pendingTexCoords : nullptr;
            pendingTexCoords = nullptr;
            if (texCoords) {
                b.texCoords.resize(size_t(b.VertexCount()) * 2);
                range.hasTexCoords = true;
            }
            std::unordered_set<uint64_t> seenEdges;
            // Only whole triangles: a trailing partial one would read the
            // indices of the next face set.
            for (int32_t k = first; k + 3 <= end; k += 3) {
                int32_t p[3];
                bool valid = true;
                for (int v = 0; v < 3; ++v) {
                    p[v] = s.coordIndexPool[k + v];
                    valid = valid && b.ValidPoint(p[v]);
                }
                if (!valid) continue;
                float faceNormal[3];
                FaceNormal(faceNormal, points + 3 * p[0], points + 3 * p[1], points + 3 * p[2]);
                const int32_t base = b.VertexCount();
                for (int v = 0; v < 3; ++v) {
                    const float* normal = faceNormal;
                    const int64_t at = int64_t(k + v) - first + normalFirst;
                    if (normalState != -1 && normalFirst >= 0 && at < s.normalIndexCount) {
                        const int32_t n = s.normalIndexPool[at];
                        if (b.ValidNormal(n)) normal = normals + 3 * n;
                    }
                    b.Push(points + 3 * p[v], normal);
                    if (colours) {
                        const float* rgb = colours + 3 * (int64_t(k + v) - first);
                        b.colours.insert(b.colours.end(), rgb, rgb + 3);
                    }
                    if (texCoords) {
                        const float* uv = texCoords + 2 * (int64_t(k + v) - first);
                        b.texCoords.insert(b.texCoords.end(), uv, uv + 2);
                    }
                }
                for (int v = 0; v < 3; ++v) {
                    const int w = (v + 1) % 3;
                    const uint64_t key = (uint64_t(uint32_t(std::min(p[v], p[w]))) << 32) |
                                         uint32_t(std::max(p[v], p[w]));
                    // An edge shared by two triangles is drawn once.
                    if (!seenEdges.insert(key).second) continue;
                    b.edges.push_back(uint32_t(base + v));
                    b.edges.push_back(uint32_t(base + w));
                }
            }
            range.count = b.VertexCount() - range.first;
            range.edgeCount = int32_t(b.edges.size()) - range.edgeFirst;
        } else if (node.kind == kind::IndexedLineSet) {
            const int32_t normalState = BlockInt(s, node.dataBegin, 0);
            const int32_t first = std::max(0, BlockInt(s, node.dataBegin, 1));
            const int32_t end = std::min(BlockInt(s, node.dataBegin, 2), s.lineCoordIndexCount);
            const int32_t normalFirst = BlockInt(s, node.dataBegin, 3);
            range.first = b.VertexCount();
            range.stripFirst = int32_t(stripFirsts_.size());
            range.hasNormals = normalState != -1;
            int32_t stripStart = b.VertexCount();
            auto closeStrip = [&] {
                const int32_t count = b.VertexCount() - stripStart;
                if (count >= 2) stripFirsts_.push_back(stripStart), stripCounts_.push_back(count);
                stripStart = b.VertexCount();
            };
            for (int32_t k = first; k < end; ++k) {
                const int32_t p = s.lineCoordIndexPool[k];
                if (!b.ValidPoint(p)) {
                    closeStrip();
                    continue;
                }
                const float* normal = zero;
                const int64_t at = int64_t(k) - first + normalFirst;
                if (range.hasNormals && normalFirst >= 0 && at < s.lineNormalIndexCount) {
                    const int32_t n = s.lineNormalIndexPool[at];
                    if (b.ValidNormal(n)) normal = normals + 3 * n;
                }
                b.Push(points + 3 * p, normal);
            }
            closeStrip();
            range.count = b.VertexCount() - range.first;
            range.stripCount = int32_t(stripFirsts_.size()) - range.stripFirst;
        }
    }
    triangleVertices_ = b.VertexCount();
    edgeIndices_ = int64_t(b.edges.size());

    // Point sets draw straight from a copy of the whole point pool.
    const int32_t pointBase = b.VertexCount();
    for (int64_t p = 0; p < b.pointTotal; ++p) b.Push(points + 3 * p, zero);
    for (int32_t row = 0; row < s.nodeCount; ++row) {
        const NodeRow& node = s.nodeTable[row];
        if (node.kind != kind::PointSet) continue;
        const int64_t first = node.dataBegin;
        if (first < 0 || first >= b.pointTotal) continue;
        int64_t count = node.dataEnd == -1 ? b.pointTotal - first : node.dataEnd;
        count = std::clamp<int64_t>(count, 0, b.pointTotal - first);
        ranges_[size_t(row)].first = int32_t(pointBase + first);
        ranges_[size_t(row)].count = int32_t(count);
    }

    if (!vertexBuffer_) glGenBuffers(1, &vertexBuffer_);
    if (!edgeBuffer_) glGenBuffers(1, &edgeBuffer_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(b.vertices.size() * sizeof(float)), b.vertices.data(),
                 GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, edgeBuffer_);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(b.edges.size() * sizeof(uint32_t)),
                 b.edges.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    UploadAligned(b.colours, 3, b.vertices.size() / kFloatsPerVertex, colourBuffer_);
    UploadAligned(b.texCoords, 2, b.vertices.size() / kFloatsPerVertex, texCoordBuffer_);
}

void GeometryBuffers::UploadAligned(std::vector<float>& values, size_t width, size_t vertices,
                                    uint32_t& buffer) {
    if (values.empty()) return;
    values.resize(vertices * width);
    if (!buffer) glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(values.size() * sizeof(float)), values.data(),
                 GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void GeometryBuffers::Bind() const {
    const GLsizei stride = kFloatsPerVertex * sizeof(float);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, edgeBuffer_);
    glVertexPointer(3, GL_FLOAT, stride, nullptr);
    glNormalPointer(GL_FLOAT, stride, reinterpret_cast<const void*>(3 * sizeof(float)));
    glEnableClientState(GL_VERTEX_ARRAY);
}

void GeometryBuffers::Unbind() const {
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void GeometryBuffers::DrawTriangles(int32_t row, bool withNormals) const {
    if (row < 0 || size_t(row) >= ranges_.size()) return;
    const Range& r = ranges_[size_t(row)];
    if (r.count <= 0) return;
    if (withNormals) glEnableClientState(GL_NORMAL_ARRAY);
    glDrawArrays(GL_TRIANGLES, r.first, r.count);
    if (withNormals) glDisableClientState(GL_NORMAL_ARRAY);
}

bool GeometryBuffers::DrawColouredTriangles(int32_t row) const {
    if (row < 0 || size_t(row) >= ranges_.size()) return false;
    const Range& r = ranges_[size_t(row)];
    if (!r.hasColours || !colourBuffer_ || r.count <= 0) return false;
    glBindBuffer(GL_ARRAY_BUFFER, colourBuffer_);
    glColorPointer(3, GL_FLOAT, 0, nullptr);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    // The colours stand in for the material's ambient and diffuse colours.
    glPushAttrib(GL_LIGHTING_BIT | GL_CURRENT_BIT);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glEnableClientState(GL_COLOR_ARRAY);
    DrawTriangles(row, true);
    glDisableClientState(GL_COLOR_ARRAY);
    glPopAttrib();
    return true;
}

bool GeometryBuffers::HasTexCoords(int32_t row) const {
    return row >= 0 && size_t(row) < ranges_.size() && ranges_[size_t(row)].hasTexCoords &&
           texCoordBuffer_;
}

void GeometryBuffers::EnableTexCoords(bool on) const {
    if (!on) {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        return;
    }
    glBindBuffer(GL_ARRAY_BUFFER, texCoordBuffer_);
    glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

void GeometryBuffers::DrawTriangleEdges(int32_t row) const {
    if (row < 0 || size_t(row) >= ranges_.size()) return;
    const Range& r = ranges_[size_t(row)];
    if (r.edgeCount <= 0) return;
    glDrawElements(GL_LINES, r.edgeCount, GL_UNSIGNED_INT,
                   reinterpret_cast<const void*>(size_t(r.edgeFirst) * sizeof(uint32_t)));
}

void GeometryBuffers::DrawLineStrips(int32_t row) const {
    if (row < 0 || size_t(row) >= ranges_.size()) return;
    const Range& r = ranges_[size_t(row)];
    if (r.stripCount <= 0) return;
    if (r.hasNormals) glEnableClientState(GL_NORMAL_ARRAY);
    glMultiDrawArrays(GL_LINE_STRIP, stripFirsts_.data() + r.stripFirst,
                      stripCounts_.data() + r.stripFirst, r.stripCount);
    if (r.hasNormals) glDisableClientState(GL_NORMAL_ARRAY);
}

void GeometryBuffers::DrawPoints(int32_t row) const {
    if (row < 0 || size_t(row) >= ranges_.size()) return;
    const Range& r = ranges_[size_t(row)];
    if (r.count <= 0) return;
    glDrawArrays(GL_POINTS, r.first, r.count);
}

}  // namespace vantor
