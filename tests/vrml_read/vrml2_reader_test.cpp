#include <gtest/gtest.h>

#include <string>

#include "reader_test_support.h"
#include "scene/node_kind.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {
namespace {

using testing::Contains;
using testing::FaceIndices;
using testing::ReadText;
using testing::RowsOfKind;
using testing::ScratchFolder;

const std::string kInputs = std::string(VANTOR_TEST_INPUTS) + "/vrml_read/vrml2/";
const std::string kHeader = "#VRML V2.0 utf8\n";

// Reads `body` (after a VRML 2.0 header) and returns the log text.
std::string ReadBody(VrmlReader& reader, const std::string& body, const ScratchFolder& folder) {
    ScriptedPrompt prompt;
    const std::string path = folder.Write("body.wrl", kHeader + body);
    EXPECT_EQ(reader.ReadVrmlFile(path, prompt, folder.LogPath()), 1);
    return ReadText(folder.LogPath());
}

std::vector<int32_t> Kinds(const SceneData& scene, int32_t first, int32_t end) {
    std::vector<int32_t> kinds;
    for (int32_t i = first; i < end; ++i) kinds.push_back(scene.Row(i).kind);
    return kinds;
}

const std::string kTriangle =
    "geometry IndexedFaceSet { coord Coordinate { point [ 0 0 0, 1 0 0, 0 1 0 ] } "
    "coordIndex [ 0 1 2 -1 ] }";

TEST(Vrml2Reader, ShapeRowsAndDefaultMaterial) {
    ScratchFolder folder("v2_shape");
    VrmlReader reader;
    const std::string log = ReadBody(reader, "DEF S Shape { " + kTriangle + " }", folder);
    // Root, default material, default matrix, then the Shape's rows.
    const std::vector<int32_t> expected = {
        kind::Shape,           kind::Appearance, kind::Material2,
        kind::IndexedFaceSet2, kind::ShapeHints, kind::Coordinate3,
        kind::Normal,          kind::Color,      kind::TextureTransform,
        kind::IndexedFaceSet};
    ASSERT_GE(reader.nodeCount, 13);
    EXPECT_EQ(Kinds(reader, 3, 13), expected);
    EXPECT_EQ(reader.DefNameOf(3), "S");
    const float* shape = reader.Block(reader.Row(3).dataBegin);
    EXPECT_EQ(int(shape[0]), 4);
    EXPECT_EQ(int(shape[1]), 13);
    EXPECT_EQ(reader.Row(3).dataEnd, -998);
    const float* appearance = reader.Block(reader.Row(4).dataBegin);
    EXPECT_EQ(int(appearance[0]), 5);
    EXPECT_EQ(int(appearance[1]), 6);
    EXPECT_EQ(reader.DefNameOf(5), "KORVALDE_DEFAULT_MARERIAL");
    const float* material = reader.MaterialRow(reader.Row(5).dataBegin);
    EXPECT_FLOAT_EQ(material[5], 0.8f) << "diffuse red of the default material";
    EXPECT_FLOAT_EQ(material[17], 0.2f) << "shininess";
    EXPECT_EQ(reader.Row(7).dataBegin, -1) << "ShapeHints counter-clockwise";
    EXPECT_EQ(FaceIndices(reader, 12), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(reader.coordIndexCount, 3);
    EXPECT_FALSE(Contains(log, "Caution")) << log;
}

}  // namespace
}  // namespace vantor
