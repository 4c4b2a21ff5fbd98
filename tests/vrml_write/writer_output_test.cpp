// Exact text of the writer on small scenes built row by row, including the
// rows it adds to the original VRML 1.0 set (transforms, primitives, point
// sets, VRML 2.0 groups and materials, Switch and USE), and its numbers.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <regex>

#include "scene/scene_builder.h"
#include "vrml_write/number_format.h"
#include "writer_test_support.h"

using namespace vantor;
using namespace vantor::testing;

namespace {

int32_t AddMaterial2(SceneData& scene, int32_t file, const std::string& def) {
    const int32_t m = scene.AppendMaterialRow();
    scene.MaterialRow(m)[5] = 0.5f;
    return scene.AddRow(kind::Material2, file, tag::Material, m, -999, def);
}

// part.wrl: one triangle with a coordinate only the exact form keeps.
void OneTriangleFile(SceneData& scene) {
    SceneBuilder b(scene);
    b.BeginFile("part.wrl");
    b.Coordinates({0, 0, 0, 1, 0, 0, 0.25f, 3, 0.0004f});
    b.FaceSet({0, 1, 2});
    b.EndFile();
}

}  // namespace

TEST(WriterOutput, TopDataModeWritesHeaderNodesAndCurtain) {
    SceneData scene;
    OneTriangleFile(scene);
    const std::string text = WriteScene(scene, 0);
    ExpectGolden(Body(text), "one_triangle");
    EXPECT_EQ(text, kHeader + Body(text) + kCurtain);

    VrmlWriter writer;
    writer.SetScene(&scene);
    writer.mode = 0;
    std::string out;
    EXPECT_EQ(writer.WriteFile(0, scene.nodeCount, out), 1);
    // Without a fixed date the local time is written, two digits a part.
    EXPECT_TRUE(std::regex_search(
        out, std::regex("\r\n# Date :[0-9]{4}/[0-9]{2}/[0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{2}\r\n")))
        << out.substr(0, 80);
    EXPECT_EQ(writer.lineCount(), 10);  // header lines are not counted
    EXPECT_EQ(writer.level(), 0);
    EXPECT_NE(out.find("# UserName :Default\r\n"), std::string::npos);

    // Mode 2 is walked as mode 0.
    EXPECT_EQ(WriteScene(scene, 2), text);
}

TEST(WriterOutput, NewDataModeWritesOneSeparatorPerFile) {
    SceneData scene;
    OneTriangleFile(scene);
    const std::string expected = Body(WriteScene(scene, 1));
    ExpectGolden(expected, "one_triangle_new_data");

    // Beside the source the reference is the bare name; elsewhere a relative path.
    EXPECT_EQ(Body(WriteScene(scene, 1, "/models")), expected);
    EXPECT_NE(
        WriteScene(scene, 1, "/elsewhere/out").find("WWWInline { name \"../../models/part.wrl\" }"),
        std::string::npos);
}

TEST(WriterOutput, DefAndPlainFormsDifferInBlanks) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("forms.wrl");
    b.Matrix({2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0.0004f, -5, 1.25f, 1});
    b.Matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, "M");
    scene.nodeDefNames[size_t(b.Text("plain text"))] = "";
    scene.nodeDefNames[size_t(b.Text("named"))] = "T";
    b.OpenGroup(kind::Separator, 3, "S");
    b.Material(1, 0.5f, 0.0004f);
    b.Close();
    b.EndFile();

    ExpectGolden(Body(WriteScene(scene, 0)), "def_and_plain_forms");
}

TEST(WriterOutput, IndicesAreRelativeToTheGoverningList) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("two.wrl");
    b.Coordinates({0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0});
    b.FaceSet({0, 1, 2, 2, 1, 3});
    b.Coordinates({5, 5, 5, 6, 5, 5, 5, 6, 5});
    b.FaceSet({0, 1, 2});
    b.LineSet({0, 1, -1, 2, 0, -1});
    b.EndFile();
    // The second face set refers to points 4..6 of the scene, written 0..2.
    ExpectGolden(Body(WriteScene(scene, 0)), "two_point_lists");
}

TEST(WriterOutput, EmptyListsAndHiddenDimensionGroups) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("dims.wrl");
    b.Coordinates({});
    b.OpenGroup(kind::SeparatorDim, 3, "KORVALDE_DIM_shown");
    b.Text("10.5");
    b.Close();
    b.OpenGroup(kind::SeparatorDim, 3, "KORVALDE_DIM_hidden", tag::Hidden);
    b.Text("20");
    b.Close();
    b.FaceSet({});
    b.EndFile();
    ExpectGolden(Body(WriteScene(scene, 0)), "empty_lists_and_dimension_groups");
}

TEST(WriterOutput, TopDataKeepsInlinesAsReferences) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("top.wrl");
    b.BeginInline("child.wrl");
    b.Coordinates({1, 2, 3});
    b.EndInline();
    const int32_t named = b.BeginInline("child.wrl");
    b.EndInline();
    scene.nodeDefNames[size_t(named)] = "Wheel";
    // A record whose content was never read (first and end row 0) is left out.
    FileRecord unread;
    unread.name = "gone.wrl";
    unread.firstRow = unread.endRow = 0;
    const int32_t gone = scene.AddFileRecord(unread);
    scene.AddRow(kind::WWWInline, 0, tag::Shown, gone, scene.nodeCount + 1);
    b.EndFile();
    scene.files.items[1].path = "/models/parts/child.wrl";
    scene.files.items[2].path = "/models/parts/child.wrl";

    ExpectGolden(Body(WriteScene(scene, 0, "/models")), "inlines_from_models");
    ExpectGolden(Body(WriteScene(scene, 0)), "inlines_beside_source");
}

TEST(WriterOutput, FaceSetAfterAnInlineKeepsTheParentsPoints) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("parent.wrl");
    b.Coordinates({0, 0, 0, 1, 0, 0, 0, 1, 0});
    b.BeginInline("child.wrl");
    b.Coordinates({5, 5, 5, 6, 5, 5, 5, 6, 5});
    b.FaceSet({0, 1, 2});
    b.EndInline();
    b.FaceSet({-3, -2, -1});  // the parent's points 0..2 (the builder adds the child's base)
    b.EndFile();
    // The child's list comes later in the pool, so it cannot govern the
    // parent's face set, and the parent's list needs no second copy.
    ExpectGolden(Body(WriteScene(scene, 0)), "face_set_after_inline");
}

TEST(WriterAddedKinds, Vrml2GroupsBecomeSeparatorsAroundTransformsAndMaterials) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("v2.wrl");
    b.OpenGroup(kind::Transform2, 3, "Arm");
    b.Values(kind::Transform, {1, 2, 3, 0, 1, 0, 90, 2, 2, 2, 0, 0, 1, 0, 0.5f, 0, 0}, -1);
    b.OpenGroup(kind::Children);
    b.OpenGroup(kind::Shape);
    b.OpenGroup(kind::Appearance, 2);
    AddMaterial2(scene, b.file(), "Red");
    b.Close();
    const int32_t box = b.Values(kind::Box, {1, 2, 0.0004f});
    scene.nodeDefNames[size_t(box)] = "B";
    b.Close();
    b.Use(box, "B");
    b.Close();
    b.Close();
    b.EndFile();

    ExpectGolden(Body(WriteScene(scene, 0)), "vrml2_groups");
}

TEST(WriterAddedKinds, Vrml1TransformsPrimitivesAndPointSets) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("v1.wrl");
    b.Values(kind::Translation, {0.0004f, 0, -2});
    b.Values(kind::Rotation, {0, 0, 1, 45});
    b.Values(kind::Scale, {1, 0.5f, 1});
    b.Values(kind::Cone, {5, 1.5f, 3});       // SIDES | TOP
    b.Values(kind::Cylinder, {8, 0.25f, 1});  // ALL: no parts field
    b.Values(kind::Sphere, {2, 0, 0});
    b.Coordinates({0, 0, 0, 1, 1, 1});
    b.Coordinates({2, 2, 2, 3, 3, 3, 4, 4, 4});
    scene.AddRow(kind::PointSet, b.file(), tag::Value, 3, -1);  // from point 3 to the end
    scene.AddRow(kind::PointSet, b.file(), tag::Value, 1, 1);   // the first list's second point
    b.EndFile();

    // The second point set refers to the first list, which is written again.
    ExpectGolden(Body(WriteScene(scene, 0)), "vrml1_transforms_primitives_points");
}

TEST(WriterAddedKinds, SwitchKeepsEveryChoiceAndChoosesTheSameRows) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("switch.wrl");
    // Switch (VRML 2.0): choice 0 holds the points, choice 1 the face set.
    const float switchBlock[3] = {0, 0, 0};
    const int32_t offset = scene.AddValues(switchBlock, 3);
    scene.AddRow(kind::Switch2, b.file(), tag::Switch, offset, -998);
    b.OpenGroup(kind::Choice);
    b.Coordinates({0, 0, 0, 1, 0, 0, 0, 1, 0});
    const int32_t faceRow = b.FaceSet({0, 1, 2});
    b.Close();
    scene.valuePool[offset] = float(faceRow);
    scene.valuePool[offset + 1] = float(faceRow + 1);
    scene.valuePool[offset + 2] = float(scene.nodeCount);
    b.Values(kind::Sphere, {1, 0, 0});
    b.EndFile();

    // Every choice stays in the file; the chosen rows form the chosen child.
    ExpectGolden(Body(WriteScene(scene, 0)), "switch_with_choice");

    // Nothing chosen: the list of choices is the one child, not shown.
    scene.valuePool[offset] = scene.valuePool[offset + 1] = float(faceRow + 1);
    ExpectGolden(Body(WriteScene(scene, 0)), "switch_without_choice");
}

TEST(WriterAddedKinds, UsesReferToNamedNodesOrRepeatWhatTheyReferTo) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("use.wrl");
    const int32_t group = b.OpenGroup(kind::Group, 2, "G");
    b.Values(kind::Sphere, {1, 0, 0});
    b.Close();
    b.Use(group, "G");
    // A Switch that chooses nothing holds a named cube.
    const float switchBlock[3] = {0, 0, 0};
    const int32_t offset = scene.AddValues(switchBlock, 3);
    const int32_t switchRow = scene.AddRow(kind::Switch, b.file(), tag::Value, offset, -998);
    const int32_t cube = b.Values(kind::Cube, {1, 1, 1});
    scene.nodeDefNames[size_t(cube)] = "C";
    scene.valuePool[offset] = scene.valuePool[offset + 1] = float(switchRow + 1);
    scene.valuePool[offset + 2] = float(scene.nodeCount);
    b.Use(cube, "C");
    b.Use(cube, "C");
    const int32_t info = scene.AddRow(kind::Info, b.file(), tag::Info, -9998, -9999, "I");
    b.Use(info, "I");
    const int32_t anonymous = b.OpenGroup(kind::Group, 2);
    b.Values(kind::Sphere, {2, 0, 0});
    b.Close();
    b.Use(anonymous, "");
    const int32_t self = b.OpenGroup(kind::Group, 2, "Loop");
    b.Use(self, "Loop");  // a group that refers to itself must not recurse forever
    b.Close();
    b.EndFile();

    // The cube the Switch hides is still written under its name. The Info
    // is not written and neither is its USE; an unnamed group's children
    // are written in its place and again for the USE.
    ExpectGolden(Body(WriteScene(scene, 0)), "uses");
}

TEST(FormatNumber, StylesAndTrailingZeros) {
    EXPECT_EQ(FormatNumber(1.5f, kLongStyle), "1.5");
    EXPECT_EQ(FormatNumber(2.0f, kShortStyle), "2");
    EXPECT_EQ(FormatNumber(0.0f, kFixed3Style), "0");
    EXPECT_EQ(FormatNumber(-0.0f, kShortStyle), "-0");
    EXPECT_EQ(FormatNumber(-0.0001f, kShortStyle), "-0");
    EXPECT_EQ(FormatNumber(0.25f, kShortStyle), "0.25");
    EXPECT_EQ(FormatNumber(0.0004f, kShortStyle), "0");
    EXPECT_EQ(FormatNumber(0.0004f, kFixed6Style), "0.0004");
    EXPECT_EQ(FormatNumber(100.0f, kShortStyle), "100");  // zeros before the point stay
    EXPECT_EQ(FormatNumber(1.23456789f, kLongStyle), "1.234568");
    EXPECT_EQ(FormatNumber(1.0f, 4), "");
    EXPECT_EQ(FormatNumber(1.0f, -1), "");
}

TEST(FormatExactNumber, KeepsStyleTextWhenExactElseShortestThatReadsBack) {
    EXPECT_EQ(FormatExactNumber(0.25f, kShortStyle), "0.25");
    EXPECT_EQ(FormatExactNumber(3.0f, kShortStyle), "3");
    EXPECT_EQ(FormatExactNumber(-1.5f, kShortStyle), "-1.5");
    EXPECT_EQ(FormatExactNumber(0.0004f, kShortStyle), "0.0004");
    EXPECT_EQ(FormatExactNumber(0.1f, kShortStyle), "0.1");
    EXPECT_EQ(FormatExactNumber(1.2345678f, kShortStyle), "1.2345678");
    EXPECT_EQ(FormatExactNumber(-0.0f, kShortStyle), "-0");

    // Many values across magnitudes come back bit for bit.
    std::mt19937 random(7);
    std::uniform_real_distribution<float> mantissa(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int k = 0; k < 20000; ++k) {
        const float value = std::ldexp(mantissa(random), exponent(random));
        const std::string text = FormatExactNumber(value, kShortStyle);
        ASSERT_EQ(std::strtof(text.c_str(), nullptr), value) << text;
        ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << text;
    }
}
