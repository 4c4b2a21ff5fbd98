// Reads one input as a mesh file through the importer. Each build of this
// file names its input with one extension (FUZZ_EXTENSION), so that the
// importer picks that format's reader whatever the content.

#include <cstddef>
#include <cstdint>

#include "fuzz_scratch.h"
#include "import/model_import.h"
#include "prompt/prompt.h"
#include "vrml_read/vrml_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantor;
    static const bool limited = [] {
        // Small inputs only: a large mesh is slow, not interesting.
        DefaultImportLimits().maxSeconds = 10;
        return true;
    }();
    (void)limited;
    const std::string path = fuzz::WriteScratchFile("input" FUZZ_EXTENSION, data, size);
    ScriptedPrompt prompt;
    VrmlReader reader;
    ReadModelFile(reader, path, prompt, fuzz::ScratchFolder() + "/reading.log");
    return 0;
}
