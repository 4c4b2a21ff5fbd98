// Structure that real files use beyond plain nodes: prototypes, extrusions
// and the drawn size of texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>

#include "glu_triangulator.h"
#include "reader_test_support.h"
#include "scene/node_kind.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {
namespace {

using testing::Bounds;
using testing::Contains;
using testing::kHeader2;
using testing::Read;
using testing::ReadFile;
using testing::ReadInput;
using testing::ReadText;
using testing::RowsOfKind;
using testing::ScratchFolder;

void ExpectBounds(const SceneData& s, const std::array<float, 6>& expected) {
    const auto got = Bounds(s);
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(got[size_t(i)], expected[size_t(i)], 1e-4f) << i;
}

int32_t Triangles(const SceneData& s) {
    return s.coordIndexCount / 3;
}

TEST(Prototypes, InstancesReadAsTheirBodyWithFieldValues) {
    ScratchFolder folder("proto");
    Read read;
    ReadInput(read, folder, "structure/prototypes.wrl");
    ExpectBounds(read.reader, {-2, 11, -6, 2, -1, 22});
    // The instance's DEF names its first row, so USE finds it.
    testing::ExpectRows(read.reader, "prototypes");
    EXPECT_TRUE(Contains(read.log, "##Gone## its file cannot be read"));
    EXPECT_FALSE(Contains(read.log, "set_translation"));
    EXPECT_FALSE(Contains(read.log, "N_NONE"));
}

TEST(Prototypes, SelfUseAndFilesNamingEachOtherAreBounded) {
    ScratchFolder folder("proto_hostile");
    Read read;
    ReadInput(read, folder, "structure/proto_hostile/top.wrl");
    EXPECT_TRUE(Contains(read.log, "##Self## instances nest too deep"));
    // The files' cycle is cut where it closes; what remains nests too deep.
    EXPECT_TRUE(Contains(read.log, "##A## its file cannot be read"));
    EXPECT_TRUE(Contains(read.log, "##A## instances nest too deep") ||
                Contains(read.log, "##B## instances nest too deep"));
    EXPECT_EQ(RowsOfKind(read.reader, kind::Box).size(), 32u);
    // Fan doubles at each level: its instances stop at the budget, logged once.
    EXPECT_TRUE(Contains(read.log, "##Fan## expands to too much text"));
    EXPECT_LT(std::count(read.log.begin(), read.log.end(), '\n'), 10);
}

TEST(Extrusions, SweptIntoFaceSets) {
    ScratchFolder folder("extrusion");
    Read read;
    ReadInput(read, folder, "structure/extrusions.wrl");
    testing::ExpectRows(read.reader, "extrusions");  // two face sets, the first named E
    // 6 quads, then 3 side quads and one triangle cap.
    EXPECT_EQ(Triangles(read.reader), 12 + 6 + 1);
    // The spine along +z turns the section's plane onto x-y.
    ExpectBounds(read.reader, {-1, 12, -2, 1, -1, 3});
}

TEST(Extrusions, AbsurdSizesAreRefused) {
    ScratchFolder folder("extrusion_huge");
    std::string section = "crossSection [ ";
    for (int i = 0; i < 3000; ++i)
        section += std::to_string(i % 7) + " " + std::to_string(i % 5) + " ";
    std::string spine = "spine [ ";
    for (int i = 0; i < 1500; ++i) spine += "0 " + std::to_string(i) + " 0 ";
    Read read;
    ReadFile(read, folder,
             kHeader2 + "Shape { geometry Extrusion { " + section + "] " + spine + "] } }\n");
    ASSERT_EQ(read.result, 1);
    EXPECT_TRUE(Contains(read.log, "too many, node skipped"));
    EXPECT_EQ(Triangles(read.reader), 0);
}

TEST(TextBounds, TheDrawnGlyphBoxWidensTheBounds) {
    // H and I are 0.722 and 0.278 ems wide.
    const struct {
        const char* file;
        std::array<float, 6> bounds;
    } cases[] = {
        {"structure/text_bounds.wrl", {0, 10, -0.21f, 5.9f, -0.15f, 0}},
        {"structure/text_lines.wrl", {-1.722f, 1.722f, -3.42f, 1.8f, -0.3f, 0}},
        {"structure/text_font_style.wrl", {-2, 0.278f, -0.42f, 1.8f, -0.3f, 0}},
    };
    ScratchFolder folder("text_bounds");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Read read;
        ReadInput(read, folder, c.file);
        ASSERT_EQ(read.result, 1);
        ExpectBounds(read.reader, c.bounds);
    }
}

TEST(FileCameras, ReadAndPlacedInTheWorld) {
    ScratchFolder folder("cameras");
    Read v2;
    ReadInput(v2, folder, "structure/cameras2.wrl");
    ASSERT_EQ(v2.result, 1);
    ASSERT_EQ(RowsOfKind(v2.reader, kind::Viewpoint).size(), 2u);
    ASSERT_EQ(v2.reader.cameras.size(), 2u);
    const SceneCamera& door = v2.reader.cameras[0];
    const float eye[3] = {1, 2, 15}, forward[3] = {-1, 0, 0};
    for (int a = 0; a < 3; ++a) {
        EXPECT_NEAR(door.eye[a], eye[a], 1e-5f) << a;
        EXPECT_NEAR(door.forward[a], forward[a], 1e-5f) << a;
        EXPECT_NEAR(door.up[a], a == 1 ? 1 : 0, 1e-5f) << a;
    }
    EXPECT_FLOAT_EQ(door.size, 0.5f);
    const int32_t note = v2.reader.Row(door.row).dataEnd;
    ASSERT_GE(note, 0);
    EXPECT_EQ(v2.reader.texts.items[size_t(note)].string, "Front door");
    EXPECT_EQ(v2.reader.DefNameOf(v2.reader.cameras[1].row), "Plain");
    EXPECT_FLOAT_EQ(v2.reader.cameras[1].eye[2], 10);
    EXPECT_FALSE(Contains(v2.log, "Viewpoint"));

    Read v1;
    ReadInput(v1, folder, "structure/cameras1.wrl");
    ASSERT_EQ(v1.reader.cameras.size(), 2u);
    EXPECT_FLOAT_EQ(v1.reader.cameras[0].eye[2], 6);
    EXPECT_FLOAT_EQ(v1.reader.cameras[0].size, 0.6f);
    const SceneCamera& top = v1.reader.cameras[1];
    EXPECT_EQ(v1.reader.Row(top.row).kind, kind::OrthographicCamera);
    EXPECT_NEAR(top.eye[1], 15, 1e-4f);
    EXPECT_NEAR(top.forward[1], -1, 1e-5f);
    EXPECT_NEAR(top.size, 12, 1e-4f) << "the height scales with the world";
}

TEST(ConcaveFaces, TriangulatedInsideTheirOutline) {
    InstallGluTriangulator();
    ScratchFolder folder("concave");
    // An L from a corner whose fan would cross the notch, flat and bent.
    Read v2, v1;
    ReadInput(v2, folder, "structure/concave2.wrl");
    ReadInput(v1, folder, "structure/concave1.wrl");
    for (Read* read : {&v2, &v1}) {
        const SceneData& s = read->reader;
        ASSERT_EQ(Triangles(s), 4);
        double area = 0;
        for (int32_t t = 0; t < 4; ++t) {
            const float* p[3];
            for (int v = 0; v < 3; ++v)
                p[v] = &s.pointPool[3 * int64_t(s.coordIndexPool[3 * t + v])];
            const double doubled = (p[1][0] - p[0][0]) * (p[2][1] - p[0][1]) -
                                   (p[2][0] - p[0][0]) * (p[1][1] - p[0][1]);
            EXPECT_GT(doubled, 0) << "triangle " << t << " counter-clockwise";
            area += doubled / 2;
        }
        EXPECT_NEAR(area, 4, 1e-5) << "no triangle outside the L";
    }
    // The colours follow the corners of the triangles they were made with.
    static const float kColours[6][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1},
                                         {1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
    const SceneData& s = v2.reader;
    ASSERT_EQ(s.colorCount, 4 * 9);
    for (int32_t corner = 0; corner < 12; ++corner) {
        const int32_t point = s.coordIndexPool[corner];
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(s.colorPool[3 * int64_t(corner) + c], kColours[point][c]) << corner;
    }
}

TEST(Structure, CorpusFilesWithPrototypesAndExtrusionsDraw) {
    const std::filesystem::path corpus(VANTOR_CORPUS_DIR);
    std::error_code error;
    if (std::string(VANTOR_CORPUS_DIR).empty() || !std::filesystem::is_directory(corpus, error))
        GTEST_SKIP() << "no corpus at " << corpus;
    struct Case {
        const char* path;
        int32_t minTriangles;
    };
    for (const Case& c :
         {Case{"real/vrml2/freewrl/freewrl/tests/H-Anim/brain_005.wrl", 500},
          Case{"real/vrml2/freewrl/freewrl/tests/H-Anim/dilbert_005.wrl", 500},
          Case{"real/vrml2/freewrl/freewrl/tests/H-Anim/nancy_h-anim.wrl", 500},
          Case{"real/gz/freewrl/freewrl/tests/H-Anim/gunner.wrl", 20},
          Case{"real/vrml2/castle-demo-models/vrml_2/extrusion_concave_cap.wrl", 40}}) {
        SCOPED_TRACE(c.path);
        VrmlReader reader;
        ScriptedPrompt prompt;
        ScratchFolder folder("structure_corpus");
        ASSERT_EQ(reader.ReadVrmlFile((corpus / c.path).string(), prompt, folder.LogPath()), 1);
        EXPECT_GE(Triangles(reader), c.minTriangles);
    }
    VrmlReader reader;
    ScriptedPrompt prompt;
    ScratchFolder folder("structure_corpus");
    ASSERT_EQ(
        reader.ReadVrmlFile(
            (corpus / "real/vrml2/castle-demo-models/prototypes/proto_nested_expand.wrl").string(),
            prompt, folder.LogPath()),
        1);
    EXPECT_EQ(RowsOfKind(reader, kind::Sphere2).size(), 1u);
}

}  // namespace
}  // namespace vantor
