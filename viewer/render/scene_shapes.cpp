// Shape rows of the walk: primitives, texts and the buffered face, line
// and point sets.

#include <algorithm>

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
    if (collectTransparent_ && DefersTransparent(i)) return;
    const NodeRow& row = scene_->Row(i);
    const bool textured = BeginTexture(i);
    const float* parts = PartColours(i);
    switch (row.kind) {
        case kind::Sphere:
        case kind::Sphere2:
            if (const float* v = BlockAt(row.dataBegin, 1)) DrawSphere(v[0]);
            break;
        case kind::Cylinder:
        case kind::Cylinder2:
            if (const float* v = BlockAt(row.dataBegin, 3))
                DrawCylinder(PartsOf(v[0]), v[1], v[2], parts);
            break;
        case kind::Cone:
        case kind::Cone2:
            if (const float* v = BlockAt(row.dataBegin, 3))
                DrawCone(PartsOf(v[0]), v[1], v[2], parts);
            break;
        case kind::Cube:
        case kind::Box:
            if (const float* v = BlockAt(row.dataBegin, 3)) DrawBox(v[0], v[1], v[2], parts);
            break;
        case kind::AsciiText:
        case kind::Text:
            if (row.dataBegin >= 0 && row.dataBegin < scene_->textCount) {
                const TextRecord& text = scene_->texts.items[size_t(row.dataBegin)];
                glPushMatrix();
                if (dimensionDepth_ > 0)
                    MultiplyFacingText(*camera_, settings_->dimensions.textFactor);
                glPushAttrib(GL_CURRENT_BIT | GL_LIST_BIT);
                font_.DrawTextRecord(text);
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
    if (textured) EndTexture(i);
    if (parts) ApplyMaterial(appliedMaterial);
}

const float* SceneRenderer::PartColours(int32_t i) const {
    const SceneData& s = *scene_;
    const int parts = kind::PrimitivePartCount(s.Row(i).kind);
    if (parts == 0 || i == 0 || settings_->displayMode != kDisplayShaded) return nullptr;
    if (s.Row(i).tag == tag::Highlighted) return nullptr;
    const NodeRow& colour = s.Row(i - 1);
    const bool valid = colour.kind == kind::Color && colour.dataBegin >= 0 &&
                       colour.dataEnd <= s.colorCount &&
                       colour.dataEnd - colour.dataBegin == 3 * parts;
    return valid ? s.colorPool.data() + colour.dataBegin : nullptr;
}

bool SceneRenderer::BeginTexture(int32_t i) {
    if (appliedTexture < 0 || !useBuffers_ || settings_->displayMode != kDisplayShaded)
        return false;
    const NodeRow& row = scene_->Row(i);
    if (row.tag == tag::Highlighted) return false;
    const int32_t k = row.kind;
    const bool mapped = k == kind::Cube || k == kind::Box || k == kind::Sphere ||
                        k == kind::Sphere2 || k == kind::Cylinder || k == kind::Cylinder2;
    if (k == kind::IndexedFaceSet ? !buffers_.HasTexCoords(i) : !mapped) return false;
    const int components = textures_.Bind(*scene_, appliedTexture);
    if (components == 0) return false;
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_TEXTURE_BIT);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    if (components >= 3) {
        // A colour image replaces the diffuse colour; its alpha stays.
        float diffuse[4];
        glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
        const float white[4] = {1, 1, 1, diffuse[3]};
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, white);
    }
    if (k == kind::IndexedFaceSet) buffers_.EnableTexCoords(true);
    return true;
}

void SceneRenderer::EndTexture(int32_t i) {
    if (scene_->Row(i).kind == kind::IndexedFaceSet) buffers_.EnableTexCoords(false);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopAttrib();
}

bool SceneRenderer::DefersTransparent(int32_t i) {
    const int32_t material = appliedMaterial;
    if (material <= 0 || material > scene_->materialCount) return false;
    const float* m = scene_->MaterialRow(material);
    if (m[18] != 1.0f || !(m[19] > 0)) return false;
    DeferredShape shape{i, material, appliedTexture, mirrored_, {}};
    glGetFloatv(GL_MODELVIEW_MATRIX, shape.modelView);
    deferred_.push_back(shape);
    return true;
}

void SceneRenderer::DrawDeferredTransparent() {
    if (deferred_.empty()) return;
    // Farthest first: eye space looks down -z, so the smallest z of the
    // shape's origin comes first.
    std::stable_sort(deferred_.begin(), deferred_.end(),
                     [](const DeferredShape& a, const DeferredShape& b) {
                         return a.modelView[14] < b.modelView[14];
                     });
    glPushMatrix();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_FALSE);
    for (const DeferredShape& shape : deferred_) {
        glLoadMatrixf(shape.modelView);
        glFrontFace(shape.mirrored ? GL_CW : GL_CCW);
        ApplyMaterial(shape.material);
        const float* m = scene_->MaterialRow(shape.material);
        const float grey[3] = {0.8f, 0.8f, 0.8f};
        const float* rgb = m[4] == 1.0f ? m + 5 : grey;
        const float diffuse[4] = {rgb[0], rgb[1], rgb[2], 1.0f - std::min(m[19], 1.0f)};
        glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
        appliedTexture = shape.texture;
        DrawShape(shape.row);
    }
    deferred_.clear();
    appliedTexture = -1;
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glFrontFace(GL_CCW);
    glPopMatrix();
}

void SceneRenderer::DrawFaceSet(int32_t i) {
    const bool highlighted = scene_->Row(i).tag == tag::Highlighted;
    if (highlighted) ApplyMaterialSpec(settings_->highlightMaterial);
    switch (settings_->displayMode) {
        case kDisplayShaded:
            if (highlighted || !buffers_.DrawColouredTriangles(i)) buffers_.DrawTriangles(i, true);
            break;
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
