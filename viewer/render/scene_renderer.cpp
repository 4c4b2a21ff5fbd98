#include "render/scene_renderer.h"

#include <algorithm>
#include <cmath>

#include "math/vector_math.h"
#include "render/gl_headers.h"
#include "render/materials.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {
// Nesting deeper than this is taken as a broken file rather than recursed.
constexpr int kMaxWalkDepth = 2000;

double Determinant3(const float* m) {
    return double(m[0]) * (double(m[5]) * m[10] - double(m[9]) * m[6]) -
           double(m[4]) * (double(m[1]) * m[10] - double(m[9]) * m[2]) +
           double(m[8]) * (double(m[1]) * m[6] - double(m[5]) * m[2]);
}

// Whether a transform row turns the part inside out (a mirror), given its
// values; rotations and translations never do.
bool Mirrors(int32_t kind, const float* v) {
    switch (kind) {
        case kind::Scale:
            return double(v[0]) * v[1] * v[2] < 0;
        case kind::Transform:
            return double(v[7]) * v[8] * v[9] < 0;
        case kind::MatrixTransform:
        case kind::MatrixTransformKorvalde:
            return Determinant3(v) < 0;
        default:
            return false;
    }
}

// The light of each display mode, set every frame so that no mode inherits
// another's. Hidden-line display lights the material's ambient (its diffuse
// colour) with 0.8 on top of the model's 0.2, which draws the lines in
// exactly that colour, as the wireframe does.
void SetLightForMode(int32_t mode) {
    const float grey = mode == kDisplayHiddenLineRemoval ? 1.0f
                       : mode == kDisplayHiddenLine      ? 0.8f
                                                         : 0.2f;
    const float ambient[4] = {grey, grey, grey, 1};
    const float diffuse[4] = {1, 1, 1, 1};
    const float specular[4] = {0.1f, 0.1f, 0.1f, 1};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
}

// OpenGL's initial material and colour: shapes before the first Material
// of a frame look the same whatever the previous frame applied.
void ResetMaterialState() {
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1};
    const float diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
    const float black[4] = {0, 0, 0, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0);
    glColor4f(1, 1, 1, 1);
}

}  // namespace

SceneRenderer::SceneRenderer() = default;
SceneRenderer::~SceneRenderer() = default;

bool SceneRenderer::InitFont(const QFont& font) {
    return font_.Build(font);
}

void SceneRenderer::ReleaseGl() {
    font_.Release();
    buffers_.Release();
    textures_.Release();
    if (backgroundTexture_) glDeleteTextures(1, &backgroundTexture_);
    backgroundTexture_ = 0;
}

void SceneRenderer::LoadProjection() {
    double projection[16];
    ProjectionMatrix(*camera_, projection);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(projection);
    glMatrixMode(GL_MODELVIEW);
}

void SceneRenderer::DrawScene(SceneData& scene, Camera& camera, RenderSettings& settings) {
    scene_ = &scene;
    camera_ = &camera;
    settings_ = &settings;
    const int32_t mode = settings.displayMode;

    SetLightForMode(mode);
    ResetMaterialState();
    appliedMaterial = 0;
    appliedTexture = -1;
    // Scaled parts (millimetre exports under a 0.001 scale) keep unit
    // normals, so they are lit like the same part unscaled.
    glEnable(GL_NORMALIZE);
    glFrontFace(GL_CCW);
    glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    const float* bg = settings.backgroundColour;
    glClearColor(bg[0], bg[1], bg[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    LoadProjection();
    glLoadIdentity();

    if (settings.useBackgroundBitmap == 1) DrawBackgroundBitmap();

    double view[16];
    ViewMatrix(camera, view);
    glLoadMatrixd(view);

    if (scene.nodeCount > 0) {
        if (mode != kDisplayWireframe) {
            glEnable(GL_LIGHTING);
            glEnable(GL_LIGHT0);
        }
        switch (mode) {
            case kDisplayShaded:
                glPolygonMode(GL_FRONT, GL_FILL);
                glPolygonMode(GL_BACK, GL_FILL);
                break;
            case kDisplayHiddenLineRemoval:
                glPolygonMode(GL_BACK, GL_FILL);
                glPolygonMode(GL_FRONT, GL_LINE);
                break;
            default:
                // Wireframe too, so that primitives show their edges like the
                // face sets rather than solid silhouettes.
                glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
                break;
        }
        BeginWalk(scene, camera, settings);
        collectTransparent_ = mode == kDisplayShaded;
        glPushMatrix();
        DrawNodeRange(0, scene.nodeCount);
        glPopMatrix();
        collectTransparent_ = false;
        DrawDeferredTransparent();
        EndWalk();
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glDisable(GL_LIGHTING);
        glDisable(GL_LIGHT0);
        if (settings.showCoordinateCentre == 1) DrawCoordinateCentre();
        if (settings.showRotationCentre == 1) DrawRotationCentre();
        if (settings.showDatums == 1) DrawDatums();
    } else {
        DrawIdleScreen();
    }
    glDisable(GL_DEPTH_TEST);
}

void SceneRenderer::BeginWalk(SceneData& scene, Camera& camera, RenderSettings& settings) {
    scene_ = &scene;
    camera_ = &camera;
    settings_ = &settings;
    active_.assign(size_t(std::max(0, scene.nodeCount)), 0);
    depth_ = 0;
    mirrored_ = false;
    glFrontFace(GL_CCW);
    if (!useBuffers_) return;
    buffers_.Update(scene);
    buffers_.Bind();
}

void SceneRenderer::EndWalk() {
    if (useBuffers_) buffers_.Unbind();
}

int32_t SceneRenderer::BlockInt(int32_t offset, int index) const {
    const int64_t at = int64_t(offset) + index;
    if (offset < 0 || at >= scene_->valueCount) return -1;
    return int32_t(scene_->valuePool[at]);
}

const float* SceneRenderer::BlockAt(int32_t offset, int count) const {
    if (offset < 0 || int64_t(offset) + count > scene_->valueCount) return nullptr;
    return &scene_->valuePool[offset];
}

bool SceneRenderer::EntersGroup(int32_t row) {
    const NodeRow& r = scene_->Row(row);
    return r.tag == tag::Shown && !(r.kind == kind::SeparatorDim && settings_->dimensions.hidden);
}

void SceneRenderer::MultiplyFacingText(const Camera& camera, float factor) {
    float facing[16];
    vmath::Transpose(facing, camera.viewRotation);
    for (int i = 0; i < 3; ++i) facing[12 + i] = facing[3 + 4 * i] = 0;
    glMultMatrixf(facing);
    const float s = camera.zoomFactor * camera.orthoHalfHeight * 0.07f * factor;
    glScalef(s, s, 0.2f * s);
}

void SceneRenderer::DrawIsolated(int32_t first, int32_t end, bool pushMatrix) {
    const int32_t savedMaterial = appliedMaterial;
    const int32_t savedTexture = appliedTexture;
    const bool savedMirrored = mirrored_;
    // The matrix is kept here rather than on GL's stack, which holds only
    // 32 levels: expanded prototypes nest deeper than that.
    GLfloat saved[16];
    if (pushMatrix) glGetFloatv(GL_MODELVIEW_MATRIX, saved);
    DrawNodeRange(first, end);
    if (pushMatrix) glLoadMatrixf(saved);
    if (appliedMaterial != savedMaterial) ApplyMaterial(savedMaterial);
    appliedTexture = savedTexture;
    if (pushMatrix && mirrored_ != savedMirrored) ToggleMirrored();
}

void SceneRenderer::ToggleMirrored() {
    // A mirrored part's outside faces wind clockwise on screen.
    mirrored_ = !mirrored_;
    glFrontFace(mirrored_ ? GL_CW : GL_CCW);
}

void SceneRenderer::DrawNodeRange(int32_t first, int32_t end) {
    SceneData& s = *scene_;
    if (depth_ >= kMaxWalkDepth) return;
    ++depth_;
    end = std::min(end, s.nodeCount);
    for (int32_t i = std::max(0, first); i < end;) {
        const NodeRow row = s.Row(i);
        const int32_t k = row.kind;
        int32_t next = i + 1;
        // Children ranges always lie after their group row; anything else is
        // a damaged table and is skipped rather than looped over.
        auto childEnd = [&](int32_t value) { return value > i ? value : i + 1; };
        if (kind::IsSeparatorLike(k) || k == kind::TransformSeparator) {
            const int32_t childFirst = BlockInt(row.dataBegin, 0);
            next = childEnd(BlockInt(row.dataBegin, 1));
            int32_t drawnEnd = next;
            if (k == kind::Level)  // a LOD draws its first level only
                drawnEnd = std::min(next, BlockInt(row.dataBegin, kind::kLevelFirstEnd));
            if (EntersGroup(i) && childFirst > i) {
                active_[size_t(i)] = 1;
                const int dimension = k == kind::SeparatorDim ? 1 : 0;
                dimensionDepth_ += dimension;
                // Dimensions are drawn over the model (their lines often lie
                // in the faces they measure) and picked before it.
                if (dimension) {
                    glPushAttrib(GL_ENABLE_BIT | GL_VIEWPORT_BIT);
                    glDisable(GL_DEPTH_TEST);
                    glDepthRange(0, 0);
                }
                OnEnterGroup(i);
                DrawIsolated(childFirst, drawnEnd, true);
                OnLeaveGroup(i);
                if (dimension) glPopAttrib();
                dimensionDepth_ -= dimension;
                active_[size_t(i)] = 0;
            }
        } else if (k == kind::VrmlData) {
            const int32_t childFirst = BlockInt(row.dataBegin, 0);
            next = childEnd(BlockInt(row.dataBegin, 1));
            if (EntersGroup(i) && childFirst > i) {
                active_[size_t(i)] = 1;
                OnEnterFile(i);
                DrawIsolated(childFirst, next, true);
                OnLeaveFile(i);
                active_[size_t(i)] = 0;
            }
        } else if (kind::IsInline(k)) {
            next = childEnd(row.dataEnd);
            const int32_t file = row.dataBegin;
            if (file > 0 && file < s.fileCount && EntersGroup(i)) {
                const FileRecord& record = s.files.items[size_t(file)];
                if (record.firstRow > 0 && record.endRow > record.firstRow) {
                    active_[size_t(i)] = 1;
                    OnEnterFile(i);
                    DrawIsolated(record.firstRow, record.endRow, true);
                    OnLeaveFile(i);
                    active_[size_t(i)] = 0;
                }
            }
        } else if (k == kind::Use) {
            const int32_t target = row.dataBegin;
            // A USE inside the group it names would recurse for ever.
            if (target > 0 && target < s.nodeCount && !active_[size_t(target)] &&
                !active_[size_t(i)]) {
                active_[size_t(i)] = 1;
                DrawNodeRange(target, target + 1);
                active_[size_t(i)] = 0;
            }
        } else if (kind::IsPlainGroup(k)) {
            const int32_t childFirst = BlockInt(row.dataBegin, 0);
            next = childEnd(BlockInt(row.dataBegin, 1));
            if (childFirst > i) {
                active_[size_t(i)] = 1;  // a USE of it inside it draws nothing
                DrawNodeRange(childFirst, next);
                active_[size_t(i)] = 0;
            }
        } else if (k == kind::Switch || k == kind::Switch2) {
            const int32_t chosenFirst = BlockInt(row.dataBegin, 0);
            const int32_t chosenEnd = BlockInt(row.dataBegin, 1);
            next = childEnd(BlockInt(row.dataBegin, 2));
            if (chosenFirst > i) DrawNodeRange(chosenFirst, std::min(chosenEnd, next));
        } else if (kind::IsTransform(k) && k != kind::Transform2) {
            const float* v = nullptr;
            switch (k) {
                case kind::Translation:
                    if ((v = BlockAt(row.dataBegin, 3))) glTranslatef(v[0], v[1], v[2]);
                    break;
                case kind::Rotation:
                    if ((v = BlockAt(row.dataBegin, 4))) glRotatef(v[3], v[0], v[1], v[2]);
                    break;
                case kind::Scale:
                    if ((v = BlockAt(row.dataBegin, 3))) glScalef(v[0], v[1], v[2]);
                    break;
                case kind::MatrixTransform:
                    if ((v = BlockAt(row.dataBegin, 16))) glMultMatrixf(v);
                    break;
                case kind::MatrixTransformKorvalde:
                    if ((v = BlockAt(row.dataBegin, 16))) {
                        float* m = s.Block(row.dataBegin);
                        if (settings_->playEach == 1) {
                            double rz[16], ry[16], turn[16], spin[16];
                            vmath::RotationZ(rz, -0.003);
                            vmath::RotationY(ry, 0.009);
                            vmath::Multiply(turn, rz, ry);
                            for (int e = 0; e < 16; ++e) spin[e] = settings_->partSpin[e];
                            vmath::Multiply(spin, turn, spin);
                            for (int e = 0; e < 16; ++e) settings_->partSpin[e] = float(spin[e]);
                            vmath::Multiply(m, m, settings_->partSpin);
                        }
                        glMultMatrixf(m);
                    }
                    break;
                case kind::Transform:
                    if ((v = BlockAt(row.dataBegin, 17))) {
                        glTranslatef(v[0], v[1], v[2]);
                        glTranslatef(v[14], v[15], v[16]);
                        glRotatef(v[6], v[3], v[4], v[5]);
                        glRotatef(v[13], v[10], v[11], v[12]);
                        glScalef(v[7], v[8], v[9]);
                        glRotatef(-v[13], v[10], v[11], v[12]);
                        glTranslatef(-v[14], -v[15], -v[16]);
                    }
                    break;
                default:
                    break;
            }
            if (v && Mirrors(k, v)) ToggleMirrored();
            OnTransformApplied(i);
        } else if (k == kind::Material || k == kind::Material2) {
            ApplyMaterial(row.dataBegin);
        } else if (kind::IsTexture(k)) {
            appliedTexture = row.dataBegin;
        } else {
            DrawShape(i);
        }
        i = next;
    }
    --depth_;
}

void SceneRenderer::ApplyMaterial(int32_t row) {
    if (row < 0 || row > scene_->materialCount || row >= scene_->materialTable.capacity()) return;
    ApplyMaterialValues(scene_->MaterialRow(row), settings_->displayMode,
                        settings_->backgroundColour);
    appliedMaterial = row;
}

void SceneRenderer::ApplyMaterialSpec(const float* spec) {
    ApplyMaterialValues(spec, settings_->displayMode, settings_->backgroundColour, true);
}

}  // namespace vantor
