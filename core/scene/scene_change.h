#pragma once
// A reversible edit of a scene: the places an edit touches, kept as they
// were before and after it, so the edit can be taken back and done again
// exactly. Mark the places before editing (Touch...), edit, then Finish.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "scene/scene_data.h"

namespace vantor {

class SceneChange {
  public:
    // Each returns false (and records nothing) for a place outside the scene.
    bool TouchRow(const SceneData& scene, int32_t row);
    bool TouchValues(const SceneData& scene, int32_t offset, int32_t count);
    // The three coordinates of point (normal) `index`.
    bool TouchPoint(const SceneData& scene, int32_t index);
    bool TouchNormal(const SceneData& scene, int32_t index);
    bool TouchMaterialRow(const SceneData& scene, int32_t row);
    // The measuring-system block and the box measured in it.
    void TouchMeasuringSystem(const SceneData& scene);
    // For edits that add or remove rows, pool entries or records: copies of
    // the whole scene.
    void TouchWholeScene(const SceneData& scene);

    // Transform edits: geometry is prepared again whenever the change is
    // restored, so matrices and boxes follow.
    void PrepareGeometryOnRestore() { prepareGeometry_ = true; }

    // Takes the touched places as they are after the edit.
    void Finish(const SceneData& scene);
    // False when the edit left every touched place as it was.
    bool Changed() const;
    // Puts the scene back as it was before the edit (undo) or after it (redo).
    void Restore(SceneData& scene, bool after) const;

    // Where a touched place lies.
    enum class Area { Rows, Values, Points, Normals, Materials, Measuring };

  private:
    struct Piece {
        Area area;
        int64_t first, count;  // elements of the area
        std::vector<std::byte> before, after;
    };
    bool Touch(const SceneData& scene, Area area, int64_t first, int64_t count);

    std::vector<Piece> pieces_;
    std::shared_ptr<const SceneData> wholeBefore_, wholeAfter_;
    bool prepareGeometry_ = false;
};

}  // namespace vantor
