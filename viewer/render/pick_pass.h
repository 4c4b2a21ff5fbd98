#pragma once
// The pick frame: the scene drawn once more in OpenGL selection mode with a
// 5 x 5 pixel pick region, every vertex, edge, face, segment and point under
// its own name path. Hidden parts are walked only for the counting of
// matrix rows, so each shape's matrix index matches the rows the geometry
// preparation stored.
//
// Geometry is drawn immediately, never from display lists (Mesa crashes on
// lists of fans or strips in selection mode), and only for the triangles,
// segments and points that can touch the pick region: a triangle whose
// corners all lie beyond one plane of the pick volume cannot be hit, so
// skipping it leaves the hit records unchanged.

#include <cstdint>
#include <vector>

#include "render/scene_renderer.h"

namespace vantor {

// The key held during the pick, by its role in the binding table.
enum class PickKeyRole { None, Measure, NoShowParts, ShowParts, HilightItem };

// One hit record: depths as OpenGL gives them and the last five names.
struct PickHit {
    uint32_t minDepth = 0;
    uint32_t maxDepth = 0;
    // m0..m4: negated group row, matrix index, node row, element, sub-item.
    int32_t names[5] = {0, 0, 0, 0, 0};
};

constexpr int kPickBufferSize = 10000;
constexpr double kPickRegionPixels = 5.0;

// Sub-items of a triangle and of a segment.
namespace sub_item {
constexpr int32_t Vertex0 = 0;
constexpr int32_t Edge01 = 1;
constexpr int32_t Vertex1 = 2;
constexpr int32_t Edge12 = 3;
constexpr int32_t Vertex2 = 4;
constexpr int32_t Edge20 = 5;
constexpr int32_t Face = 6;
constexpr int32_t SegmentStart = 0;
constexpr int32_t Segment = 1;
constexpr int32_t SegmentEnd = 2;
}  // namespace sub_item

class PickPass : public SceneRenderer {
  public:
    PickPass();

    // Picks at window point (x, y), y counted downwards from the top of the
    // current GL viewport. Texts are drawn with `font` (the view's lists);
    // null leaves texts out. Returns the hit count, or a negative number when
    // the selection buffer overflowed (then `hits` is empty).
    int Pick(SceneData& scene, const Camera& camera, const RenderSettings& settings,
             OutlineFont* font, double x, double y, PickKeyRole role, std::vector<PickHit>& hits);

    // Off: every triangle, segment and point goes through selection mode
    // (tests compare both ways).
    bool cullCandidates = true;

    // Triangles, segments and points drawn by the last pick (for tests and
    // the benchmark).
    int64_t drawnCandidates = 0;

  protected:
    bool EntersGroup(int32_t row) override;
    void OnEnterFile(int32_t row) override;
    void OnLeaveFile(int32_t row) override;
    void OnEnterGroup(int32_t row) override;
    void OnLeaveGroup(int32_t row) override;
    void OnTransformApplied(int32_t row) override;
    void DrawShape(int32_t row) override;

  private:
    struct Level {
        bool pickable;
        bool counted;  // the geometry preparation walks this group
        int32_t counterAtEntry;
        int32_t dimensionAtEntry;
    };
    void Enter(int32_t row);
    void Leave();
    // Clip-space matrix of the current modelview under the pick projection.
    void LoadClipMatrix();
    uint8_t Outcode(int32_t point) const;
    void PickFaceSet(int32_t row);
    void PickLineSet(int32_t row);
    void PickPointSet(int32_t row);
    void PickText(int32_t row);
    void PickDatums();

    PickKeyRole role_ = PickKeyRole::None;
    OutlineFont* font_ = nullptr;
    std::vector<uint32_t> buffer_;
    std::vector<Level> levels_;
    bool pickable_ = true;
    bool lastEntersPick_ = false;
    bool lastEntersCounted_ = false;
    int32_t counter_ = 0;        // matrix index of the walk
    int32_t dimensionRow_ = -1;  // SeparatorDim being walked, else negative
    double projection_[16] = {};
    double clip_[16] = {};
};

}  // namespace vantor
