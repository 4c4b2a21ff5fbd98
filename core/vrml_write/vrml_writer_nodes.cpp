// Writers of the attribute, transform and primitive nodes.

#include <algorithm>
#include <cmath>

#include "vrml_write/number_format.h"
#include "vrml_write/vrml_writer.h"

namespace vantor {

namespace {

// Radians for a stored angle in degrees, nudged by a few ulps where that
// makes the reader's conversion back (radians x 45 / atan(1)) give the
// stored value exactly.
float RadiansFor(float degrees) {
    const double degreesPerRadian = 45.0 / std::atan(1.0);
    auto backToDegrees = [&](float radians) { return float(double(radians) * degreesPerRadian); };
    const float first = float(double(degrees) / degreesPerRadian);
    if (backToDegrees(first) == degrees) return first;
    float down = first, up = first;
    for (int step = 0; step < 4; ++step) {
        down = std::nextafter(down, -INFINITY);
        if (backToDegrees(down) == degrees) return down;
        up = std::nextafter(up, INFINITY);
        if (backToDegrees(up) == degrees) return up;
    }
    return first;
}

}  // namespace

void VrmlWriter::WriteAsciiText(int32_t textIndex, const std::string& def, std::string& out) {
    out_ = &out;
    const SceneData& s = *scene_;
    const bool known = textIndex >= 0 && textIndex < s.textCount;
    const TextRecord record = known ? s.texts.items[size_t(textIndex)] : TextRecord{};
    std::string text = known ? record.string : "";
    // A string cannot hold a double quote in VRML 1.0 (there is no escape).
    std::replace(text.begin(), text.end(), '"', '\'');
    // Layout beyond the plain one-unit, left-aligned text is kept: a font
    // size as a FontStyle put back to one unit after the text, the rest as
    // the text's own fields.
    const bool sized = record.fontSize != 1;
    if (sized) SizeLine(record.fontSize);
    OpeningLine(def, "AsciiText   {", "AsciiText {");
    if (record.justification == kJustifyCenter || record.justification == kJustifyRight)
        NodeLine(record.justification == kJustifyCenter ? "  justification CENTER"
                                                        : "  justification RIGHT");
    if (record.lineSpacing != 1) {
        BeginLine();
        out.append("  spacing");
        Exact(record.lineSpacing);
        EndNodeLine();
    }
    NodeLine("  string \"" + text + "\" }");
    if (sized) SizeLine(1);
}

void VrmlWriter::SizeLine(float size) {
    BeginLine();
    out_->append("FontStyle { size");
    Exact(size);
    out_->append(" }");
    EndNodeLine();
}

void VrmlWriter::WriteMatrixTransform(int32_t block, const std::string& def, std::string& out) {
    out_ = &out;
    const float* m = scene_->Block(block);
    OpeningLine(def, "MatrixTransform {", "MatrixTransform   {");
    for (int line = 0; line < 4; ++line) {
        BeginLine();
        out.append(line == 0 ? "   matrix " : "          ");
        for (int k = 4 * line; k < 4 * line + 4; ++k) {
            if (k >= 12 && k <= 14) {
                Exact(m[k]);
            } else {
                Styled(m[k], kLongStyle);
            }
        }
        EndNodeLine();
    }
    NodeLine("}");
}

void VrmlWriter::WriteMaterial(int32_t materialRow, const std::string& def, std::string& out) {
    out_ = &out;
    const SceneData& s = *scene_;
    const int32_t r = std::clamp(materialRow, 0, s.materialCount);
    const float* m = s.MaterialRow(r);
    OpeningLine(def, "Material {", "Material {");
    struct Field {
        const char* label;
        int first;
        int count;
    };
    static const Field fields[] = {
        {"    ambientColor [", 1, 3},  {"    diffuseColor [", 5, 3},  {"   specularColor [", 9, 3},
        {"   emissiveColor [", 13, 3}, {"       shininess [", 17, 1}, {"    transparency [", 19, 1},
    };
    for (const Field& field : fields) {
        BeginLine();
        out.append(field.label);
        for (int k = 0; k < field.count; ++k) Styled(m[field.first + k], kFixed3Style);
        out.append(" ]");
        EndNodeLine();
    }
    NodeLine("}");
}

void VrmlWriter::WriteTranslation(int32_t block, const std::string& def, std::string& out) {
    out_ = &out;
    const float* v = scene_->Block(block);
    OpeningLine(def, "Translation {", "Translation {");
    BeginLine();
    out.append("   translation");
    for (int k = 0; k < 3; ++k) Exact(v[k]);
    EndNodeLine();
    NodeLine("}");
}

void VrmlWriter::WriteRotation(int32_t block, const std::string& def, std::string& out) {
    out_ = &out;
    const float* v = scene_->Block(block);
    OpeningLine(def, "Rotation {", "Rotation {");
    BeginLine();
    out.append("   rotation");
    for (int k = 0; k < 3; ++k) Exact(v[k]);
    Exact(RadiansFor(v[3]));
    EndNodeLine();
    NodeLine("}");
}

void VrmlWriter::WriteScale(int32_t block, const std::string& def, std::string& out) {
    out_ = &out;
    const float* v = scene_->Block(block);
    OpeningLine(def, "Scale {", "Scale {");
    BeginLine();
    out.append("   scaleFactor");
    for (int k = 0; k < 3; ++k) Exact(v[k]);
    EndNodeLine();
    NodeLine("}");
}

void VrmlWriter::WriteTransform(int32_t block, const std::string& def, std::string& out) {
    out_ = &out;
    const float* v = scene_->Block(block);
    OpeningLine(def, "Transform {", "Transform {");
    struct Field {
        const char* label;
        int first;
        int count;
        bool angle;  // last value is an angle in degrees
    };
    static const Field fields[] = {
        {"   translation", 0, 3, false}, {"   rotation", 3, 4, true},
        {"   scaleFactor", 7, 3, false}, {"   scaleOrientation", 10, 4, true},
        {"   center", 14, 3, false},
    };
    for (const Field& field : fields) {
        BeginLine();
        out.append(field.label);
        for (int k = 0; k < field.count; ++k) {
            const float value = v[field.first + k];
            Exact(field.angle && k == 3 ? RadiansFor(value) : value);
        }
        EndNodeLine();
    }
    NodeLine("}");
}

void VrmlWriter::WriteParts(float parts) {
    // The block holds the parts as a sum of SIDES 1, BOTTOM 2, TOP 4, ALL 8;
    // ALL is the default and needs no field.
    const int32_t bits = int32_t(parts);
    if (bits <= 0 || (bits & 8)) return;
    static const char* const names[] = {"SIDES", "BOTTOM", "TOP"};
    std::string words;
    for (int k = 0; k < 3; ++k) {
        if (!(bits & (1 << k))) continue;
        words += words.empty() ? "" : " | ";
        words += names[k];
    }
    BeginLine();
    out_->append("   parts (").append(words).append(")");
    EndNodeLine();
}

void VrmlWriter::WritePrimitive(int32_t kindCode, int32_t block, const std::string& def,
                                std::string& out) {
    out_ = &out;
    const float* v = scene_->Block(block);
    auto field = [&](const char* label, float value) {
        BeginLine();
        out.append(label);
        Exact(value);
        EndNodeLine();
    };
    switch (kindCode) {
        case kind::Cube:
        case kind::Box:
            OpeningLine(def, "Cube {", "Cube {");
            field("   width", v[0]);
            field("   height", v[1]);
            field("   depth", v[2]);
            break;
        case kind::Cone:
        case kind::Cone2:
            OpeningLine(def, "Cone {", "Cone {");
            field("   bottomRadius", v[1]);
            field("   height", v[2]);
            WriteParts(v[0]);
            break;
        case kind::Cylinder:
        case kind::Cylinder2:
            OpeningLine(def, "Cylinder {", "Cylinder {");
            field("   radius", v[1]);
            field("   height", v[2]);
            WriteParts(v[0]);
            break;
        default:
            OpeningLine(def, "Sphere {", "Sphere {");
            field("   radius", v[0]);
            break;
    }
    NodeLine("}");
}

}  // namespace vantor
