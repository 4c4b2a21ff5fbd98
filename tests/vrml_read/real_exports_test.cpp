// Constructs that exporters write and small hand-made files miss: shared
// DEFs, instanced groups, clockwise faces, LODs, damaged archives, inlined
// files, and whole component models from the corpus.

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cfloat>
#include <filesystem>
#include <sstream>
#include <string>

#include "reader_test_support.h"
#include "scene/node_kind.h"
#include "scene/prepare_geometry.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {
namespace {

using testing::Bounds;
using testing::Contains;
using testing::FaceIndices;
using testing::kHeader1;
using testing::Read;
using testing::ReadFile;
using testing::ReadInput;
using testing::ReadText;
using testing::RowsOfKind;
using testing::ScratchFolder;

namespace fs = std::filesystem;

const std::string kInputs = std::string(VANTOR_TEST_INPUTS) + "/vrml_read/";

TEST(RealExports, UseFindsTheNearestEarlierDefOfItsFile) {
    ScratchFolder folder("use_map");
    Read read;
    ReadInput(read, folder, "real_exports/use_map.wrl");
    // The first USE finds the later of two Transforms of that name; a named
    // USE is a target too.
    testing::ExpectRows(read.reader, "use_map");
    EXPECT_TRUE(Contains(read.log, "##NOWHERE## for USE")) << read.log;

    // A child file sees neither its parent's names nor the reverse.
    Read inlined;
    ReadInput(inlined, folder, "real_exports/use_scope/top.wrl");
    testing::ExpectRows(inlined.reader, "use_scope");  // only the top file's USE P stays
    EXPECT_TRUE(Contains(inlined.log, "##P## for USE in File child.wrl")) << inlined.log;
    EXPECT_TRUE(Contains(inlined.log, "##C## for USE in File top.wrl")) << inlined.log;
}

TEST(RealExports, UseOfAGroupBringsItsWholeSubtree) {
    // A group, shape or LOD named once and used again moved 10 along x.
    ScratchFolder folder("use_group");
    const std::string dir = kInputs + "real_exports/use_group";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        Read read;
        ReadInput(read, folder, "real_exports/use_group/" + name);
        ++files;
        EXPECT_FLOAT_EQ(read.reader.bounds[0], -1) << name;
        EXPECT_FLOAT_EQ(read.reader.bounds[1], 11) << name;
        EXPECT_FLOAT_EQ(read.reader.bounds[3], 1) << name;
    }
    EXPECT_EQ(files, 12);
}

TEST(RealExports, ClockwiseFacesAreTurnedOnceAndSeparatorsKeepTheirHints) {
    ScratchFolder folder("winding");
    Read v1, v2;
    ReadInput(v1, folder, "real_exports/winding/top.wrl");
    ReadInput(v2, folder, "real_exports/winding2.wrl");
    for (Read* read : {&v1, &v2}) {
        VrmlReader& r = read->reader;
        // Preparing again (an added file, an edit) must not turn them back.
        PrepareGeometry(r);
        PrepareGeometry(r);
        const std::vector<int32_t> faces = RowsOfKind(r, kind::IndexedFaceSet);
        ASSERT_EQ(faces.size(), read == &v1 ? 4u : 1u);
        EXPECT_EQ(FaceIndices(r, faces[0]), (std::vector<int32_t>{1, 2, 0}));
        for (int32_t row : faces) {
            const int32_t normal = r.normalIndexPool[int32_t(r.Block(r.Row(row).dataBegin)[3])];
            EXPECT_FLOAT_EQ(r.normalPool[3 * normal + 2], 1.0f) << "face set row " << row;
        }
    }
}

TEST(RealExports, Vrml2LodDrawsItsFirstLevelAndKeepsTheOthers) {
    ScratchFolder folder("lod2");
    Read read;
    ReadInput(read, folder, "real_exports/lod2.wrl");
    EXPECT_EQ(Bounds(read.reader), (std::array<float, 6>{-1, 1, -1, 1, -1, 1}));
    EXPECT_EQ(RowsOfKind(read.reader, kind::Sphere2).size(), 1u);

    // An added file's levels keep their first-level end.
    ASSERT_EQ(AddFileToData(read.reader, kInputs + "real_exports/lod2.wrl", read.prompt,
                            folder.LogPath()),
              1);
    testing::ExpectRows(read.reader, "lod2_twice");
    EXPECT_EQ(Bounds(read.reader), (std::array<float, 6>{-1, 1, -1, 1, -1, 1}));
}

TEST(RealExports, PrimitivePartsWithOrWithoutBlanks) {
    const std::pair<const char*, int> cases[] = {
        {"SIDES", 1},        {"(SIDES|BOTTOM)", 3}, {"( SIDES | BOTTOM )", 3},
        {"(SIDES |TOP)", 5}, {"(BOTTOM| TOP )", 6}, {"ALL", 8},
    };
    for (const auto& [parts, code] : cases) {
        ScratchFolder folder("parts");
        Read read;
        ReadFile(read, folder, kHeader1 + "Cylinder { parts " + parts + " radius 2 }\nCube { }\n");
        const std::vector<int32_t> rows = RowsOfKind(read.reader, kind::Cylinder);
        ASSERT_EQ(rows.size(), 1u) << parts;
        const float* block = read.reader.Block(read.reader.Row(rows[0]).dataBegin);
        EXPECT_EQ(int(block[0]), code) << parts;
        EXPECT_FLOAT_EQ(block[1], 2) << parts;
        EXPECT_EQ(RowsOfKind(read.reader, kind::Cube).size(), 1u) << parts;
    }
}

std::string Gzipped(const std::string& text) {
    ScratchFolder folder("packing");
    gzFile gz = gzopen(folder.Path("packed.gz").c_str(), "wb");
    gzwrite(gz, text.data(), unsigned(text.size()));
    gzclose(gz);
    return ReadText(folder.Path("packed.gz"));
}

TEST(RealExports, DamagedCompressedFilesAreReportedAsDamaged) {
    std::string text = kHeader1;
    for (int i = 0; i < 200; ++i) text += "Cube { width " + std::to_string(i) + " }\n";
    const std::string good = Gzipped(text);
    std::string badSum = good;
    badSum[badSum.size() - 6] ^= 0x55;  // the CRC of the trailer
    const std::pair<const char*, std::string> cases[] = {
        {"cut short", good.substr(0, good.size() / 2)},
        {"check sum", badSum},
        {"not deflate", good.substr(0, 4) + "garbage that does not inflate"},
    };
    for (const auto& [name, bytes] : cases) {
        ScratchFolder folder("gzip");
        Read top;
        ReadFile(top, folder, bytes);
        EXPECT_EQ(top.result, -1) << name;
        ASSERT_EQ(top.prompt.shown.size(), 1u) << name;
        EXPECT_TRUE(Contains(top.prompt.shown[0].text, "top.wrlは壊れています。")) << name;
        EXPECT_TRUE(Contains(top.log, "is damaged: ")) << name << top.log;
        EXPECT_EQ(top.reader.nodeCount, 0) << name;

        // As an inline: the parent reads on, nothing of the child is kept.
        folder.Write("child.wrl", bytes);
        Read parent;
        ReadFile(parent, folder, kHeader1 + "WWWInline { name \"child.wrl\" } Sphere { }\n",
                 "parent.wrl");
        EXPECT_EQ(parent.result, 1) << name;
        EXPECT_TRUE(RowsOfKind(parent.reader, kind::Cube).empty()) << name;
        EXPECT_EQ(RowsOfKind(parent.reader, kind::Sphere).size(), 1u) << name;
        ASSERT_EQ(parent.prompt.shown.size(), 1u) << name;
        EXPECT_TRUE(Contains(parent.prompt.shown[0].text, "は壊れています。")) << name;
    }
    ScratchFolder folder("gzip_good");
    Read intact;
    ReadFile(intact, folder, good);
    EXPECT_EQ(RowsOfKind(intact.reader, kind::Cube).size(), 200u);
}

TEST(RealExports, BadNormalIndexKeepsTheFaceWithMadeNormals) {
    ScratchFolder folder("normal_index");
    Read v1, v2;
    ReadInput(v1, folder, "real_exports/normal_index1.wrl");
    ReadInput(v2, folder, "real_exports/normal_index2.wrl");
    for (Read* read : {&v1, &v2}) {
        const std::vector<int32_t> faces = RowsOfKind(read->reader, kind::IndexedFaceSet);
        ASSERT_EQ(faces.size(), 1u);
        EXPECT_EQ(read->reader.coordIndexCount, 3);
        EXPECT_EQ(int(read->reader.Block(read->reader.Row(faces[0]).dataBegin)[0]), 2)
            << "per-face normals made";
        EXPECT_TRUE(Contains(read->log, "normal index")) << read->log;
        EXPECT_FALSE(Contains(read->log, "outside the point")) << read->log;
    }
}

TEST(RealExports, RoutesAreSkippedQuietlyWhereverTheyStand) {
    ScratchFolder folder("route");
    Read read;
    ReadInput(read, folder, "real_exports/routes.wrl");
    EXPECT_EQ(RowsOfKind(read.reader, kind::Box).size(), 2u);
    EXPECT_EQ(read.log, "");
}

// What a component model's text holds, counted without the reader: every
// face of n indices is n - 2 triangles, and the box spans every point.
struct TextCount {
    long triangles = 0;
    float box[6] = {FLT_MAX, -FLT_MAX, FLT_MAX, -FLT_MAX, FLT_MAX, -FLT_MAX};
};

TextCount CountComponentModel(const std::string& raw) {
    TextCount count;
    auto listAfter = [&](size_t from, const char* key, size_t& listEnd) -> std::string {
        const size_t keyAt = raw.find(key, from);
        if (keyAt == std::string::npos) return {};
        const size_t open = raw.find('[', keyAt);
        listEnd = raw.find(']', open);
        std::string list = raw.substr(open + 1, listEnd - open - 1);
        std::replace(list.begin(), list.end(), ',', ' ');
        return list;
    };
    size_t at = 0;
    for (size_t end = 0;; at = end) {
        std::string list = listAfter(at, "coordIndex", end);
        if (list.empty()) break;
        std::istringstream in(list);
        long run = 0;
        for (long index; in >> index;) {
            if (index == -1) {
                count.triangles += std::max(0L, run - 2);
                run = 0;
            } else {
                ++run;
            }
        }
        count.triangles += std::max(0L, run - 2);
    }
    at = 0;
    for (size_t end = 0;; at = end) {
        std::string list = listAfter(at, "point", end);
        if (list.empty()) break;
        std::istringstream in(list);
        float xyz[3];
        while (in >> xyz[0] >> xyz[1] >> xyz[2]) {
            for (int axis = 0; axis < 3; ++axis) {
                count.box[2 * axis] = std::min(count.box[2 * axis], xyz[axis]);
                count.box[2 * axis + 1] = std::max(count.box[2 * axis + 1], xyz[axis]);
            }
        }
    }
    return count;
}

TEST(VrmlCorpus, ComponentModelsGiveTheTrianglesAndBoxOfTheirText) {
    const fs::path kicad = fs::path(VANTOR_CORPUS_DIR) / "real" / "vrml2" / "kicad-packages3d";
    const char* models[] = {
        "Package_TO_SOT_SMD.3dshapes/SOT-665.wrl",
        "Inductor_SMD.3dshapes/L_1210_3225Metric.wrl",
        "Display_7Segment.3dshapes/MAN3810A.wrl",
        "Connector_PinHeader_1.27mm.3dshapes/PinHeader_2x37_P1.27mm_Horizontal.wrl",
    };
    if (!fs::is_directory(kicad)) GTEST_SKIP() << "no corpus at " << kicad;
    ScratchFolder folder("v2_kicad");
    for (const char* model : models) {
        const fs::path file = kicad / model;
        if (!fs::exists(file)) continue;
        SCOPED_TRACE(model);
        const TextCount expected = CountComponentModel(ReadText(file.string()));
        VrmlReader reader;
        ScriptedPrompt prompt;
        ASSERT_EQ(reader.ReadVrmlFile(file.string(), prompt, folder.LogPath()), 1);
        EXPECT_EQ(reader.coordIndexCount / 3, expected.triangles);
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(reader.bounds[i], expected.box[i], 1e-5f) << i;
    }
}

std::string Inline(const std::string& name) {
    return "WWWInline { name \"" + name + "\" }\n";
}

TEST(VrmlInline, ChildFilesAreReadOnceWithTheirOwnFileIndex) {
    ScratchFolder folder("inline_once");
    Read read;
    ReadInput(read, folder, "inline/top.wrl");
    const VrmlReader& reader = read.reader;
    EXPECT_TRUE(read.prompt.shown.empty());
    ASSERT_EQ(reader.fileCount, 2);
    const FileRecord child = reader.FileRecordAt(1);
    EXPECT_EQ(child.name, "child.wrl");
    EXPECT_EQ(child.path, kInputs + "inline/parts/child.wrl");
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
        ASSERT_EQ(read.prompt.shown.size(), 1u);
        EXPECT_TRUE(Contains(read.prompt.shown[0].text, "Circulation"));
        EXPECT_EQ(read.prompt.shown[0].caption, "Error");
        EXPECT_EQ(read.reader.fileCount, c.files);
        EXPECT_EQ(RowsOfKind(read.reader, c.kind).size(), c.rows);
        if (c.files == 1) {
            EXPECT_EQ(read.prompt.shown[0].text,
                      "We found Circulation Error about WWWInline Data Name ," + kInputs +
                          "inline/circle/self.wrl");
            EXPECT_TRUE(RowsOfKind(read.reader, kind::WWWInline).empty());
        }
    }
}

TEST(VrmlInline, RefusedMissingAndChosenFiles) {
    ScratchFolder folder("inline_missing");
    const std::string dir = kInputs + "inline/missing/";
    Read read;
    read.prompt.messageAnswers = {PromptAnswer::Ok, PromptAnswer::Ok, PromptAnswer::Cancel};
    ReadInput(read, folder, "inline/missing/top.wrl");
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
    EXPECT_EQ(read.prompt.fileQuestions.size(), 1u);
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
    folder.Write("a/x.wrl", kHeader1 + "Cube { }\n");
    folder.Write("a/b/Parts/Child.wrl", kHeader1 + "Sphere { }\n");
    folder.Write("a/b/c/Upper.WRL", kHeader1 + "Cylinder { }\n");
    // The gzip forms of an inline name, as of a top file.
    for (const char* name : {"packed.wrl", "packed.wrz", "packed.wrl.gz"})
        folder.Write(std::string("a/b/c/") + name, Gzipped(kHeader1 + "Cone { }\n"));
    Read read;
    ReadFile(read, folder,
             kHeader1 + Inline("..\\..\\x.wrl") + Inline("../parts/child.wrl") +
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
    VrmlReader& scene = read.reader;
    ScriptedPrompt& prompt = read.prompt;
    ASSERT_EQ(
        AddFileToData(scene, kInputs + "inline/assembly/second.wrl", prompt, folder.LogPath()), 1);
    EXPECT_EQ(scene.fileCount, 2);
    EXPECT_EQ(scene.assemblyFlag, 1);
    testing::ExpectRows(scene, "assembly");  // a second root row in file 1
    EXPECT_EQ(AddFileToData(scene, folder.Path("none.wrl"), prompt, folder.LogPath()), -1);
    EXPECT_EQ(scene.fileCount, 2);
}

}  // namespace
}  // namespace vantor
