// VRML 1.0 texture state: Texture2, TextureCoordinate2, Texture2Transform,
// and the texture coordinates of the face sets under them.

#include <memory>

#include "scene/node_kind.h"
#include "scene/textures.h"
#include "vrml_read/face_colours.h"
#include "vrml_read/texture_fields.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

int VrmlReader::ReadTexture2(std::string_view text, int& position, const std::string& defName) {
    TextureRecord record;
    std::string problem;
    if (!ReadTextureBody(text, position, currentFolder, record, problem)) {
        LogWord("There must be some mistake in Data about Texture2 ##", NextWord(text, position),
                "##");
        return -1;
    }
    if (!problem.empty()) LogLine(problem);
    // A Texture2 without an image turns texturing off.
    const bool image = !record.pixels.empty() || !record.path.empty();
    const int32_t row = AddTextureRow(*this, kind::Texture2, record, currentFileIndex, defName);
    faceHints.texture = image ? Row(row).dataBegin : -1;
    return 1;
}

int VrmlReader::ReadTextureCoordinate2(std::string_view text, int& position,
                                       const std::string& defName) {
    AddRow(kind::TextureCoordinate2, currentFileIndex, tag::Value, -9998, -9999, defName);
    auto points = std::make_shared<std::vector<float>>();
    if (!ReadValueListBody(text, position, "point", *points)) {
        LogLine("There must be some mistake in Data about TextureCoordinate2");
        return -1;
    }
    points->resize(points->size() / 2 * 2);
    faceHints.texPoints = std::move(points);
    return 1;
}

int VrmlReader::ReadTexture2Transform(std::string_view text, int& position,
                                      const std::string& defName) {
    AddRow(20481, currentFileIndex, tag::Value, -9998, -9999, defName);
    if (NextWord(text, position) != "{") return -1;
    TextureRecord t;
    for (std::string_view field = NextWord(text, position); !field.empty() && field != "}";
         field = NextWord(text, position)) {
        float* target = field == "center"        ? t.centre
                        : field == "rotation"    ? &t.rotation
                        : field == "scaleFactor" ? t.scale
                        : field == "translation" ? t.translation
                                                 : nullptr;
        for (int i = 0; target && i < (field == "rotation" ? 1 : 2); ++i)
            ParseFloatWord(NextWord(text, position), target[i]);
    }
    // Kept with the texture in force; the writer puts it after that texture.
    if (faceHints.texture >= 0) {
        TextureRecord& texture = textures.items[size_t(faceHints.texture)];
        CopyTextureTransform(texture, t);
    }
    return 1;
}

void VrmlReader::AddTextureCoordinates(const std::vector<int32_t>& faces, int32_t pointBase,
                                       int32_t pointLimit, const std::vector<int32_t>& texIndices) {
    const bool given = faceHints.texPoints && !faceHints.texPoints->empty();
    const std::vector<float> mapped =
        given ? std::vector<float>()
              : BoxMappedTexCoords(pointPool.data() + 3 * int64_t(pointBase), pointLimit, faces);
    const std::vector<float>& values = given ? *faceHints.texPoints : mapped;
    const std::vector<int32_t>& indices = given && !texIndices.empty() ? texIndices : faces;
    const int32_t first =
        AppendCornerValues(texCoordPool, texCoordCount, faces, pointLimit,
                           SpreadIndices(faces, indices, true), values, 2, vertexOrdering != -1);
    if (first < 0) {
        LogLine("Caution in IndexedFaceSet texture coordinate index outside the list; no texture");
        return;
    }
    AddRow(kind::TextureCoordinate2, currentFileIndex, tag::Value, first, texCoordCount);
}

}  // namespace vantor
