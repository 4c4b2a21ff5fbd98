#pragma once
// Texture rows. A texture row (Texture2, ImageTexture or PixelTexture, its
// dataBegin a record of `textures`) sets the image of the shapes after it
// in its group, as a Material row sets the material. A face set takes the
// image when a TextureCoordinate2 row stands among the state rows just
// before it, holding u, v per triangle corner (in the order of its
// coordinate indices) in texCoordPool; primitives map the image themselves.
//
// Readers of other formats add a textured face set with AddTextureRow
// (once per group), AddCornerTexCoordRow, then the face set's rows.

#include <cstdint>
#include <string>
#include <vector>

#include "scene/scene_data.h"

namespace vantor {

// Images larger than this are refused, whether pixels in a file or an image
// file the viewer loads.
constexpr int32_t kMaxTextureSide = 8192;
constexpr int64_t kMaxTexturePixels = int64_t(4096) * 4096;

// Whether an image of this size and components may be kept.
bool TextureSizeAllowed(int64_t width, int64_t height, int64_t components = 4);

// Copies the texture transform of `from` into `to`.
void CopyTextureTransform(TextureRecord& to, const TextureRecord& from);

// Adds a texture row of `kindCode` with its record; returns the row.
int32_t AddTextureRow(SceneData& scene, int32_t kindCode, const TextureRecord& record,
                      int32_t fileIndex, const std::string& defName = std::string());

// Appends u, v for `corners` triangle corners and adds the
// TextureCoordinate2 row that gives them to the next face set; returns the
// row, or -1 (adding nothing) when the pool would overflow.
int32_t AddCornerTexCoordRow(SceneData& scene, const float* uv, int64_t corners, int32_t fileIndex);

// The VRML default mapping of `count` points: u runs along the longest side
// of the box of the points `faces` uses (coordinate indices, -1 between
// faces), v along the second longest, both over the longest length.
// Returns u, v per point.
std::vector<float> BoxMappedTexCoords(const float* points, int64_t count,
                                      const std::vector<int32_t>& faces);

// The TextureCoordinate2 row among the state rows just before the face set
// at `faceSetRow` whose range gives every corner of it; -1 when none.
int32_t TexCoordRowOf(const SceneData& scene, int32_t faceSetRow);

}  // namespace vantor
