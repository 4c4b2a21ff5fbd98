// Constructs that exporters write and small hand-made files miss: shared
// DEFs, instanced groups, clockwise faces, LODs, damaged archives.

#include <gtest/gtest.h>
#include <zlib.h>

#include <array>
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
using testing::kHeader2;
using testing::Read;
using testing::ReadFile;
using testing::ReadText;
using testing::RowsOfKind;
using testing::ScratchFolder;

const std::string kBox = "Shape { geometry Box { } }";

TEST(RealExports, UseFindsTheNearestEarlierDefOfItsFile) {
    ScratchFolder folder("use_map");
    // A name defined again shadows the first; a DEF inside a node that was
    // taken back (a grid with the wrong number of heights) is no target.
    Read read;
    ReadFile(read, folder,
             kHeader2 +
                 "DEF M Transform { translation 1 0 0 }\n"
                 "DEF M Transform { translation 2 0 0 }\n"
                 "Shape { geometry DEF M ElevationGrid { xDimension 2 zDimension 2 "
                 "height [ 0 0 0 ] } }\n"
                 "DEF U USE M\n"
                 "DEF U2 USE U\n"
                 "USE NOWHERE\n");
    const std::vector<int32_t> uses = RowsOfKind(read.reader, kind::Use);
    ASSERT_EQ(uses.size(), 2u);
    const std::vector<int32_t> transforms = RowsOfKind(read.reader, kind::Transform2);
    ASSERT_EQ(transforms.size(), 2u);
    EXPECT_EQ(read.reader.Row(uses[0]).dataBegin, transforms[1]);
    EXPECT_EQ(read.reader.Row(uses[1]).dataBegin, uses[0]) << "a named USE is a target too";
    EXPECT_TRUE(Contains(read.log, "##NOWHERE## for USE")) << read.log;

    // A child file sees neither its parent's names nor the reverse.
    Read inlined;
    folder.Write("child.wrl", kHeader1 + "USE P\nDEF C Cube { }\n");
    ReadFile(inlined, folder,
             kHeader1 + "DEF P Cube { }\nWWWInline { name \"child.wrl\" }\nUSE C\nUSE P\n");
    const std::vector<int32_t> inlineUses = RowsOfKind(inlined.reader, kind::Use);
    ASSERT_EQ(inlineUses.size(), 1u);
    EXPECT_EQ(inlined.reader.Row(inlineUses[0]).dataBegin,
              RowsOfKind(inlined.reader, kind::Cube)[0]);
    EXPECT_TRUE(Contains(inlined.log, "##P## for USE in File child.wrl")) << inlined.log;
    EXPECT_TRUE(Contains(inlined.log, "##C## for USE in File top.wrl")) << inlined.log;
}

TEST(RealExports, UseOfAGroupBringsItsWholeSubtree) {
    struct Case {
        const char* name;
        std::string text;
    };
    const std::string moved = " Transform { translation 10 0 0 children [ USE G ] }\n";
    const Case cases[] = {
        {"group", kHeader2 + "DEF G Group { children [ " + kBox + " ] }" + moved},
        {"transform", kHeader2 + "DEF G Transform { children [ " + kBox + " ] }" + moved},
        {"anchor", kHeader2 + "DEF G Anchor { url \"x\" children [ " + kBox + " ] }" + moved},
        {"collision", kHeader2 + "DEF G Collision { children [ " + kBox + " ] }" + moved},
        {"billboard", kHeader2 + "DEF G Billboard { children [ " + kBox + " ] }" + moved},
        {"switch", kHeader2 + "DEF G Switch { whichChoice 0 choice [ " + kBox + " ] }" + moved},
        {"shape", kHeader2 + "DEF G " + kBox + moved},
        {"lod", kHeader2 + "DEF G LOD { level [ " + kBox + " ] }" + moved},
        {"separator", kHeader1 + "DEF G Separator { Cube { } } Translation { translation 10 0 0 } "
                                 "USE G\n"},
        {"vrml1 group", kHeader1 + "DEF G Group { Cube { } } Translation { translation 10 0 0 } "
                                   "USE G\n"},
        {"wwwanchor", kHeader1 + "DEF G WWWAnchor { name \"x\" Cube { } } Translation { "
                                 "translation 10 0 0 } USE G\n"},
        {"vrml1 lod", kHeader1 + "DEF G LOD { range [ 1 ] Cube { } Sphere { radius 9 } } "
                                 "Translation { translation 10 0 0 } USE G\n"},
    };
    for (const Case& c : cases) {
        ScratchFolder folder("use_group");
        Read read;
        ReadFile(read, folder, c.text);
        EXPECT_FLOAT_EQ(read.reader.bounds[0], -1) << c.name;
        EXPECT_FLOAT_EQ(read.reader.bounds[1], 11) << c.name;
        EXPECT_FLOAT_EQ(read.reader.bounds[3], 1) << c.name;
    }
}

TEST(RealExports, ClockwiseFacesAreTurnedOnceAndSeparatorsKeepTheirHints) {
    ScratchFolder folder("winding");
    // Each face is written so that it faces +z once read right: clockwise
    // (0 2 1) where the hints say so, counter-clockwise elsewhere (after a
    // Separator, inside an inlined file).
    const std::string face = "Coordinate3 { point [ 0 0 0, 1 0 0, 0 1 0 ] } ";
    const std::string hints = "ShapeHints { vertexOrdering CLOCKWISE } ";
    folder.Write("child.wrl", kHeader1 + face + "IndexedFaceSet { coordIndex [ 0 1 2 -1 ] }\n");
    Read v1;
    ReadFile(v1, folder,
             kHeader1 + "Separator { " + hints + face +
                 "DEF F IndexedFaceSet { coordIndex [ 0 2 1 -1 ] } USE F }\n"
                 "Separator { " +
                 face + "IndexedFaceSet { coordIndex [ 0 1 2 -1 ] } }\n" + hints +
                 "WWWInline { name \"child.wrl\" }\n" + face +
                 "IndexedFaceSet { coordIndex [ 0 2 1 -1 ] }\n");
    Read v2;
    ReadFile(v2, folder,
             kHeader2 +
                 "DEF S Shape { geometry IndexedFaceSet { ccw FALSE coord Coordinate { "
                 "point [ 0 0 0, 1 0 0, 0 1 0 ] } coordIndex [ 0 2 1 -1 ] } }\nUSE S\n");
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
    ReadFile(read, folder,
             kHeader2 + "LOD { range [ 10 ] level [ " + kBox +
                 " Shape { geometry Sphere { radius 5 } } ] }\n");
    EXPECT_EQ(Bounds(read.reader), (std::array<float, 6>{-1, 1, -1, 1, -1, 1}));
    EXPECT_EQ(RowsOfKind(read.reader, kind::Sphere2).size(), 1u);

    // An added file's levels keep their first-level end.
    ASSERT_EQ(AddFileToData(read.reader, folder.Path("top.wrl"), read.prompt, folder.LogPath()), 1);
    const std::vector<int32_t> levels = RowsOfKind(read.reader, kind::Level);
    ASSERT_EQ(levels.size(), 2u);
    auto firstEnd = [&](int32_t row) {
        return int32_t(read.reader.Block(read.reader.Row(row).dataBegin)[kind::kLevelFirstEnd]) -
               row;
    };
    EXPECT_EQ(firstEnd(levels[1]), firstEnd(levels[0]));
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
    z_stream z{};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    std::string out(text.size() + 128, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = uInt(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
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
    Read v1;
    ReadFile(v1, folder,
             kHeader1 +
                 "Coordinate3 { point [ 0 0 0, 1 0 0, 0 1 0 ] } Normal { vector [ 0 0 1 ] "
                 "} IndexedFaceSet { coordIndex [ 0 1 2 -1 ] normalIndex [ 0 0 7 -1 ] }\n");
    Read v2;
    ReadFile(v2, folder,
             kHeader2 +
                 "Shape { geometry IndexedFaceSet { coord Coordinate { point [ 0 0 0, 1 0 "
                 "0, 0 1 0 ] } normal Normal { vector [ 0 0 1 ] } coordIndex [ 0 1 2 -1 ] "
                 "normalIndex [ 0 0 7 -1 ] } }\n");
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
    ReadFile(read, folder,
             kHeader2 + "DEF T Transform { children [ " + kBox +
                 " ROUTE A.x TO B.y ] ROUTE T.a TO T.b } ROUTE T.c TO T.d\n"
                 "Group { children [ " +
                 kBox + " ] ROUTE T.e TO T.f }\n");
    EXPECT_EQ(RowsOfKind(read.reader, kind::Box).size(), 2u);
    EXPECT_EQ(read.log, "");
}

}  // namespace
}  // namespace vantor
