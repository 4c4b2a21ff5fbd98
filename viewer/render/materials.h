#pragma once
// Material rows to OpenGL material state, by display mode.

#include <cstdint>

namespace vantor {

// Applies the first 18 floats of a material row (flags, colours,
// shininess) for the display mode; `background` colours the back faces of
// hidden-line removal. Highlight records (`isSpec`) clear the back
// emission in that mode only when their specular flag is set.
void ApplyMaterialValues(const float* row, int32_t displayMode, const float background[4],
                         bool isSpec = false);

}  // namespace vantor
