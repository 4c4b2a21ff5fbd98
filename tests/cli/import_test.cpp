// Mesh files (STL, OBJ, PLY, glTF, 3DS, OFF, X3D) written here, read as a
// document, through `korvalde-cli info` and `convert`, and broken.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/cli_runner.h"
#include "import/model_import.h"
#include "scene/node_kind.h"
#include "support/scratch_folder.h"
#include "vrml_write/save_scene.h"

namespace {

using vantor::testing::RunCli;

// Little-endian binary building.
struct Bytes {
    std::string data;
    Bytes& U16(uint16_t v) { return Raw(&v, 2); }
    Bytes& U32(uint32_t v) { return Raw(&v, 4); }
    Bytes& F32(float v) { return Raw(&v, 4); }
    Bytes& Text(const std::string& text) {
        data += text;
        return *this;
    }
    Bytes& Raw(const void* p, size_t n) {
        data.append(static_cast<const char*>(p), n);
        return *this;
    }
};

// A binary STL whose 80-byte header starts "solid", as many CAD programs
// write it: only the size tells it from ASCII.
std::string BinaryStl() {
    const float tetra[4][9] = {{0, 0, 0, 2, 0, 0, 0, 2, 0},
                               {0, 0, 0, 0, 2, 0, 0, 0, 2},
                               {0, 0, 0, 0, 0, 2, 2, 0, 0},
                               {2, 0, 0, 0, 0, 2, 0, 2, 0}};
    Bytes b;
    b.Text(std::string("solid part").append(70, ' ')).U32(4);
    for (const auto& triangle : tetra) {
        for (int i = 0; i < 3; ++i) b.F32(0);
        for (float v : triangle) b.F32(v);
        b.U16(0);
    }
    return b.data;
}

std::string Base64(const std::string& in) {
    static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < in.size(); i += 3) {
        const size_t n = std::min<size_t>(3, in.size() - i);
        uint32_t v = 0;
        for (size_t k = 0; k < 3; ++k) v = v << 8 | (k < n ? uint8_t(in[i + k]) : 0u);
        for (size_t k = 0; k < 4; ++k) out += k <= n ? digits[(v >> (18 - 6 * k)) & 63] : '=';
    }
    return out;
}

// One triangle (0 0 0, 1 0 0, 0 1 0) with a blue material under a node
// moved by 10 along x.
std::string GltfBuffer() {
    Bytes b;
    for (float v : {0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 1.f, 0.f}) b.F32(v);
    return b.U16(0).U16(1).U16(2).U16(0).data;
}

std::string GltfJson(const std::string& bufferUri) {
    return R"({"asset":{"version":"2.0"},"scene":0,"scenes":[{"nodes":[0]}],)"
           R"("nodes":[{"name":"moved","mesh":0,"translation":[10,0,0]}],)"
           R"("meshes":[{"name":"tri","primitives":[{"attributes":{"POSITION":0},"indices":1,"material":0}]}],)"
           R"("materials":[{"name":"blue","pbrMetallicRoughness":{"baseColorFactor":[0,0,1,1]}}],)"
           R"("buffers":[{"byteLength":44)" +
           (bufferUri.empty() ? std::string() : R"(,"uri":")" + bufferUri + "\"") +
           R"(}],"bufferViews":[{"buffer":0,"byteOffset":0,"byteLength":36},)"
           R"({"buffer":0,"byteOffset":36,"byteLength":6}],)"
           R"("accessors":[{"bufferView":0,"componentType":5126,"count":3,"type":"VEC3",)"
           R"("min":[0,0,0],"max":[1,1,0]},)"
           R"({"bufferView":1,"componentType":5123,"count":3,"type":"SCALAR"}]})";
}

std::string Gltf() {
    return GltfJson("data:application/octet-stream;base64," + Base64(GltfBuffer()));
}

std::string Glb() {
    std::string json = GltfJson("");
    json.append((4 - json.size() % 4) % 4, ' ');
    const std::string bin = GltfBuffer();
    Bytes b;
    b.Text("glTF").U32(2).U32(uint32_t(12 + 8 + json.size() + 8 + bin.size()));
    b.U32(uint32_t(json.size())).U32(0x4E4F534A).Text(json);
    b.U32(uint32_t(bin.size())).U32(0x004E4942).Text(bin);
    return b.data;
}

std::string Chunk(uint16_t id, const std::string& body) {
    return Bytes().U16(id).U32(uint32_t(6 + body.size())).Text(body).data;
}

// A 3DS file of one object holding the triangle (0 0 0, 3 0 0, 0 4 0).
std::string ThreeDs() {
    Bytes vertices;
    vertices.U16(3);
    for (float v : {0.f, 0.f, 0.f, 3.f, 0.f, 0.f, 0.f, 4.f, 0.f}) vertices.F32(v);
    const std::string faces = Bytes().U16(1).U16(0).U16(1).U16(2).U16(0).data;
    const std::string mesh = Chunk(0x4100, Chunk(0x4110, vertices.data) + Chunk(0x4120, faces));
    const std::string object = Chunk(0x4000, std::string("tri", 4) + mesh);
    return Chunk(0x4D4D, Chunk(0x0002, Bytes().U32(3).data) + Chunk(0x3D3D, object));
}

struct ModelCase {
    std::string name;
    std::string content;
    long triangles;
    long points;                      // after joining identical vertices
    std::vector<float> bounds;        // min x, max x, min y, max y, min z, max z
    std::vector<float> diffuse;       // of the first Shape's material
    std::string broken;               // the same kind, unreadable
    std::vector<float> corners = {};  // r, g, b of each triangle corner, when coloured
    std::string extraName = {};       // a second file beside it (an OBJ's MTL)
};

const std::vector<float> kVrmlDefaultDiffuse = {0.8f, 0.8f, 0.8f};

// Text inputs left empty here come from tests/inputs/import/ and its
// broken/ folder.
std::string Input(const std::string& name) {
    return vantor::testing::ReadText(std::string(VANTOR_TEST_INPUTS) + "/import/" + name);
}

std::vector<ModelCase> Cases() {
    const std::string glb = Glb();
    const std::vector<float> grey = kVrmlDefaultDiffuse;
    const std::vector<float> plyCorners = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1};
    std::vector<ModelCase> cases = {
        {"square.stl", "", 2, 4, {0, 1, 0, 1, 0, 0}, grey, ""},
        {"tetra.stl", BinaryStl(), 4, 4, {0, 2, 0, 2, 0, 2}, grey, BinaryStl().substr(0, 60)},
        // The extension lies: binary STL content named .wrl.
        {"tetra_stl.wrl", BinaryStl(), 4, 4, {0, 2, 0, 2, 0, 2}, grey, ""},
        {"box.obj", "", 2, 4, {0, 2, 0, 3, 0, 0}, {1, 0, 0}, "", {}, "box.mtl"},
        // Vertex colours: two corners share a point but not its colour.
        {"quad.ply", "", 2, 4, {0, 1, 0, 0, 0, 1}, grey, "", plyCorners},
        {"tri.gltf", Gltf(), 1, 3, {10, 11, 0, 1, 0, 0}, {0, 0, 1}, ""},
        {"tri.glb", glb, 1, 3, {10, 11, 0, 1, 0, 0}, {0, 0, 1}, glb.substr(0, 100)},
        {"tri.3ds", ThreeDs(), 1, 3, {0, 3, 0, 0, -4, 0}, grey, ThreeDs().substr(0, 20)},
        {"two.off", "", 2, 4, {0, 1, 0, 1, 0, 1}, grey, ""},
        {"tri.x3d", "", 1, 3, {5, 6, 0, 1, 0, 0}, {0, 1, 0}, ""},
    };
    for (ModelCase& c : cases) {
        if (c.content.empty()) c.content = Input(c.name);
        if (c.broken.empty()) c.broken = Input("broken/" + c.name);
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
    const std::string stl = Write("tetra.stl", BinaryStl());
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
}

}  // namespace
