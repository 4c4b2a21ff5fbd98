#include "vrml_read/vrml2_words.h"

#include <unordered_map>

#include "scene/node_kind.h"

namespace vantor {

namespace {

const std::unordered_map<std::string_view, int32_t>& WordTable() {
    static const std::unordered_map<std::string_view, int32_t> table = {
        {"{", word20::OpenBrace},
        {"}", word20::CloseBrace},
        {"[", word20::OpenBracket},
        {"]", word20::CloseBracket},
        {",", word20::Comma},
        {"USE", kind::Use},
        {"Text", kind::Text},
        {"Sphere", kind::Sphere2},
        {"Cone", kind::Cone2},
        {"Box", kind::Box},
        {"Cylinder", kind::Cylinder2},
        {"FonyStyle", kind::FontStyle},
        {"IndexedFaceSet", kind::IndexedFaceSet2},
        {"IndexedLineSet", kind::IndexedLineSet2},
        {"PointSet", kind::PointSet2},
        {"ElevationGrid", kind::ElevationGrid},
        {"Extrusion", word20::Extrusion},
        {"Info", kind::Info},
        {"LOD", kind::Lod2},
        {"Material", kind::Material2},
        {"MatrixTransform", kind::MatrixTransform},
        {"Transform", kind::Transform2},
        {"bboxCenter", kind::BboxCenter},
        {"bboxSize", kind::BboxSize},
        {"children", kind::Children},
        {"DirectionalLight", kind::DirectionalLight},
        {"PointLight", kind::PointLight},
        {"SpotLight", kind::SpotLight},
        {"Background", kind::Background},
        {"Viewpoint", kind::Viewpoint},
        {"Group", kind::Group},
        {"Separator", kind::Separator},
        {"Switch", kind::Switch2},
        {"TransformSeparator", kind::TransformSeparator},
        {"Anchor", kind::Anchor},
        {"Inline", kind::Inline},
        {"Shape", kind::Shape},
        {"Appearance", kind::Appearance},
        {"ImageTexture", kind::ImageTexture},
        {"ImageTextute", kind::ImageTexture},
        {"PixelTexture", kind::PixelTexture},
        {"MovieTexture", kind::MovieTexture},
        {"TextureTransform", kind::TextureTransform},
        {"ShapeHints", kind::ShapeHints},
        {"Coordinate", kind::Coordinate},
        {"coordIndex", kind::CoordIndex},
        {"Normal", kind::Normal2},
        {"normalIndex", kind::NormalIndex},
        {"TextureCoordinate", kind::MovieTexture},
        {"texCoordIndex", kind::TextureTransform},
        {"Color", kind::Color},
        {"colorIndex", kind::ColorIndex},
        {"colorPerVertex", kind::ColorPerVertex},
        {"ccw", kind::Ccw},
        {"convex", kind::Convex},
        {"creaseAngle", kind::CreaseAngle},
        {"solid", kind::Solid},
        {"normalPerVertex", kind::NormalPerVertex},
        {"ROUTE", kind::Route},
        {"Collision", kind::Collision},
        {"Billboard", kind::Billboard},
        {"PROTO", kind::Proto},
        {"EXTERNPROTO", word20::ExternProto},
    };
    return table;
}

}  // namespace

int32_t NodeKindForName20(std::string_view word) {
    const auto& table = WordTable();
    auto found = table.find(word);
    return found == table.end() ? kind::None : found->second;
}

}  // namespace vantor
