// Overlays drawn after the scene: the centre marks and the datum planes of
// the measuring coordinate system, plus the datums' pick form.

#include <cfloat>

#include "render/gl_headers.h"
#include "render/scene_renderer.h"
#include "scene/scene_data.h"

namespace vantor {

namespace {

constexpr float kPlaneColours[3][3] = {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}};
constexpr int32_t kDatumNames[3] = {10501, 10502, 10503};

void DrawAxes(const float centre[3], float length, const float colours[3][3]) {
    glBegin(GL_LINES);
    for (int axis = 0; axis < 3; ++axis) {
        float from[3] = {centre[0], centre[1], centre[2]};
        float to[3] = {centre[0], centre[1], centre[2]};
        from[axis] += 0.3f * length;
        to[axis] += length;
        glColor3fv(colours[axis]);
        glVertex3fv(from);
        glVertex3fv(to);
    }
    glEnd();
}

void DrawCentrePoint(const float at[3], float size) {
    glPointSize(size);
    glColor3f(1, 1, 1);
    glBegin(GL_POINTS);
    glVertex3fv(at);
    glEnd();
}

// Bounds still at their initial values mean there is no box to draw.
bool HasDatumBox(const float* b) {
    for (int i = 0; i < 6; ++i)
        if (b[i] == FLT_MAX || b[i] == -FLT_MAX) return false;
    return true;
}

}  // namespace

void SceneRenderer::DrawCoordinateCentre() {
    const float origin[3] = {0, 0, 0};
    const float colours[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    DrawCentrePoint(origin, 2);
    DrawAxes(origin, MarkLength(*camera_, 0.13f), colours);
}

void SceneRenderer::DrawRotationCentre() {
    const float colours[3][3] = {{1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
    DrawCentrePoint(camera_->rotationCentre, 3);
    DrawAxes(camera_->rotationCentre, MarkLength(*camera_, 0.085f), colours);
}

void SceneRenderer::DrawDatumOutline(int plane, const float colour[3]) {
    const float* b = scene_->csysBounds;
    const float x0 = b[0], x1 = b[1], y0 = b[2], y1 = b[3], z0 = b[4], z1 = b[5];
    float corners[4][3];
    switch (plane) {
        case 0:
            corners[0][0] = x1, corners[0][1] = y1, corners[0][2] = 0;
            corners[1][0] = x0, corners[1][1] = y1, corners[1][2] = 0;
            corners[2][0] = x0, corners[2][1] = y0, corners[2][2] = 0;
            corners[3][0] = x1, corners[3][1] = y0, corners[3][2] = 0;
            break;
        case 1:
            corners[0][0] = 0, corners[0][1] = y1, corners[0][2] = z1;
            corners[1][0] = 0, corners[1][1] = y0, corners[1][2] = z1;
            corners[2][0] = 0, corners[2][1] = y0, corners[2][2] = z0;
            corners[3][0] = 0, corners[3][1] = y1, corners[3][2] = z0;
            break;
        default:
            corners[0][0] = x1, corners[0][1] = 0, corners[0][2] = z1;
            corners[1][0] = x0, corners[1][1] = 0, corners[1][2] = z1;
            corners[2][0] = x0, corners[2][1] = 0, corners[2][2] = z0;
            corners[3][0] = x1, corners[3][1] = 0, corners[3][2] = z0;
            break;
    }
    glColor3fv(colour);
    glBegin(GL_LINES);
    for (int e = 0; e < 4; ++e) {
        glVertex3fv(corners[e]);
        glVertex3fv(corners[(e + 1) % 4]);
    }
    glEnd();
}

void SceneRenderer::DrawLabel(const char* text, const float at[3], const float orientation[16],
                              const float colour[3], float scale) {
    glPushMatrix();
    glTranslatef(at[0], at[1], at[2]);
    glMultMatrixf(orientation);
    glScalef(scale, scale, 0.2f * scale);
    glColor3fv(colour);
    std::u32string codes;
    for (const char* c = text; *c; ++c) codes.push_back(char32_t(*c));
    font_.DrawCodePoints(codes);
    glPopMatrix();
}

void SceneRenderer::DrawDatums() {
    const float* b = scene_->csysBounds;
    if (!HasDatumBox(b)) return;
    glPushMatrix();
    glTranslatef(scene_->csysOrigin[0], scene_->csysOrigin[1], scene_->csysOrigin[2]);
    glMultMatrixf(scene_->csysRotation);
    for (int plane = 0; plane < 3; ++plane) DrawDatumOutline(plane, kPlaneColours[plane]);
    const float origin[3] = {0, 0, 0};
    glColor3f(1, 1, 1);
    glBegin(GL_POINTS);
    glVertex3fv(origin);
    glEnd();
    const float s = camera_->zoomFactor * camera_->orthoHalfHeight * 0.07f;
    const float front[3] = {b[0], b[2], 0}, side[3] = {0, b[2], b[4]}, top[3] = {b[0], 0, b[4]};
    DrawLabel("Front", front, settings_->frontLabelOrientation, kPlaneColours[0], s);
    DrawLabel("Side", side, settings_->sideLabelOrientation, kPlaneColours[1], s);
    DrawLabel("Top", top, settings_->topLabelOrientation, kPlaneColours[2], s);
    glPopMatrix();
}

void SceneRenderer::DrawDatumsPickForm() {
    const float* b = scene_->csysBounds;
    glPushName(0);
    glPushMatrix();
    glTranslatef(scene_->csysOrigin[0], scene_->csysOrigin[1], scene_->csysOrigin[2]);
    glMultMatrixf(scene_->csysRotation);
    if (HasDatumBox(b)) {
        const float s = camera_->zoomFactor * camera_->orthoHalfHeight * 0.07f;
        const float at[3][3] = {{b[0], b[2], 0}, {0, b[2], b[4]}, {b[0], 0, b[4]}};
        const float* orientations[3] = {settings_->frontLabelOrientation,
                                        settings_->sideLabelOrientation,
                                        settings_->topLabelOrientation};
        const char* labels[3] = {"Front", "Side", "Top"};
        for (int plane = 0; plane < 3; ++plane) {
            glPushName(GLuint(-kDatumNames[plane]));
            glPushName(GLuint(kDatumNames[plane]));
            glPushName(GLuint(kDatumNames[plane]));
            DrawDatumOutline(plane, kPlaneColours[plane]);
            DrawLabel(labels[plane], at[plane], orientations[plane], kPlaneColours[plane], s);
            glPopName();
            glPopName();
            glPopName();
        }
    }
    glPopMatrix();
    glPopName();
}

}  // namespace vantor
