#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "reader_test_support.h"
#include "scene/node_kind.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {
namespace {

using testing::Contains;
using testing::FaceIndices;
using testing::ReadText;
using testing::RowsOfKind;
using testing::ScratchFolder;

const std::string kHeader = "#VRML V1.0 ascii\n";
const std::string kInputs = std::string(VANTOR_TEST_INPUTS) + "/vrml_read/inline/";

std::string Inline(const std::string& name) {
    return "WWWInline { name \"" + name + "\" }\n";
}

TEST(VrmlInline, ChildFilesAreReadOnceWithTheirOwnFileIndex) {
    ScratchFolder folder("inline_once");
    const std::string top = kInputs + "top.wrl";
    VrmlReader reader;
    ScriptedPrompt prompt;
    ASSERT_EQ(reader.ReadVrmlFile(top, prompt, folder.LogPath()), 1);
    EXPECT_TRUE(prompt.shown.empty());
    ASSERT_EQ(reader.fileCount, 2);
    const FileRecord child = reader.FileRecordAt(1);
    EXPECT_EQ(child.name, "child.wrl");
    EXPECT_EQ(child.path, kInputs + "parts/child.wrl");
    EXPECT_EQ(child.version, kVrmlVersion1);

    const auto inlines = RowsOfKind(reader, kind::WWWInline);
    ASSERT_EQ(inlines.size(), 2u);
    EXPECT_EQ(reader.Row(inlines[0]).dataBegin, 1);
    EXPECT_EQ(reader.Row(inlines[1]).dataBegin, 1);  // the known file is not read again
    EXPECT_EQ(reader.Row(inlines[1]).dataEnd, inlines[1] + 1);
    EXPECT_EQ(child.firstRow, inlines[0] + 1);
    EXPECT_EQ(child.endRow, reader.Row(inlines[0]).dataEnd);
    EXPECT_EQ(reader.Row(child.firstRow).fileIndex, 1);

    // The child's Coordinate3 does not govern the parent's face set.
    const auto faceSets = RowsOfKind(reader, kind::IndexedFaceSet);
    ASSERT_EQ(faceSets.size(), 1u);
    EXPECT_EQ(FaceIndices(reader, faceSets[0]), (std::vector<int32_t>{0, 1, 2}));
    // The child's complaints go to the same log.
    EXPECT_TRUE(Contains(ReadText(folder.LogPath()), "##Mystery##"));
    EXPECT_EQ(reader.inlineLevel, 1);
    EXPECT_EQ(reader.depth, 0);
}

TEST(VrmlInline, CirculationAndNestingLimit) {
    ScratchFolder folder("inline_circle");
    {
        const std::string self = kInputs + "circle/self.wrl";
        VrmlReader reader;
        ScriptedPrompt prompt;
        ASSERT_EQ(reader.ReadVrmlFile(self, prompt, folder.LogPath()), 1);
        ASSERT_EQ(prompt.shown.size(), 1u);
        EXPECT_EQ(prompt.shown[0].text,
                  "We found Circulation Error about WWWInline Data Name ," + self);
        EXPECT_EQ(prompt.shown[0].caption, "Error");
        EXPECT_TRUE(RowsOfKind(reader, kind::WWWInline).empty());
        EXPECT_EQ(RowsOfKind(reader, kind::Cube).size(), 1u);
    }
    {
        const std::string a = kInputs + "circle/a.wrl";
        VrmlReader reader;
        ScriptedPrompt prompt;
        ASSERT_EQ(reader.ReadVrmlFile(a, prompt, folder.LogPath()), 1);
        ASSERT_EQ(prompt.shown.size(), 1u);
        EXPECT_TRUE(Contains(prompt.shown[0].text, "Circulation"));
        EXPECT_EQ(reader.fileCount, 2);
        EXPECT_EQ(RowsOfKind(reader, kind::Sphere).size(), 1u);
    }
    {
        // Eleven files deep: the chain holds ten names, so the last is refused.
        const std::string first = kInputs + "circle/n0.wrl";
        VrmlReader reader;
        ScriptedPrompt prompt;
        ASSERT_EQ(reader.ReadVrmlFile(first, prompt, folder.LogPath()), 1);
        ASSERT_EQ(prompt.shown.size(), 1u);
        EXPECT_TRUE(Contains(prompt.shown[0].text, "Circulation"));
        EXPECT_EQ(reader.fileCount, 10);
        EXPECT_TRUE(RowsOfKind(reader, kind::Cube).empty());
    }
}

TEST(VrmlInline, RefusedMissingAndChosenFiles) {
    ScratchFolder folder("inline_missing");
    const std::string dir = kInputs + "missing/", top = dir + "top.wrl";
    {
        VrmlReader reader;
        ScriptedPrompt prompt;
        prompt.messageAnswers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Cancel};
        ASSERT_EQ(reader.ReadVrmlFile(top, prompt, folder.LogPath()), 1);
        const std::string log = ReadText(folder.LogPath());
        EXPECT_TRUE(Contains(
            log, " Caution in WWWInline Filename = ##model.obj## We support only .wrl\r\n"));
        EXPECT_TRUE(Contains(log, "このファイルの読み出しはキャンセルされました\r\n"));
        ASSERT_EQ(prompt.shown.size(), 4u);
        EXPECT_EQ(prompt.shown[0].text, "So We only support .wrl file :model.obj");
        EXPECT_EQ(prompt.shown[1].text,
                  dir + "missing.wrl" + "は存在しません。ファイルを探す場合はＯＫを押して下さい");
        EXPECT_EQ(prompt.shown[1].buttons, PromptButtons::OkCancel);
        EXPECT_EQ(prompt.shown[2].text, "missing.wrlの選択を続けますか？");
        EXPECT_EQ(prompt.shown[2].caption, "警告");
        EXPECT_EQ(prompt.shown[3].text, "File Open is canceled :missing.wrl");
        ASSERT_EQ(prompt.fileFilters.size(), 1u);
        EXPECT_EQ(prompt.fileFilters[0], "VRML Files (*.wrl)|*.wrl|All Files (*.*)|*.*||");
        // Files that were not read still have records, with empty row ranges.
        ASSERT_EQ(reader.fileCount, 3);
        EXPECT_EQ(reader.FileRecordAt(2).firstRow, 0);
        EXPECT_EQ(reader.FileRecordAt(2).endRow, 0);
        EXPECT_TRUE(RowsOfKind(reader, kind::Cube).empty());
    }
    {
        VrmlReader reader;
        ScriptedPrompt prompt;
        prompt.fileAnswers = {dir + "elsewhere/found.wrl"};
        ASSERT_EQ(reader.ReadVrmlFile(top, prompt, folder.LogPath()), 1);
        EXPECT_EQ(RowsOfKind(reader, kind::Sphere).size(), 1u);
        EXPECT_EQ(reader.FileRecordAt(2).path, dir + "elsewhere/found.wrl");
    }
}

TEST(VrmlInline, WindowsNamesCaseAndGzip) {
    ScratchFolder folder("inline_paths");
    folder.Write("a/x.wrl", kHeader + "Cube { }\n");
    folder.Write("a/b/Parts/Child.wrl", kHeader + "Sphere { }\n");
    folder.Write("a/b/c/Upper.WRL", kHeader + "Cylinder { }\n");
    const std::string top = folder.Write(
        "a/b/c/top.wrl", kHeader + Inline("..\\..\\x.wrl") + Inline("../parts/child.wrl") +
                             Inline("packed.wrl") + Inline("Upper.WRL") + Inline("packed.wrz") +
                             Inline("packed.wrl.gz"));
    // The gzip forms of an inline name, as of a top file.
    for (const char* name : {"packed.wrl", "packed.wrz", "packed.wrl.gz"}) {
        gzFile gz = gzopen(folder.Path(std::string("a/b/c/") + name).c_str(), "wb");
        const std::string content = kHeader + "Cone { }\n";
        gzwrite(gz, content.data(), unsigned(content.size()));
        gzclose(gz);
    }

    VrmlReader reader;
    ScriptedPrompt prompt;
    ASSERT_EQ(reader.ReadVrmlFile(top, prompt, folder.LogPath()), 1);
    EXPECT_TRUE(prompt.shown.empty());
    ASSERT_EQ(reader.fileCount, 7);
    EXPECT_EQ(reader.FileRecordAt(1).path, folder.Path("a/x.wrl"));
    EXPECT_EQ(reader.FileRecordAt(2).path, folder.Path("a/b/Parts/Child.wrl"));
    EXPECT_EQ(RowsOfKind(reader, kind::Cube).size(), 1u);
    EXPECT_EQ(RowsOfKind(reader, kind::Sphere).size(), 1u);
    EXPECT_EQ(RowsOfKind(reader, kind::Cylinder).size(), 1u);
    EXPECT_EQ(RowsOfKind(reader, kind::Cone).size(), 3u);
}

TEST(VrmlInline, AddFileToDataAppendsAFreshRead) {
    ScratchFolder folder("assembly");
    const std::string first = kInputs + "assembly/first.wrl",
                      second = kInputs + "assembly/second.wrl";
    VrmlReader scene;
    ScriptedPrompt prompt;
    ASSERT_EQ(scene.ReadVrmlFile(first, prompt, folder.LogPath()), 1);
    ASSERT_EQ(AddFileToData(scene, second, prompt, folder.LogPath()), 1);
    EXPECT_EQ(scene.fileCount, 2);
    EXPECT_EQ(scene.assemblyFlag, 1);
    const auto roots = RowsOfKind(scene, kind::VrmlData);
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_EQ(scene.Row(roots[1]).fileIndex, 1);
    EXPECT_EQ(RowsOfKind(scene, kind::Sphere).size(), 1u);
    EXPECT_EQ(AddFileToData(scene, folder.Path("none.wrl"), prompt, folder.LogPath()), -1);
    EXPECT_EQ(scene.fileCount, 2);
}

}  // namespace
}  // namespace vantor
