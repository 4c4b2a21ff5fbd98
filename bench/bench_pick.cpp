// A double-click pick on a generated scene of one million triangles in 100
// separators (the scene of bench_geometry), on a surfaceless EGL context.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "render/camera.h"
#include "render/headless_context.h"
#include "render/pick_pass.h"
#include "render/render_settings.h"
#include "scene/prepare_geometry.h"

using namespace vantor;

namespace {

constexpr int kParts = 100;
constexpr int kGrid = 71;  // 70 x 70 quads = 9800 triangles per part
constexpr int kWidth = 800;
constexpr int kHeight = 600;

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

void BM_PickMillionTriangles(benchmark::State& state) {
    HeadlessContext context;
    if (!context.Create(kWidth, kHeight)) {
        state.SkipWithError(context.error().c_str());
        return;
    }
    SceneData scene = MakeScene();
    PrepareGeometry(scene);
    Camera camera;
    camera.aspectRatio = float(kWidth) / kHeight;
    ApplyFit(camera, scene);
    RenderSettings settings;
    PickPass pass;
    std::vector<PickHit> hits;
    int count = 0;
    for (auto _ : state) {
        count = pass.Pick(scene, camera, settings, nullptr, kWidth / 2.0, kHeight / 2.0,
                          PickKeyRole::Measure, hits);
        benchmark::DoNotOptimize(hits.data());
    }
    state.counters["hits"] = count;
    state.counters["candidates"] = double(pass.drawnCandidates);
    state.counters["triangles"] = double(scene.coordIndexCount / 3);
}
BENCHMARK(BM_PickMillionTriangles)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
