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
using testing::Read;
using testing::ReadFile;
using testing::ReadInput;
using testing::RowsOfKind;
using testing::ScratchFolder;

const std::string kHeader = "#VRML V1.0 ascii\n";
const std::string kInputs = std::string(VANTOR_TEST_INPUTS) + "/vrml_read/inline/";

std::string Inline(const std::string& name) {
    return "WWWInline { name \"" + name + "\" }\n";
}

TEST(VrmlInline, ChildFilesAreReadOnceWithTheirOwnFileIndex) {
    ScratchFolder folder("inline_once");
    Read read;
    ReadInput(read, folder, "inline/top.wrl");
    const VrmlReader& reader = read.reader;
    ASSERT_EQ(read.result, 1);
    EXPECT_TRUE(read.prompt.shown.empty());
    ASSERT_EQ(reader.fileCount, 2);
    const FileRecord child = reader.FileRecordAt(1);
    EXPECT_EQ(child.name, "child.wrl");
    EXPECT_EQ(child.path, kInputs + "parts/child.wrl");
    EXPECT_EQ(child.version, kVrmlVersion1);

    // Both inline rows name file 1; the second, already known, is not read
    // again. The child's rows carry its file index.
    testing::ExpectRows(reader, "inline_top");
    const auto inlines = RowsOfKind(reader, kind::WWWInline);
    EXPECT_EQ(child.firstRow, inlines.at(0) + 1);
    EXPECT_EQ(child.endRow, reader.Row(inlines[0]).dataEnd);

    // The child's Coordinate3 does not govern the parent's face set.
    const auto faceSets = RowsOfKind(reader, kind::IndexedFaceSet);
    ASSERT_EQ(faceSets.size(), 1u);
    EXPECT_EQ(FaceIndices(reader, faceSets[0]), (std::vector<int32_t>{0, 1, 2}));
    // The child's complaints go to the same log.
    EXPECT_TRUE(Contains(read.log, "##Mystery##"));
    EXPECT_EQ(reader.inlineLevel, 1);
    EXPECT_EQ(reader.depth, 0);
}

TEST(VrmlInline, CirculationAndNestingLimit) {
    ScratchFolder folder("inline_circle");
    // A file inlining itself, two inlining each other, and eleven files deep
    // (the chain holds ten names, so the last is refused): one message each.
    const struct {
        const char* file;
        int32_t files, kind;
        size_t rows;
    } cases[] = {{"self", 1, kind::Cube, 1}, {"a", 2, kind::Sphere, 1}, {"n0", 10, kind::Cube, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Read read;
        ReadInput(read, folder, "inline/circle/" + std::string(c.file) + ".wrl");
        ASSERT_EQ(read.result, 1);
        ASSERT_EQ(read.prompt.shown.size(), 1u);
        EXPECT_TRUE(Contains(read.prompt.shown[0].text, "Circulation"));
        EXPECT_EQ(read.prompt.shown[0].caption, "Error");
        EXPECT_EQ(read.reader.fileCount, c.files);
        EXPECT_EQ(RowsOfKind(read.reader, c.kind).size(), c.rows);
        if (c.files == 1) {
            EXPECT_EQ(read.prompt.shown[0].text,
                      "We found Circulation Error about WWWInline Data Name ," + kInputs +
                          "circle/self.wrl");
            EXPECT_TRUE(RowsOfKind(read.reader, kind::WWWInline).empty());
        }
    }
}

TEST(VrmlInline, RefusedMissingAndChosenFiles) {
    ScratchFolder folder("inline_missing");
    const std::string dir = kInputs + "missing/";
    Read read;
    read.prompt.messageAnswers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Cancel};
    ReadInput(read, folder, "inline/missing/top.wrl");
    ASSERT_EQ(read.result, 1);
    EXPECT_TRUE(Contains(
        read.log, " Caution in WWWInline Filename = ##model.obj## We support only .wrl\r\n"));
    EXPECT_TRUE(Contains(read.log, "このファイルの読み出しはキャンセルされました\r\n"));
    const std::vector<ShownMessage>& shown = read.prompt.shown;
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].text, "So We only support .wrl file :model.obj");
    EXPECT_EQ(shown[1].text,
              dir + "missing.wrl" + "は存在しません。ファイルを探す場合はＯＫを押して下さい");
    EXPECT_EQ(shown[1].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(shown[2].text, "missing.wrlの選択を続けますか？");
    EXPECT_EQ(shown[2].caption, "警告");
    EXPECT_EQ(shown[3].text, "File Open is canceled :missing.wrl");
    ASSERT_EQ(read.prompt.fileFilters.size(), 1u);
    EXPECT_EQ(read.prompt.fileFilters[0], "VRML Files (*.wrl)|*.wrl|All Files (*.*)|*.*||");
    // Files that were not read still have records, with empty row ranges.
    ASSERT_EQ(read.reader.fileCount, 3);
    EXPECT_EQ(read.reader.FileRecordAt(2).firstRow, 0);
    EXPECT_EQ(read.reader.FileRecordAt(2).endRow, 0);
    EXPECT_TRUE(RowsOfKind(read.reader, kind::Cube).empty());

    Read chosen;
    chosen.prompt.fileAnswers = {dir + "elsewhere/found.wrl"};
    ReadInput(chosen, folder, "inline/missing/top.wrl");
    EXPECT_EQ(RowsOfKind(chosen.reader, kind::Sphere).size(), 1u);
    EXPECT_EQ(chosen.reader.FileRecordAt(2).path, dir + "elsewhere/found.wrl");
}

TEST(VrmlInline, WindowsNamesCaseAndGzip) {
    ScratchFolder folder("inline_paths");
    folder.Write("a/x.wrl", kHeader + "Cube { }\n");
    folder.Write("a/b/Parts/Child.wrl", kHeader + "Sphere { }\n");
    folder.Write("a/b/c/Upper.WRL", kHeader + "Cylinder { }\n");
    // The gzip forms of an inline name, as of a top file.
    for (const char* name : {"packed.wrl", "packed.wrz", "packed.wrl.gz"}) {
        gzFile gz = gzopen(folder.Path(std::string("a/b/c/") + name).c_str(), "wb");
        const std::string content = kHeader + "Cone { }\n";
        gzwrite(gz, content.data(), unsigned(content.size()));
        gzclose(gz);
    }
    Read read;
    ReadFile(read, folder,
             kHeader + Inline("..\\..\\x.wrl") + Inline("../parts/child.wrl") +
                 Inline("packed.wrl") + Inline("Upper.WRL") + Inline("packed.wrz") +
                 Inline("packed.wrl.gz"),
             "a/b/c/top.wrl");
    const VrmlReader& reader = read.reader;
    ASSERT_EQ(read.result, 1);
    EXPECT_TRUE(read.prompt.shown.empty());
    ASSERT_EQ(reader.fileCount, 7);
    EXPECT_EQ(reader.FileRecordAt(1).path, folder.Path("a/x.wrl"));
    EXPECT_EQ(reader.FileRecordAt(2).path, folder.Path("a/b/Parts/Child.wrl"));
    for (int32_t k : {kind::Cube, kind::Sphere, kind::Cylinder})
        EXPECT_EQ(RowsOfKind(reader, k).size(), 1u) << k;
    EXPECT_EQ(RowsOfKind(reader, kind::Cone).size(), 3u);
}

TEST(VrmlInline, AddFileToDataAppendsAFreshRead) {
    ScratchFolder folder("assembly");
    Read read;
    ReadInput(read, folder, "inline/assembly/first.wrl");
    ASSERT_EQ(read.result, 1);
    VrmlReader& scene = read.reader;
    ScriptedPrompt& prompt = read.prompt;
    ASSERT_EQ(AddFileToData(scene, kInputs + "assembly/second.wrl", prompt, folder.LogPath()), 1);
    EXPECT_EQ(scene.fileCount, 2);
    EXPECT_EQ(scene.assemblyFlag, 1);
    testing::ExpectRows(scene, "assembly");  // a second root row in file 1
    EXPECT_EQ(AddFileToData(scene, folder.Path("none.wrl"), prompt, folder.LogPath()), -1);
    EXPECT_EQ(scene.fileCount, 2);
}

}  // namespace
}  // namespace vantor
