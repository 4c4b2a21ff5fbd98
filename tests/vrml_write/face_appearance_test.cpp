// What the face sets of real exports rely on beyond their shape: normals
// given per vertex without normalIndex or made smooth by the crease angle,
// colours per face or vertex, textures. A save keeps them.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "prompt/prompt.h"
#include "scene/node_kind.h"
#include "support/scratch_folder.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_write/save_scene.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using Normal = std::array<float, 3>;
using Colours = std::vector<std::array<float, 3>>;

// A roof of two triangles meeting at a right angle along the edge 1-2.
const std::string kPoints = "[ 0 0 0, 1 0 0, 1 1 0, 0 1 0, 1 0 -1 ]";
const std::string kFaces = "[ 0 1 2 -1 1 4 2 -1 ]";
const std::string kVectors = "[ 0 0 1, 0 1 0, 1 0 0, 0 -1 0, -1 0 0 ]";

std::string Vrml1(const std::string& state) {
    return "#VRML V1.0 ascii\nSeparator { " + state + " Coordinate3 { point " + kPoints +
           " } IndexedFaceSet { coordIndex " + kFaces + " } }\n";
}
std::string Vrml2(const std::string& fields, const std::string& appearance = "") {
    return "#VRML V2.0 utf8\nShape { " + appearance + " geometry IndexedFaceSet { " + fields +
           " coord Coordinate { point " + kPoints + " } coordIndex " + kFaces + " } }\n";
}

// The normal drawn at point 1 of the first triangle; zero without normals.
Normal CornerNormal(const SceneData& s) {
    for (int32_t i = 0; i < s.nodeCount; ++i) {
        if (s.Row(i).kind != kind::IndexedFaceSet) continue;
        const float* b = s.Block(s.Row(i).dataBegin);
        if (int32_t(b[0]) != 1) return {0, 0, 0};
        for (int corner = 0; corner < 3; ++corner) {
            if (s.coordIndexPool[int32_t(b[1]) + corner] != 1) continue;
            const float* n = &s.normalPool[3 * s.normalIndexPool[int32_t(b[3]) + corner]];
            return {n[0], n[1], n[2]};
        }
    }
    return {0, 0, 0};
}

// Colours of the corners of the first face set, in table order.
Colours CornerColours(const SceneData& s) {
    Colours colours;
    for (int32_t i = 0; i + 1 < s.nodeCount; ++i) {
        if (s.Row(i).kind != kind::Color || s.Row(i).dataBegin < 0) continue;
        for (int32_t at = s.Row(i).dataBegin; at + 3 <= s.Row(i).dataEnd; at += 3)
            colours.push_back({s.colorPool[at], s.colorPool[at + 1], s.colorPool[at + 2]});
        break;
    }
    return colours;
}

// u, v of the corners of the first textured face set, in table order.
std::vector<float> CornerTexCoords(const SceneData& s) {
    for (int32_t i = 0; i < s.nodeCount; ++i)
        if (s.Row(i).kind == kind::TextureCoordinate2 && s.Row(i).dataBegin >= 0)
            return {&s.texCoordPool[s.Row(i).dataBegin], &s.texCoordPool[s.Row(i).dataEnd]};
    return {};
}

// Reads `text`, saves it as new data, reads that back and hands both scenes
// to `check`.
template <typename Check>
void ReadSavedAndReadAgain(const std::string& text, Check check) {
    vantor::testing::ScratchFolder folder("appearance");
    ScriptedPrompt prompt;
    const std::string path = folder.Write("in.wrl", text);
    folder.Write("wood.png", "");  // the image the texture cases find
    VrmlReader original;
    original.ReadVrmlFile(path, prompt, folder.LogPath());
    const std::string saved = folder.Path("saved.wrl");
    ASSERT_TRUE(SaveScene(original, saved, kSaveNewData).saved());
    VrmlReader again;
    again.ReadVrmlFile(saved, prompt, folder.LogPath());
    check(original, again);
}

TEST(FaceColours, BindingsGiveEachCornerItsColourAndASaveKeepsThem) {
    const std::string palette = "[ 1 0 0, 0 1 0, 0 0 1, 1 1 0, 1 1 1, 0 0 0 ]";
    const std::array<float, 3> R{1, 0, 0}, G{0, 1, 0}, B{0, 0, 1}, Y{1, 1, 0}, W{1, 1, 1},
        K{0, 0, 0};
    struct Case {
        const char* what;
        std::string text;
        Colours expected;  // corners of the triangles (0 1 2) and (1 4 2)
    };
    const Case cases[] = {
        {"2.0 per vertex by coordinate",
         Vrml2("color Color { color " + palette + " }"),
         {R, G, B, G, W, B}},
        {"2.0 per vertex indexed",
         Vrml2("color Color { color " + palette + " } colorIndex [ 3 2 1 -1 0 0 0 -1 ]"),
         {Y, B, G, R, R, R}},
        {"2.0 per face",
         Vrml2("colorPerVertex FALSE color Color { color " + palette + " }"),
         {R, R, R, G, G, G}},
        {"2.0 per face indexed",
         Vrml2("colorPerVertex FALSE color Color { color " + palette + " } colorIndex [ 3 1 ]"),
         {Y, Y, Y, G, G, G}},
        {"2.0 index outside the colours",
         Vrml2("colorPerVertex FALSE color Color { color " + palette + " } colorIndex [ 3 9 ]"),
         {}},
        {"1.0 per face",
         Vrml1("Material { diffuseColor " + palette + " } MaterialBinding { value PER_FACE }"),
         {R, R, R, G, G, G}},
        {"1.0 per vertex in order",
         Vrml1("Material { diffuseColor " + palette + " } MaterialBinding { value PER_VERTEX }"),
         {R, G, B, Y, W, K}},
        {"1.0 overall", Vrml1("Material { diffuseColor " + palette + " }"), {}},
        {"1.0 per part of a Cube, repeating the colours",
         "#VRML V1.0 ascii\nSeparator { MaterialBinding { value PER_PART } Material { "
         "diffuseColor [ 1 0 0, 0 1 0, 1 0 0, 0 0 1 ] } Cube { } }\n",
         {R, G, R, B, R, G}},
        {"2.0 USE of an earlier Color",
         "#VRML V2.0 utf8\nDEF S Switch { choice Shape { geometry IndexedFaceSet { color DEF C "
         "Color { color " +
             palette + " } } } }\n" + Vrml2("colorPerVertex FALSE color USE C").substr(16),
         {R, R, R, G, G, G}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReadSavedAndReadAgain(c.text, [&c](const SceneData& original, const SceneData& again) {
            EXPECT_EQ(CornerColours(original), c.expected);
            EXPECT_EQ(CornerColours(again), c.expected);
        });
    }
}

TEST(FaceTextures, CoordinatesAndImagesSurviveASave) {
    const std::string points = "[ 0 0, 1 0, 1 1, 0 1, 0.5 0.5 ]";
    const std::string image = "texture ImageTexture { url [ \"missing.png\" \"wood.png\" ] }";
    struct Case {
        const char* what;
        std::string text;
        std::vector<float> expected;  // u, v of the corners of (0 1 2) and (1 4 2)
        std::string image;            // file name of the texture, "" for pixels
    };
    const Case cases[] = {
        {"2.0 box mapping",
         Vrml2("", "appearance Appearance { " + image + " }"),
         {0, 0, 1, 0, 1, 1, 1, 0, 1, 0, 1, 1},
         "wood.png"},
        {"2.0 coordinates and index",
         Vrml2("texCoord TextureCoordinate { point " + points +
                   " } texCoordIndex [ 4 3 2 -1 0 1 2 -1 ]",
               "appearance Appearance { " + image + " }"),
         {0.5f, 0.5f, 0, 1, 1, 1, 0, 0, 1, 0, 1, 1},
         "wood.png"},
        {"2.0 pixels",
         Vrml2("",
               "appearance Appearance { texture PixelTexture { image 2 1 3 0xFF0000 "
               "0x00FF00 } }"),
         {0, 0, 1, 0, 1, 1, 1, 0, 1, 0, 1, 1},
         ""},
        {"1.0 coordinates by coordinate index",
         Vrml1("Texture2 { filename \"wood.png\" } TextureCoordinate2 { point " + points + " }"),
         {0, 0, 1, 0, 1, 1, 1, 0, 0.5f, 0.5f, 1, 1},
         "wood.png"},
        {"1.0 without a texture", Vrml1("TextureCoordinate2 { point " + points + " }"), {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReadSavedAndReadAgain(c.text, [&c](const SceneData& original, const SceneData& again) {
            EXPECT_EQ(CornerTexCoords(original), c.expected);
            EXPECT_EQ(CornerTexCoords(again), c.expected);
            ASSERT_EQ(again.textureCount, original.textureCount);
            for (int32_t t = 0; t < original.textureCount; ++t) {
                const TextureRecord &read = original.textures.items[size_t(t)],
                                    &reread = again.textures.items[size_t(t)];
                EXPECT_EQ(fs::path(read.path).filename().string(), c.image);
                EXPECT_EQ(reread.path, read.path) << "saved relative to the output";
                EXPECT_EQ(reread.pixels, read.pixels);
            }
        });
    }
}

TEST(FaceNormals, PerVertexListsAndCreaseAngleSurviveASave) {
    const float h = std::sqrt(0.5f);
    struct Case {
        const char* what;
        std::string text;
        Normal expected;
    };
    const Case cases[] = {
        {"2.0 no normals", Vrml2(""), {0, 0, 0}},
        {"2.0 crease below the fold", Vrml2("creaseAngle 1.5"), {0, 0, 1}},
        {"2.0 crease above the fold", Vrml2("creaseAngle 1.6"), {h, 0, h}},
        {"2.0 normals by coordinate",
         Vrml2("normal Normal { vector " + kVectors + " }"),
         {0, 1, 0}},
        {"2.0 normals per face",
         Vrml2("normalPerVertex FALSE normal Normal { vector " + kVectors + " }"),
         {0, 0, 1}},
        {"1.0 no normals", Vrml1(""), {0, 0, 0}},
        {"1.0 crease above the fold", Vrml1("ShapeHints { creaseAngle 2 }"), {h, 0, h}},
        {"1.0 normals bound per vertex",
         Vrml1("Normal { vector " + kVectors + " } NormalBinding { value PER_VERTEX }"),
         {0, 1, 0}},
        {"1.0 crease kept inside its Separator",
         "#VRML V1.0 ascii\nSeparator { Separator { ShapeHints { creaseAngle 2 } } "
         "Coordinate3 { point " +
             kPoints + " } IndexedFaceSet { coordIndex " + kFaces + " } }\n",
         {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ReadSavedAndReadAgain(c.text, [&c](const SceneData& original, const SceneData& again) {
            const Normal read = CornerNormal(original), reread = CornerNormal(again);
            for (size_t a = 0; a < 3; ++a) {
                EXPECT_NEAR(read[a], c.expected[a], 1e-5f);
                EXPECT_NEAR(reread[a], read[a], 1e-5f);
            }
        });
    }
}

}  // namespace
}  // namespace vantor
