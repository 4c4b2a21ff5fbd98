// Geometry preparation over a generated scene of one million triangles in
// 100 separators, each with its own transform, points and face set.
#include <benchmark/benchmark.h>

#include "generated_scene.h"
#include "scene/prepare_geometry.h"

using namespace vantor;

namespace {

SceneData MakeScene() {
    return bench::MakeMillionTriangleScene();
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
