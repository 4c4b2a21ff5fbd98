// Word lookups of the VRML 1.0 reader. Comparison is exact and
// case-sensitive; "FonyStyle" is spelled so on purpose (it is the word the
// whole system uses for kind 640).

#include <string_view>

#include "scene/node_kind.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

struct WordCode {
    std::string_view word;
    int32_t code;
};

constexpr WordCode kNodeWords[] = {
    {"{", 10001},
    {"}", 10002},
    {"AsciiText", kind::AsciiText},
    {"Cone", kind::Cone},
    {"Cube", kind::Cube},
    {"Cylinder", kind::Cylinder},
    {"Sphere", kind::Sphere},
    {"IndexedFaceSet", kind::IndexedFaceSet},
    {"IndexedLineSet", kind::IndexedLineSet},
    {"PointSet", kind::PointSet},
    {"Coordinate3", kind::Coordinate3},
    {"FonyStyle", kind::FontStyle},
    {"Info", kind::Info},
    {"LOD", kind::Lod},
    {"Group", kind::Group},
    {"Switch", kind::Switch},
    {"Separator", kind::Separator},
    {"TransformSeparator", kind::TransformSeparator},
    {"WWWAnchor", kind::WWWAnchor},
    {"WWWInline", kind::WWWInline},
    {"Material", kind::Material},
    {"MaterialBinding", kind::MaterialBinding},
    {"Normal", kind::Normal},
    {"NormalBinding", kind::NormalBinding},
    {"Texture2", kind::Texture2},
    {"Texture2Transform", 20481},
    {"TextureCoordinate2", kind::TextureCoordinate2},
    {"ShapeHints", kind::ShapeHints},
    {"MatrixTransform", kind::MatrixTransform},
    {"Rotation", kind::Rotation},
    {"Scale", kind::Scale},
    {"Transform", kind::Transform},
    {"Translation", kind::Translation},
    {"OrthographicCamera", kind::OrthographicCamera},
    {"PerspectiveCamera", kind::PerspectiveCamera},
    {"DirectionalLight", kind::DirectionalLight},
    {"PointLight", kind::PointLight},
    {"SpotLight", kind::SpotLight},
    {"USE", kind::Use},
};

constexpr WordCode kFieldWords[] = {
    {"}", 10002},
    {"[", 10003},
    {"]", 10004},
    {"coordIndex", 20910},
    {"normalIndex", 20930},
    {"materialIndex", 20920},
    {"textureCoordIndex", 20940},
    {"startIndex", 21410},
    {"numPoints", 21420},
    {"ambientColor", 21110},
    {"diffuseColor", 21120},
    {"specularColor", 21130},
    {"emissiveColor", 21140},
    {"shininess", 21150},
    {"transparency", 21160},
    {"name", 20420},
    {"bboxSize", 21910},
    {"bboxCenter", 21920},
    {"left", 20210},
    {"center", 20230},
    {"right", 20240},
    {"range", 20250},
    {"description", 20430},
    {"map", 20440},
    {"translation", 21220},
    {"rotation", 21230},
    {"scaleFactor", 21240},
    {"scaleOrientation", 21250},
    {"vertexOrdering", 21510},
    {"shapeType", 21520},
    {"faceType", 21530},
    {"creaseAngle", 21540},
    {"url", 20421},
    {"width", 20520},
    {"height", 20530},
    {"depth", 20510},
    {"radius", 20540},
    {"bottomRadius", 20550},
    {"parts", 20410},
    {"string", 20260},
    {"spacing", 20270},
    {"justification", 20280},
    {"side", 1},
    {"bottom", 2},
    {"top", 4},
    {"size", 20551},
    {"fontStyle", 20261},
    {"length", 20262},
    {"maxExtent", 20263},
};

constexpr WordCode kValueWords[] = {
    {"LEFT", kJustifyLeft},
    {"CENTER", kJustifyCenter},
    {"RIGHT", kJustifyRight},
    {"SIDES", 1},
    {"BOTTOM", 2},
    {"TOP", 4},
    {"ALL", 8},
    {"TRUE", 1},
    {"FALSE", 0},
};

template <size_t N>
int32_t Lookup(const WordCode (&table)[N], std::string_view word, int32_t otherwise) {
    for (const WordCode& entry : table)
        if (entry.word == word) return entry.code;
    return otherwise;
}

}  // namespace

int32_t NodeKindForName(std::string_view word) {
    return Lookup(kNodeWords, word, kind::None);
}

int32_t FieldCodeForName(std::string_view word) {
    return Lookup(kFieldWords, word, kind::None);
}

int32_t ValueCodeForWord(std::string_view word) {
    return Lookup(kValueWords, word, 0);
}

}  // namespace vantor
