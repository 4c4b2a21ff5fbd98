#include "render/render_settings.h"

#include "math/vector_math.h"

namespace vantor {

RenderSettings::RenderSettings() {
    vmath::Identity(partSpin);
    vmath::Identity(frontLabelOrientation);
    double side[16], top[16];
    vmath::RotationY(side, 90.0 * vmath::kDegToRad);
    vmath::RotationX(top, -90.0 * vmath::kDegToRad);
    for (int i = 0; i < 16; ++i) {
        sideLabelOrientation[i] = static_cast<float>(side[i]);
        topLabelOrientation[i] = static_cast<float>(top[i]);
    }
}

}  // namespace vantor
