#pragma once
// The generated scene the benchmarks share: 100 separators, each with its
// own translation, a 71 x 71 grid of points and a face set of 9800
// triangles, 980,000 triangles in all, laid out as the reader lays a file.

#include "scene/scene_data.h"

namespace vantor::bench {

// Spacing of the grid points; uneven steps give coordinates with many digits.
struct GridSpacing {
    float x = 1;
    float y = 1;
};

inline SceneData MakeMillionTriangleScene(GridSpacing spacing = {}) {
    constexpr int kParts = 100;
    constexpr int kGrid = 71;
    SceneData s;
    FileRecord file;
    file.name = file.fileName = "bench.wrl";
    file.firstRow = 1;
    s.AddFileRecord(file);
    const float root[2] = {1, 0};
    const int32_t rootBlock = s.AddValues(root, 2);
    s.AddRow(kind::VrmlData, 0, tag::Shown, rootBlock, -998, "bench.wrl");
    s.AddRow(kind::Material, 0, tag::DefaultRow, 0, -999, "KORVALDE_DEFAULT_MARERIAL");
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const int32_t matrix = s.AddValues(identity, 16);
    s.AddRow(kind::MatrixTransform, 0, tag::DefaultRow, matrix, matrix + 15,
             "KORVALDE_DEFAULT_MATRIXTRANSFORM");
    for (int part = 0; part < kParts; ++part) {
        const float group[3] = {float(s.nodeCount + 1), 0, 0};
        const int32_t groupBlock = s.AddValues(group, 3);
        s.AddRow(kind::Separator, 0, tag::Shown, groupBlock, -998);
        const float move[3] = {float(part % 10) * 80, float(part / 10) * 80, 0};
        s.AddRow(kind::Translation, 0, tag::Value, s.AddValues(move, 3), 0);

        const int32_t firstPoint = s.pointCount;
        s.EnsurePoints(int64_t(s.pointCount) + kGrid * kGrid * 3);
        for (int y = 0; y < kGrid; ++y)
            for (int x = 0; x < kGrid; ++x) {
                s.pointPool[s.pointCount++] = float(x) * spacing.x;
                s.pointPool[s.pointCount++] = float(y) * spacing.y;
                s.pointPool[s.pointCount++] = float((x * y) % 7) * 0.1f;
            }
        s.AddRow(kind::Coordinate3, 0, tag::Value, firstPoint, s.pointCount);
        const int32_t base = firstPoint / 3, c0 = s.coordIndexCount;
        s.EnsureCoordIndices(int64_t(c0) + (kGrid - 1) * (kGrid - 1) * 6);
        for (int y = 0; y + 1 < kGrid; ++y)
            for (int x = 0; x + 1 < kGrid; ++x) {
                const int32_t a = base + y * kGrid + x, b = a + 1, c = a + kGrid + 1, d = a + kGrid;
                for (int32_t i : {a, b, c, a, c, d}) s.coordIndexPool[s.coordIndexCount++] = i;
            }
        const float faces[5] = {-1, float(c0), float(s.coordIndexCount), 0, 0};
        const int32_t faceBlock = s.AddValues(faces, 5);
        s.AddRow(kind::IndexedFaceSet, 0, tag::Shown, faceBlock, faceBlock + 4);
        s.valuePool[groupBlock + 1] = float(s.nodeCount);
    }
    s.valuePool[rootBlock + 1] = float(s.nodeCount);
    s.files.items[0].endRow = s.nodeCount;
    return s;
}

}  // namespace vantor::bench
