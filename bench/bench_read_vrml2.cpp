// Reading a generated VRML 2.0 file (read, text preparation, node loop and
// geometry preparation) of 10 or 100 MB: Transforms holding Shapes whose
// IndexedFaceSets carry grids of quads and pentagons, materials shared with
// DEF/USE as component models do, and coordIndex written before coord in
// every other Shape. Bytes per second is the figure to watch.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "generated_file.h"

using namespace vantor;

namespace {

constexpr int kGrid = 60;  // points per side of one Shape's grid

void AppendNumber(std::string& out, float value) {
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%.4f", value);
    out.append(text, size_t(n));
}

void AppendShape(std::string& out, int shape) {
    const int column = shape % 40;
    const int row = shape / 40;
    out += "DEF T" + std::to_string(shape) + " Transform {\n  translation ";
    AppendNumber(out, float(column) * 70.0f);
    out += " ";
    AppendNumber(out, float(row) * 70.0f);
    out += " 0 rotation 0 0 1 0.1\n  children [\n  Shape {\n    appearance Appearance { material ";
    if (shape % 10 == 0) {
        out += "DEF M" + std::to_string(shape / 10) +
               " Material { diffuseColor 0.8 0.2 0.1 specularColor 0.3 0.3 0.3 "
               "ambientIntensity 0.2 shininess 0.4 } }\n";
    } else {
        out += "USE M" + std::to_string(shape / 10) + " }\n";
    }
    out += "    geometry IndexedFaceSet {\n      creaseAngle 0.5 solid FALSE\n";
    std::string indices = "      coordIndex [\n";
    for (int z = 0; z + 1 < kGrid; ++z) {
        for (int x = 0; x + 1 < kGrid; ++x) {
            const int k = z * kGrid + x;
            // Every seventh cell is a pentagon through the next point.
            indices += std::to_string(k) + "," + std::to_string(k + 1) + ",";
            if (x % 7 == 3 && x + 2 < kGrid) indices += std::to_string(k + 2) + ",";
            indices += std::to_string(k + kGrid + 1) + "," + std::to_string(k + kGrid) + ",-1,";
        }
        indices += "\n";
    }
    indices += "      ]\n";
    std::string points = "      coord Coordinate { point [\n";
    for (int z = 0; z < kGrid; ++z) {
        for (int x = 0; x < kGrid; ++x) {
            points += "        ";
            AppendNumber(points, float(x) * 1.01f);
            points += " ";
            AppendNumber(points, float(z) * 0.99f);
            points += " ";
            AppendNumber(points, 0.001f * float((x * z) % 97));
            points += ",\n";
        }
    }
    points += "      ] }\n";
    out += shape % 2 == 0 ? indices + points : points + indices;
    out += "    }\n  }\n  ]\n}\n";
}

std::string GeneratedFile(int megabytes) {
    return bench::GeneratedFile("vantor_bench_vrml2",
                                "#VRML V2.0 utf8\n# generated for the reading benchmark\n",
                                megabytes, AppendShape);
}

void BM_ReadVrml2File(benchmark::State& state) {
    bench::ReadFileLoop(state, GeneratedFile(int(state.range(0))));
}
// The first read pulls the file into the page cache; it is not part of the rate.
BENCHMARK(BM_ReadVrml2File)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->MinWarmUpTime(1.0);

}  // namespace

BENCHMARK_MAIN();
