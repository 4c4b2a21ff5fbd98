#include "scene/scene_change.h"

#include <cstring>
#include <span>
#include <type_traits>

#include "scene/prepare_geometry.h"

namespace vantor {

namespace {

// The measuring-system fields as one copyable block.
struct MeasuringBlock {
    float csysOrigin[4], csysSecondPoint[4], examinedCentre[3], examinedRadius, examinedRest[4];
    float csysSecondGroup[8];
    int32_t csysUnused, selectedDimension;
    float csysThirdPoint[4], csysFourthPoint[4], csysRotation[16], csysBounds[7];
};

// Calls f(blockField, sceneField) for every field of the block.
template <typename Scene, typename F>
void ForEachMeasuringField(MeasuringBlock& block, Scene& scene, F f) {
    f(block.csysOrigin, scene.csysOrigin);
    f(block.csysSecondPoint, scene.csysSecondPoint);
    f(block.examinedCentre, scene.examinedCentre);
    f(block.examinedRadius, scene.examinedRadius);
    f(block.examinedRest, scene.examinedRest);
    f(block.csysSecondGroup, scene.csysSecondGroup);
    f(block.csysUnused, scene.csysUnused);
    f(block.selectedDimension, scene.selectedDimension);
    f(block.csysThirdPoint, scene.csysThirdPoint);
    f(block.csysFourthPoint, scene.csysFourthPoint);
    f(block.csysRotation, scene.csysRotation);
    f(block.csysBounds, scene.csysBounds);
}

std::vector<std::byte> ReadMeasuring(const SceneData& scene) {
    MeasuringBlock block;
    ForEachMeasuringField(block, scene,
                          [](auto& to, const auto& from) { std::memcpy(&to, &from, sizeof to); });
    const auto* bytes = reinterpret_cast<const std::byte*>(&block);
    return {bytes, bytes + sizeof block};
}

void WriteMeasuring(SceneData& scene, const std::vector<std::byte>& bytes) {
    MeasuringBlock block;
    std::memcpy(&block, bytes.data(), sizeof block);
    ForEachMeasuringField(block, scene,
                          [](const auto& from, auto& to) { std::memcpy(&to, &from, sizeof to); });
}

using Area = SceneChange::Area;

template <typename Scene>
auto AreaBytes(Scene& scene, Area area, int64_t first, int64_t count) {
    using Byte = std::conditional_t<std::is_const_v<Scene>, const std::byte, std::byte>;
    auto bytes = [&](auto* data, size_t width) {
        return std::span<Byte>(reinterpret_cast<Byte*>(data + first * int64_t(width)),
                               size_t(count) * width * sizeof(*data));
    };
    switch (area) {
        case Area::Rows:
            return bytes(scene.nodeTable.data(), 1);
        case Area::Values:
            return bytes(scene.valuePool.data(), 1);
        case Area::Points:
            return bytes(scene.pointPool.data(), 3);
        case Area::Normals:
            return bytes(scene.normalPool.data(), 3);
        default:
            return bytes(scene.materialTable.data(), kMaterialWidth);
    }
}

}  // namespace

bool SceneChange::Touch(const SceneData& scene, Area area, int64_t first, int64_t count) {
    int64_t end = 0;
    switch (area) {
        case Area::Rows:
            end = scene.nodeCount;
            break;
        case Area::Values:
            end = scene.valueCount;
            break;
        case Area::Points:
            end = scene.pointCount / 3;
            break;
        case Area::Normals:
            end = scene.normalCount / 3;
            break;
        case Area::Materials:
            end = int64_t(scene.materialCount) + 1;
            break;
        case Area::Measuring:
            break;
    }
    if (first < 0 || count <= 0 || first + count > end) return false;
    const auto bytes = AreaBytes(scene, area, first, count);
    pieces_.push_back({area, first, count, {bytes.begin(), bytes.end()}, {}});
    return true;
}

bool SceneChange::TouchRow(const SceneData& scene, int32_t row) {
    return Touch(scene, Area::Rows, row, 1);
}

bool SceneChange::TouchValues(const SceneData& scene, int32_t offset, int32_t count) {
    return Touch(scene, Area::Values, offset, count);
}

bool SceneChange::TouchPoint(const SceneData& scene, int32_t index) {
    return Touch(scene, Area::Points, index, 1);
}

bool SceneChange::TouchNormal(const SceneData& scene, int32_t index) {
    return Touch(scene, Area::Normals, index, 1);
}

bool SceneChange::TouchMaterialRow(const SceneData& scene, int32_t row) {
    return Touch(scene, Area::Materials, row, 1);
}

void SceneChange::TouchMeasuringSystem(const SceneData& scene) {
    pieces_.push_back({Area::Measuring, 0, 1, ReadMeasuring(scene), {}});
}

void SceneChange::TouchWholeScene(const SceneData& scene) {
    wholeBefore_ = std::make_shared<const SceneData>(scene);
}

void SceneChange::Finish(const SceneData& scene) {
    if (wholeBefore_) wholeAfter_ = std::make_shared<const SceneData>(scene);
    for (Piece& piece : pieces_) {
        if (piece.area == Area::Measuring) {
            piece.after = ReadMeasuring(scene);
            continue;
        }
        const auto now = AreaBytes(scene, piece.area, piece.first, piece.count);
        piece.after.assign(now.begin(), now.end());
    }
}

bool SceneChange::Changed() const {
    if (wholeBefore_) return true;
    for (const Piece& piece : pieces_)
        if (piece.before != piece.after) return true;
    return false;
}

void SceneChange::Restore(SceneData& scene, bool after) const {
    if (const auto& whole = after ? wholeAfter_ : wholeBefore_) scene = *whole;
    // Later pieces were touched later: undo walks them backwards.
    auto put = [&](const Piece& piece) {
        const std::vector<std::byte>& bytes = after ? piece.after : piece.before;
        if (piece.area == Area::Measuring) {
            WriteMeasuring(scene, bytes);
            return;
        }
        std::memcpy(AreaBytes(scene, piece.area, piece.first, piece.count).data(), bytes.data(),
                    bytes.size());
    };
    if (after)
        for (const Piece& piece : pieces_) put(piece);
    else
        for (auto it = pieces_.rbegin(); it != pieces_.rend(); ++it) put(*it);
    if (prepareGeometry_) {
        scene.matrixDepth = 0;
        PrepareGeometry(scene);
    }
}

}  // namespace vantor
