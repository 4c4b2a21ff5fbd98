#include "scene/prepare_geometry.h"

namespace vantor {

void PrepareGeometry(SceneData&) {}

}  // namespace vantor
