// Reading a generated board-like VRML 2.0 file as circuit-board exports
// write them: eight component models of many small shapes, each shape's
// material a USE of one of eight shared materials, every model a DEF'd
// Group placed again and again with USE. Argument 1 reads that file;
// argument 0 reads the same content with every USE written out, the
// figure the shared file must keep up with. Time per read is the figure
// to compare; bytes per second shows the cost of many small shapes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "generated_file.h"

using namespace vantor;

namespace {

constexpr int kMaterials = 8;
constexpr int kModels = 8;
constexpr int kShapesPerModel = 1500;
constexpr int kPlacements = 32;  // after the models themselves

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

std::string MaterialNode(int m) {
    return "Material { diffuseColor " + Number(0.1 + 0.1 * m) +
           " 0.5 0.3 specularColor 0.2 0.2 0.2 ambientIntensity 0.3 shininess 0.4 }";
}

// A pin or a body part: a small box of 8 points and 6 quads.
void AppendShape(std::string& out, int model, int shape, bool shared) {
    const int m = (model + shape) % kMaterials;
    out += "Shape { appearance Appearance { material ";
    out += shared ? "USE MAT" + std::to_string(m) : MaterialNode(m);
    out += " }\n geometry IndexedFaceSet { coord Coordinate { point [\n";
    const double x = 0.254 * (shape % 40), y = 0.254 * (shape / 40), w = 0.1, h = 0.05 * (1 + m);
    for (int corner = 0; corner < 8; ++corner) {
        out += Number(x + (corner & 1 ? w : 0)) + " " + Number(y + (corner & 2 ? w : 0)) + " " +
               Number(corner & 4 ? h : 0) + ",\n";
    }
    out +=
        "] }\n coordIndex [ 0,2,3,1,-1, 4,5,7,6,-1, 0,1,5,4,-1, 2,6,7,3,-1, 0,4,6,2,-1, "
        "1,3,7,5,-1 ] } }\n";
}

void AppendModel(std::string& out, int model, bool shared, bool define) {
    out += define ? "DEF MODEL" + std::to_string(model) + " Group { children [\n"
                  : "Group { children [\n";
    for (int shape = 0; shape < kShapesPerModel; ++shape) AppendShape(out, model, shape, shared);
    out += "] }\n";
}

std::string BoardText(bool shared) {
    std::string out = "#VRML V2.0 utf8\n# generated for the board reading benchmark\n";
    for (int m = 0; m < kMaterials; ++m) {
        out += "Shape { appearance Appearance { material DEF MAT" + std::to_string(m) + " " +
               MaterialNode(m) + " } }\n";
    }
    for (int model = 0; model < kModels; ++model) {
        out += "Transform { translation " + Number(15.0 * model) + " 0 0 children [\n";
        AppendModel(out, model, shared, true);
        out += "] }\n";
    }
    for (int place = 0; place < kPlacements; ++place) {
        const int model = place % kModels;
        out += "Transform { translation " + Number(15.0 * model) + " " +
               Number(12.0 * (1 + place / kModels)) + " 0 rotation 0 0 1 0.5 children [\n";
        if (shared)
            out += "USE MODEL" + std::to_string(model) + "\n";
        else
            AppendModel(out, model, false, false);
        out += "] }\n";
    }
    return out;
}

std::string BoardFile(bool shared) {
    const std::string path =
        (std::filesystem::temp_directory_path() /
         (shared ? "vantor_bench_board_shared.wrl" : "vantor_bench_board_expanded.wrl"))
            .string();
    if (!std::filesystem::exists(path)) std::ofstream(path, std::ios::binary) << BoardText(shared);
    return path;
}

void BM_ReadBoard(benchmark::State& state) {
    bench::ReadFileLoop(state, BoardFile(state.range(0) == 1));
}
BENCHMARK(BM_ReadBoard)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.5);

}  // namespace

BENCHMARK_MAIN();
