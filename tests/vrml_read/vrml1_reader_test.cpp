#include <gtest/gtest.h>

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

const std::string kInputs = std::string(VANTOR_TEST_INPUTS) + "/vrml_read/";

// Reads tests/inputs/vrml_read/vrml1/<name> and returns the log text.
std::string ReadInput(VrmlReader& reader, const std::string& name) {
    ScratchFolder folder(name);
    ScriptedPrompt prompt;
    EXPECT_EQ(reader.ReadVrmlFile(kInputs + "vrml1/" + name, prompt, folder.LogPath()), 1);
    return ReadText(folder.LogPath());
}

TEST(Vrml1Reader, HeaderAndEmptyFiles) {
    ScratchFolder folder("header");
    const struct {
        const char* file;
        const char* message;
    } refused[] = {{"header_only_16_bytes.wrl", "This Data is EMPTY !! "},
                   {"v1_utf8_header_rejected.wrl", " This Version Only Support VRML 1.0 & 2.0"}};
    for (const auto& r : refused) {
        VrmlReader reader;
        ScriptedPrompt prompt;
        EXPECT_EQ(reader.ReadVrmlFile(kInputs + r.file, prompt, folder.LogPath()), -1) << r.file;
        ASSERT_EQ(prompt.shown.size(), 1u);
        EXPECT_EQ(prompt.shown[0].text, r.message);
        EXPECT_EQ(prompt.shown[0].caption, "Caution");
        EXPECT_TRUE(reader.IsEmpty());
    }
    {
        VrmlReader reader;
        ScriptedPrompt prompt;
        EXPECT_EQ(reader.ReadVrmlFile(kInputs + "header_and_newline_17_bytes.wrl", prompt,
                                      folder.LogPath()),
                  1);
        EXPECT_TRUE(prompt.shown.empty());
        EXPECT_EQ(reader.fileCount, 1);
        EXPECT_EQ(reader.version, kVrmlVersion1);
        // Root, default material and default matrix.
        testing::ExpectRows(reader, "header_and_newline_17_bytes");
    }
}

TEST(Vrml1Reader, FacesAreFannedAndOffsetByTheGoverningCoordinates) {
    ScratchFolder folder("fan");
    VrmlReader reader;
    ScriptedPrompt prompt;
    ASSERT_EQ(reader.ReadVrmlFile(kInputs + "fan_and_scoping.wrl", prompt, folder.LogPath()), 1);
    EXPECT_EQ(ReadText(folder.LogPath()), "");

    // Group blocks hold their child ranges; only a name that starts with the
    // prefix makes a dimension group; the Material inside the first Separator
    // does not leak: every group saved material 0.
    testing::ExpectRows(reader, "fan_and_scoping");
    EXPECT_EQ(reader.materialCount, 1);
    EXPECT_EQ(reader.MaterialRow(1)[5], 1.0f);
    EXPECT_EQ(reader.currentMaterial, 0);
    EXPECT_EQ(reader.pointCount, 21);
    const auto faceSets = RowsOfKind(reader, kind::IndexedFaceSet);
    ASSERT_EQ(faceSets.size(), 2u);
    // Quad 0 1 2 3 becomes (0,1,2) and (0,2,3).
    EXPECT_EQ(FaceIndices(reader, faceSets[0]), (std::vector<int32_t>{0, 1, 2, 0, 2, 3}));
    // The second Coordinate3 (4 points later) governs across the Separators.
    EXPECT_EQ(FaceIndices(reader, faceSets[1]), (std::vector<int32_t>{4, 5, 6}));
    EXPECT_EQ(reader.Block(reader.Row(faceSets[0]).dataBegin)[0], 2.0f);  // normals made afterwards
}

TEST(Vrml1Reader, FacesThatWouldIndexOutsideThePoolsAreDropped) {
    VrmlReader reader;
    const std::string log =
        ReadInput(reader, "faces_that_would_index_outside_the_pools_are_dropped.wrl");
    const auto faceSets = RowsOfKind(reader, kind::IndexedFaceSet);
    ASSERT_EQ(faceSets.size(), 2u);
    EXPECT_EQ(FaceIndices(reader, faceSets[0]),
              (std::vector<int32_t>{0, 1, 2, 3, 2, 1, 3, 1, 0, 2, 3, 0}));
    EXPECT_EQ(FaceIndices(reader, faceSets[1]), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_TRUE(Contains(log, "Needs At Least three Data POINTs ! \r\n"));
    EXPECT_TRUE(Contains(log, "index ##7##"));
    EXPECT_TRUE(Contains(log, "index ##-5##"));
    EXPECT_TRUE(Contains(log, "There must be some mistake in Data about IndexedFaceSet 01 ##x##"));
}

TEST(Vrml1Reader, NormalIndicesPairWithCoordinateIndices) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "normal_indices_pair_with_coordinate_indices.wrl");
    const auto faceSets = RowsOfKind(reader, kind::IndexedFaceSet);
    ASSERT_EQ(faceSets.size(), 2u);
    const float* withNormals = reader.Block(reader.Row(faceSets[0]).dataBegin);
    EXPECT_EQ(withNormals[0], 1.0f);
    std::vector<int32_t> normals;
    for (int i = int(withNormals[3]); i < int(withNormals[4]); ++i)
        normals.push_back(reader.normalIndexPool[i]);
    EXPECT_EQ(normals, (std::vector<int32_t>{1, 1, 0, 1, 0, 0}));
    // A normal list shaped differently from the faces is ignored, so the
    // preparation gives the set normals of its own (state 2 after it).
    EXPECT_TRUE(Contains(log, "normalIndex does not match coordIndex"));
    EXPECT_EQ(reader.Block(reader.Row(faceSets[1]).dataBegin)[0], 2.0f);
}

TEST(Vrml1Reader, MaterialsTransformsAndPrimitives) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "materials_transforms_and_primitives.wrl");
    const float* material = reader.MaterialRow(1);
    EXPECT_EQ(material[0], 1.0f);
    EXPECT_FLOAT_EQ(material[3], 0.3f);
    EXPECT_FLOAT_EQ(material[5], 0.8f);  // two colours: the default stays
    EXPECT_FLOAT_EQ(material[17], 0.5f);
    EXPECT_TRUE(Contains(log, "Caution in switch Material F_DIFFUSECOLOR !\r\n"));

    // The last row of each kind: places in its block and their values. The
    // angle stays in degrees, scaleOrientation defaults to the z axis, a
    // negative depth is logged and stored as read.
    const std::pair<int32_t, std::vector<std::pair<int, float>>> blocks[] = {
        {kind::Transform, {{0, 1}, {6, 90}, {7, 2}, {12, 1}}},
        {kind::Rotation, {{3, 180}}},
        {kind::MatrixTransform, {{12, 7}, {15, 1}}},
        {kind::Cube, {{0, 4}, {1, 2}, {2, -1}}},
        {kind::Cylinder, {{0, 1}, {1, 3}, {2, 2}}},
        {kind::Cone, {{1, 2}, {2, 5}}},
        {kind::Sphere, {{0, 0.5f}}}};
    for (const auto& [k, places] : blocks) {
        const float* block = reader.Block(reader.Row(RowsOfKind(reader, k).back()).dataBegin);
        for (const auto& [at, value] : places)
            EXPECT_NEAR(block[at], value, 1e-3) << KindName(k) << " " << at;
    }
    EXPECT_TRUE(Contains(log, "Caution in  Cube depth  ch = ##-1## \r\n"));
    EXPECT_EQ(reader.Row(RowsOfKind(reader, kind::ShapeHints)[0]).dataBegin, 1);
}

TEST(Vrml1Reader, UnknownAndUnsupportedNodesAreSkippedWhole) {
    VrmlReader reader;
    const std::string log =
        ReadInput(reader, "unknown_and_unsupported_nodes_are_skipped_whole.wrl");
    EXPECT_TRUE(Contains(log, " mistake in Data about None ch = ##Mystery## cDEF = ##odd##\r\n"));
    EXPECT_TRUE(Contains(log, "##FontStyle##"));
    EXPECT_TRUE(Contains(log, "Caution in MakeVrmlList01 Brace 0\r\n"));
    testing::ExpectRows(reader, "unknown_and_unsupported_nodes_are_skipped_whole");
}

TEST(Vrml1Reader, GroupsSwitchLodAndUnmatchedBrace) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "groups_switch_lod_and_unmatched_brace.wrl");
    // The first Switch chooses the Group and its Sphere; the LOD keeps only
    // its first level; the unmatched "}" ends the file before the last Cube.
    testing::ExpectRows(reader, "groups_switch_lod_and_unmatched_brace");
    EXPECT_TRUE(Contains(
        log, " The Number of whichChild in Switch is  NOT correct !! iCount = 1 ,whitchCild = 5"));
    EXPECT_EQ(reader.depth, 0);
}

TEST(Vrml1Reader, UseRefersToEarlierDefsOfTheSameFile) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "use_refers_to_earlier_defs_of_the_same_file.wrl");
    // Each USE row names its target row and its record; a named USE keeps its name.
    testing::ExpectRows(reader, "use_refers_to_earlier_defs_of_the_same_file");
    EXPECT_EQ(reader.DefUseRecordAt(0).name, "part");
    EXPECT_EQ(reader.DefUseRecordAt(0).row, 3);
    EXPECT_EQ(reader.defUseCount, 2);
    EXPECT_TRUE(Contains(log,
                         " Caution ! We cannot find  the DEF Name ##nowhere## for USE in File "
                         "use_refers_to_earlier_defs_of_the_same_file.wrl\r\n"));
    EXPECT_TRUE(Contains(log, "##Part##"));  // names are case-sensitive
}

TEST(Vrml1Reader, TextInfoLinesAndPoints) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "text_info_lines_and_points.wrl");
    EXPECT_EQ(reader.lastInfoText, "made # by hand");
    ASSERT_EQ(reader.textCount, 1);
    EXPECT_EQ(reader.TextRecordAt(0).string, "one\r\ntwo");
    EXPECT_EQ(reader.TextRecordAt(0).justification, kJustifyCenter);
    EXPECT_EQ(reader.TextRecordAt(0).spacing, 2);
    EXPECT_TRUE(Contains(log, "There must be DEEP mistake in Data about Coordinate3 \r\n"));
    EXPECT_EQ(reader.pointCount, 9);

    const int32_t lines = RowsOfKind(reader, kind::IndexedLineSet)[0];
    const float* block = reader.Block(reader.Row(lines).dataBegin);
    std::vector<int32_t> indices;
    for (int i = int(block[1]); i < int(block[2]); ++i)
        indices.push_back(reader.lineCoordIndexPool[i]);
    EXPECT_EQ(indices, (std::vector<int32_t>{0, 1, 2, -1}));  // the polyline through 9 is dropped

    const int32_t points = RowsOfKind(reader, kind::PointSet)[0];
    EXPECT_EQ(reader.Row(points).dataBegin, 1);
    EXPECT_EQ(reader.Row(points).dataEnd, 2);  // cut to the governing list
}

TEST(Vrml1Reader, LogIsEmptiedByEachTopFileAndRecreatedWhenDeleted) {
    ScratchFolder folder("log");
    ScriptedPrompt prompt;
    const std::string name =
        kInputs + "vrml1/log_is_emptied_by_each_top_file_and_recreated_when_deleted";
    {
        VrmlReader first;  // closes its log before the next read
        ASSERT_EQ(first.ReadVrmlFile(name + ".wrl", prompt, folder.LogPath()), 1);
    }
    VrmlReader second;
    ASSERT_EQ(second.ReadVrmlFile(name + "_2.wrl", prompt, folder.LogPath()), 1);
    const std::string log = ReadText(folder.LogPath());
    EXPECT_FALSE(Contains(log, "Mystery"));
    EXPECT_TRUE(Contains(log, "Riddle"));
    EXPECT_EQ(second.log.linesWritten(), 1);
    std::filesystem::remove(folder.LogPath());
    EXPECT_EQ(second.LogLine("after"), 1);
    EXPECT_EQ(ReadText(folder.LogPath()), "after\r\n");

    VrmlReader third;
    ScriptedPrompt another;
    const std::string wrl = kInputs + "header_and_newline_17_bytes.wrl";
    EXPECT_EQ(third.ReadVrmlFile(wrl, another, folder.Path("no/such/folder/x.log")), 1);
    ASSERT_EQ(another.shown.size(), 1u);
    EXPECT_EQ(another.shown[0].text, "ログファイルが作成できません");
}

TEST(Vrml1Reader, EveryTruncationOfAFileReadsWithoutHarm) {
    // Files cut short (an interrupted copy) end inside strings, lists and
    // nodes; each prefix must read into a consistent scene.
    ScratchFolder folder("truncated");
    const std::string full = ReadText(kInputs + "vrml1/every_truncation_reads_without_harm.wrl");
    for (size_t length = 17; length <= full.size(); ++length) {
        const std::string path = folder.Write("cut.wrl", full.substr(0, length));
        VrmlReader reader;
        ScriptedPrompt prompt;
        prompt.messageAnswers.assign(4, PromptAnswer::Cancel);
        ASSERT_EQ(reader.ReadVrmlFile(path, prompt, folder.LogPath()), 1) << length;
        EXPECT_EQ(reader.coordIndexCount % 3, 0) << length;
        for (int32_t i = 0; i < reader.coordIndexCount; ++i) ASSERT_LT(reader.coordIndexPool[i], 3);
        EXPECT_EQ(int(reader.Block(reader.Row(0).dataBegin)[1]),
                  reader.nodeCount - int(RowsOfKind(reader, kind::NormalG).size()));
    }
}

}  // namespace
}  // namespace vantor
