#pragma once
// What a double-click on a tree item does to the node behind it.

#include <cstdint>

#include "scene/scene_data.h"

namespace vantor {

enum class NodeEdit { None, MaterialColours, MatrixTranslation, ScaleFactors, DisplayToggle };

NodeEdit NodeEditForKind(int32_t kind);

// Shows a hidden group or file, hides a shown or highlighted one. Returns
// the tree image pair the item takes.
int32_t ToggleNodeDisplay(SceneData& scene, int32_t row);

// Offset in valuePool of the three values a translation or scale edit
// changes: the matrix's translation column or the scale factors.
int32_t EditedValuesOffset(const SceneData& scene, int32_t row);

}  // namespace vantor
