// Constructs that exporters write and small hand-made files miss: shared
// DEFs, instanced groups, clockwise faces, LODs, damaged archives, and
// whole component models from the corpus.

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

}  // namespace
}  // namespace vantor
