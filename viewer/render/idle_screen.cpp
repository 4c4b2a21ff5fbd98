// What the view shows besides the scene: the background bitmap behind it
// and, for an empty document, the idle title screen.

#include <QDateTime>
#include <algorithm>
#include <cmath>

#include "render/gl_headers.h"
#include "render/scene_renderer.h"

namespace vantor {

namespace {

std::u32string Codes(const QString& text) {
    return text.toStdU32String();
}

// Half the width the view shows at the depth of the origin.
float VisibleHalfWidth(const Camera& camera) {
    const float halfHeight =
        camera.IsOrthographic()
            ? camera.zoomFactor * camera.orthoHalfHeight
            : float(std::tan(camera.fieldOfView * 3.14159265 / 360.0)) * camera.viewDistance;
    return halfHeight * camera.aspectRatio;
}

}  // namespace

void SceneRenderer::DrawIdleScreen() {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    const float plain[4] = {0.8f, 0.8f, 0.8f, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, plain);

    QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd:hh:mm:ss"));
    if (idleTime[0] >= 0) {
        stamp = QString::asprintf("%d/%02d/%02d:%02d:%02d:%02d", idleTime[0], idleTime[1],
                                  idleTime[2], idleTime[3], idleTime[4], idleTime[5]);
    }
    const std::u32string date = Codes(stamp);
    const char* pieces[] = {"V", "a", "n", "t", "o", "r", "3D"};
    const float dateWidth = 15 * font_.Advance(date);
    const float titleWidth = 30 * font_.Advance(U"Vantor3D");
    // Both lines are centred and shrink together when the view is too
    // narrow for them (fonts differ in width; a narrow window is common).
    const float fit = std::min(1.0f, 0.9f * VisibleHalfWidth(*camera_) /
                                         (0.5f * std::max({dateWidth, titleWidth, 1e-3f})));
    glPushMatrix();
    glScalef(fit, fit, fit);
    glPushMatrix();
    glTranslatef(-0.5f * dateWidth, -6, 1);
    glScalef(15, 15, 5);
    font_.DrawCodePoints(date);
    glPopMatrix();

    // Each piece of the title advances the colour phases; so does each
    // frame, which makes the colours cycle while the screen is redrawn.
    const float steps[3] = {10, 15, 20};
    float phase[3] = {titlePhase[0], titlePhase[1], titlePhase[2]};
    glPushMatrix();
    glTranslatef(-0.5f * titleWidth, 6, 5);
    glScalef(30, 30, 25);
    for (const char* piece : pieces) {
        float colour[4] = {0, 0, 0, 1};
        for (int c = 0; c < 3; ++c) {
            phase[c] = std::fmod(phase[c] + steps[c], 360.0f);
            colour[c] = 0.5f + 0.5f * std::sin(phase[c] * 3.14159265f / 180.0f);
        }
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, colour);
        font_.DrawCodePoints(Codes(QString::fromLatin1(piece)));
    }
    glPopMatrix();
    glPopMatrix();
    for (int c = 0; c < 3; ++c) titlePhase[c] = std::fmod(titlePhase[c] + steps[c], 360.0f);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
}

void SceneRenderer::DrawBackgroundBitmap() {
    const BackgroundBitmap& bitmap = settings_->backgroundBitmap;
    const int side = bitmap.side;
    if (side <= 0 || bitmap.indices.size() != size_t(side) * size_t(side)) return;
    // The colour maps translate the indices; done here rather than with GL
    // pixel maps, which Mesa no longer applies to colour-index textures.
    std::vector<uint8_t> rgb(bitmap.indices.size() * 3);
    for (size_t p = 0; p < bitmap.indices.size(); ++p) {
        const uint8_t index = bitmap.indices[p];
        rgb[3 * p] = uint8_t(std::lround(std::clamp(settings_->redMap[index], 0.f, 1.f) * 255));
        rgb[3 * p + 1] =
            uint8_t(std::lround(std::clamp(settings_->greenMap[index], 0.f, 1.f) * 255));
        rgb[3 * p + 2] =
            uint8_t(std::lround(std::clamp(settings_->blueMap[index], 0.f, 1.f) * 255));
    }
    if (!backgroundTexture_) glGenTextures(1, &backgroundTexture_);
    glBindTexture(GL_TEXTURE_2D, backgroundTexture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, side, side, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    glEnable(GL_TEXTURE_2D);

    const float h = camera_->orthoHalfHeight * camera_->zoomFactor;
    const float w = h * camera_->aspectRatio;
    const float grow = camera_->IsOrthographic() ? 1.0f : 2.0f;
    const float z = -0.98f * camera_->farPlane;
    glBegin(GL_POLYGON);
    glTexCoord2f(0, 1), glVertex3f(-grow * w, grow * h, z);
    glTexCoord2f(0, 0), glVertex3f(-grow * w, -grow * h, z);
    glTexCoord2f(1, 0), glVertex3f(grow * w, -grow * h, z);
    glTexCoord2f(1, 1), glVertex3f(grow * w, grow * h, z);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
}

}  // namespace vantor
