// Reads one input as a VRML file (either version, gzip included) with its
// inlines resolved in the scratch folder.

#include <cstddef>
#include <cstdint>

#include "fuzz_scratch.h"
#include "glu_triangulator.h"
#include "prompt/prompt.h"
#include "vrml_read/vrml_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantor;
    InstallGluTriangulator();
    const std::string path = fuzz::WriteScratchFile("input.wrl", data, size);
    ScriptedPrompt prompt;
    VrmlReader reader;
    reader.ReadVrmlFile(path, prompt, fuzz::ScratchFolder() + "/reading.log");
    return 0;
}
