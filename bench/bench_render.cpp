// Frame cost of the scene renderer on a generated scene of one million
// triangles (100 separators, each with its own transform and face set),
// against the floor of one glDrawArrays of the same triangles from a
// single buffer, all offscreen on a surfaceless EGL context.
#include <benchmark/benchmark.h>

#include <vector>

#include "generated_scene.h"
#include "render/gl_headers.h"
#include "render/headless_context.h"
#include "render/scene_renderer.h"
#include "scene/prepare_geometry.h"

using namespace vantor;

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

SceneData MakeScene() {
    return bench::MakeMillionTriangleScene();
}

struct Fixture {
    Fixture() : scene(MakeScene()) {
        ok = context.Create(kWidth, kHeight);
        camera.aspectRatio = float(kWidth) / kHeight;
        ApplyFit(camera, scene);
    }
    HeadlessContext context;
    SceneData scene;
    Camera camera;
    RenderSettings settings;
    SceneRenderer renderer;
    bool ok = false;
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void DrawFrames(benchmark::State& state, int32_t mode) {
    Fixture& f = Shared();
    if (!f.ok) return state.SkipWithError("no headless GL");
    f.settings.displayMode = mode;
    f.renderer.DrawScene(f.scene, f.camera, f.settings);  // builds the buffers
    glFinish();
    for (auto _ : state) {
        f.renderer.DrawScene(f.scene, f.camera, f.settings);
        glFinish();
    }
    state.counters["triangles"] = double(f.scene.coordIndexCount / 3);
}

void BM_ShadedFrame(benchmark::State& state) {
    DrawFrames(state, kDisplayShaded);
}
void BM_WireframeFrame(benchmark::State& state) {
    DrawFrames(state, kDisplayWireframe);
}
void BM_HiddenLineRemovalFrame(benchmark::State& state) {
    DrawFrames(state, kDisplayHiddenLineRemoval);
}

// The floor: the same lit triangles, already transformed, from one buffer
// in one call, with the same clear, projection and light state.
void BM_SingleBufferFloor(benchmark::State& state) {
    Fixture& f = Shared();
    if (!f.ok) return state.SkipWithError("no headless GL");
    const SceneData& s = f.scene;
    std::vector<float> vertices;
    vertices.reserve(size_t(s.coordIndexCount) * 6);
    for (int32_t part = 0, row = 0; row < s.nodeCount; ++row) {
        if (s.nodeTable[row].kind != kind::IndexedFaceSet) continue;
        const float* block = &s.valuePool[s.nodeTable[row].dataBegin];
        const float dx = float(part % 10) * 80, dy = float(part / 10) * 80;
        for (int32_t k = int32_t(block[1]); k < int32_t(block[2]); ++k) {
            const float* p = &s.pointPool[3 * s.coordIndexPool[k]];
            const float* n =
                &s.normalPool[3 * s.normalIndexPool[k - int32_t(block[1]) + int32_t(block[3])]];
            vertices.insert(vertices.end(), {p[0] + dx, p[1] + dy, p[2], n[0], n[1], n[2]});
        }
        ++part;
    }
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(float)), vertices.data(),
                 GL_STATIC_DRAW);
    const GLsizei count = GLsizei(vertices.size() / 6);
    double projection[16], view[16];
    ProjectionMatrix(f.camera, projection);
    ViewMatrix(f.camera, view);
    auto frame = [&] {
        glClearColor(0, 0, 0.5f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        // Lit as the frame lights every shape: both sides, normals
        // renormalized for scaled parts.
        glEnable(GL_NORMALIZE);
        glLightModelf(GL_LIGHT_MODEL_TWO_SIDE, 1.0f);
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixd(projection);
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixd(view);
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glVertexPointer(3, GL_FLOAT, 24, nullptr);
        glNormalPointer(GL_FLOAT, 24, reinterpret_cast<const void*>(12));
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glDrawArrays(GL_TRIANGLES, 0, count);
        glDisableClientState(GL_VERTEX_ARRAY);
        glDisableClientState(GL_NORMAL_ARRAY);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glDisable(GL_LIGHTING);
        glFinish();
    };
    frame();
    for (auto _ : state) frame();
    glDeleteBuffers(1, &buffer);
    state.counters["triangles"] = double(count / 3);
}

}  // namespace

BENCHMARK(BM_SingleBufferFloor)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ShadedFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_WireframeFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_HiddenLineRemovalFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_MAIN();
