// Reads one input as a binding file through both readers: the viewer's
// ConfigReader (from the file, so loading and preparation run too) and the
// setup tool's CReadConfig.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "bindings/binding_table.h"
#include "bindings/config_reader.h"
#include "bindings/read_config.h"
#include "fuzz_scratch.h"
#include "prompt/prompt.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vantor;
    const std::string path = fuzz::WriteScratchFile("Config.cfg", data, size);

    BindingTable table;
    ScriptedPrompt prompt;  // every dialog is cancelled
    ConfigReader reader(table, prompt);
    reader.ReadConfigFile(path);

    CReadConfig setupReader;
    setupReader.Pellowen01(std::string_view(reinterpret_cast<const char*>(data), size), &prompt);
    std::string name, value;
    for (int i = -1; i <= setupReader.m_iNodeMax; ++i) setupReader.GetNodeData(i, name, value);
    return 0;
}
