// Rows the writer adds to the original VRML 1.0 set: transforms,
// primitives, point sets, VRML 2.0 groups and materials, Switch and USE.

#include <gtest/gtest.h>

#include "scene/scene_builder.h"
#include "writer_test_support.h"

using namespace vantor;
using namespace vantor::testing;

namespace {

int32_t AddMaterial2(SceneData& scene, int32_t file, const std::string& def) {
    const int32_t m = scene.AppendMaterialRow();
    scene.MaterialRow(m)[5] = 0.5f;
    return scene.AddRow(kind::Material2, file, tag::Material, m, -999, def);
}

}  // namespace

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
