// Reads one input as a VRML file, saves the scene in both writer modes and
// reads each written file back: whatever the reader accepts, the writer
// must write, and the reader must read what the writer wrote.

#include <cstddef>
#include <cstdint>

#include "fuzz_scratch.h"
#include "glu_triangulator.h"
#include "prompt/prompt.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_write/save_scene.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantor;
    InstallGluTriangulator();
    const std::string path = fuzz::WriteScratchFile("input.wrl", data, size);
    const std::string logPath = fuzz::ScratchFolder() + "/reading.log";
    ScriptedPrompt prompt;
    VrmlReader reader;
    if (reader.ReadVrmlFile(path, prompt, logPath) < 0) return 0;

    SaveOptions options;
    options.userName = "fuzz";
    options.dateText = "fixed";
    for (int mode : {kSaveTopData, kSaveNewData}) {
        const std::string out = fuzz::ScratchFolder() + "/written.wrl";
        if (!SaveScene(reader, out, mode, options).saved()) continue;
        VrmlReader again;
        again.ReadVrmlFile(out, prompt, logPath);
    }
    return 0;
}
