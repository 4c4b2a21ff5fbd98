#pragma once
// Exact comparison of two scenes: every used row, pool entry, record and
// the measuring-system block, bit for bit. Undo must give back this much.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "scene/scene_data.h"

namespace vantor::testing {

template <typename T>
bool SameEntries(const T* a, const T* b, int64_t count) {
    return count <= 0 || std::memcmp(a, b, size_t(count) * sizeof(T)) == 0;
}

template <typename T, size_t N>
bool SameArray(const T (&a)[N], const T (&b)[N]) {
    return std::memcmp(a, b, sizeof a) == 0;
}

inline ::testing::AssertionResult ScenesEqual(const SceneData& a, const SceneData& b) {
    auto differ = [](const char* what) {
        return ::testing::AssertionFailure() << what << " differ";
    };
    if (a.nodeCount != b.nodeCount ||
        !SameEntries(a.nodeTable.data(), b.nodeTable.data(), a.nodeCount))
        return differ("node rows");
    for (int32_t i = 0; i < a.nodeCount; ++i)
        if (a.DefNameOf(i) != b.DefNameOf(i)) return differ("DEF names");
    if (a.valueCount != b.valueCount ||
        !SameEntries(a.valuePool.data(), b.valuePool.data(), a.valueCount))
        return differ("values");
    if (a.materialCount != b.materialCount ||
        !SameEntries(a.materialTable.data(), b.materialTable.data(),
                     (int64_t(a.materialCount) + 1) * kMaterialWidth))
        return differ("materials");
    if (a.matrixDepth != b.matrixDepth || !SameEntries(a.matrixStack.data(), b.matrixStack.data(),
                                                       (int64_t(a.matrixDepth) + 1) * kMatrixWidth))
        return differ("matrices");
    if (a.pointCount != b.pointCount ||
        !SameEntries(a.pointPool.data(), b.pointPool.data(), a.pointCount))
        return differ("points");
    if (a.normalCount != b.normalCount ||
        !SameEntries(a.normalPool.data(), b.normalPool.data(), a.normalCount))
        return differ("normals");
    if (a.coordIndexCount != b.coordIndexCount || a.normalIndexCount != b.normalIndexCount ||
        !SameEntries(a.coordIndexPool.data(), b.coordIndexPool.data(), a.coordIndexCount) ||
        !SameEntries(a.normalIndexPool.data(), b.normalIndexPool.data(), a.normalIndexCount) ||
        a.lineCoordIndexCount != b.lineCoordIndexCount ||
        !SameEntries(a.lineCoordIndexPool.data(), b.lineCoordIndexPool.data(),
                     a.lineCoordIndexCount))
        return differ("indices");
    if (a.fileCount != b.fileCount || a.defUseCount != b.defUseCount || a.textCount != b.textCount)
        return differ("record counts");
    for (int32_t i = 0; i < a.fileCount; ++i) {
        const FileRecord x = a.FileRecordAt(i), y = b.FileRecordAt(i);
        if (x.path != y.path || x.firstRow != y.firstRow || x.endRow != y.endRow ||
            !SameArray(x.bounds, y.bounds))
            return differ("file records");
    }
    for (int32_t i = 0; i < a.textCount; ++i)
        if (a.TextRecordAt(i).string != b.TextRecordAt(i).string) return differ("text records");
    if (!SameArray(a.bounds, b.bounds) || !SameArray(a.csysBounds, b.csysBounds) ||
        a.sceneExtent != b.sceneExtent)
        return differ("bounds");
    if (!SameArray(a.csysOrigin, b.csysOrigin) || !SameArray(a.csysRotation, b.csysRotation) ||
        a.selectedDimension != b.selectedDimension || a.assemblyFlag != b.assemblyFlag)
        return differ("measuring systems");
    return ::testing::AssertionSuccess();
}

}  // namespace vantor::testing
