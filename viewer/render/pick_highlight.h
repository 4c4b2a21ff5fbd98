#pragma once
// The selected item drawn on top of a frame: points, lines, a filled face,
// a text or a datum outline, all in world coordinates except the text,
// which is drawn under its shape's matrix. Drawing it after every frame
// replaces erasing the old highlight: the next frame simply leaves it out.

#include <cstdint>
#include <vector>

namespace vantor {

class SceneData;
class SceneRenderer;
struct Camera;
struct RenderSettings;

inline constexpr float kSelectedColour[3] = {1, 0, 0};
inline constexpr float kEdgeColours[3][3] = {
    {0.8f, 0.6f, 0.4f}, {0.4f, 0.8f, 0.6f}, {0.6f, 0.4f, 0.8f}};
inline constexpr float kArcCentreColour[3] = {1, 1, 0.2f};
constexpr float kHighlightPointSize = 6;
constexpr float kNormalPointSize = 3;

struct HighlightPoint {
    float at[3];      // world position
    float colour[3];  // red, green, blue
};

struct HighlightLine {
    float from[3];
    float to[3];
    float colour[3];
};

struct PickHighlight {
    std::vector<HighlightPoint> points;
    std::vector<HighlightLine> lines;
    bool hasFace = false;
    float face[9] = {};    // three world corners of the filled face
    int32_t textRow = -1;  // node row of a picked text, or -1
    float textMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    bool textFacesViewer = false;  // a dimension's text, turned as drawn
    int datumPlane = -1;           // 0 Front, 1 Side, 2 Top, or -1

    bool IsEmpty() const {
        return points.empty() && lines.empty() && !hasFace && textRow < 0 && datumPlane < 0;
    }
};

// Draws `highlight` into the current frame with the camera's projection and
// view, over the scene (no depth test), lighting off.
void DrawPickHighlight(SceneRenderer& renderer, SceneData& scene, Camera& camera,
                       RenderSettings& settings, const PickHighlight& highlight);

}  // namespace vantor
