// Reading a generated VRML 1.0 file of about 100 MB (read, text
// preparation, node loop and geometry preparation): Separators with a
// Material, a MatrixTransform, a Coordinate3 of 20,000 points and an
// IndexedFaceSet of quads and hexagons, every tenth part also placed again
// with USE. Bytes per second is the figure to watch.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "generated_file.h"
#include "vrml_read/vrml_reader.h"

using namespace vantor;

namespace {

constexpr int kColumns = 100;
constexpr int kRows = 200;  // 20,000 points per part

void AppendNumber(std::string& out, double value) {
    char text[32];
    const int n = std::snprintf(text, sizeof text, "%.6f", value);
    out.append(text, size_t(n));
}

void AppendPart(std::string& out, int part) {
    out += "DEF part" + std::to_string(part) + " Separator {\n";
    out += "  Material { diffuseColor ";
    AppendNumber(out, 0.1 + 0.008 * (part % 100));
    out += " 0.5 0.3 shininess 0.4 }\n  MatrixTransform { matrix 1 0 0 0 0 1 0 0 0 0 1 0 ";
    AppendNumber(out, 120.0 * (part % 10));
    out += " ";
    AppendNumber(out, 250.0 * (part / 10));
    out += " 0 1 }\n  Coordinate3 { point [\n";
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            out += "    ";
            AppendNumber(out, c * 1.013);
            out += ' ';
            AppendNumber(out, r * 0.987);
            out += ' ';
            AppendNumber(out, 0.01 * ((c * r + part) % 89));
            out += ",\n";
        }
    }
    out += "  ] }\n  IndexedFaceSet { coordIndex [\n";
    for (int r = 0; r + 1 < kRows; ++r) {
        out += "   ";
        for (int c = 0; c + 1 < kColumns; ++c) {
            const int k = r * kColumns + c;
            if (c % 9 == 4 && c + 2 < kColumns) {
                // A hexagon over two cells.
                out += ' ' + std::to_string(k) + ", " + std::to_string(k + 1) + ", " +
                       std::to_string(k + 2) + ", " + std::to_string(k + kColumns + 2) + ", " +
                       std::to_string(k + kColumns + 1) + ", " + std::to_string(k + kColumns) +
                       ", -1,";
                ++c;
            } else {
                out += ' ' + std::to_string(k) + ", " + std::to_string(k + 1) + ", " +
                       std::to_string(k + kColumns + 1) + ", " + std::to_string(k + kColumns) +
                       ", -1,";
            }
        }
        out += '\n';
    }
    out += "  ] }\n}\n";
    if (part % 10 == 9)
        out += "Separator { Translation { translation 0 0 50 } USE part" + std::to_string(part) +
               " }\n";
}

std::string GeneratedFile(int megabytes) {
    return bench::GeneratedFile("vantor_bench_vrml1",
                                "#VRML V1.0 ascii\n# generated for the reading benchmark\n",
                                megabytes, AppendPart);
}

void BM_ReadVrml1File(benchmark::State& state) {
    bench::ReadFileLoop(state, GeneratedFile(int(state.range(0))));
}
// The first read pulls the file into the page cache; it is not part of the rate.
BENCHMARK(BM_ReadVrml1File)->Arg(100)->Unit(benchmark::kMillisecond)->MinWarmUpTime(1.0);

// Text preparation alone, to tell the scanner's share from the node loop's.
void BM_PrepareVrml1Text(benchmark::State& state) {
    const std::string path = GeneratedFile(100);
    const auto bytes = int64_t(std::filesystem::file_size(path));
    for (auto _ : state) {
        VrmlText text;
        text.LoadFile(path);
        benchmark::DoNotOptimize(OmmitCommentFromVrml0(text));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
}
BENCHMARK(BM_PrepareVrml1Text)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
