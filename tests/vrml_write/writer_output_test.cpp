// Exact text of the writer on small scenes built row by row.

#include <gtest/gtest.h>

#include <regex>

#include "scene/scene_builder.h"
#include "writer_test_support.h"

using namespace vantor;
using namespace vantor::testing;

namespace {

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
