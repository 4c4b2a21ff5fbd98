// A double-click pick on a generated scene of one million triangles in 100
// separators (the scene of bench_geometry), on a surfaceless EGL context.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "generated_scene.h"
#include "render/camera.h"
#include "render/headless_context.h"
#include "render/pick_pass.h"
#include "render/render_settings.h"
#include "scene/prepare_geometry.h"

using namespace vantor;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

SceneData MakeScene() {
    return bench::MakeMillionTriangleScene();
}

void BM_PickMillionTriangles(benchmark::State& state) {
    HeadlessContext context;
    if (!context.Create(kWidth, kHeight)) {
        state.SkipWithError(context.Error().c_str());
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
