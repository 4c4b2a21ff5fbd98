// Shape, Appearance, Material and the primitive geometry of VRML 2.0.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "scene/node_kind.h"
#include "scene/textures.h"
#include "vrml_read/texture_fields.h"
#include "vrml_read/vrml2_node_reader.h"
#include "vrml_read/vrml2_words.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

constexpr const char* kUsePrefix = "Korvalde_20_USE_";
constexpr int32_t kMaterialEnd = -999;

// Parts codes of the VRML 1.0 primitives: SIDES 1, BOTTOM 2, TOP 4, ALL 8.
constexpr int kPartSides = 1;
constexpr int kPartBottom = 2;
constexpr int kPartTop = 4;
constexpr int kPartAll = 8;

}  // namespace

int Vrml2NodeReader::SetNodeShapeToVrml20Array(int& position, const std::string& defName) {
    const Checkpoint entry = Save();
    ++reader_.depth;
    const OpenGroup shape = AddGroupRow(kind::Shape, 3, defName);
    const OpenGroup appearance = AddGroupRow(kind::Appearance, 2, std::string());
    // Every Shape owns one material row; an Appearance fills it, a USE of
    // another appearance or material points the Material row elsewhere.
    const int32_t ownMaterial = reader_.AppendMaterialRow();
    const int32_t materialRow =
        reader_.AddRow(kind::Material2, reader_.currentFileIndex, tag::Material, ownMaterial,
                       kMaterialEnd, "KORVALDE_DEFAULT_MARERIAL");
    CloseGroup(appearance);
    reader_.currentMaterial = ownMaterial;
    const int32_t outerTexture = shapeTexture_;
    shapeTexture_ = -1;
    if (!ExpectBrace(position, "There must be some Mistake in this data about { after Shape")) {
        shapeTexture_ = outerTexture;
        RollBack(entry);
        return -1;
    }
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (SkipRoute(word, position)) continue;
        if (word == "{") {
            Log("Caution in SetNodeShapeToVrml20Array 0");
        } else if (word == "appearance") {
            ReadAppearanceField(position, appearance.row, materialRow, ownMaterial);
        } else if (word == "geometry") {
            ReadGeometryField(position);
        } else if (word == "bboxCenter" || word == "bboxSize") {
            float ignored[3];
            ReadFloats(position, ignored, 3);
        } else {
            LogWord("Caution in switch SetNodeShapeToVrml20Array ! cNode = ##", word, "##");
            SkipFieldValue(position);
        }
    }
    CloseGroup(shape);
    shapeTexture_ = outerTexture;
    reader_.currentMaterial = entry.currentMaterial;
    reader_.depth = entry.depth;
    return 1;
}

void Vrml2NodeReader::ReadAppearanceField(int& position, int32_t appearanceRow, int32_t materialRow,
                                          int32_t ownMaterial) {
    std::string defName;
    std::string_view word = NextNodeWord(position, defName);
    if (word == "Appearance") {
        SetNodeAppearanceToVrml20Array(position, defName, appearanceRow, materialRow, ownMaterial);
    } else if (word == "USE") {
        std::string name;
        const int32_t target = ReadUseOf(position, defName, {kind::Appearance}, name);
        if (target >= 0 && target + 1 < reader_.nodeCount &&
            (reader_.Row(target + 1).kind == kind::Material2 ||
             reader_.Row(target + 1).kind == kind::Material)) {
            reader_.Row(materialRow).dataBegin = reader_.Row(target + 1).dataBegin;
            reader_.SetDefName(materialRow, kUsePrefix + name);
        }
        if (target >= 0) ShareAppearanceTexture(target);
    } else if (word != "NULL") {
        LogWord("Caution in switch SetNodeShapeToVrml20Array ! cNode = ##", word, "##");
        SkipNodeBody(position);
    }
}

int Vrml2NodeReader::SetNodeAppearanceToVrml20Array(int& position, const std::string& defName,
                                                    int32_t appearanceRow, int32_t materialRow,
                                                    int32_t ownMaterial) {
    ++reader_.depth;
    reader_.SetDefName(appearanceRow, defName);
    TextureRecord transform;
    if (!ExpectBrace(position,
                     "There must be some Mistake in this data about { after Appearance")) {
        --reader_.depth;
        return -1;
    }
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (word == "{") {
            Log("Caution in SetNodeAppearanceSetToVrml20Array 0");
        } else if (word == "material") {
            ReadMaterialField(position, materialRow, ownMaterial);
        } else if (word == "texture") {
            ReadTextureField(position);
        } else if (word == "textureTransform") {
            ReadTextureTransform(position, transform);
        } else {
            LogWord("Caution in switch SetNodeAppearanceToVrml20Array ! cNode = ##", word, "##");
            SkipFieldValue(position);
        }
    }
    if (shapeTexture_ >= 0) {
        TextureRecord& texture = reader_.textures.items[size_t(shapeTexture_)];
        CopyTextureTransform(texture, transform);
    }
    --reader_.depth;
    return 1;
}

void Vrml2NodeReader::ReadTextureField(int& position) {
    std::string defName;
    std::string_view word = NextNodeWord(position, defName);
    const int32_t file = reader_.currentFileIndex;
    if (word == "USE") {
        std::string name;
        const int32_t target =
            ReadUseOf(position, defName, {kind::ImageTexture, kind::PixelTexture}, name);
        if (target < 0) return;
        // A record of the Shape's own: its texture transform may differ.
        const TextureRecord shared = reader_.textures.items[size_t(reader_.Row(target).dataBegin)];
        const int32_t row = AddTextureRow(reader_, reader_.Row(target).kind, shared, file);
        shapeTexture_ = reader_.Row(row).dataBegin;
        return;
    }
    if (word != "ImageTexture" && word != "PixelTexture") {
        if (word != "NULL") SkipNodeBody(position);  // MovieTexture and the like
        return;
    }
    TextureRecord record;
    std::string problem;
    if (!ReadTextureBody(text_, position, reader_.currentFolder, record, problem)) {
        LogWord("There must be some Mistake in this data about { after ##", word, "##");
        return;
    }
    if (!problem.empty()) Log(problem);
    const int32_t code = word == "ImageTexture" ? kind::ImageTexture : kind::PixelTexture;
    shapeTexture_ = reader_.Row(AddTextureRow(reader_, code, record, file, defName)).dataBegin;
}

void Vrml2NodeReader::ReadTextureTransform(int& position, TextureRecord& transform) {
    std::string unusedName;
    std::string_view word = NextNodeWord(position, unusedName);
    if (word != "TextureTransform") {
        if (word != "NULL" && word != "USE") SkipNodeBody(position);
        if (word == "USE") Next(position);
        return;
    }
    if (!ExpectBrace(position, "There must be some Mistake in this data about TextureTransform"))
        return;
    while (!AtEnd(position)) {
        word = Next(position);
        if (word == "}") break;
        float* target = word == "center"        ? transform.centre
                        : word == "rotation"    ? &transform.rotation
                        : word == "scale"       ? transform.scale
                        : word == "translation" ? transform.translation
                                                : nullptr;
        if (!target) {
            SkipFieldValue(position);
            continue;
        }
        ReadFloats(position, target, word == "rotation" ? 1 : 2);
    }
}

void Vrml2NodeReader::ShareAppearanceTexture(int32_t appearanceRow) {
    // The texture row follows the Appearance group (its row, then the
    // Material row) when the appearance came before the geometry.
    const int32_t row = appearanceRow + 2;
    if (row >= reader_.nodeCount || !kind::IsTexture(reader_.Row(row).kind)) return;
    const NodeRow texture = reader_.Row(row);
    if (texture.dataBegin < 0 || texture.dataBegin >= reader_.textureCount) return;
    const TextureRecord shared = reader_.textures.items[size_t(texture.dataBegin)];
    shapeTexture_ =
        reader_.Row(AddTextureRow(reader_, texture.kind, shared, reader_.currentFileIndex))
            .dataBegin;
}

void Vrml2NodeReader::ReadMaterialField(int& position, int32_t materialRow, int32_t ownMaterial) {
    std::string defName;
    std::string_view word = NextNodeWord(position, defName);
    if (word == "Material") {
        // Never written into a row shared through an earlier USE.
        reader_.Row(materialRow).dataBegin = ownMaterial;
        reader_.SetDefName(materialRow, defName);
        std::memcpy(reader_.MaterialRow(ownMaterial), kDefaultMaterial,
                    sizeof(float) * kMaterialWidth);
        ReadMaterial20(position, ownMaterial);
    } else if (word == "USE") {
        std::string name;
        const int32_t target =
            ReadUseOf(position, defName, {kind::Material2, kind::Material}, name);
        if (target >= 0) {
            reader_.Row(materialRow).dataBegin = reader_.Row(target).dataBegin;
            reader_.SetDefName(materialRow, kUsePrefix + name);
        }
    } else if (word != "NULL") {
        LogWord("Caution in switch SetNodeAppearanceToVrml20Array ! cNode = ##", word, "##");
        SkipNodeBody(position);
    }
}

void Vrml2NodeReader::ReadMaterial20(int& position, int32_t material) {
    if (!ExpectBrace(position, "There must be some Mistake in this data about { after Material"))
        return;
    struct MaterialField {
        const char* name;
        int offset;  // of the flag in the 20-value row
        int count;
        const char* message;
    };
    static const MaterialField kFields[] = {
        {"ambientColor", 0, 3, "Caution in switch Material F_AMBIENTCOLOR !"},
        {"diffuseColor", 4, 3, "Caution in switch Material F_DIFFUSECOLOR !"},
        {"specularColor", 8, 3, "Caution in switch Material F_SPECULARCOLOR !"},
        {"emissiveColor", 12, 3, "Caution in switch Material F_EMISSIVECOLOR !"},
        {"shininess", 16, 1, "Caution in switch Material F_SHININESS !"},
        {"transparency", 18, 1, "Caution in switch Material F_TRANSPARENCY !"},
    };
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (word == "ambientIntensity") {
            // No place in the row: the ambient colour stays the default.
            SkipFieldValue(position);
            continue;
        }
        const MaterialField* field = nullptr;
        for (const MaterialField& candidate : kFields)
            if (word == candidate.name) field = &candidate;
        if (!field) {
            Log("Caution in switch Material data 01 !");
            SkipFieldValue(position);
            continue;
        }
        float values[3];
        if (ReadFloats(position, values, field->count) != 1) {
            Log(field->message);
            continue;
        }
        float* row = reader_.MaterialRow(material);
        row[field->offset] = 1.0f;
        for (int i = 0; i < field->count; ++i) row[field->offset + 1 + i] = values[i];
    }
}

void Vrml2NodeReader::ReadGeometryField(int& position) {
    std::string defName;
    std::string_view word = NextNodeWord(position, defName);
    const int32_t code = NodeKindForName20(word);
    switch (code) {
        case kind::IndexedFaceSet2:
            SetNodeIndexedFaceSetToVrml20Array(position, defName);
            break;
        case kind::IndexedLineSet2:
            SetNodeIndexedLineSetToVrml20Array(position, defName);
            break;
        case kind::PointSet2:
            SetNodePointSetToVrml20Array(position, defName);
            break;
        case kind::ElevationGrid:
            SetNodeElevationGridToVrml20Array(position, defName);
            break;
        case kind::Box:
        case kind::Cone2:
        case kind::Cylinder2:
        case kind::Sphere2:
            ReadPrimitive20(position, defName, code);
            break;
        case kind::Text:
            ReadText20(position, defName);
            break;
        case word20::Extrusion:
            ReadExtrusion20(position, defName);
            break;
        case kind::Use:
            reader_.ReadUse(text_, position, defName);
            break;
        default:
            if (word == "NULL") break;
            if (ReadProtoInstance(word, defName, position, true)) break;
            LogWord("Caution in switch SetNodeShapeToVrml20Array ! cNode = ##", word, "##");
            SkipNodeBody(position);
            break;
    }
}

int Vrml2NodeReader::ReadPrimitive20(int& position, const std::string& defName, int32_t code) {
    // Blocks as the VRML 1.0 primitives keep them: Box width, height, depth;
    // Cone and Cylinder parts, radius, height; Sphere radius.
    float values[3] = {2, 2, 2};
    int count = 3;
    const char* name = "Box";
    if (code == kind::Sphere2) {
        values[0] = 1;
        count = 1;
        name = "Sphere";
    } else if (code == kind::Cone2 || code == kind::Cylinder2) {
        values[0] = float(kPartAll);
        values[1] = 1;
        name = code == kind::Cone2 ? "Cone" : "Cylinder";
    }
    const std::string braceMessage =
        std::string("There must be some Mistake in this data about { after ") + name;
    if (!ExpectBrace(position, braceMessage.c_str())) return -1;
    bool side = true, top = true, bottom = true;
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        float value = 0;
        if (code == kind::Box && word == "size") {
            float size[3];
            if (ReadFloats(position, size, 3) == 1)
                std::memcpy(values, size, sizeof size);
            else
                LogWord("Caution in  Box size  ch = ##", word, "## ");
        } else if ((word == "radius" && code != kind::Cone2) ||
                   (word == "bottomRadius" && code == kind::Cone2) || word == "height") {
            std::string_view text = Next(position);
            if (!ParseFloatWord(text, value)) {
                reader_.LogWord(
                    std::string("Caution in  ") + name + " " + std::string(word) + "  ch = ##",
                    text, "## ");
                continue;
            }
            if (code == kind::Sphere2)
                values[0] = value;
            else
                values[word == "height" ? 2 : 1] = value;
        } else if (word == "side" || word == "top" || word == "bottom") {
            const bool on = Next(position) != "FALSE";
            (word == "side" ? side : word == "top" ? top : bottom) = on;
        } else {
            reader_.LogWord(std::string("Caution in  ") + name + " Field  ch1 = ##", word, "## ");
            SkipFieldValue(position);
        }
    }
    if (code == kind::Cone2 || code == kind::Cylinder2) {
        const bool all = side && bottom && (code == kind::Cone2 || top);
        int parts = (side ? kPartSides : 0) | (bottom ? kPartBottom : 0);
        if (code == kind::Cylinder2 && top) parts |= kPartTop;
        values[0] = float(all ? kPartAll : parts);
    }
    const int32_t block = reader_.AddValues(values, count);
    reader_.AddRow(code, reader_.currentFileIndex, tag::Value, block, block + count - 1, defName);
    return 1;
}

int Vrml2NodeReader::ReadText20(int& position, const std::string& defName) {
    if (!ExpectBrace(position, "There must be some Mistake in this data about { after AsciiText"))
        return -1;
    const int32_t textIndex = reader_.AddTextRecord(TextRecord{});
    reader_.AddRow(kind::Text, reader_.currentFileIndex, tag::Text, textIndex, -9988, defName);
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (word == "string") {
            char value[kWordBufferSize];
            const int start = position;
            if (Next(position) == "[") {
                GetMFString0(text_, position, value, &reader_.log);
            } else {
                position = start;
                GetSFString0(text_, position, value, &reader_.log);
            }
            TextRecord& record = reader_.texts.items[size_t(textIndex)];
            record.string = value;
            record.size = int32_t(record.string.size());
        } else if (word == "fontStyle") {
            ReadFontStyle(position, textIndex);
        } else if (word == "length" || word == "maxExtent") {
            SkipFieldValue(position);
        } else {
            LogWord("Caution in AsciiText Field  ch1 = ##", word, "## ");
            SkipFieldValue(position);
        }
    }
    return 1;
}

void Vrml2NodeReader::ReadFontStyle(int& position, int32_t textIndex) {
    const int start = position;
    std::string_view word = Next(position);
    if (word == "DEF") {
        Next(position);
        word = Next(position);
    }
    if ((word != "FontStyle" && word != "FonyStyle") || Peek(position) != "{") {
        position = start;
        SkipFieldValue(position);
        return;
    }
    Next(position);
    TextRecord& record = reader_.texts.items[size_t(textIndex)];
    while (!AtEnd(position)) {
        word = Next(position);
        if (word == "}") break;
        float value = 0;
        if (word == "size" && ParseFloatWord(Peek(position), value)) {
            Next(position);
            if (std::isfinite(value) && value > 0) record.fontSize = value;
        } else if (word == "spacing" && ParseFloatWord(Peek(position), value)) {
            Next(position);
            if (std::isfinite(value)) {
                record.spacing = int(value);
                record.lineSpacing = value;
            }
        } else if (word == "justify") {
            // The first (major) alignment decides; VRML names them
            // BEGIN/FIRST, MIDDLE and END.
            std::string_view first = Peek(position);
            if (first == "[") {
                int look = position;
                Next(look);
                first = Peek(look);
            }
            if (first == "MIDDLE")
                record.justification = kJustifyCenter;
            else if (first == "END")
                record.justification = kJustifyRight;
            else
                record.justification = kJustifyLeft;
            SkipFieldValue(position);
        } else {
            SkipFieldValue(position);
        }
    }
}

}  // namespace vantor
