#pragma once
// Texture nodes as both VRML versions write them: the body of a Texture2,
// ImageTexture or PixelTexture, and the value lists of coordinate nodes.

#include <string>
#include <string_view>
#include <vector>

#include "scene/scene_data.h"

namespace vantor {

// Reads a texture node's body from its "{" to its "}": url or filename
// (resolved against `folder`), image, repeatS/repeatT, wrapS/wrapT. A
// problem (image missing, pixels refused) leaves `problem` set to one log
// line. Returns false when no "{" follows (position unmoved).
bool ReadTextureBody(std::string_view text, int& position, const std::string& folder,
                     TextureRecord& record, std::string& problem);

// Reads a node body "{ field [ numbers ] ... }", keeping the numbers of
// `field` (a single value without brackets too) and skipping other fields.
// Returns false when no "{" follows (position unmoved).
bool ReadValueListBody(std::string_view text, int& position, std::string_view field,
                       std::vector<float>& values);

}  // namespace vantor
