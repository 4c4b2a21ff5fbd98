// Every file in tests/inputs/hardening/ once crashed, hung or upset a
// sanitizer (its name says how). Each goes through what the fuzz targets
// do: the model reader (VRML, or a mesh format by its extension), a save
// in both modes with a re-read, and both binding-file readers.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bindings/binding_table.h"
#include "bindings/config_reader.h"
#include "bindings/read_config.h"
#include "import/model_import.h"
#include "prompt/prompt.h"
#include "support/scratch_folder.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_write/save_scene.h"

namespace vantor {
namespace {

using testing::ReadText;
using testing::ScratchFolder;

std::vector<std::filesystem::path> RegressionInputs() {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder = std::filesystem::path(VANTOR_TEST_INPUTS) / "hardening";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(RegressionInputs, ReadSaveAndRereadEveryVrmlInput) {
    if (RegressionInputs().empty()) GTEST_SKIP() << "no regression inputs";
    for (const auto& input : RegressionInputs()) {
        if (input.extension() == ".cfg") continue;
        SCOPED_TRACE(input.filename().string());
        ScratchFolder folder;
        // The reader works on a copy, beside the inline children some
        // inputs name.
        const std::string path = folder / ("input" + input.extension().string());
        std::filesystem::copy_file(input, path);
        for (const auto& child : {"child1.wrl", "child2.wrl"}) {
            const auto source = input.parent_path() / "children" / child;
            if (std::filesystem::exists(source)) std::filesystem::copy_file(source, folder / child);
        }
        VrmlReader reader;
        ScriptedPrompt prompt;
        if (ReadModelFile(reader, path, prompt, folder / "log.txt") < 0) continue;
        for (int mode : {kSaveTopData, kSaveNewData}) {
            const std::string out = folder / "written.wrl";
            if (!SaveScene(reader, out, mode).saved()) continue;
            VrmlReader again;
            EXPECT_EQ(again.ReadVrmlFile(out, prompt, folder / "log.txt"), 1) << "mode " << mode;
        }
    }
}

TEST(RegressionInputs, BothBindingReadersTakeEveryInput) {
    if (RegressionInputs().empty()) GTEST_SKIP() << "no regression inputs";
    for (const auto& input : RegressionInputs()) {
        SCOPED_TRACE(input.filename().string());
        BindingTable table;
        ScriptedPrompt prompt;
        prompt.messageAnswers.assign(16, PromptAnswer::Cancel);
        ConfigReader reader(table, prompt);
        EXPECT_EQ(reader.ReadConfigFile(input.string()), 1);

        CReadConfig setupReader;
        setupReader.Pellowen01(ReadText(input.string()), &prompt);
        EXPECT_LE(setupReader.m_iNodeMax, CReadConfig::kEntryCount);
        std::string name, value;
        for (int i = 0; i < setupReader.m_iNodeMax; ++i) setupReader.GetNodeData(i, name, value);
    }
}

}  // namespace
}  // namespace vantor
