#pragma once
// Dimensions and comments as node subtrees: a Separator whose DEF name
// starts "KORVALDE_DIM" (read as a SeparatorDim row) holding a Material, a
// Coordinate3 + IndexedLineSet for the extension, dimension and leader
// lines with their arrow heads, and a MatrixTransform that places an
// AsciiText. The subtree is made as VRML 1.0 text and read by the reader,
// so a dimension made here has exactly the rows of one read from a file.
//
// The kind is the letter after the prefix ("KORVALDE_DIM_L_3"). The first
// points of the Coordinate3 are the measured ones and stay where they are
// when the dimension is moved; the rest move with the text.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scene/scene_data.h"

namespace vantor {

enum class DimensionKind { Linear, Radius, Diameter, Comment };

struct DimensionRequest {
    DimensionKind kind = DimensionKind::Linear;
    // Linear: the two measured points. Radius and diameter: the arc's centre
    // and the point on the arc. Comment: the anchor (`to` unused).
    double from[3] = {0, 0, 0};
    double to[3] = {0, 0, 0};
    double value = 0;  // the measured length (radius, diameter), shown
    std::string text;  // comment text
    // World direction the dimension line stands off to (the screen's up).
    double side[3] = {0, 1, 0};
    // Length for offsets and arrow heads where the measured one is zero.
    double size = 1;
};

// The value text: "%3.3f" trimmed, "R" or "φ" before radii and diameters.
std::string DimensionValueText(DimensionKind kind, double value);

// `text` as the writer can put it between double quotes and the reader
// takes it back: no quotes or line breaks, at most 400 bytes.
std::string SavableText(const std::string& text);

// The group's VRML 1.0 text, DEF name `defName`.
std::string DimensionVrml(const DimensionRequest& request, const std::string& defName);

// Appends the dimension as top-level rows behind everything else (so every
// save mode writes it) and prepares the geometry again. Returns the
// SeparatorDim row, or -1 when the text could not be read.
int32_t AddDimension(SceneData& scene, const DimensionRequest& request);

// The rows of one dimension group.
struct DimensionParts {
    DimensionKind kind = DimensionKind::Linear;
    bool knownKind = false;  // DEF name of this program's form
    int32_t group = -1;
    int32_t end = -1;  // first row after the group
    int32_t coordinates = -1;
    int32_t transform = -1;
    int32_t text = -1;  // AsciiText row
};

std::optional<DimensionParts> FindDimensionParts(const SceneData& scene, int32_t groupRow);
// Every SeparatorDim row, in table order.
std::vector<int32_t> DimensionRows(const SceneData& scene);

// Moves the text and the dimension or leader line by `delta` (world); the
// measured points stay. False when the row is no dimension.
bool MoveDimension(SceneData& scene, int32_t groupRow, const double delta[3]);

// A comment gets `note` as its text; a dimension keeps its value and shows
// `note` after it (an empty note leaves the value alone).
bool SetDimensionNote(SceneData& scene, int32_t groupRow, const std::string& note);

// The dimension's current text (empty when the row is no dimension).
std::string DimensionText(const SceneData& scene, int32_t groupRow);

// Removes the group's rows; rows behind it move up and every row reference
// follows. The pools keep the orphaned values. Prepares the geometry again.
bool DeleteDimension(SceneData& scene, int32_t groupRow);

}  // namespace vantor
