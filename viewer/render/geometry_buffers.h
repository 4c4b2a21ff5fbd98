#pragma once
// Vertex arrays of every face set, line set and point set of a scene, held
// in buffer objects and built once, so a frame issues one draw call per
// shape instead of one call per vertex.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor {

class SceneData;

class GeometryBuffers {
  public:
    GeometryBuffers() = default;
    ~GeometryBuffers();
    GeometryBuffers(const GeometryBuffers&) = delete;
    GeometryBuffers& operator=(const GeometryBuffers&) = delete;

    // Rebuilds the buffers when the scene's pools changed size or place, or
    // after Invalidate (needed after in-place point or normal edits).
    void Update(const SceneData& scene);
    void Invalidate() { valid_ = false; }
    // Frees the GL objects; call with the owning context current.
    void Release();

    // Binds the shared buffer and sets the array pointers for the frame.
    void Bind() const;
    void Unbind() const;

    // Draw calls for one row; they do nothing for rows of other kinds.
    void DrawTriangles(int32_t row, bool withNormals) const;
    // Shaded triangles of a face set with its own corner colours; false,
    // drawing nothing, when it has none.
    bool DrawColouredTriangles(int32_t row) const;
    // Whether a face set has texture coordinates, and the array that gives
    // them to the draw calls between EnableTexCoords(true) and (false).
    bool HasTexCoords(int32_t row) const;
    void EnableTexCoords(bool on) const;
    void DrawTriangleEdges(int32_t row) const;
    void DrawLineStrips(int32_t row) const;
    void DrawPoints(int32_t row) const;

    // Counts for tests and the benchmark.
    int64_t TriangleVertexCount() const { return triangleVertices_; }
    int64_t EdgeIndexCount() const { return edgeIndices_; }

  private:
    struct Range {
        int32_t first = 0;  // first vertex (or index) in the shared buffer
        int32_t count = 0;
        int32_t edgeFirst = 0;  // face sets: first edge index
        int32_t edgeCount = 0;
        int32_t stripFirst = 0;  // line sets: strips in stripFirsts_/stripCounts_
        int32_t stripCount = 0;
        bool hasNormals = false;
        bool hasColours = false;
        bool hasTexCoords = false;
    };
    struct Signature {
        int64_t values[12] = {};
        const void* places[3] = {};
        bool operator==(const Signature&) const = default;
    };
    static Signature SignatureOf(const SceneData& scene);
    void Build(const SceneData& scene);
    // Uploads per-vertex values (`width` each, padded to `vertices`) into
    // `buffer`; nothing when no set has them.
    static void UploadAligned(std::vector<float>& values, size_t width, size_t vertices,
                              uint32_t& buffer);

    bool valid_ = false;
    Signature signature_;
    std::vector<Range> ranges_;  // one per node row
    std::vector<int32_t> stripFirsts_;
    std::vector<int32_t> stripCounts_;
    uint32_t vertexBuffer_ = 0;
    uint32_t edgeBuffer_ = 0;
    uint32_t colourBuffer_ = 0;    // r, g, b per vertex; only when some set has colours
    uint32_t texCoordBuffer_ = 0;  // u, v per vertex; only when some set has them
    int64_t triangleVertices_ = 0;
    int64_t edgeIndices_ = 0;
};

}  // namespace vantor
