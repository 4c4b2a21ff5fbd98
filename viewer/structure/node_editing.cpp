#include "structure/node_editing.h"

#include "structure/structure_tree.h"

namespace vantor {

NodeEdit NodeEditForKind(int32_t k) {
    switch (k) {
        case kind::Material:
        case kind::Material2:
            return NodeEdit::MaterialColours;
        case kind::MatrixTransform:
        case kind::MatrixTransformKorvalde:
            return NodeEdit::MatrixTranslation;
        case kind::Scale:
            return NodeEdit::ScaleFactors;
        case kind::Transform2:
        case kind::Choice:
        case kind::Separator:
        case kind::Shape:
        case kind::TransformSeparator:
        case kind::Children:
        case kind::IndexedFaceSet2:
        case kind::IndexedLineSet2:
        case kind::PointSet2:
        case kind::ElevationGrid:
        case kind::Collision:
        case kind::Billboard:
        case kind::SeparatorDim:
        case kind::VrmlData:
        case kind::WWWInline:
        case kind::Inline:
            return NodeEdit::DisplayToggle;
        default:
            return NodeEdit::None;
    }
}

int32_t ToggleNodeDisplay(SceneData& scene, int32_t row) {
    NodeRow& r = scene.Row(row);
    if (r.tag == tag::Hidden) {
        r.tag = tag::Shown;
        return kImageGroup;
    }
    r.tag = tag::Hidden;
    return kImageHiddenGroup;
}

int32_t EditedValuesOffset(const SceneData& scene, int32_t row) {
    const NodeRow& r = scene.Row(row);
    return NodeEditForKind(r.kind) == NodeEdit::MatrixTranslation ? r.dataBegin + 12 : r.dataBegin;
}

}  // namespace vantor
