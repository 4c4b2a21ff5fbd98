// Writing a generated scene of one million triangles (100 separators, each
// with a transform, points and a face set) as VRML 1.0 text and as a file.
// Half the coordinates are not on the 0.001 grid, so they take the exact
// (shortest round-trip) path.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "generated_scene.h"
#include "vrml_write/save_scene.h"
#include "vrml_write/vrml_writer.h"

using namespace vantor;

namespace {

SceneData MakeScene() {
    return bench::MakeMillionTriangleScene({0.5f, 0.0137f});
}

void BM_WriteMillionTrianglesToText(benchmark::State& state) {
    const SceneData scene = MakeScene();
    size_t bytes = 0;
    for (auto _ : state) {
        VrmlWriter writer;
        writer.SetScene(&scene);
        writer.mode = 0;
        writer.dateText = "2000/01/01:00:00:00";
        std::string text;
        writer.WriteFile(0, scene.nodeCount, text);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["MB"] = double(bytes) / 1e6;
    state.counters["triangles/s"] = benchmark::Counter(
        double(scene.coordIndexCount / 3) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WriteMillionTrianglesToText)->Unit(benchmark::kMillisecond);

// The whole save: text, temporary file, flush to disk, rename.
void BM_SaveMillionTrianglesToFile(benchmark::State& state) {
    const SceneData scene = MakeScene();
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("vantor_bench_write_" + std::to_string(::getpid()) + ".wrl"))
                                 .string();
    for (auto _ : state) {
        const SaveResult result = SaveScene(scene, path, kSaveTopData);
        if (!result.saved()) state.SkipWithError(result.message.c_str());
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveMillionTrianglesToFile)->Unit(benchmark::kMillisecond);

}  // namespace
BENCHMARK_MAIN();
