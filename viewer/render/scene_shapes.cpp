// Shape rows of the walk: primitives, texts and the buffered face, line
// and point sets.

#include "render/gl_headers.h"
#include "render/primitives.h"
#include "render/scene_renderer.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {
// The reader stores the default ALL as its own bit; it stands for every part.
int PartsOf(float value) {
    const int parts = int(value);
    return (parts & 8) ? (parts | 7) : parts;
}
}  // namespace

void SceneRenderer::DrawShape(int32_t i) {
    const NodeRow& row = scene_->Row(i);
    switch (row.kind) {
        case kind::Sphere:
        case kind::Sphere2:
            if (const float* v = BlockAt(row.dataBegin, 1)) DrawSphere(v[0]);
            break;
        case kind::Cylinder:
        case kind::Cylinder2:
            if (const float* v = BlockAt(row.dataBegin, 3)) DrawCylinder(PartsOf(v[0]), v[1], v[2]);
            break;
        case kind::Cone:
        case kind::Cone2:
            if (const float* v = BlockAt(row.dataBegin, 3)) DrawCone(PartsOf(v[0]), v[1], v[2]);
            break;
        case kind::Cube:
        case kind::Box:
            if (const float* v = BlockAt(row.dataBegin, 3)) DrawBox(v[0], v[1], v[2]);
            break;
        case kind::AsciiText:
        case kind::Text:
            if (row.dataBegin >= 0 && row.dataBegin < scene_->textCount) {
                const TextRecord& text = scene_->texts.items[size_t(row.dataBegin)];
                glPushMatrix();
                if (dimensionDepth_ > 0)
                    MultiplyFacingText(*camera_, settings_->dimensions.textFactor);
                glPushAttrib(GL_CURRENT_BIT | GL_LIST_BIT);
                font_.DrawFileText(text.string, text.size);
                glPopAttrib();
                glPopMatrix();
            }
            break;
        case kind::IndexedFaceSet:
            DrawFaceSet(i);
            break;
        case kind::IndexedLineSet:
            buffers_.DrawLineStrips(i);
            break;
        case kind::PointSet:
            buffers_.DrawPoints(i);
            break;
        default:
            break;
    }
}

void SceneRenderer::DrawFaceSet(int32_t i) {
    const bool highlighted = scene_->Row(i).tag == tag::Highlighted;
    if (highlighted) ApplyMaterialSpec(settings_->highlightMaterial);
    switch (settings_->displayMode) {
        case kDisplayShaded:
        case kDisplayHiddenLineRemoval:
            buffers_.DrawTriangles(i, true);
            break;
        case kDisplayHiddenLine:
            buffers_.DrawTriangles(i, false);
            break;
        case kDisplayWireframe:
            buffers_.DrawTriangleEdges(i);
            break;
        default:
            break;
    }
    if (highlighted) ApplyMaterial(appliedMaterial);
}

}  // namespace vantor
