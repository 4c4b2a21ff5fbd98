// Structure that real files use beyond plain nodes: prototypes, extrusions
// and the drawn size of texts.

#include <gtest/gtest.h>

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
using testing::kHeader1;
using testing::kHeader2;
using testing::Read;
using testing::ReadFile;
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
    folder.Write("lib/shapes.wrl",
                 kHeader2 +
                     "PROTO Other [ ] { Shape { geometry Sphere { } } }\n"
                     "PROTO Block [ field SFVec3f size 2 2 2 ] { Box { size IS size } }\n");
    Read read;
    ReadFile(read, folder,
             kHeader2 +
                 // Defaults, instance values, an event and a ROUTE target in
                 // the interface, a nested prototype and a node-valued field.
                 "PROTO Part [ field SFVec3f at 0 0 0 exposedField SFNode geometry Box { } "
                 "eventIn SFVec3f set_at ]\n"
                 "{ Transform { translation IS at set_translation IS set_at children Shape { "
                 "geometry IS geometry } } }\n"
                 "PROTO Pair [ field SFVec3f at 0 0 0 ] { Group { children [ Part { at IS at } "
                 "Part { geometry Sphere { radius 0.5 } } ] } }\n"
                 "DEF P Part { at 10 0 0 }\n"
                 "Pair { at 0 -5 0 }\n"
                 "EXTERNPROTO Block [ field SFVec3f size ] [ \"missing.wrl\", "
                 "\"lib/shapes.wrl#Block\" ]\n"
                 "Transform { translation 0 0 20 children Shape { geometry Block { size 4 4 4 } "
                 "} }\n"
                 "EXTERNPROTO Gone [ ] \"nowhere.wrl\"\n"
                 "Gone { }\n"
                 "ROUTE P.at TO P.set_at\n");
    ASSERT_EQ(read.result, 1);
    EXPECT_EQ(RowsOfKind(read.reader, kind::Box).size(), 3u);
    EXPECT_EQ(RowsOfKind(read.reader, kind::Sphere2).size(), 1u);
    ExpectBounds(read.reader, {-2, 11, -6, 2, -1, 22});
    // The instance's DEF names its first row, so USE finds it.
    const auto transforms = RowsOfKind(read.reader, kind::Transform2);
    ASSERT_FALSE(transforms.empty());
    EXPECT_EQ(read.reader.nodeDefNames[size_t(transforms[0])], "P");
    EXPECT_TRUE(Contains(read.log, "##Gone## its file cannot be read"));
    EXPECT_FALSE(Contains(read.log, "set_translation"));
    EXPECT_FALSE(Contains(read.log, "N_NONE"));
}

TEST(Prototypes, SelfUseAndFilesNamingEachOtherAreBounded) {
    ScratchFolder folder("proto_hostile");
    folder.Write("a.wrl", kHeader2 + "EXTERNPROTO B [ ] \"b.wrl\"\nPROTO A [ ] { B { } }\n");
    folder.Write("b.wrl", kHeader2 + "EXTERNPROTO A [ ] \"a.wrl\"\nPROTO B [ ] { A { } }\n");
    Read read;
    ReadFile(read, folder,
             kHeader2 +
                 "PROTO Self [ ] { Group { children [ Self { } Shape { geometry Box { } } ] } }\n"
                 "Self { }\n"
                 "EXTERNPROTO A [ ] \"a.wrl\"\n"
                 "A { }\n");
    ASSERT_EQ(read.result, 1);
    EXPECT_TRUE(Contains(read.log, "##Self## instances nest too deep"));
    // The files' cycle is cut where it closes; what remains nests too deep.
    EXPECT_TRUE(Contains(read.log, "##A## its file cannot be read"));
    EXPECT_TRUE(Contains(read.log, "##A## instances nest too deep") ||
                Contains(read.log, "##B## instances nest too deep"));
    EXPECT_EQ(RowsOfKind(read.reader, kind::Box).size(), 32u);
}

TEST(Extrusions, SweptIntoFaceSets) {
    ScratchFolder folder("extrusion");
    Read read;
    // Defaults: a unit square swept one unit up, capped: 6 quads.
    ReadFile(read, folder,
             kHeader2 +
                 "Shape { geometry DEF E Extrusion { } }\n"
                 "Transform { translation 10 0 0 children Shape { geometry Extrusion { "
                 "crossSection [ 1 0, 0 1, -1 0, 1 0 ] spine [ 0 0 0, 0 0 3 ] "
                 "scale [ 1 1, 2 2 ] beginCap FALSE ccw FALSE } } }\n");
    ASSERT_EQ(read.result, 1);
    const auto faceSets = RowsOfKind(read.reader, kind::IndexedFaceSet2);
    ASSERT_EQ(faceSets.size(), 2u);
    EXPECT_EQ(read.reader.nodeDefNames[size_t(faceSets[0])], "E");
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
    ScratchFolder folder("text_bounds");
    Read read;
    // Left to right from the origin, one em high, 0.15 deep.
    ReadFile(read, folder,
             kHeader1 +
                 "Separator { Translation { translation 0 5 0 } AsciiText { string "
                 "\"AB\" } }\n AsciiText { string \"abcdefghijklmnopqrstuvwxyz\" }\n");
    ASSERT_EQ(read.result, 1);
    ExpectBounds(read.reader, {0, 26 * 0.56f, -0.21f, 5.9f, -0.15f, 0});
}

TEST(FileCameras, ReadAndPlacedInTheWorld) {
    ScratchFolder folder("cameras");
    Read v2;
    ReadFile(v2, folder,
             kHeader2 +
                 "Transform { translation 0 0 5 children [ Viewpoint { position 1 2 10 "
                 "orientation 0 1 0 1.5707963 fieldOfView 0.5 description \"Front door\" "
                 "jump TRUE } ] }\n"
                 "DEF Plain Viewpoint { }\n"
                 "Shape { geometry Box { } }\n");
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
    ReadFile(v1, folder,
             kHeader1 +
                 "Separator { Translation { translation 0 0 -2 } DEF Persp PerspectiveCamera { "
                 "position 0 0 8 focalDistance 8 heightAngle 0.6 } }\n"
                 "Scale { scaleFactor 3 3 3 } OrthographicCamera { position 0 5 0 orientation "
                 "1 0 0 -1.5707963 height 4 viewportMapping ADJUST_CAMERA }\n"
                 "Cube { }\n",
             "top1.wrl");
    ASSERT_EQ(v1.result, 1);
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
    // An L of area 4 starting at a corner from which a fan would cross the
    // notch; then the same L slightly bent out of its plane, in VRML 1.0.
    const std::string l = "2 0 0, 2 1 0, 1 1 0, 1 3 0, 0 3 0, 0 0 0";
    Read v2;
    ReadFile(v2, folder,
             kHeader2 + "Shape { geometry IndexedFaceSet { coord Coordinate { point [ " + l +
                 " ] } coordIndex [ 0 1 2 3 4 5 -1 ] color Color { color [ 1 0 0, 0 1 0, "
                 "0 0 1, 1 1 0, 0 1 1, 1 0 1 ] } } }\n");
    Read v1;
    ReadFile(v1, folder,
             kHeader1 +
                 "Coordinate3 { point [ 2 0 0, 2 1 0, 1 1 0.05, 1 3 0, 0 3 0.05, 0 0 0 ] }\n"
                 "IndexedFaceSet { coordIndex [ 0, 1, 2, 3, 4, 5, -1 ] }\n",
             "top1.wrl");
    for (Read* read : {&v2, &v1}) {
        ASSERT_EQ(read->result, 1);
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
