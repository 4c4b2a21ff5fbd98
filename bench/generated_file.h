#pragma once
// Generated VRML files for the reading benchmarks, written once into the
// temporary folder and kept there for later runs.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "prompt/prompt.h"
#include "vrml_read/vrml_reader.h"

namespace vantor::bench {

// Writes `header` and then the chunks that `append(chunk, index)` makes
// until the file holds `megabytes`; returns its path.
template <typename AppendChunk>
std::string GeneratedFile(const std::string& stem, const char* header, int megabytes,
                          AppendChunk append) {
    const std::string path =
        (std::filesystem::temp_directory_path() / (stem + "_" + std::to_string(megabytes) + ".wrl"))
            .string();
    const size_t target = size_t(megabytes) << 20;
    if (std::filesystem::exists(path) && std::filesystem::file_size(path) >= target) return path;
    std::ofstream out(path, std::ios::binary);
    out << header;
    size_t written = 0;
    std::string chunk;
    for (int index = 0; written < target; ++index) {
        chunk.clear();
        append(chunk, index);
        out << chunk;
        written += chunk.size();
    }
    return path;
}

// Reads the file with a fresh reader per iteration (geometry preparation
// included) and reports bytes per second.
inline void ReadFileLoop(benchmark::State& state, const std::string& path) {
    const std::string log = (std::filesystem::temp_directory_path() / "vantor_bench.log").string();
    const auto bytes = int64_t(std::filesystem::file_size(path));
    for (auto _ : state) {
        VrmlReader reader;
        ScriptedPrompt prompt;
        if (reader.ReadVrmlFile(path, prompt, log) != 1) state.SkipWithError("file rejected");
        benchmark::DoNotOptimize(reader.coordIndexCount);
        state.counters["triangles"] = double(reader.coordIndexCount / 3);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
}

}  // namespace vantor::bench
