// Texture2 nodes and the texture coordinates of face sets.

#include <cstdio>
#include <numeric>
#include <vector>

#include "vrml_write/number_format.h"
#include "vrml_write/vrml_writer.h"

namespace vantor {

namespace {

// A string value in quotes; quotes and backslashes inside are escaped.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out.push_back('\\');
        out.push_back(c);
    }
    return out + "\"";
}

}  // namespace

void VrmlWriter::WriteTexture(int32_t record, const std::string& def) {
    const SceneData& s = *scene_;
    OpeningLine(def, "Texture2 {", "Texture2 {");
    if (record >= 0 && record < s.textureCount) {
        const TextureRecord& t = s.textures.items[size_t(record)];
        if (!t.pixels.empty()) {
            NodeLine("  image " + std::to_string(t.width) + " " + std::to_string(t.height) + " " +
                     std::to_string(t.components));
            const size_t width = size_t(t.components);
            for (size_t at = 0; at + width <= t.pixels.size(); at += 8 * width) {
                BeginLine();
                out_->append("   ");
                for (size_t p = at; p < at + 8 * width && p + width <= t.pixels.size();
                     p += width) {
                    uint32_t value = 0;
                    for (size_t c = 0; c < width; ++c) value = (value << 8) | t.pixels[p + c];
                    char hex[16];
                    std::snprintf(hex, sizeof hex, " 0x%0*X", int(2 * width), value);
                    out_->append(hex);
                }
                EndNodeLine();
            }
        } else if (!t.path.empty()) {
            NodeLine("  filename " + Quoted(PathFromOutput(t.path, t.url)));
        }
        if (!t.repeatS) NodeLine("  wrapS CLAMP");
        if (!t.repeatT) NodeLine("  wrapT CLAMP");
        NodeLine("}");
        const bool moved = t.centre[0] != 0 || t.centre[1] != 0 || t.rotation != 0 ||
                           t.scale[0] != 1 || t.scale[1] != 1 || t.translation[0] != 0 ||
                           t.translation[1] != 0;
        if (moved) {
            BeginLine();
            out_->append("Texture2Transform { translation");
            Exact(t.translation[0]), Exact(t.translation[1]);
            out_->append(" rotation");
            Exact(t.rotation);
            out_->append(" scaleFactor");
            Exact(t.scale[0]), Exact(t.scale[1]);
            out_->append(" center");
            Exact(t.centre[0]), Exact(t.centre[1]);
            out_->append(" }");
            EndNodeLine();
        }
        return;
    }
    NodeLine("}");
}

void VrmlWriter::WriteTexCoords(int32_t texCoordRow) {
    const SceneData& s = *scene_;
    const NodeRow& row = s.Row(texCoordRow);
    NodeLine("TextureCoordinate2 { point [");
    for (int32_t at = row.dataBegin; at + 2 <= row.dataEnd; at += 2) {
        BeginLine();
        Exact(s.texCoordPool[at]);
        Exact(s.texCoordPool[at + 1]);
        out_->append(" ,");
        EndNodeLine();
    }
    NodeLine("] }");
}

void VrmlWriter::WriteTexCoordIndex(int32_t corners) {
    // One coordinate per corner, in the order they were written.
    std::vector<int32_t> indices(size_t(std::max(corners, 0)));
    std::iota(indices.begin(), indices.end(), 0);
    WriteCornerIndices("textureCoordIndex", indices);
}

}  // namespace vantor
