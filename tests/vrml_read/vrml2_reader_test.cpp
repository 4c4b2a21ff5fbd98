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

// Reads tests/inputs/vrml_read/vrml2/<name> and returns the log text; the
// messages shown go to `shown`.
std::string ReadInput(VrmlReader& reader, const std::string& name,
                      ScriptedPrompt* shown = nullptr) {
    ScratchFolder folder;
    ScriptedPrompt own;
    ScriptedPrompt& prompt = shown ? *shown : own;
    EXPECT_EQ(reader.ReadVrmlFile(kInputs + name, prompt, folder.LogPath()), 1) << name;
    return ReadText(folder.LogPath());
}

TEST(Vrml2Reader, ShapeRowsAndDefaultMaterial) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "shape_rows_and_default_material.wrl");
    // Root, default material, default matrix, then the Shape's rows: the
    // Appearance holds the default material, ShapeHints counter-clockwise.
    testing::ExpectRows(reader, "shape_rows_and_default_material");
    const float* material = reader.MaterialRow(reader.Row(5).dataBegin);
    EXPECT_FLOAT_EQ(material[5], 0.8f) << "diffuse red of the default material";
    EXPECT_FLOAT_EQ(material[17], 0.2f) << "shininess";
    EXPECT_EQ(FaceIndices(reader, 12), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(reader.coordIndexCount, 3);
    EXPECT_FALSE(Contains(log, "Caution")) << log;
}

TEST(Vrml2Reader, AppearancesAndMaterialsAreMergedAndShared) {
    VrmlReader reader;
    const std::string log =
        ReadInput(reader, "appearances_and_materials_are_merged_and_shared.wrl");
    // One Appearance and Material row per Shape; resolved USE rows are taken
    // back; material USE and appearance USE share the material row under a
    // name of their own; the appearance USE takes the texture too.
    testing::ExpectRows(reader, "appearances_and_materials_are_merged_and_shared");
    EXPECT_EQ(reader.defUseCount, 0);
    const float* red =
        reader.MaterialRow(reader.Row(RowsOfKind(reader, kind::Material2)[0]).dataBegin);
    EXPECT_FLOAT_EQ(red[5], 1.0f) << "commas between colour components";
    EXPECT_FLOAT_EQ(red[6], 0.0f);
    EXPECT_FLOAT_EQ(red[17], 0.5f);
    EXPECT_FLOAT_EQ(red[1], 0.2f) << "ambient stays the default";
    // Primitives keep the VRML 1.0 blocks: Sphere radius; Box sizes.
    const std::vector<int32_t> spheres = RowsOfKind(reader, kind::Sphere2);
    ASSERT_EQ(spheres.size(), 1u);
    EXPECT_FLOAT_EQ(reader.Block(reader.Row(spheres[0]).dataBegin)[0], 2.0f);
    const std::vector<int32_t> cones = RowsOfKind(reader, kind::Cone2);
    ASSERT_EQ(cones.size(), 1u);
    EXPECT_FLOAT_EQ(reader.Block(reader.Row(cones[0]).dataBegin)[1], 1.0f) << "bottom radius";
    EXPECT_FLOAT_EQ(reader.Block(reader.Row(cones[0]).dataBegin)[2], 2.0f) << "height";
    // The missing image is noted once.
    const size_t caution = log.find("Caution");
    EXPECT_NE(log.find("Caution in Texture image file not found ##"), std::string::npos) << log;
    EXPECT_EQ(log.find("Caution", caution + 1), std::string::npos) << log;
}

TEST(Vrml2Reader, IndicesAreAbsoluteWhateverTheFieldOrder) {
    for (const char* input : {"coord_before_index.wrl", "kicad_style_index_before_coord.wrl"}) {
        SCOPED_TRACE(input);
        VrmlReader reader;
        const std::string log = ReadInput(reader, input);
        const std::vector<int32_t> faceSets = RowsOfKind(reader, kind::IndexedFaceSet);
        ASSERT_EQ(faceSets.size(), 2u);
        EXPECT_EQ(FaceIndices(reader, faceSets[0]), (std::vector<int32_t>{0, 1, 2, 0, 2, 3}));
        EXPECT_EQ(FaceIndices(reader, faceSets[1]), (std::vector<int32_t>{6, 5, 4}))
            << "second face set on its own points";
        EXPECT_EQ(reader.pointCount, 21);
        // The box holds the second face set's points: z up to 7.
        EXPECT_FLOAT_EQ(reader.bounds[5], 7.0f);
        EXPECT_FALSE(Contains(log, "IndexedFaceSet")) << "ignored fields";
    }
}

TEST(Vrml2Reader, FacesThatCannotBeDrawnAreDropped) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "faces_that_cannot_be_drawn_are_dropped.wrl");
    const std::vector<int32_t> faceSets = RowsOfKind(reader, kind::IndexedFaceSet);
    ASSERT_EQ(faceSets.size(), 1u);
    // The short face and the face reaching point 9 go; the unterminated
    // last face stays.
    EXPECT_EQ(FaceIndices(reader, faceSets[0]), (std::vector<int32_t>{0, 1, 2, 3, 2, 1, 3, 1, 0}));
    EXPECT_TRUE(Contains(log, "Needs At Least three Data POINTs !")) << log;
    EXPECT_TRUE(Contains(log, "faces dropped = 1")) << log;
    // Lines: the polyline reaching point 7 goes, each kept one ends with -1.
    const std::vector<int32_t> expected = {4, 5, 6, -1, 6, 7, -1};
    std::vector<int32_t> lines(reader.lineCoordIndexPool.data(),
                               reader.lineCoordIndexPool.data() + reader.lineCoordIndexCount);
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(Contains(log, "lines dropped = 1")) << log;
}

TEST(Vrml2Reader, NormalsFollowTheirFacesOrAreLeftOut) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "normals_follow_their_faces_or_are_left_out.wrl");
    const std::vector<int32_t> faceSets = RowsOfKind(reader, kind::IndexedFaceSet);
    ASSERT_EQ(faceSets.size(), 2u);
    const float* first = reader.Block(reader.Row(faceSets[0]).dataBegin);
    EXPECT_EQ(int(first[0]), 1) << "own normal indices";
    EXPECT_EQ(reader.normalIndexPool[int(first[3])], 1);
    EXPECT_EQ(reader.normalIndexPool[int(first[3]) + 1], 0);
    const float* second = reader.Block(reader.Row(faceSets[1]).dataBegin);
    EXPECT_EQ(int(second[0]), 2) << "mismatched normals dropped, normals generated";
    EXPECT_TRUE(Contains(log, "Does not match point Num and Normal Num ! 3 ,0")) << log;
}

TEST(Vrml2Reader, CounterClockwiseFalseReversesTriangles) {
    VrmlReader reader;
    ReadInput(reader, "counter_clockwise_false_reverses_triangles.wrl");
    testing::ExpectRows(reader, "counter_clockwise_false_reverses_triangles");  // the hints
    const std::vector<int32_t> faceSets = RowsOfKind(reader, kind::IndexedFaceSet);
    EXPECT_EQ(FaceIndices(reader, faceSets[0]), (std::vector<int32_t>{2, 1, 0}));
    EXPECT_EQ(FaceIndices(reader, faceSets[1]), (std::vector<int32_t>{3, 4, 5}));
}

TEST(Vrml2Reader, ElevationGridPointsTrianglesAndMismatch) {
    {
        VrmlReader reader;
        ReadInput(reader, "elevation_grid_points_triangles_and_mismatch.wrl");
        EXPECT_EQ(reader.pointCount, 18);
        EXPECT_EQ(reader.coordIndexCount, 12);
        ASSERT_EQ(RowsOfKind(reader, kind::ElevationGrid).size(), 1u);
        const std::vector<int32_t> faceSets = RowsOfKind(reader, kind::IndexedFaceSet);
        EXPECT_EQ(FaceIndices(reader, faceSets[0]),
                  (std::vector<int32_t>{0, 3, 1, 1, 3, 4, 1, 4, 2, 2, 4, 5}));
        // The last point: x = 2 * 2, height 5, z = 1 * 0.5.
        EXPECT_FLOAT_EQ(reader.pointPool[15], 4.0f);
        EXPECT_FLOAT_EQ(reader.pointPool[16], 5.0f);
        EXPECT_FLOAT_EQ(reader.pointPool[17], 0.5f);
    }
    {
        VrmlReader reader;
        const std::string log =
            ReadInput(reader, "elevation_grid_points_triangles_and_mismatch_2.wrl");
        testing::ExpectRows(reader, "elevation_grid_mismatch");  // no grid or face set
        EXPECT_EQ(reader.pointCount, 0);
        EXPECT_TRUE(Contains(log,
                             "Does not mach value in hight Field num = 5 iXDimension = 3 "
                             "iZDimension = 2"))
            << log;
    }
}

TEST(Vrml2Reader, FaceSetWithoutCoordinatesIsRolledBack) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "face_set_without_coordinates_is_rolled_back.wrl");
    // The first Shape's block ends where its remaining rows end.
    testing::ExpectRows(reader, "face_set_without_coordinates_is_rolled_back");
    EXPECT_EQ(reader.coordIndexCount, 3);
    EXPECT_TRUE(Contains(log, "We cannot find coord Field Value ! 4 ,0")) << log;
}

TEST(Vrml2Reader, SwitchChoosesOneChoiceAndKeepsAll) {
    {
        // The rows are kept, the chosen range is empty.
        VrmlReader reader;
        ReadInput(reader, "switch_chooses_nothing.wrl");
        testing::ExpectRows(reader, "switch_chooses_nothing");
        EXPECT_GT(reader.bounds[0], reader.bounds[1]) << "nothing drawn, box stays empty";
    }
    {
        VrmlReader reader;
        ReadInput(reader, "switch_chooses_the_transform.wrl");
        testing::ExpectRows(reader, "switch_chooses_the_transform");
        EXPECT_FLOAT_EQ(reader.bounds[0], 9.0f) << "only the sphere moved to x = 10";
        EXPECT_FLOAT_EQ(reader.bounds[1], 11.0f);
    }
    {
        // More choices than the old fixed table: all read, the box at 550 chosen.
        VrmlReader reader;
        const std::string log = ReadInput(reader, "../../hardening/switch_with_600_choices.wrl");
        EXPECT_EQ(RowsOfKind(reader, kind::Box).size(), 600u);
        EXPECT_FLOAT_EQ(reader.bounds[0], 549.0f);
        EXPECT_FLOAT_EQ(reader.bounds[1], 551.0f);
        EXPECT_TRUE(Contains(log, "choice number = 600")) << log;
    }
}

TEST(Vrml2Reader, TransformGroupsAndSkippedNodes) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "transform_groups_and_skipped_nodes.wrl");
    // Root, two defaults, then Anchor and Group rows for the Group up to the
    // Viewpoint; the Transform's group, value and children rows; the
    // Collision without its proxy; nothing of the PROTO body or the ROUTE.
    testing::ExpectRows(reader, "transform_groups_and_skipped_nodes");
    const float* values = reader.Block(reader.Row(6).dataBegin);
    EXPECT_FLOAT_EQ(values[0], 1.0f);
    EXPECT_FLOAT_EQ(values[4], 1.0f);
    EXPECT_NEAR(values[6], 90.0f, 1e-3f) << "degrees";
    EXPECT_FLOAT_EQ(values[7], 1.0f) << "scale default";
    EXPECT_TRUE(
        Contains(log, "Caution in switch SetNodeCollisionToVrml20Array ! cNode = ##proxy##"))
        << log;
}

TEST(Vrml2Reader, MixedVersionInlines) {
    {
        VrmlReader reader;
        ScriptedPrompt prompt;
        ReadInput(reader, "vrml1_parent.wrl", &prompt);
        EXPECT_TRUE(prompt.shown.empty());
        ASSERT_EQ(reader.fileCount, 2);
        EXPECT_EQ(reader.FileRecordAt(0).version, 10);
        EXPECT_EQ(reader.FileRecordAt(1).version, 20);
        testing::ExpectRows(reader, "vrml1_parent");  // the Shape in the child's file
        EXPECT_EQ(reader.coordIndexCount, 6);
        EXPECT_FLOAT_EQ(reader.bounds[1], 11.0f) << "child moved by its Transform";
    }
    {
        VrmlReader reader;
        ScriptedPrompt prompt;
        ReadInput(reader, "vrml2_parent.wrl", &prompt);
        EXPECT_TRUE(prompt.shown.empty());
        ASSERT_EQ(reader.fileCount, 2);
        EXPECT_EQ(reader.FileRecordAt(1).version, 10);
        testing::ExpectRows(reader, "vrml2_parent");
        EXPECT_EQ(reader.coordIndexCount, 3);
        EXPECT_FLOAT_EQ(reader.bounds[4], -20.0f);
        EXPECT_FLOAT_EQ(reader.bounds[5], 1.0f) << "the Box";
    }
}

TEST(Vrml2Reader, LodAndText) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "lod_and_text.wrl");
    const std::vector<int32_t> lods = RowsOfKind(reader, kind::Lod2);
    ASSERT_EQ(lods.size(), 1u);
    EXPECT_EQ(reader.Row(lods[0] + 1).kind, kind::Level);
    EXPECT_EQ(int(reader.Block(reader.Row(lods[0]).dataBegin)[1]), reader.nodeCount);
    EXPECT_EQ(RowsOfKind(reader, kind::Sphere2).size(), 1u);
    const std::vector<int32_t> texts = RowsOfKind(reader, kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    const TextRecord text = reader.TextRecordAt(reader.Row(texts[0]).dataBegin);
    EXPECT_EQ(text.string, "abcd");
    EXPECT_EQ(text.size, 2);
    EXPECT_EQ(text.justification, kJustifyCenter);
    EXPECT_FALSE(Contains(log, "Caution")) << log;
}

TEST(Vrml2Reader, SharedGeometryAndCoordinates) {
    VrmlReader reader;
    ScriptedPrompt prompt;
    ReadInput(reader, "shared_geometry_and_coordinates.wrl", &prompt);
    // The DEF name sits on the face set's grouping row, so USE brings its
    // coordinates along; coord USE shares the points under a name of its own;
    // a comma where a node belongs is a row; TransformSeparator is refused.
    testing::ExpectRows(reader, "shared_geometry_and_coordinates");
    EXPECT_FLOAT_EQ(reader.bounds[1], 6.0f);
    EXPECT_EQ(reader.pointCount, 9) << "no new points, indices on the first list";
    const std::vector<int32_t> faceSets = RowsOfKind(reader, kind::IndexedFaceSet);
    EXPECT_EQ(FaceIndices(reader, faceSets[1]), (std::vector<int32_t>{2, 1, 0}));
    EXPECT_FLOAT_EQ(reader.bounds[4], -4.0f);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "TransformSeparator");
    EXPECT_EQ(prompt.shown[0].caption, "Error");
}

TEST(Vrml2Reader, StrayBracesDoNotEndTheFile) {
    VrmlReader reader;
    const std::string log = ReadInput(reader, "stray_braces_do_not_end_the_file.wrl");
    // A DEF name that is a node word names that node; the Cone after the stray
    // braces is read.
    testing::ExpectRows(reader, "stray_braces_do_not_end_the_file");
    const int32_t transform = RowsOfKind(reader, kind::Transform2).at(0);
    EXPECT_FLOAT_EQ(reader.Block(reader.Row(transform + 1).dataBegin)[0], 1.0f);
    EXPECT_TRUE(Contains(log, "Caution in MakeVrmlList01 Brace 0")) << log;
}

}  // namespace
}  // namespace vantor
