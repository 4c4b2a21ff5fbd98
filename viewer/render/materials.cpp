#include "render/materials.h"

#include "render/gl_headers.h"
#include "render/render_settings.h"

namespace vantor {

namespace {

// A flag counts only when it is exactly 1.0.
bool Given(const float* row, int flagIndex) {
    return row[flagIndex] == 1.0f;
}

void Rgba(float out[4], const float* rgb, float alpha = 1.0f) {
    out[0] = rgb[0], out[1] = rgb[1], out[2] = rgb[2], out[3] = alpha;
}

}  // namespace

void ApplyMaterialValues(const float* row, int32_t displayMode, const float background[4],
                         bool isSpec) {
    float colour[4];
    const float black[4] = {0, 0, 0, 0};
    switch (displayMode) {
        case kDisplayShaded: {
            if (Given(row, 0)) {
                Rgba(colour, row + 1);
                glMaterialfv(GL_FRONT, GL_AMBIENT, colour);
                // Back faces glow red so that inverted faces stand out.
                const float red[4] = {1, 0, 0, 0};
                glMaterialfv(GL_BACK, GL_AMBIENT, red);
            }
            if (Given(row, 4))
                Rgba(colour, row + 5), glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, colour);
            if (Given(row, 8))
                Rgba(colour, row + 9), glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, colour);
            if (Given(row, 12)) {
                Rgba(colour, row + 13);
                glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, colour);
            }
            if (Given(row, 16)) glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, row[17]);
            break;
        }
        case kDisplayHiddenLineRemoval: {
            Rgba(colour, row + 1);
            glMaterialfv(GL_FRONT, GL_AMBIENT, colour);
            Rgba(colour, row + 5);
            glMaterialfv(GL_FRONT, GL_DIFFUSE, colour);
            if (Given(row, 8)) Rgba(colour, row + 9), glMaterialfv(GL_FRONT, GL_SPECULAR, colour);
            // Filled back faces take the background colour and hide what lies
            // behind them.
            Rgba(colour, background, 0.0f);
            glMaterialfv(GL_BACK, GL_AMBIENT, colour);
            glMaterialfv(GL_BACK, GL_DIFFUSE, black);
            if (!isSpec || Given(row, 8)) glMaterialfv(GL_BACK, GL_EMISSION, black);
            break;
        }
        case kDisplayHiddenLine:
            Rgba(colour, row + 5);
            glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, colour);
            glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, black);
            break;
        case kDisplayWireframe:
            glColor3f(row[5], row[6], row[7]);
            break;
        default:
            break;
    }
}

}  // namespace vantor
