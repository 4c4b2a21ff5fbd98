// Files that declare absurd sizes or nest absurdly deep: read within
// bounded memory and stack, with a note in the reading log, and written
// back without trouble. And every file in tests/inputs/hardening/, each of
// which once crashed, hung or upset a sanitizer (its name says how), put
// through what the fuzz targets do: the model reader (VRML, or a mesh format
// by its extension), a save in both modes with a re-read, and both
// binding-file readers.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bindings/binding_table.h"
#include "bindings/config_reader.h"
#include "bindings/read_config.h"
#include "glu_triangulator.h"
#include "import/model_import.h"
#include "prompt/prompt.h"
#include "support/scratch_folder.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_write/save_scene.h"

namespace vantor {
namespace {

using testing::ReadText;
using testing::ScratchFolder;
using testing::WriteText;

constexpr int kAbsurdDepth = 20000;

struct Outcome {
    VrmlReader reader;
    std::string log;
};

// Reads `text` as a file, checks the reading ended normally, and saves and
// re-reads the scene in both writer modes.
void ReadWriteAndReread(const std::string& text, Outcome& outcome) {
    VrmlReader& reader = outcome.reader;
    ScratchFolder folder;
    const std::string path = folder / "input.wrl";
    const std::string logPath = folder / "log.txt";
    WriteText(path, text);
    ScriptedPrompt prompt;
    ASSERT_EQ(reader.ReadVrmlFile(path, prompt, logPath), 1);
    outcome.log = ReadText(logPath);
    for (int mode : {kSaveTopData, kSaveNewData}) {
        const std::string out = folder / "out.wrl";
        ASSERT_TRUE(SaveScene(reader, out, mode).saved()) << "mode " << mode;
        VrmlReader again;
        EXPECT_EQ(again.ReadVrmlFile(out, prompt, folder / "log2.txt"), 1) << "mode " << mode;
    }
}

size_t RowsOfKind(const SceneData& scene, int32_t kind) {
    size_t count = 0;
    for (int32_t i = 0; i < scene.nodeCount; ++i) count += scene.Row(i).kind == kind;
    return count;
}

std::string Nested(const char* header, const char* open, const char* leaf, const char* close,
                   int depth) {
    std::string text = header;
    for (int i = 0; i < depth; ++i) text += open;
    text += leaf;
    for (int i = 0; i < depth; ++i) text += close;
    return text + "\n";
}

// Reading goes on after the cut: the Sphere after the nest is kept.
TEST(ResourceLimits, NestingThousandsDeep) {
    {
        SCOPED_TRACE("VRML 1.0 Separators");
        Outcome o;
        ReadWriteAndReread(
            Nested("#VRML V1.0 ascii\n", "Separator { ", "Cube { } ", "}", kAbsurdDepth) +
                "Sphere { }\n",
            o);
        EXPECT_NE(o.log.find("Caution groups nested too deep, skipped ##Separator##\r\n"),
                  std::string::npos);
        EXPECT_EQ(RowsOfKind(o.reader, kind::Separator), 1000u) << "groups past the limit go";
        EXPECT_EQ(RowsOfKind(o.reader, kind::Sphere), 1u);
        EXPECT_EQ(o.reader.depth, 0);
    }
    {
        SCOPED_TRACE("VRML 1.0 mixed groups");
        Outcome o;
        ReadWriteAndReread(
            Nested("#VRML V1.0 ascii\n", "Group { TransformSeparator { Switch { whichChild -3 ",
                   "Sphere { } ", "}}}", kAbsurdDepth / 3),
            o);
        EXPECT_FALSE(o.log.empty());
    }
    {
        SCOPED_TRACE("VRML 2.0 Groups");
        Outcome o;
        ReadWriteAndReread(Nested("#VRML V2.0 utf8\n", "Group { children [ ",
                                  "Shape { geometry Box { } }", " ] }", kAbsurdDepth) +
                               "Shape { geometry Sphere { } }\n",
                           o);
        EXPECT_NE(o.log.find("nesting deeper than"), std::string::npos);
        EXPECT_EQ(RowsOfKind(o.reader, kind::Sphere2), 1u);
    }
    {
        SCOPED_TRACE("VRML 2.0 Transforms");
        Outcome o;
        ReadWriteAndReread(Nested("#VRML V2.0 utf8\n", "Transform { children [ ",
                                  "Shape { geometry Box { } } ", "}", kAbsurdDepth) +
                               std::string(size_t(kAbsurdDepth), ']'),
                           o);
        EXPECT_FALSE(o.log.empty());
    }
    {
        SCOPED_TRACE("VRML 2.0 geometry nodes inside each other");
        Outcome o;
        ReadWriteAndReread(
            Nested("#VRML V2.0 utf8\n", "Shape { geometry ", "Box { } ", "}", kAbsurdDepth), o);
    }
}

// A fault in a PROTO's body repeats at every instance: each message box
// comes up once a read, and the log stops at its limit with a notice.
TEST(ResourceLimits, FaultsRepeatedByPrototypeInstances) {
    std::string text =
        "#VRML V2.0 utf8\nPROTO P [ ] { Group { children [ "
        "Inline { url \"missing.wrl\" } Inline x ] } }\n";
    for (int i = 0; i < 60000; ++i) text += "P { }\n";
    ScratchFolder folder;
    WriteText(folder / "input.wrl", text);
    ScriptedPrompt prompt;
    prompt.messageAnswers.assign(8, PromptAnswer::Cancel);
    VrmlReader reader;
    ASSERT_EQ(reader.ReadVrmlFile(folder / "input.wrl", prompt, folder / "log.txt"), 1);
    EXPECT_EQ(prompt.shown.size(), 3u)
        << "the missing file's question, its refusal, the broken Inline";
    const std::string log = ReadText(folder / "log.txt");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 100001);
    EXPECT_TRUE(log.ends_with("the rest left out\r\n"));
}

// Each file in tests/inputs/resource_limits/ declares far more than it
// gives; `note` is what the log says.
TEST(ResourceLimits, AbsurdDeclaredSizes) {
    const std::pair<const char*, const char*> cases[] = {
        {"elevation_grid_declaring_ten_billion_heights", "iXDimension = 100000"},
        {"elevation_grid_size_overflowing_32_bits", ""},
        {"switch_choosing_child_two_billion", ""},
        {"pixel_texture_declaring_forty_gigabytes", "image size 100000 x 100000 x 4 refused"},
        {"texture2_image_with_five_components", "image size 3 x 1 x 5 refused"},
    };
    for (const auto& [name, note] : cases) {
        SCOPED_TRACE(name);
        Outcome o;
        ReadWriteAndReread(
            ReadText(std::string(VANTOR_TEST_INPUTS) + "/resource_limits/" + name + ".wrl"), o);
        EXPECT_NE(o.log.find(note), std::string::npos) << o.log;
    }
}

TEST(ResourceLimits, ListsOfMillionsOfEntries) {
    constexpr int kEntries = 1000000;
    {
        SCOPED_TRACE("a million out-of-range face indices");
        Outcome o;
        std::string text =
            "#VRML V1.0 ascii\nCoordinate3 { point [ 0 0 0, 1 0 0, 0 1 0 ] }\n"
            "IndexedFaceSet { coordIndex [ ";
        text.reserve(size_t(kEntries) * 12);
        for (int i = 0; i < kEntries; ++i) text += "2000000000, ";
        text += "-1 ] }\n";
        ReadWriteAndReread(text, o);
    }
    {
        SCOPED_TRACE("a VRML 2.0 Switch with a million choices");
        Outcome o;
        std::string text = "#VRML V2.0 utf8\nSwitch { whichChoice 999999 choice [ ";
        for (int i = 0; i < kEntries; ++i) text += "Group { } ";
        text += "] }\n";
        ReadWriteAndReread(text, o);
        EXPECT_FALSE(o.log.empty()) << "choices beyond the old limit are noted";
    }
    {
        SCOPED_TRACE("a million one-point faces");
        Outcome o;
        std::string text =
            "#VRML V2.0 utf8\nShape { geometry IndexedFaceSet {\n"
            "coord Coordinate { point [ 0 0 0, 1 0 0, 0 1 0 ] } coordIndex [ ";
        for (int i = 0; i < kEntries; ++i) text += "0 -1 ";
        text += "] } }\n";
        ReadWriteAndReread(text, o);
    }
}

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
    InstallGluTriangulator();  // as the programs read, concave faces included
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
