// Importing meshes of about 100 MB: a binary STL and an OBJ of a wavy
// grid, each read by Assimp alone (the floor: the same post-processing,
// no rows), by Assimp joining identical vertices itself, by our conversion
// alone (vertex joining, rows, geometry preparation of an imported scene),
// by our whole import, and the same triangles as a VRML 2.0 file by our
// VRML reader.
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <benchmark/benchmark.h>
#include <assimp/Importer.hpp>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "import/model_import.h"
#include "import/scene_rows.h"
#include "prompt/prompt.h"
#include "vrml_read/vrml_reader.h"

using namespace vantor;

namespace {

constexpr int kStlGrid = 1024;  // 2 x 1024 x 1024 triangles: 105 MB of STL
constexpr int kObjGrid = 1100;  // 2 x 1100 x 1100 triangles: about 100 MB of OBJ

float Height(int x, int y) {
    return 0.5f * std::sin(0.05f * float(x)) * std::cos(0.07f * float(y));
}

// Calls `triangle(a, b, c)` with the grid point numbers of every triangle.
void ForEachTriangle(int grid, const std::function<void(int, int, int)>& triangle) {
    const int row = grid + 1;
    for (int y = 0; y < grid; ++y) {
        for (int x = 0; x < grid; ++x) {
            const int k = y * row + x;
            triangle(k, k + 1, k + row + 1);
            triangle(k, k + row + 1, k + row);
        }
    }
}

void Point(int grid, int k, float p[3]) {
    const int x = k % (grid + 1), y = k / (grid + 1);
    p[0] = float(x);
    p[1] = float(y);
    p[2] = Height(x, y);
}

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// Writes the file once and keeps it for later runs.
std::string Generated(const std::string& name, const std::function<void(std::ofstream&)>& write) {
    const std::string path = TempPath(name);
    if (std::filesystem::exists(path)) return path;
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary);
        write(out);
    }
    std::filesystem::rename(partial, path);
    return path;
}

std::string BinaryStl() {
    return Generated("vantor_bench_grid.stl", [](std::ofstream& out) {
        char header[80] = "binary STL generated for the import benchmark";
        out.write(header, sizeof header);
        const uint32_t count = 2u * kStlGrid * kStlGrid;
        out.write(reinterpret_cast<const char*>(&count), 4);
        ForEachTriangle(kStlGrid, [&](int a, int b, int c) {
            float record[12] = {};
            Point(kStlGrid, a, record + 3);
            Point(kStlGrid, b, record + 6);
            Point(kStlGrid, c, record + 9);
            // Facet normal.
            const float u[3] = {record[6] - record[3], record[7] - record[4],
                                record[8] - record[5]};
            const float v[3] = {record[9] - record[3], record[10] - record[4],
                                record[11] - record[5]};
            record[0] = u[1] * v[2] - u[2] * v[1];
            record[1] = u[2] * v[0] - u[0] * v[2];
            record[2] = u[0] * v[1] - u[1] * v[0];
            const float length =
                std::sqrt(record[0] * record[0] + record[1] * record[1] + record[2] * record[2]);
            for (int i = 0; i < 3; ++i) record[i] /= length;
            out.write(reinterpret_cast<const char*>(record), sizeof record);
            out.write("\0\0", 2);
        });
    });
}

// One line a grid point, and one a triangle with point numbers from `base`.
void WriteGrid(std::ofstream& out, int grid, const char* pointFormat, const char* faceOpening,
               const char* triangleFormat, int base) {
    char line[96];
    for (int k = 0; k < (grid + 1) * (grid + 1); ++k) {
        float p[3];
        Point(grid, k, p);
        out.write(line, std::snprintf(line, sizeof line, pointFormat, p[0], p[1], p[2]));
    }
    out << faceOpening;
    ForEachTriangle(grid, [&](int a, int b, int c) {
        out.write(line,
                  std::snprintf(line, sizeof line, triangleFormat, a + base, b + base, c + base));
    });
}

std::string Obj() {
    return Generated("vantor_bench_grid.obj", [](std::ofstream& out) {
        out << "# OBJ generated for the import benchmark\no grid\n";
        WriteGrid(out, kObjGrid, "v %.6f %.6f %.6f\n", "", "f %d %d %d\n", 1);
    });
}

// The same grid as one VRML 2.0 IndexedFaceSet.
std::string Vrml(int grid) {
    const std::string name = "vantor_bench_grid_" + std::to_string(grid) + ".wrl";
    return Generated(name, [grid](std::ofstream& out) {
        out << "#VRML V2.0 utf8\nShape { geometry IndexedFaceSet {\ncoord Coordinate { point [\n";
        WriteGrid(out, grid, "%.6f %.6f %.6f,\n", "] }\ncoordIndex [\n", "%d %d %d -1\n", 0);
        out << "] } }\n";
    });
}

std::string FileFor(int which) {
    switch (which) {
        case 0:
            return BinaryStl();
        case 1:
            return Obj();
        case 2:
            return Vrml(kStlGrid);
        default:
            return Vrml(kObjGrid);
    }
}

void Report(benchmark::State& state, const std::string& path, double triangles) {
    state.counters["triangles"] = triangles;
    state.SetBytesProcessed(int64_t(state.iterations()) *
                            int64_t(std::filesystem::file_size(path)));
}

// Assimp's own import with our post-processing: the floor.
void BM_AssimpAlone(benchmark::State& state) {
    const std::string path = FileFor(int(state.range(0)));
    double triangles = 0;
    for (auto _ : state) {
        Assimp::Importer importer;
        const aiScene* scene = importer.ReadFile(path, ImportPostProcessFlags());
        if (!scene) {
            state.SkipWithError(importer.GetErrorString());
            return;
        }
        triangles = 0;
        for (unsigned i = 0; i < scene->mNumMeshes; ++i) triangles += scene->mMeshes[i]->mNumFaces;
    }
    Report(state, path, triangles);
}

// Assimp's own joining of identical vertices, for comparison with ours.
void BM_AssimpJoining(benchmark::State& state) {
    const std::string path = FileFor(int(state.range(0)));
    for (auto _ : state) {
        Assimp::Importer importer;
        if (!importer.ReadFile(path, ImportPostProcessFlags() | aiProcess_JoinIdenticalVertices)) {
            state.SkipWithError(importer.GetErrorString());
            return;
        }
    }
    Report(state, path, 0);
}

// What we add to Assimp: the rows of a scene it has read.
void BM_ConversionAlone(benchmark::State& state) {
    const std::string path = FileFor(int(state.range(0)));
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(path, ImportPostProcessFlags());
    if (!scene) {
        state.SkipWithError(importer.GetErrorString());
        return;
    }
    const ImportKind kind{state.range(0) == 1, state.range(0) == 0};
    double triangles = 0;
    for (auto _ : state) {
        VrmlReader reader;
        AddImportedRows(reader, *scene, path, kind);
        triangles = reader.coordIndexCount / 3;
    }
    Report(state, path, triangles);
}

// Our whole import, or the VRML reader for the VRML files.
void BM_ReadModelFile(benchmark::State& state) {
    const std::string path = FileFor(int(state.range(0)));
    const std::string log = TempPath("vantor_bench_import.log");
    double triangles = 0;
    for (auto _ : state) {
        VrmlReader reader;
        ScriptedPrompt prompt;
        if (ReadModelFile(reader, path, prompt, log) != 1) {
            state.SkipWithError("file rejected");
            return;
        }
        triangles = reader.coordIndexCount / 3;
    }
    Report(state, path, triangles);
}

}  // namespace

// 0 binary STL, 1 OBJ, 2 and 3 the same grids as VRML 2.0.
BENCHMARK(BM_AssimpAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AssimpJoining)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ConversionAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadModelFile)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

BENCHMARK_MAIN();
