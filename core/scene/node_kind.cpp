#include "scene/node_kind.h"

#include <unordered_map>

namespace vantor {

namespace kind {

bool IsSeparatorLike(int32_t code) {
    switch (code) {
        case Separator:
        case SeparatorDim:
        case Shape:
        case Children:
        case Transform2:
        case IndexedFaceSet2:
        case IndexedLineSet2:
        case PointSet2:
        case ElevationGrid:
        case Collision:
        case Billboard:
        case Level:
        case Choice:
            return true;
        default:
            return false;
    }
}

bool IsTransform(int32_t code) {
    return code >= MatrixTransform && code <= Transform2;
}

bool IsInline(int32_t code) {
    return code == WWWInline || code == Inline;
}

bool IsTexture(int32_t code) {
    return code == Texture2 || code == ImageTexture || code == PixelTexture;
}

int PrimitivePartCount(int32_t code) {
    return code == Cube ? 6 : code == Cylinder ? 3 : code == Cone ? 2 : 0;
}

bool IsPlainGroup(int32_t code) {
    return code == Group || code == Appearance || code == WWWAnchor || code == Anchor ||
           code == Lod || code == Lod2;
}

}  // namespace kind

std::string KindName(int32_t code) {
    static const std::unordered_map<int32_t, const char*> names = {
        {kind::Comma, ","},
        {kind::VrmlData, "Vrml_Data"},
        {kind::AsciiText, "AsciiText"},
        {kind::Text, "Text"},
        {kind::Cone, "Cone"},
        {kind::Cube, "Cube"},
        {kind::Cylinder, "Cylinder"},
        {kind::Sphere, "Sphere"},
        {kind::Cone2, "Cone"},
        {kind::Box, "Box"},
        {kind::Cylinder2, "Cylinder"},
        {kind::Sphere2, "Sphere"},
        {kind::IndexedFaceSet, "IndexedFaceSet"},
        {kind::IndexedLineSet, "IndexedLineSet"},
        {kind::PointSet, "PointSet"},
        {kind::Coordinate3, "Coordinate3"},
        {kind::Coordinate, "Coordinate"},
        {kind::CoordIndex, "coordIndex"},
        {kind::FontStyle, "FonyStyle"},
        {kind::Info, "Info"},
        {kind::Lod, "LOD"},
        {kind::Lod2, "Lod"},
        {kind::Material, "Material"},
        {kind::MaterialBinding, "MaterialBinding"},
        {kind::Material2, "Material"},
        {kind::Normal, "Normal"},
        {kind::NormalG, "NormalG"},
        {kind::NormalBinding, "NormalBinding"},
        {kind::Normal2, "Normal"},
        {kind::NormalIndex, "normalIndex"},
        {kind::Texture2, "Texture2"},
        {kind::TextureCoordinate2, "TextureCoordinate2"},
        {kind::ImageTexture, "ImageTexture"},
        {kind::PixelTexture, "PixelTexture"},
        {kind::MovieTexture, "MovieTexture"},
        {kind::TextureTransform, "TextureTransform"},
        {kind::Color, "Color"},
        {kind::ColorIndex, "colorIndex"},
        {kind::Level, "level"},
        {kind::ColorPerVertex, "colorPerVertex"},
        {kind::Ccw, "ccw"},
        {kind::Convex, "convex"},
        {kind::CreaseAngle, "creaseAngle"},
        {kind::Solid, "solid"},
        {kind::NormalPerVertex, "normalPerVertex"},
        {kind::ShapeHints, "ShapeHints"},
        {kind::MatrixTransform, "MatrixTransform"},
        {kind::MatrixTransformKorvalde, "MatrixTransformKorvalde"},
        {kind::Rotation, "Rotation"},
        {kind::Scale, "Scale"},
        {kind::Transform, "Transform"},
        {kind::Translation, "Translation"},
        {kind::Transform2, "Transform"},
        {kind::TranslationField, "translation"},
        {kind::RotationField, "rotation"},
        {kind::ScaleField, "scale"},
        {kind::ScaleOrientationField, "scaleOrientation"},
        {kind::CenterField, "center"},
        {kind::BboxCenter, "bboxCenter"},
        {kind::BboxSize, "bboxSize"},
        {kind::OrthographicCamera, "OrthographicCamera"},
        {kind::PerspectiveCamera, "PerspectiveCamera"},
        {kind::DirectionalLight, "DirectionalLight"},
        {kind::PointLight, "PointLight"},
        {kind::SpotLight, "SpotLight"},
        {kind::Group, "Group"},
        {kind::Switch, "Switch"},
        {kind::Switch2, "Switch"},
        {kind::Appearance, "Appearance"},
        {kind::Separator, "Separator"},
        {kind::Shape, "Shape"},
        {kind::TransformSeparator, "TransformSeparator"},
        {kind::Children, "children"},
        {kind::Proto, "PROTO"},
        {kind::IndexedFaceSet2, "IndexedFaceSet"},
        {kind::IndexedLineSet2, "IndexedLineSet"},
        {kind::PointSet2, "PointSet"},
        {kind::ElevationGrid, "ElevationGrid"},
        {kind::Collision, "Collision"},
        {kind::Billboard, "Billboard"},
        {kind::WWWAnchor, "WWWAnchor"},
        {kind::Anchor, "Anchor"},
        {kind::WWWInline, "WWWInline"},
        {kind::Inline, "Inline"},
        {kind::Use, "USE"},
        {kind::SeparatorDim, "SeparatorDim"},
        {kind::None, "none"},
        {kind::Background, "Background"},
        {kind::Route, "ROUTE"},
    };
    const auto it = names.find(code);
    return it == names.end() ? "DEFAULT" : it->second;
}

}  // namespace vantor
