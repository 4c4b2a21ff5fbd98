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

// Each input in tests/inputs/vrml_write/appearance/ is a roof of two
// triangles, (0 1 2) and (1 4 2), meeting at a right angle along the edge 1-2.
std::string Input(const std::string& name) {
    return vantor::testing::ReadText(std::string(VANTOR_TEST_INPUTS) + "/vrml_write/appearance/" +
                                     name + ".wrl");
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

// Reads the input `name`, saves it as new data, reads that back and hands
// both scenes to `check`.
template <typename Check>
void ReadSavedAndReadAgain(const std::string& name, Check check) {
    SCOPED_TRACE(name);
    vantor::testing::ScratchFolder folder("appearance");
    ScriptedPrompt prompt;
    const std::string path = folder.Write("in.wrl", Input(name));
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
    const std::array<float, 3> R{1, 0, 0}, G{0, 1, 0}, B{0, 0, 1}, Y{1, 1, 0}, W{1, 1, 1},
        K{0, 0, 0};
    // The corners of the two triangles; the 1.0 Cube repeats its colours.
    const std::pair<const char*, Colours> cases[] = {
        {"colour2_per_vertex", {R, G, B, G, W, B}},
        {"colour2_per_vertex_indexed", {Y, B, G, R, R, R}},
        {"colour2_per_face", {R, R, R, G, G, G}},
        {"colour2_per_face_indexed", {Y, Y, Y, G, G, G}},
        {"colour2_index_outside", {}},
        {"colour2_use", {R, R, R, G, G, G}},
        {"colour1_per_face", {R, R, R, G, G, G}},
        {"colour1_per_vertex", {R, G, B, Y, W, K}},
        {"colour1_overall", {}},
        {"colour1_cube_per_part", {R, G, R, B, R, G}},
    };
    for (const auto& [name, expected] : cases) {
        ReadSavedAndReadAgain(name, [&](const SceneData& original, const SceneData& again) {
            EXPECT_EQ(CornerColours(original), expected);
            EXPECT_EQ(CornerColours(again), expected);
        });
    }
}

TEST(FaceTextures, CoordinatesAndImagesSurviveASave) {
    struct Case {
        const char* name;
        std::vector<float> expected;  // u, v of the corners of the two triangles
        std::string image;            // file name of the texture, "" for pixels
    };
    const std::vector<float> box = {0, 0, 1, 0, 1, 1, 1, 0, 1, 0, 1, 1};
    const Case cases[] = {
        {"texture2_box_mapping", box, "wood.png"},
        {"texture2_coordinates", {0.5f, 0.5f, 0, 1, 1, 1, 0, 0, 1, 0, 1, 1}, "wood.png"},
        {"texture2_pixels", box, ""},
        {"texture1_coordinates", {0, 0, 1, 0, 1, 1, 1, 0, 0.5f, 0.5f, 1, 1}, "wood.png"},
        {"texture1_none", {}, ""},
    };
    for (const Case& c : cases) {
        ReadSavedAndReadAgain(c.name, [&c](const SceneData& original, const SceneData& again) {
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
    const std::pair<const char*, Normal> cases[] = {
        {"normal2_none", {0, 0, 0}},
        {"normal2_crease_below", {0, 0, 1}},
        {"normal2_crease_above", {h, 0, h}},
        {"normal2_by_coordinate", {0, 1, 0}},
        {"normal2_per_face", {0, 0, 1}},
        {"normal1_none", {0, 0, 0}},
        {"normal1_crease_above", {h, 0, h}},
        {"normal1_per_vertex", {0, 1, 0}},
        {"normal1_crease_in_separator", {0, 0, 0}},
    };
    for (const auto& [name, expected] : cases) {
        ReadSavedAndReadAgain(name, [&](const SceneData& original, const SceneData& again) {
            const Normal read = CornerNormal(original), reread = CornerNormal(again);
            for (size_t a = 0; a < 3; ++a) {
                EXPECT_NEAR(read[a], expected[a], 1e-5f);
                EXPECT_NEAR(reread[a], read[a], 1e-5f);
            }
        });
    }
}

}  // namespace
}  // namespace vantor
