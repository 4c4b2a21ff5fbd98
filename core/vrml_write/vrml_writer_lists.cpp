// Writers of point, normal and index lists, with the base-row bookkeeping
// that keeps indices pointing at the list the reader will take.

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <vector>

#include "scene/textures.h"
#include "vrml_write/number_format.h"
#include "vrml_write/vrml_writer.h"

namespace vantor {

namespace {

int32_t Int(float value) {
    return int32_t(value);
}

void AppendInt(std::string& out, int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

bool IsNormalList(int32_t code) {
    return code == kind::Normal || code == kind::Normal2;
}

}  // namespace

void VrmlWriter::WriteVectors(int32_t dataBegin, int32_t dataEnd, const Pool<float>& pool,
                              int style) {
    const int32_t first = std::max(dataBegin, 0);
    const int32_t count = std::max(0, dataEnd - first) / 3;
    for (int32_t k = 0; k < count; ++k) {
        const float* v = &pool[int64_t(first) + 3 * int64_t(k)];
        BeginLine();
        for (int axis = 0; axis < 3; ++axis) {
            if (style == kShortStyle) {
                Exact(v[axis]);
            } else {
                Styled(v[axis], style);
            }
        }
        out_->append(k + 1 < count ? " ," : " ");
        EndNodeLine();
    }
}

void VrmlWriter::WriteCoordinate3(int32_t dataBegin, int32_t dataEnd, const std::string& def,
                                  std::string& out) {
    out_ = &out;
    OpeningLine(def, "Coordinate3   {  point [", "Coordinate3   {  point [");
    WriteVectors(dataBegin, dataEnd, scene_->pointPool, kShortStyle);
    NodeLine("] }");
}

void VrmlWriter::WriteNormal(int32_t dataBegin, int32_t dataEnd, const std::string& def,
                             std::string& out) {
    out_ = &out;
    OpeningLine(def, "Normal   {  vector [", "Normal   {  vector [");
    WriteVectors(dataBegin, dataEnd, scene_->normalPool, kLongStyle);
    NodeLine("] }");
}

void VrmlWriter::PrepareWalkState() {
    const size_t rows = size_t(std::max(0, scene_->nodeCount));
    if (written_.size() < rows) written_.resize(rows, 0);
    if (previousList_[0].size() != rows) BuildListChains();
}

void VrmlWriter::BuildListChains() {
    const SceneData& s = *scene_;
    for (auto& chain : previousList_) chain.assign(size_t(std::max(0, s.nodeCount)), -1);
    int32_t lastPoints = -1, lastNormals = -1;
    for (int32_t r = 0; r < s.nodeCount; ++r) {
        previousList_[0][size_t(r)] = lastPoints;
        previousList_[1][size_t(r)] = lastNormals;
        if (s.Row(r).kind == kind::Coordinate3) lastPoints = r;
        if (IsNormalList(s.Row(r).kind)) lastNormals = r;
    }
}

int32_t VrmlWriter::BaseRow(int32_t row, int32_t firstIndex, bool normals) const {
    const SceneData& s = *scene_;
    row = std::min(row, s.nodeCount);
    const std::vector<int32_t>& chain = previousList_[normals ? 1 : 0];
    if (row <= 0 || chain.size() != size_t(s.nodeCount)) return -1;
    // Walks back over the lists only, so a scene of many face sets after one
    // large list is not scanned row by row each time.
    for (int32_t r = chain[size_t(row)]; r >= 0; r = chain[size_t(r)]) {
        const int32_t first = s.Row(r).dataBegin;
        if (first >= 0 && first / 3 <= firstIndex) return r;
    }
    return -1;
}

void VrmlWriter::EnsureGoverning(int32_t baseRow, bool normals) {
    int32_t& last = normals ? lastNormalRow_ : lastCoordinateRow_;
    if (baseRow < 0 || last == baseRow) return;
    const NodeRow& row = scene_->Row(baseRow);
    if (normals) {
        WriteNormal(row.dataBegin, row.dataEnd, std::string(), *out_);
    } else {
        WriteCoordinate3(row.dataBegin, row.dataEnd, std::string(), *out_);
    }
    last = baseRow;
}

void VrmlWriter::WriteTriangles(const Pool<int32_t>& pool, int32_t first, int32_t end,
                                int32_t base) {
    const int32_t triangles = std::max(0, end - first) / 3;
    std::string& out = *out_;
    for (int32_t t = 0; t < triangles; ++t) {
        const int32_t* v = &pool[int64_t(first) + 3 * int64_t(t)];
        BeginLine();
        out.append("   ");
        for (int corner = 0; corner < 3; ++corner) {
            AppendInt(out, int64_t(v[corner]) - base);
            out.append(", ");
        }
        out.append(t + 1 < triangles ? "-1," : "-1");
        EndNodeLine();
    }
}

void VrmlWriter::WriteLineIndices(const Pool<int32_t>& pool, int32_t first, int32_t end,
                                  int32_t base) {
    std::string& out = *out_;
    for (int32_t k = first; k < end; ++k) {
        const int32_t entry = pool[k];
        BeginLine();
        out.append("   ");
        AppendInt(out, entry == -1 ? -1 : int64_t(entry) - base);
        if (k + 1 < end) out.push_back(',');
        EndNodeLine();
    }
}

void VrmlWriter::WriteIndexedFaceSet(int32_t row, int32_t block, const std::string& def,
                                     std::string& out) {
    out_ = &out;
    PrepareWalkState();
    const SceneData& s = *scene_;
    const float* b = s.Block(block);
    const int32_t c0 = std::clamp(Int(b[1]), 0, s.coordIndexCount);
    const int32_t c1 = std::clamp(Int(b[2]), c0, s.coordIndexCount);
    int32_t n0 = std::clamp(Int(b[3]), 0, s.normalIndexCount);
    int32_t n1 = std::clamp(Int(b[4]), n0, s.normalIndexCount);
    const bool withNormals = Int(b[0]) == 1;

    // Indices are written relative to the list the reader of the new file
    // will take as governing, so that list must be the last one written.
    int32_t base = 0;
    if (c1 > c0) {
        const int32_t baseRow = BaseRow(row, s.coordIndexPool[c0], false);
        if (baseRow < 0) return;  // nothing the indices could refer to
        EnsureGoverning(baseRow, false);
        base = s.Row(baseRow).dataBegin / 3;
    }
    int32_t normalBase = 0;
    if (withNormals && n1 > n0) {
        const int32_t normalRow = BaseRow(row, s.normalIndexPool[n0], true);
        if (normalRow < 0) {
            n1 = n0;
        } else {
            EnsureGoverning(normalRow, true);
            normalBase = s.Row(normalRow).dataBegin / 3;
        }
    }

    // Corner colours go out as a palette bound per vertex, in a Separator
    // of their own so the following shapes keep the material in force.
    const int32_t colourRow = ColourRowOf(row);
    const bool coloured =
        colourRow >= 0 && (s.Row(colourRow).dataEnd - s.Row(colourRow).dataBegin) == 3 * (c1 - c0);
    const int32_t texCoordRow = TexCoordRowOf(s, row);
    if (coloured || texCoordRow >= 0) NodeLine("Separator {");
    if (coloured) {
        WriteColourPalette(colourRow);
        NodeLine("MaterialBinding { value PER_VERTEX_INDEXED }");
    }
    if (texCoordRow >= 0) WriteTexCoords(texCoordRow);
    OpeningLine(def, "IndexedFaceSet {", "IndexedFaceSet {");
    NodeLine("  coordIndex [");
    WriteTriangles(s.coordIndexPool, c0, c1, base);
    NodeLine("  ]");
    if (withNormals) {
        NodeLine("  normalIndex [");
        WriteTriangles(s.normalIndexPool, n0, n1, normalBase);
        NodeLine("  ]");
    }
    if (coloured) WriteMaterialIndex(colourRow, c1 - c0);
    if (texCoordRow >= 0) WriteTexCoordIndex(c1 - c0);
    NodeLine("}");
    if (coloured || texCoordRow >= 0) NodeLine("}");
}

int32_t VrmlWriter::ColourRowOf(int32_t row) const {
    const SceneData& s = *scene_;
    // The readers put the Color row a few state rows before its face set.
    for (int32_t r = row - 1; r >= std::max(0, row - 4); --r) {
        const NodeRow& candidate = s.Row(r);
        if (candidate.kind == kind::IndexedFaceSet) break;
        if (candidate.kind != kind::Color) continue;
        const bool valid = candidate.dataBegin >= 0 && candidate.dataEnd <= s.colorCount &&
                           candidate.dataEnd > candidate.dataBegin;
        return valid ? r : -1;
    }
    return -1;
}

int32_t VrmlWriter::PartColourRow(int32_t row) const {
    const SceneData& s = *scene_;
    if (row <= 0 || row >= s.nodeCount) return -1;
    const NodeRow& colour = s.Row(row - 1);
    const int parts = kind::PrimitivePartCount(s.Row(row).kind);
    const bool valid = colour.kind == kind::Color && parts > 0 && colour.dataBegin >= 0 &&
                       colour.dataEnd <= s.colorCount &&
                       colour.dataEnd - colour.dataBegin == 3 * parts;
    return valid ? row - 1 : -1;
}

void VrmlWriter::WriteColourPalette(int32_t colourRow, bool distinct) {
    const SceneData& s = *scene_;
    const NodeRow& row = s.Row(colourRow);
    std::map<std::array<float, 3>, int32_t> palette;
    NodeLine("Material { diffuseColor [");
    for (int32_t at = row.dataBegin; at + 3 <= row.dataEnd; at += 3) {
        const std::array<float, 3> rgb = {s.colorPool[at], s.colorPool[at + 1],
                                          s.colorPool[at + 2]};
        if (!palette.emplace(rgb, int32_t(palette.size())).second && distinct) continue;
        BeginLine();
        for (float c : rgb) Styled(c, kFixed3Style);
        out_->append(" ,");
        EndNodeLine();
    }
    NodeLine("] }");
}

void VrmlWriter::WriteMaterialIndex(int32_t colourRow, int32_t corners) {
    const SceneData& s = *scene_;
    const int32_t first = s.Row(colourRow).dataBegin;
    // Indices of the palette WriteColourPalette wrote, in the same order.
    std::map<std::array<float, 3>, int32_t> palette;
    std::vector<int32_t> indices;
    for (int32_t k = 0; k < corners; ++k) {
        const float* c = &s.colorPool[int64_t(first) + 3 * int64_t(k)];
        indices.push_back(
            palette.emplace(std::array<float, 3>{c[0], c[1], c[2]}, int32_t(palette.size()))
                .first->second);
    }
    WriteCornerIndices("materialIndex", indices);
}

void VrmlWriter::WriteCornerIndices(const char* field, const std::vector<int32_t>& indices) {
    NodeLine(std::string("  ") + field + " [");
    std::string& out = *out_;
    const size_t corners = indices.size();
    for (size_t t = 0; t + 3 <= corners; t += 3) {
        BeginLine();
        out.append("   ");
        for (size_t corner = 0; corner < 3; ++corner) {
            AppendInt(out, indices[t + corner]);
            out.append(", ");
        }
        out.append(t + 3 < corners ? "-1," : "-1");
        EndNodeLine();
    }
    NodeLine("  ]");
}

void VrmlWriter::WriteIndexedLineSet(int32_t row, int32_t block, const std::string& def,
                                     std::string& out) {
    out_ = &out;
    PrepareWalkState();
    const SceneData& s = *scene_;
    const float* b = s.Block(block);
    const int32_t l0 = std::clamp(Int(b[1]), 0, s.lineCoordIndexCount);
    const int32_t l1 = std::clamp(Int(b[2]), l0, s.lineCoordIndexCount);
    int32_t n0 = std::clamp(Int(b[3]), 0, s.lineNormalIndexCount);
    int32_t n1 = std::clamp(Int(b[4]), n0, s.lineNormalIndexCount);
    const bool withNormals = Int(b[0]) == 1;

    auto firstEntry = [](const Pool<int32_t>& pool, int32_t from, int32_t to) {
        for (int32_t k = from; k < to; ++k)
            if (pool[k] >= 0) return pool[k];
        return -1;
    };
    int32_t base = 0;
    const int32_t firstPoint = firstEntry(s.lineCoordIndexPool, l0, l1);
    if (firstPoint >= 0) {
        const int32_t baseRow = BaseRow(row, firstPoint, false);
        if (baseRow < 0) return;
        EnsureGoverning(baseRow, false);
        base = s.Row(baseRow).dataBegin / 3;
    }
    int32_t normalBase = 0;
    const int32_t firstNormal = withNormals ? firstEntry(s.lineNormalIndexPool, n0, n1) : -1;
    if (firstNormal >= 0) {
        const int32_t normalRow = BaseRow(row, firstNormal, true);
        if (normalRow < 0) {
            n1 = n0;
        } else {
            EnsureGoverning(normalRow, true);
            normalBase = s.Row(normalRow).dataBegin / 3;
        }
    }

    OpeningLine(def, "IndexedLineSet {", "IndexedLineSet {");
    NodeLine("  coordIndex [");
    WriteLineIndices(s.lineCoordIndexPool, l0, l1, base);
    NodeLine("  ]");
    if (withNormals) {
        NodeLine("  normalIndex [");
        WriteLineIndices(s.lineNormalIndexPool, n0, n1, normalBase);
        NodeLine("  ]");
    }
    NodeLine("}");
}

void VrmlWriter::WritePointSet(int32_t row, const std::string& def, std::string& out) {
    out_ = &out;
    PrepareWalkState();
    const SceneData& s = *scene_;
    const NodeRow& points = s.Row(row);
    if (points.dataBegin < 0) return;
    const int32_t baseRow = BaseRow(row, points.dataBegin, false);
    if (baseRow < 0) return;
    EnsureGoverning(baseRow, false);
    const int32_t base = s.Row(baseRow).dataBegin / 3;
    // -1 meant "to the end of the pool", which another file would change.
    const int32_t count =
        points.dataEnd >= 0 ? points.dataEnd : std::max(0, s.pointCount / 3 - points.dataBegin);
    OpeningLine(def, "PointSet {", "PointSet {");
    BeginLine();
    out.append("   startIndex ");
    AppendInt(out, int64_t(points.dataBegin) - base);
    EndNodeLine();
    BeginLine();
    out.append("   numPoints ");
    AppendInt(out, count);
    EndNodeLine();
    NodeLine("}");
}

}  // namespace vantor
