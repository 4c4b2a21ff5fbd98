// Mesh files (STL, OBJ, PLY, glTF, 3DS, OFF, X3D) read as a
// document, through `korvalde-cli info` and `convert`, and broken.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "import/model_import.h"
#include "scene/node_kind.h"
#include "support/scratch_folder.h"
#include "vrml_write/save_scene.h"

namespace {

using vantor::testing::RunCli;

struct ModelCase {
    std::string name;
    long triangles;
    long points;                      // after joining identical vertices
    std::vector<float> bounds;        // min x, max x, min y, max y, min z, max z
    std::vector<float> diffuse;       // of the first Shape's material
    size_t brokenLength = 0;          // cut short to this, else broken/<name>
    std::vector<float> corners = {};  // r, g, b of each triangle corner, when coloured
    std::string extraName = {};       // a second file beside it (an OBJ's MTL)
    std::string content = {}, broken = {};
};

// Inputs come from tests/inputs/import/ and its broken/ folder. The binary
// STL's header starts "solid", as many CAD programs write it; the glTF
// triangle's node is moved by 10 along x.
std::string Input(const std::string& name) {
    return vantor::testing::ReadText(std::string(VANTOR_TEST_INPUTS) + "/import/" + name);
}

std::vector<ModelCase> Cases() {
    const std::vector<float> grey = {0.8f, 0.8f, 0.8f};  // VRML's default diffuse colour
    const std::vector<float> plyCorners = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1};
    std::vector<ModelCase> cases = {
        {"square.stl", 2, 4, {0, 1, 0, 1, 0, 0}, grey},
        {"tetra.stl", 4, 4, {0, 2, 0, 2, 0, 2}, grey, 60},
        // The extension lies: binary STL content named .wrl.
        {"tetra_stl.wrl", 4, 4, {0, 2, 0, 2, 0, 2}, grey},
        {"box.obj", 2, 4, {0, 2, 0, 3, 0, 0}, {1, 0, 0}, 0, {}, "box.mtl"},
        // Vertex colours: two corners share a point but not its colour.
        {"quad.ply", 2, 4, {0, 1, 0, 0, 0, 1}, grey, 0, plyCorners},
        {"tri.gltf", 1, 3, {10, 11, 0, 1, 0, 0}, {0, 0, 1}},
        {"tri.glb", 1, 3, {10, 11, 0, 1, 0, 0}, {0, 0, 1}, 100},
        {"tri.3ds", 1, 3, {0, 3, 0, 0, -4, 0}, grey, 20},
        {"two.off", 2, 4, {0, 1, 0, 1, 0, 1}, grey},
        {"tri.x3d", 1, 3, {5, 6, 0, 1, 0, 0}, {0, 1, 0}},
    };
    for (ModelCase& c : cases) {
        c.content = Input(c.name);
        c.broken = c.brokenLength ? c.content.substr(0, c.brokenLength) : Input("broken/" + c.name);
    }
    return cases;
}

class ModelImport : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& content) const {
        return folder_.Write(name, content);
    }
    std::string Log() const { return folder_ / "reading.log"; }

    // Reads `path` expecting a refusal: one message box, caption "Caution",
    // an empty scene. Returns the message.
    std::string Refusal(const std::string& path) const {
        vantor::VrmlReader refused;
        vantor::ScriptedPrompt prompt;
        EXPECT_EQ(vantor::ReadModelFile(refused, path, prompt, Log()), -1);
        EXPECT_TRUE(refused.IsEmpty());
        if (prompt.shown.size() != 1)
            return "<" + std::to_string(prompt.shown.size()) + " messages>";
        EXPECT_EQ(prompt.shown[0].caption, "Caution");
        return prompt.shown[0].text;
    }

    vantor::testing::ScratchFolder folder_;
};

// The material row of the first Shape's Material row.
const float* FirstShapeMaterial(const vantor::SceneData& scene) {
    for (int32_t i = 0; i < scene.nodeCount; ++i)
        if (scene.Row(i).kind == vantor::kind::Material2)
            return scene.MaterialRow(scene.Row(i).dataBegin);
    return nullptr;
}

std::string JsonField(const std::string& json, const std::string& key) {
    const size_t at = json.find("\"" + key + "\":");
    if (at == std::string::npos) return "<missing " + key + ">";
    const size_t from = at + key.size() + 3;
    const size_t end = json[from] == '[' ? json.find(']', from) + 1 : json.find(',', from);
    return json.substr(from, end - from);
}

TEST_F(ModelImport, EachFormatReadsConvertsAndFailsWithItsReason) {
    for (const ModelCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        if (!c.extraName.empty()) Write(c.extraName, Input(c.extraName));
        const std::string path = Write(c.name, c.content);

        vantor::VrmlReader reader;
        vantor::ScriptedPrompt prompt;
        ASSERT_EQ(vantor::ReadModelFile(reader, path, prompt, Log()), 1);
        EXPECT_TRUE(prompt.shown.empty()) << prompt.shown.front().text;
        EXPECT_EQ(reader.coordIndexCount / 3, c.triangles);
        EXPECT_EQ(reader.pointCount / 3, c.points);
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(reader.bounds[i], c.bounds[i], 1e-5) << i;
        const float* material = FirstShapeMaterial(reader);
        ASSERT_NE(material, nullptr);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(material[5 + i], c.diffuse[i], 1e-5) << i;
        const std::vector<float> corners(reader.colorPool.data(),
                                         reader.colorPool.data() + reader.colorCount);
        EXPECT_EQ(corners, c.corners);
        if (c.name == "box.obj") {
            // Ns 64 is half of VRML's largest exponent; d 0.75 is opacity.
            EXPECT_FLOAT_EQ(material[17], 0.5f);
            EXPECT_FLOAT_EQ(material[19], 0.25f);
            EXPECT_FLOAT_EQ(material[9], 0.5f);
            // The diffuse map, resolved beside the file, with u, v per corner.
            ASSERT_EQ(reader.textureCount, 1);
            EXPECT_EQ(reader.textures.items[0].path, folder_ / "red.png");
            const std::vector<float> uv(reader.texCoordPool.data(),
                                        reader.texCoordPool.data() + reader.texCoordCount);
            EXPECT_EQ(uv, (std::vector<float>{0, 0, 1, 0, 1, 1, 0, 0, 1, 1, 0, 1}));
        }

        // info, then convert to VRML 1.0 and info again: the same triangles
        // and bounds.
        if (vantor::testing::CliBuilt()) {
            const std::string out = folder_ / (c.name + ".out.wrl");
            const std::string before = RunCli("info --json --log " + Log() + " " + path).out;
            EXPECT_EQ(JsonField(before, "triangles"), std::to_string(c.triangles));
            const auto convert = RunCli("convert --log " + Log() + " " + path + " " + out);
            ASSERT_EQ(convert.status, 0) << convert.err;
            const std::string after = RunCli("info --json --log " + Log() + " " + out).out;
            EXPECT_EQ(JsonField(after, "triangles"), std::to_string(c.triangles));
            EXPECT_EQ(JsonField(after, "bounds"), JsonField(before, "bounds"));
            vantor::VrmlReader back;
            ASSERT_EQ(vantor::ReadModelFile(back, out, prompt, Log()), 1);
            EXPECT_EQ(
                std::vector<float>(back.colorPool.data(), back.colorPool.data() + back.colorCount),
                corners);
            EXPECT_EQ(back.textureCount, reader.textureCount);
            EXPECT_EQ(back.texCoordCount, reader.texCoordCount);
        }

        // A broken file of the same kind: one message with the reason, an
        // empty scene.
        const std::string message = Refusal(Write("broken/" + c.name, c.broken));
        // (The broken .wrl is no mesh: the VRML reader words its refusal.)
        if (c.name != "tetra_stl.wrl") {
            EXPECT_EQ(message.rfind(c.name + "を読み込めません。\n", 0), 0u) << message;
        }
    }
}

// A mesh added to a VRML document, saved as new data: the mesh's rows are
// written in full (a WWWInline cannot name an STL) and read back.
TEST_F(ModelImport, AssemblyWithAMeshSavesAndLimitsRefuse) {
    const std::string stl = Write("tetra.stl", Input("tetra.stl"));
    const std::string plate = std::string(VANTOR_TEST_INPUTS) + "/vrml_write/v1_parts.wrl";
    vantor::VrmlReader scene;
    vantor::ScriptedPrompt prompt;
    ASSERT_EQ(vantor::ReadModelFile(scene, plate, prompt, Log()), 1);
    const int32_t ownTriangles = scene.coordIndexCount / 3;
    ASSERT_EQ(vantor::AddModelToData(scene, stl, prompt, Log()), 1);
    EXPECT_EQ(scene.coordIndexCount / 3, ownTriangles + 4);

    const std::string saved = folder_ / "assembly.wrl";
    ASSERT_TRUE(vantor::SaveScene(scene, saved, 1, vantor::SaveOptions{}).saved());
    vantor::VrmlReader again;
    ASSERT_EQ(vantor::ReadModelFile(again, saved, prompt, Log()), 1);
    EXPECT_EQ(again.coordIndexCount / 3, ownTriangles + 4);
    EXPECT_TRUE(prompt.shown.empty());

    // Too many triangles or bytes: refused before any row is made.
    vantor::ImportLimits& limits = vantor::DefaultImportLimits();
    const vantor::ImportLimits savedLimits = limits;
    for (int round = 0; round < 2; ++round) {
        (round == 0 ? limits.maxTriangles : limits.maxFileBytes) = 3;
        EXPECT_EQ(Refusal(stl), "tetra.stlは大きすぎて読み込めません。");
        limits = savedLimits;
    }
    // Headers declaring more elements than the file holds, however the
    // count is written, are refused before Assimp allocates for them.
    const std::pair<const char*, const char*> overDeclared[] = {
        {"glued.off", "COFF100000000\n3\n"},
        {"commented.off", "OFF\n4#a comment\n99999999999\n"},
        {"prefixed.off", "4 \n1 #a comment\n99999999999\n"},  // no keyword: "4" is a prefix
        {"lettered.ply",
         "ply\nformat ascii 1.0\nelement vertex 44444444r\nproperty float x\nend_header\n"},
    };
    for (const auto& [name, text] : overDeclared)
        EXPECT_NE(Refusal(Write(name, text)).find("declares more elements"), std::string::npos)
            << name;
}

}  // namespace
