#include "render/pick_highlight.h"

#include "render/camera.h"
#include "render/gl_headers.h"
#include "render/outline_font.h"
#include "render/scene_renderer.h"
#include "scene/scene_data.h"

namespace vantor {

void DrawPickHighlight(SceneRenderer& renderer, SceneData& scene, Camera& camera,
                       RenderSettings& settings, const PickHighlight& highlight) {
    if (highlight.IsEmpty()) return;
    double projection[16], view[16];
    ProjectionMatrix(camera, projection);
    ViewMatrix(camera, view);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadMatrixd(projection);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadMatrixd(view);
    glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT | GL_CURRENT_BIT | GL_POINT_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);

    if (highlight.hasFace) {
        glColor3fv(kSelectedColour);
        glBegin(GL_TRIANGLES);
        for (int i = 0; i < 3; ++i) glVertex3fv(highlight.face + 3 * i);
        glEnd();
    }
    glBegin(GL_LINES);
    for (const HighlightLine& line : highlight.lines) {
        glColor3fv(line.colour);
        glVertex3fv(line.from);
        glVertex3fv(line.to);
    }
    glEnd();
    glPointSize(kHighlightPointSize);
    glBegin(GL_POINTS);
    for (const HighlightPoint& point : highlight.points) {
        glColor3fv(point.colour);
        glVertex3fv(point.at);
    }
    glEnd();
    glPointSize(kNormalPointSize);

    if (highlight.textRow >= 0 && highlight.textRow < scene.nodeCount) {
        const NodeRow& row = scene.Row(highlight.textRow);
        if (row.dataBegin >= 0 && row.dataBegin < scene.textCount) {
            const TextRecord& text = scene.texts.items[size_t(row.dataBegin)];
            glPushMatrix();
            glMultMatrixf(highlight.textMatrix);
            if (highlight.textFacesViewer)
                SceneRenderer::MultiplyFacingText(camera, settings.dimensions.textFactor);
            glColor3fv(kSelectedColour);
            glPushAttrib(GL_LIST_BIT);
            renderer.Font().DrawTextRecord(text);
            glPopAttrib();
            glPopMatrix();
        }
    }
    if (highlight.datumPlane >= 0 && highlight.datumPlane < 3) {
        renderer.BeginWalk(scene, camera, settings);
        glTranslatef(scene.csysOrigin[0], scene.csysOrigin[1], scene.csysOrigin[2]);
        glMultMatrixf(scene.csysRotation);
        renderer.DrawDatumOutline(highlight.datumPlane, kEdgeColours[highlight.datumPlane]);
        renderer.EndWalk();
    }

    glPopAttrib();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

}  // namespace vantor
