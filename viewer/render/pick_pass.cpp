#include "render/pick_pass.h"

#include <algorithm>
#include <cfloat>
#include <cstring>
#include <string>

#include "math/vector_math.h"
#include "render/gl_headers.h"
#include "render/outline_font.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {

// Outcode bit of an index that names no point of the pool.
constexpr uint8_t kOutsidePool = 0x80;

// Pick names of the Front, Side and Top datum planes.
constexpr int32_t kFirstDatumName = 10501;

GLuint Name(int32_t value) {
    return GLuint(value);
}

// Triangle corners and edges in name order: sub-item, first and second corner.
constexpr int kEdges[3][3] = {
    {sub_item::Edge01, 0, 1}, {sub_item::Edge12, 1, 2}, {sub_item::Edge20, 2, 0}};
constexpr int kCorners[3][2] = {
    {sub_item::Vertex0, 0}, {sub_item::Vertex1, 1}, {sub_item::Vertex2, 2}};

}  // namespace

PickPass::PickPass() {
    useBuffers_ = false;
}

int PickPass::Pick(SceneData& scene, const Camera& camera, const RenderSettings& settings,
                   OutlineFont* font, double x, double y, PickKeyRole role,
                   std::vector<PickHit>& hits) {
    hits.clear();
    role_ = role;
    font_ = font;
    drawnCandidates = 0;
    levels_.clear();
    pickable_ = true;
    counter_ = 0;
    dimensionRow_ = -1;
    // Picking must not turn the spinning parts another step.
    Camera cameraCopy = camera;
    RenderSettings settingsCopy = settings;
    settingsCopy.playEach = 0;

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    buffer_.assign(kPickBufferSize, 0);
    glSelectBuffer(kPickBufferSize, buffer_.data());
    glRenderMode(GL_SELECT);
    glInitNames();

    double projection[16];
    ProjectionMatrix(camera, projection);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(x, viewport[3] - y, kPickRegionPixels, kPickRegionPixels, viewport);
    glMultMatrixd(projection);
    glGetDoublev(GL_PROJECTION_MATRIX, projection_);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    double view[16];
    ViewMatrix(camera, view);
    glLoadMatrixd(view);

    glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT | GL_POINT_BIT | GL_LINE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

    glPushName(Name(-1));
    if (scene.nodeCount > 0) {
        BeginWalk(scene, cameraCopy, settingsCopy);
        glPushMatrix();
        DrawNodeRange(0, scene.nodeCount);
        glPopMatrix();
        EndWalk();
    } else {
        scene_ = &scene;
        camera_ = &cameraCopy;
        settings_ = &settingsCopy;
    }
    PickDatums();
    glPopName();

    glPopAttrib();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glFlush();
    const int count = glRenderMode(GL_RENDER);
    scene_ = nullptr;
    camera_ = nullptr;
    settings_ = nullptr;
    if (count <= 0) return count;

    // Records: name count, min depth, max depth, names.
    size_t at = 0;
    for (int h = 0; h < count && at + 3 <= buffer_.size(); ++h) {
        const uint32_t names = buffer_[at];
        PickHit hit;
        hit.minDepth = buffer_[at + 1];
        hit.maxDepth = buffer_[at + 2];
        const size_t first = at + 3;
        const size_t end = std::min(buffer_.size(), first + names);
        // The last five names, right-aligned; shorter paths leave zeros.
        for (int k = 0; k < 5 && end >= first + size_t(k) + 1; ++k)
            hit.names[4 - k] = int32_t(buffer_[end - 1 - size_t(k)]);
        hits.push_back(hit);
        at = first + names;
    }
    return count;
}

// --- The walk ---------------------------------------------------------------

bool PickPass::EntersGroup(int32_t row) {
    const NodeRow& r = scene_->Row(row);
    const bool shown = r.tag == tag::Shown || r.tag == tag::Highlighted;
    const bool showParts = role_ == PickKeyRole::ShowParts;
    if (r.kind == kind::VrmlData) {
        lastEntersCounted_ = true;
        lastEntersPick_ = r.tag != tag::Hidden || showParts;
    } else {
        const bool keyed = role_ == PickKeyRole::Measure || role_ == PickKeyRole::NoShowParts ||
                           role_ == PickKeyRole::HilightItem;
        // The geometry preparation walks inlines whatever their tag.
        lastEntersCounted_ = kind::IsInline(r.kind) || shown;
        lastEntersPick_ = (keyed && shown) || showParts;
        if (r.kind == kind::SeparatorDim && settings_->dimensions.hidden) lastEntersPick_ = false;
    }
    return lastEntersCounted_ || lastEntersPick_;
}

void PickPass::Enter(int32_t row) {
    levels_.push_back({pickable_, lastEntersCounted_, counter_, dimensionRow_});
    pickable_ = pickable_ && lastEntersPick_;
    if (scene_->Row(row).kind == kind::SeparatorDim) dimensionRow_ = row;
}

void PickPass::Leave() {
    if (levels_.empty()) return;
    const Level level = levels_.back();
    levels_.pop_back();
    pickable_ = level.pickable;
    dimensionRow_ = level.dimensionAtEntry;
    if (!level.counted) {
        // The preparation stored no rows for this group: later shapes keep
        // the numbering it gave them.
        counter_ = level.counterAtEntry;
    } else if (counter_ != level.counterAtEntry) {
        // Leaving restores the outer matrix as one more row.
        ++counter_;
    }
}

void PickPass::OnEnterFile(int32_t row) {
    Enter(row);
    glPushName(Name(-row));
}

void PickPass::OnLeaveFile(int32_t) {
    glPopName();
    Leave();
}

void PickPass::OnEnterGroup(int32_t row) {
    Enter(row);
}

void PickPass::OnLeaveGroup(int32_t) {
    Leave();
}

void PickPass::OnTransformApplied(int32_t row) {
    const NodeRow& r = scene_->Row(row);
    int needed = 0;
    switch (r.kind) {
        case kind::Translation:
        case kind::Scale:
            needed = 3;
            break;
        case kind::Rotation:
            needed = 4;
            break;
        case kind::MatrixTransform:
        case kind::MatrixTransformKorvalde:
            needed = 16;
            break;
        case kind::Transform:
            needed = 17;
            break;
        default:
            return;
    }
    // A damaged block was not applied, so it adds no row either.
    if (r.dataBegin >= 0 && int64_t(r.dataBegin) + needed <= scene_->valueCount) ++counter_;
}

// --- Shapes -----------------------------------------------------------------

void PickPass::LoadClipMatrix() {
    double modelview[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    vmath::Multiply(clip_, projection_, modelview);
}

uint8_t PickPass::Outcode(int32_t point) const {
    const int64_t at = int64_t(point) * 3;
    if (point < 0 || at + 2 >= scene_->pointCount) return kOutsidePool;
    const float* p = &scene_->pointPool[at];
    const double* m = clip_;
    const double x = m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12];
    const double y = m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13];
    const double z = m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14];
    const double w = m[3] * p[0] + m[7] * p[1] + m[11] * p[2] + m[15];
    return uint8_t((x < -w) | (x > w) << 1 | (y < -w) << 2 | (y > w) << 3 | (z < -w) << 4 |
                   (z > w) << 5);
}

void PickPass::DrawShape(int32_t row) {
    if (!pickable_) return;
    const int32_t k = scene_->Row(row).kind;
    glPushName(Name(counter_));
    glPushName(Name(row));
    switch (k) {
        case kind::IndexedFaceSet:
            PickFaceSet(row);
            break;
        case kind::IndexedLineSet:
            PickLineSet(row);
            break;
        case kind::PointSet:
            PickPointSet(row);
            break;
        case kind::AsciiText:
        case kind::Text:
            PickText(row);
            break;
        default:
            // Primitives are one item: element 0, sub-item 0.
            glPushName(0);
            glPushName(0);
            SceneRenderer::DrawShape(row);
            glPopName();
            glPopName();
            break;
    }
    glPopName();
    glPopName();
}

void PickPass::PickFaceSet(int32_t row) {
    const NodeRow& r = scene_->Row(row);
    if (r.dataBegin < 0 || int64_t(r.dataBegin) + 3 > scene_->valueCount) return;
    const float* block = scene_->Block(r.dataBegin);
    const int32_t c0 = std::max(0, int32_t(block[1]));
    const int32_t c1 = std::min(scene_->coordIndexCount, int32_t(block[2]));
    LoadClipMatrix();
    const float* points = scene_->pointPool.data();
    for (int32_t p = c0; p + 2 < c1; p += 3) {
        const int32_t* index = &scene_->coordIndexPool[p];
        const uint8_t a = Outcode(index[0]), b = Outcode(index[1]), c = Outcode(index[2]);
        if ((a | b | c) & kOutsidePool) continue;
        if (cullCandidates && (a & b & c) != 0) continue;
        ++drawnCandidates;
        const float* v[3] = {points + int64_t(index[0]) * 3, points + int64_t(index[1]) * 3,
                             points + int64_t(index[2]) * 3};
        glPushName(Name(p));
        glPushName(Name(sub_item::Face));
        glBegin(GL_TRIANGLES);
        glVertex3fv(v[0]), glVertex3fv(v[1]), glVertex3fv(v[2]);
        glEnd();
        glPopName();
        for (const auto& edge : kEdges) {
            glPushName(Name(edge[0]));
            glBegin(GL_LINES);
            glVertex3fv(v[edge[1]]), glVertex3fv(v[edge[2]]);
            glEnd();
            glPopName();
        }
        for (const auto& corner : kCorners) {
            glPushName(Name(corner[0]));
            glBegin(GL_POINTS);
            glVertex3fv(v[corner[1]]);
            glEnd();
            glPopName();
        }
        glPopName();
    }
}

void PickPass::PickLineSet(int32_t row) {
    const NodeRow& r = scene_->Row(row);
    if (r.dataBegin < 0 || int64_t(r.dataBegin) + 3 > scene_->valueCount) return;
    const float* block = scene_->Block(r.dataBegin);
    const int32_t l0 = std::max(0, int32_t(block[1]));
    const int32_t l1 = std::min(scene_->lineCoordIndexCount, int32_t(block[2]));
    LoadClipMatrix();
    const float* points = scene_->pointPool.data();
    for (int32_t p = l0; p + 1 < l1; ++p) {
        const int32_t i0 = scene_->lineCoordIndexPool[p];
        const int32_t i1 = scene_->lineCoordIndexPool[p + 1];
        if (i0 < 0 || i1 < 0) continue;  // -1 ends a polyline
        const uint8_t codeA = Outcode(i0), codeB = Outcode(i1);
        if ((codeA | codeB) & kOutsidePool) continue;
        if (cullCandidates && (codeA & codeB) != 0) continue;
        ++drawnCandidates;
        const float* a = points + int64_t(i0) * 3;
        const float* b = points + int64_t(i1) * 3;
        glPushName(Name(p));
        glPushName(Name(sub_item::Segment));
        glBegin(GL_LINES);
        glVertex3fv(a), glVertex3fv(b);
        glEnd();
        glPopName();
        glPushName(Name(sub_item::SegmentStart));
        glBegin(GL_POINTS);
        glVertex3fv(a);
        glEnd();
        glPopName();
        glPushName(Name(sub_item::SegmentEnd));
        glBegin(GL_POINTS);
        glVertex3fv(b);
        glEnd();
        glPopName();
        glPopName();
    }
}

void PickPass::PickPointSet(int32_t row) {
    const NodeRow& r = scene_->Row(row);
    const int32_t total = scene_->pointCount / 3;
    const int32_t first = std::max(0, r.dataBegin);
    const int32_t end = r.dataEnd == -1 ? total : std::min(total, first + std::max(0, r.dataEnd));
    LoadClipMatrix();
    for (int32_t p = first; p < end; ++p) {
        const uint8_t code = Outcode(p);
        if ((code & kOutsidePool) || (cullCandidates && code != 0)) continue;
        ++drawnCandidates;
        glPushName(Name(p));
        glPushName(0);
        glBegin(GL_POINTS);
        glVertex3fv(&scene_->pointPool[int64_t(p) * 3]);
        glEnd();
        glPopName();
        glPopName();
    }
}

void PickPass::PickDatums() {
    // The datum form of the overlays, with the labels drawn through the
    // view's font lists (this pass builds none of its own).
    const float* b = scene_->csysBounds;
    bool hasBox = true;
    for (int i = 0; i < 6; ++i) hasBox = hasBox && b[i] != FLT_MAX && b[i] != -FLT_MAX;
    glPushName(0);
    glPushMatrix();
    glTranslatef(scene_->csysOrigin[0], scene_->csysOrigin[1], scene_->csysOrigin[2]);
    glMultMatrixf(scene_->csysRotation);
    if (hasBox) {
        const float s = camera_->zoomFactor * camera_->orthoHalfHeight * 0.07f;
        const float at[3][3] = {{b[0], b[2], 0}, {0, b[2], b[4]}, {b[0], 0, b[4]}};
        const float* orientations[3] = {settings_->frontLabelOrientation,
                                        settings_->sideLabelOrientation,
                                        settings_->topLabelOrientation};
        const char* labels[3] = {"Front", "Side", "Top"};
        const float colour[3] = {1, 1, 1};
        for (int plane = 0; plane < 3; ++plane) {
            const int32_t name = kFirstDatumName + plane;
            glPushName(Name(-name));
            glPushName(Name(name));
            glPushName(Name(name));
            DrawDatumOutline(plane, colour);
            if (font_) {
                glPushMatrix();
                glTranslatef(at[plane][0], at[plane][1], at[plane][2]);
                glMultMatrixf(orientations[plane]);
                glScalef(s, s, 0.2f * s);
                std::u32string codes(labels[plane], labels[plane] + std::strlen(labels[plane]));
                font_->DrawCodePoints(codes);
                glPopMatrix();
            }
            glPopName();
            glPopName();
            glPopName();
        }
    }
    glPopMatrix();
    glPopName();
}

void PickPass::PickText(int32_t row) {
    const NodeRow& r = scene_->Row(row);
    if (!font_ || r.dataBegin < 0 || r.dataBegin >= scene_->textCount) return;
    const TextRecord& text = scene_->texts.items[size_t(r.dataBegin)];
    // Sub-item 1 marks a text that belongs to a dimension.
    glPushName(0);
    glPushName(Name(dimensionRow_ >= 0 ? 1 : 0));
    glPushMatrix();
    if (dimensionRow_ >= 0) MultiplyFacingText(*camera_, settings_->dimensions.textFactor);
    if (dimensionRow_ >= 0) {
        // A dimension's text is picked by its whole box, not only where its
        // strokes are: a double-click between the letters selects it too.
        const size_t length = std::min(text.string.size(), size_t(std::max(0, text.size)));
        const float width = font_->Advance(DecodeFileText(text.string.substr(0, length)));
        glRectf(0, -0.2f, width, 0.8f);
    } else {
        glPushAttrib(GL_CURRENT_BIT | GL_LIST_BIT);
        font_->DrawTextRecord(text);
        glPopAttrib();
    }
    glPopMatrix();
    glPopName();
    glPopName();
}

}  // namespace vantor
