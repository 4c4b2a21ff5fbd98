// Structure that real files use beyond plain nodes: prototypes, extrusions
// and the drawn size of texts.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

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
