#include "fuzz_scratch.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace vantor::fuzz {

namespace {

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// Children named by the inputs the fuzzer is likely to build from the
// seeds: one of each version, one that inlines the top file again (a
// cycle) and one that inlines itself.
void WriteInlineChildren(const std::string& folder) {
    WriteText(folder + "/child1.wrl",
              "#VRML V1.0 ascii\nSeparator { Coordinate3 { point [ 0 0 0, 1 0 0, 0 1 0 ] }\n"
              "IndexedFaceSet { coordIndex [ 0, 1, 2, -1 ] } }\n");
    WriteText(folder + "/child2.wrl",
              "#VRML V2.0 utf8\nShape { geometry IndexedFaceSet { coord Coordinate {\n"
              "point [ 0 0 0, 1 0 0, 0 1 0 ] } coordIndex [ 0 1 2 -1 ] } }\n");
    WriteText(folder + "/cycle.wrl", "#VRML V1.0 ascii\nWWWInline { name \"input.wrl\" }\n");
    WriteText(folder + "/self.wrl", "#VRML V2.0 utf8\nInline { url \"self.wrl\" }\n");
}

}  // namespace

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const char* base = std::getenv("VANTOR_FUZZ_SCRATCH");
        std::filesystem::path root = base && *base ? base : std::filesystem::temp_directory_path();
        root /= "vantor-fuzz-" + std::to_string(::getpid());
        std::filesystem::create_directories(root);
        WriteInlineChildren(root.string());
        return root.string();
    }();
    return folder;
}

std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size) {
    const std::string path = ScratchFolder() + "/" + name;
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        if (size > 0) std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}

}  // namespace vantor::fuzz
