// Geometry preparation over a generated scene of one million triangles in
// 100 separators, each with its own transform, points and face set.
#include <benchmark/benchmark.h>

#include "scene/prepare_geometry.h"

using namespace vantor;

namespace {

constexpr int kParts = 100;
constexpr int kGrid = 71;  // 70 x 70 quads = 9800 triangles per part

SceneData MakeScene() {
    SceneData s;
    s.AddFileRecord(FileRecord{});
    s.fileCount = 1;
    const float root[2] = {1, 0};
    const int32_t rootBlock = s.AddValues(root, 2);
    s.AddRow(kind::VrmlData, 0, tag::Shown, rootBlock, 0, "bench.wrl");
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
                s.pointPool[s.pointCount++] = float(x);
                s.pointPool[s.pointCount++] = float(y);
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
    return s;
}

// First pass: bounds plus normal generation for every face set.
void BM_PrepareGeometryFirstPass(benchmark::State& state) {
    const SceneData original = MakeScene();
    const int64_t triangles = original.coordIndexCount / 3;
    for (auto _ : state) {
        state.PauseTiming();
        SceneData s = original;
        state.ResumeTiming();
        PrepareGeometry(s);
        benchmark::DoNotOptimize(s.bounds);
    }
    state.counters["triangles/s"] =
        benchmark::Counter(double(triangles) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PrepareGeometryFirstPass)->Unit(benchmark::kMillisecond);

// Later passes (after an edit or a view request): bounds only.
void BM_PrepareGeometryRepeat(benchmark::State& state) {
    SceneData s = MakeScene();
    PrepareGeometry(s);
    for (auto _ : state) {
        PrepareGeometry(s);
        benchmark::DoNotOptimize(s.bounds);
    }
    state.counters["triangles/s"] = benchmark::Counter(
        double(s.coordIndexCount / 3) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PrepareGeometryRepeat)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
