// The Data Structure window on a scene of about 100,000 rows: building the
// tree and expanding every item.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTreeWidget>

#include "prompt/prompt.h"
#include "scene/scene_data.h"
#include "structure/structure_dialog.h"

using namespace vantor;

namespace {

// 20,000 separators, each with a material, a transform, points and a face set.
SceneData MakeScene() {
    SceneData s;
    s.AddFileRecord(FileRecord{});
    const float root[2] = {1, 0};
    const int32_t rootBlock = s.AddValues(root, 2);
    s.AddRow(kind::VrmlData, 0, tag::Shown, rootBlock, -998, "bench.wrl");
    for (int part = 0; part < 20000; ++part) {
        const float group[3] = {float(s.nodeCount + 1), 0, 0};
        const int32_t groupBlock = s.AddValues(group, 3);
        s.AddRow(kind::Separator, 0, tag::Shown, groupBlock, -998, "Part" + std::to_string(part));
        s.AddRow(kind::Material, 0, tag::Material, s.AppendMaterialRow(), -999);
        const float move[3] = {float(part), 0, 0};
        s.AddRow(kind::Translation, 0, tag::Value, s.AddValues(move, 3), 0);
        s.AddRow(kind::Coordinate3, 0, tag::Value, 0, 0);
        const float faces[5] = {-1, 0, 0, 0, 0};
        const int32_t faceBlock = s.AddValues(faces, 5);
        s.AddRow(kind::IndexedFaceSet, 0, tag::Shown, faceBlock, faceBlock + 4);
        s.valuePool[groupBlock + 1] = float(s.nodeCount);
    }
    s.valuePool[rootBlock + 1] = float(s.nodeCount);
    return s;
}

QApplication& App() {
    static int argc = 3;
    static char arg0[] = "bench_structure", arg1[] = "-platform", arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    static QApplication app(argc, argv);
    return app;
}

void BM_BuildStructureTree(benchmark::State& state) {
    App();
    SceneData scene = MakeScene();
    StderrPrompt prompt;
    StructureDialog dialog(scene, prompt);
    dialog.FilterCombo()->setCurrentIndex(0);  // every row
    for (auto _ : state) dialog.RebuildTree("bench");
    state.counters["rows"] = scene.nodeCount;
}
BENCHMARK(BM_BuildStructureTree)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExpandStructureTree(benchmark::State& state) {
    App();
    SceneData scene = MakeScene();
    StderrPrompt prompt;
    StructureDialog dialog(scene, prompt);
    dialog.FilterCombo()->setCurrentIndex(0);
    dialog.RebuildTree("bench");
    dialog.show();
    for (auto _ : state) {
        dialog.ExpandAll();
        state.PauseTiming();
        dialog.CollapseAll();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ExpandStructureTree)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
