// Property nodes of VRML 1.0: material, shape hints, transformations,
// primitives, text and Info.

#include <cmath>
#include <cstring>
#include <string>

#include "scene/node_kind.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

const double kDegreesPerRadian = 45.0 / std::atan(1.0);

struct MaterialField {
    const char* word;
    int offset;  // of the flag in the material row
    int count;
    const char* message;
};

constexpr MaterialField kMaterialFields[] = {
    {"ambientColor", 0, 3, "Caution in switch Material F_AMBIENTCOLOR !"},
    {"diffuseColor", 4, 3, "Caution in switch Material F_DIFFUSECOLOR !"},
    {"specularColor", 8, 3, "Caution in switch Material F_SPECULARCOLOR !"},
    {"emissiveColor", 12, 3, "Caution in switch Material F_EMISSIVECOLOR !"},
    {"shininess", 16, 1, "Caution in switch Material F_SHININESS !"},
    {"transparency", 18, 1, "Caution in switch Material F_TRANSPARENCY !"},
};

// Reads one field value of `count` floats. On failure the rest of a
// bracketed list is skipped so the next field starts on a field word
// (GetSFVect stops just past the word it complained about).
int ReadValue(VrmlReader& reader, std::string_view text, int& position, float* values, int count) {
    int probe = position;
    const bool bracketed = NextWord(text, probe) == "[";
    const int result = GetSFVect(text, position, values, count, &reader.log);
    if (result < 0 && bracketed) {
        const bool endedOnBracket = position >= 2 && text[size_t(position - 2)] == ']' &&
                                    (position == 2 || text[size_t(position - 3)] == ' ');
        if (!endedOnBracket) reader.SkipList(text, position);
    }
    return result;
}

// The parts named in one word of a parts value: "SIDES", "(SIDES|TOP)",
// "|BOTTOM)" and the like.
int32_t PartsOfWord(std::string_view word) {
    int32_t parts = 0;
    while (!word.empty()) {
        const size_t end = word.find_first_of("(|)");
        parts |= ValueCodeForWord(word.substr(0, end));
        if (end == std::string_view::npos) break;
        word.remove_prefix(end + 1);
    }
    return parts;
}

void ToDegrees(float* angle) {
    *angle = float(double(*angle) * kDegreesPerRadian);
}

}  // namespace

int VrmlReader::ReadMaterial(std::string_view text, int& position, const std::string& defName) {
    const int32_t materialRow = AppendMaterialRow(nullptr);
    currentMaterial = materialRow;
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after Material");
        position = before;
        AddRow(kind::Material, currentFileIndex, tag::Value, materialRow, -999, defName);
        return -1;
    }
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        const MaterialField* known = nullptr;
        for (const MaterialField& candidate : kMaterialFields)
            if (field == candidate.word) known = &candidate;
        if (!known) {
            LogLine("Caution in switch Material data 01 !");
            continue;
        }
        if (known->offset == 4) KeepDiffusePalette(text, position, materialRow);
        float values[3] = {0, 0, 0};
        const int result = ReadValue(*this, text, position, values, known->count);
        if (result == 1) {
            float* row = MaterialRow(materialRow);
            row[known->offset] = 1.0f;
            std::memcpy(row + known->offset + 1, values, size_t(known->count) * sizeof(float));
        } else if (result < 0) {
            LogLine(known->message);
        }
    }
    AddRow(kind::Material, currentFileIndex, tag::Value, materialRow, -999, defName);
    return 1;
}

void VrmlReader::KeepDiffusePalette(std::string_view text, int position, int32_t materialRow) {
    if (NextWord(text, position) != "[") return;
    std::vector<float> palette;
    const int length = int(text.size());
    while (position < length) {
        const std::string_view word = NextWord(text, position);
        float value;
        if (word == "]" || word == "}") break;
        if (ParseFloatWord(word, value)) palette.push_back(value);
    }
    if (palette.size() < 6) return;  // one colour is the material's own
    palette.resize(palette.size() / 3 * 3);
    diffusePalette_.swap(palette);
    paletteMaterial_ = materialRow;
}

int VrmlReader::ReadShapeHints(std::string_view text, int& position, const std::string& defName) {
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after ShapeHints");
        position = before;
        return -1;
    }
    int32_t ordering = -1;
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        if (field == "vertexOrdering") {
            ordering = NextWord(text, position) == "CLOCKWISE" ? 1 : -1;
        } else if (field == "creaseAngle") {
            float angle = 0;
            if (ParseFloatWord(NextWord(text, position), angle)) faceHints.creaseAngle = angle;
        } else if (field == "shapeType" || field == "faceType") {
            NextWord(text, position);
        } else {
            LogLine("We do not support Field " + std::to_string(FieldCodeForName(field)));
        }
    }
    vertexOrdering = ordering;
    AddRow(kind::ShapeHints, currentFileIndex, tag::Value, ordering, -9999, defName);
    return 1;
}

int VrmlReader::ReadTransform(std::string_view text, int& position, const std::string& defName) {
    float values[17] = {0, 0, 0, 0, 0, 1, 0, 1, 1, 1, 0, 0, 1, 0, 0, 0, 0};
    struct Field {
        const char* word;
        int offset;
        int count;
    };
    static constexpr Field kFields[] = {{"translation", 0, 3},
                                        {"rotation", 3, 4},
                                        {"scaleFactor", 7, 3},
                                        {"scaleOrientation", 10, 4},
                                        {"center", 14, 3}};
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after Transform");
        position = before;
        return -1;
    }
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        const Field* known = nullptr;
        for (const Field& candidate : kFields)
            if (field == candidate.word) known = &candidate;
        if (!known) {
            LogWord("Caution Transform Field = ##", field, "## ");
            continue;
        }
        float read[4];
        if (ReadValue(*this, text, position, read, known->count) == 1)
            std::memcpy(values + known->offset, read, size_t(known->count) * sizeof(float));
        else
            LogLine(std::string("Caution ! in SetNodeTransformToVrmlArray ") + known->word + " ");
    }
    ToDegrees(&values[6]);
    ToDegrees(&values[13]);
    const int32_t v = AddValues(values, 17);
    AddRow(kind::Transform, currentFileIndex, tag::Value, v, v + 16, defName);
    return 1;
}

int VrmlReader::ReadSingleTransform(std::string_view text, int& position, int32_t nodeKind,
                                    const std::string& defName) {
    const char* function = "SetNodeTranslationToVrmlArray";
    const char* fieldWord = "translation";
    float values[16] = {0, 0, 0, 0};
    int count = 3;
    switch (nodeKind) {
        case kind::Rotation:
            function = "SetNodeRotationToVrmlArray";
            fieldWord = "rotation";
            values[2] = 1;
            count = 4;
            break;
        case kind::Scale:
            function = "SetNodeScaleToVrmlArray";
            fieldWord = "scaleFactor";
            values[0] = values[1] = values[2] = 1;
            break;
        case kind::MatrixTransform:
            function = "SetNodeMatrixTransformToVrmlArray";
            fieldWord = "matrix";
            for (int i = 0; i < 16; ++i) values[i] = (i % 5 == 0) ? 1.0f : 0.0f;
            count = 16;
            break;
        default:
            break;
    }
    auto caution = [&](const char* number, std::string_view word) {
        LogLine(std::string("Caution ") + number + " ! in " + function + " ch0 =##" +
                std::string(word) + "##.");
    };
    const int before = position;
    std::string_view word = NextWord(text, position);
    if (word != "{") {
        caution("00", word);
        position = before;
        return -1;
    }
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        if (field != fieldWord) {
            caution("01", field);
            continue;
        }
        float read[16];
        if (ReadValue(*this, text, position, read, count) == 1) {
            std::memcpy(values, read, size_t(count) * sizeof(float));
        } else {
            const std::string message = std::string("Caution in ") + function + " !";
            LogLine(message);
            if (nodeKind == kind::Scale) ShowReadingError(message);
        }
    }
    if (nodeKind == kind::Rotation) ToDegrees(&values[3]);
    const int32_t v = AddValues(values, count);
    const int32_t end = nodeKind == kind::MatrixTransform ? v + 15 : v + count - 1;
    AddRow(nodeKind, currentFileIndex, tag::Value, v, end, defName);
    return 1;
}

int VrmlReader::ReadPrimitive(std::string_view text, int& position, int32_t nodeKind,
                              const std::string& defName) {
    struct Field {
        const char* word;
        int slot;
        const char* label;  // as it appears in the message
    };
    // Blocks: Cube width, height, depth; Sphere radius; Cone and Cylinder
    // parts, radius, height.
    const char* nodeName = "Cube";
    float values[3] = {2, 2, 2};
    Field fields[3] = {{"width", 0, "width"}, {"height", 1, "height"}, {"depth", 2, "depth"}};
    int fieldCount = 3;
    const char* fieldMessage = "Caution in  Cube Field  ch1 = ##";
    if (nodeKind == kind::Sphere) {
        nodeName = "Sphere";
        values[0] = 1;
        values[1] = values[2] = 0;
        fields[0] = {"radius", 0, "radius"};
        fieldCount = 1;
        fieldMessage = "Caution in  Radius Field  ch1 = ##";
    } else if (nodeKind == kind::Cylinder || nodeKind == kind::Cone) {
        const bool cone = nodeKind == kind::Cone;
        nodeName = cone ? "Cone" : "Cylinder";
        values[0] = 8;  // ALL parts
        values[1] = 1;
        values[2] = 2;
        fields[0] = cone ? Field{"bottomRadius", 1, "bottomradius"} : Field{"radius", 1, "radius"};
        fields[1] = {"height", 2, "height"};
        fields[2] = {"parts", 0, "parts"};
        fieldMessage =
            cone ? "Caution in  Cone Field  ch1 = ##" : "Caution in  Cylinder Field  ch1 = ##";
    }
    const int before = position;
    if (NextWord(text, position) != "{") {
        const std::string message =
            std::string("There must be some Mistake in this data about { after ") + nodeName;
        LogLine(message);
        if (nodeKind == kind::Cube) ShowReadingError(message);
        position = before;
        return -1;
    }
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        const Field* known = nullptr;
        for (int i = 0; i < fieldCount; ++i)
            if (field == fields[i].word) known = &fields[i];
        if (!known) {
            LogWord(fieldMessage, field, "## ");
            continue;
        }
        std::string_view value = NextWord(text, position);
        if (std::string_view(known->word) == "parts") {
            // "(SIDES | TOP)" may arrive as one word or several, with or
            // without blanks around the brackets and bars.
            int32_t parts = PartsOfWord(value);
            bool more = !value.empty() && value.front() == '(' && value.back() != ')';
            while (more && position < length) {
                value = NextWord(text, position);
                parts |= PartsOfWord(value);
                more = value.empty() || value.back() != ')';
            }
            values[0] = float(parts);
            continue;
        }
        float number = 0;
        const bool ok = ParseFloatWord(value, number);
        if (!ok || number < 0) {
            LogWord(std::string("Caution in  ") + nodeName + " " + known->label + "  ch = ##",
                    value, "## ");
        }
        if (ok) values[known->slot] = number;
    }
    if (nodeKind != kind::Sphere && paletteMaterial_ == currentMaterial) AddPartColours(nodeKind);
    const int32_t v = AddValues(values, 3);
    AddRow(nodeKind, currentFileIndex, tag::Value, v, v + 2, defName);
    return 1;
}

void VrmlReader::AddPartColours(int32_t nodeKind) {
    const std::string_view binding = faceHints.materialBinding;
    if (!binding.starts_with("PER_PART") && !binding.starts_with("PER_FACE")) return;
    // Parts in binding order: Cube front, back, left, right, top, bottom;
    // Cylinder sides, top, bottom; Cone sides, bottom.
    const int parts = kind::PrimitivePartCount(nodeKind);
    const size_t colours = diffusePalette_.size() / 3;
    if (parts == 0 || colours == 0) return;
    const int32_t first = colorCount;
    colorPool.Ensure(int64_t(first) + 3 * parts);
    for (int part = 0; part < parts; ++part)
        for (int c = 0; c < 3; ++c)
            colorPool[first + 3 * part + c] = diffusePalette_[3 * (size_t(part) % colours) + c];
    colorCount += 3 * parts;
    AddRow(kind::Color, currentFileIndex, tag::Value, first, colorCount);
}

int VrmlReader::ReadAsciiText(std::string_view text, int& position, const std::string& defName) {
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after AsciiText");
        position = before;
        return -1;
    }
    TextRecord record;
    char value[kWordBufferSize];
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        if (position < length && text.substr(size_t(position), 4) == "USE ") {
            // A value given by reference: the name is read and passed over.
            NextWord(text, position);
            NextWord(text, position);
            continue;
        }
        if (field == "string") {
            const int start = position;
            if (position < int(text.size()) && text[size_t(position)] != '"' &&
                NextWord(text, position) == "[") {
                GetMFString0(text, position, value, &log);
            } else {
                position = start;
                GetSFString0(text, position, value, &log);
            }
            record.string = value;
            record.size = int32_t(record.string.size());
        } else if (field == "spacing" || field == "width") {
            std::string_view word = NextWord(text, position);
            if (word == "[") {  // width may be a list; its first entry is used
                word = NextWord(text, position);
                int rest = position;
                if (word != "]") SkipList(text, rest);
                position = rest;
            }
            float number = 0;
            if (ParseFloatWord(word, number)) {
                (field == "spacing" ? record.spacing : record.width) = int32_t(number);
                if (field == "spacing" && std::isfinite(number)) record.lineSpacing = number;
            } else {
                LogWord(field == "spacing" ? "Caution in  AsciiText spacing  ch = ##"
                                           : "Caution in  AsciiText width  ch = ##",
                        word, "## ");
            }
        } else if (field == "justification") {
            std::string_view word = NextWord(text, position);
            const int32_t code = ValueCodeForWord(word);
            if (code == kJustifyLeft || code == kJustifyCenter || code == kJustifyRight)
                record.justification = code;
            else
                LogWord("Caution in  AsciiText justification  ch = ##", word, "## ");
        } else {
            LogWord("Caution in AsciiText Field  ch1 = ##", field, "## ");
        }
    }
    record.fontSize = faceHints.fontSize;
    const int32_t index = AddTextRecord(record);
    AddRow(kind::AsciiText, currentFileIndex, tag::Text, index, -9988, defName);
    return 1;
}

int VrmlReader::ReadFontStyle(std::string_view text, int& position) {
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after FontStyle");
        position = before;
        return -1;
    }
    float size = 10;
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        float value = 0;
        if (field == "size" && ParseFloatWord(NextWord(text, position), value) &&
            std::isfinite(value) && value > 0)
            size = value;
    }
    faceHints.fontSize = size;
    return 1;
}

int VrmlReader::ReadInfo(std::string_view text, int& position, const std::string& defName) {
    const int before = position;
    std::string_view word = NextWord(text, position);
    if (word != "{") {
        LogLine(" mistake in Data about InfoNode iNode = " + std::to_string(nodeCount) +
                " ,ch = ##" + std::string(word) + "## cDEF = ##" + defName + "##");
        position = before;
        return -1;
    }
    char value[kWordBufferSize];
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        if (field == "string") {
            GetSFString0(text, position, value, &log);
            lastInfoText = value;
        } else {
            LogWord("Caution in Info Text Field  ch1 = ##", field, "## ");
        }
    }
    AddRow(kind::Info, currentFileIndex, tag::Info, -9998, -9999, defName);
    return 1;
}

}  // namespace vantor
