#pragma once

#include "scene/scene_data.h"

namespace vantor {

// Walks the scene as drawing does: composes transforms into matrixStack,
// widens `bounds`, gives face sets without normals per-face normals (NormalG
// rows) and derives sceneExtent and csysBounds. Safe to run repeatedly.
void PrepareGeometry(SceneData& scene);

// The box of `bounds` in the measuring system (csysBounds), after the
// system moved.
void UpdateCsysBounds(SceneData& scene);

}  // namespace vantor
