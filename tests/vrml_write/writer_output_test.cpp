// Exact text of the writer on small scenes built row by row.

#include <gtest/gtest.h>

#include <regex>

#include "scene/scene_builder.h"
#include "writer_test_support.h"

using namespace vantor;
using namespace vantor::testing;

namespace {

const std::string kDefaultMaterialLines[] = {
    "    ambientColor [ 0.2 0.2 0.2 ]", "    diffuseColor [ 0.8 0.8 0.8 ]",
    "   specularColor [ 0 0 0 ]",       "   emissiveColor [ 0 0 0 ]",
    "       shininess [ 0.2 ]",         "    transparency [ 0 ]",
};

std::string DefaultMaterial(int level, const std::string& opening) {
    std::string text = L(opening, level);
    for (const std::string& line : kDefaultMaterialLines) text += L(line, level);
    return text + L("}", level);
}

std::string IdentityMatrix(int level, const std::string& opening) {
    return L(opening, level) + L("   matrix  1 0 0 0", level) + L("           0 1 0 0", level) +
           L("           0 0 1 0", level) + L("           0 0 0 1", level) + L("}", level);
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
    const std::string expected = kHeader + L("Coordinate3   {  point [") + L(" 0 0 0 ,") +
                                 L(" 1 0 0 ,") + L(" 0.25 3 0.0004 ") + L("] }") +
                                 L("IndexedFaceSet {") + L("  coordIndex [") + L("   0, 1, 2, -1") +
                                 L("  ]") + L("}") + kCurtain;
    EXPECT_EQ(text, expected);

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
    EXPECT_EQ(WriteScene(scene, 2), expected);
}

TEST(WriterOutput, NewDataModeWritesOneSeparatorPerFile) {
    SceneData scene;
    OneTriangleFile(scene);
    const std::string expected =
        L("DEF \"KORVALDE_VRML_part.wrl\" Separator {") +
        DefaultMaterial(1, "DEF \"KORVALDE_DEFAULT_MARERIAL\" Material {") +
        IdentityMatrix(1, "DEF \"KORVALDE_DEFAULT_MATRIXTRANSFORM\" MatrixTransform {") +
        L("DEF \"KORVALDE_VRML\" WWWInline { name \"part.wrl\" }", 1) + L("}");
    EXPECT_EQ(Body(WriteScene(scene, 1)), expected);

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
    const int32_t s = b.OpenGroup(kind::Separator, 3, "S");
    b.Material(1, 0.5f, 0.0004f);
    b.Close();
    b.EndFile();
    (void)s;

    const std::string expected =
        L("MatrixTransform   {") + L("   matrix  2 0 0 0") + L("           0 2 0 0") +
        L("           0 0 2 0") + L("           0.0004 -5 1.25 1") + L("}") +
        IdentityMatrix(0, "DEF \"M\" MatrixTransform {") + L("AsciiText {") +
        L("  string \"plain text\" }") + L("DEF \"T\" AsciiText   {") + L("  string \"named\" }") +
        L("DEF \"S\" Separator {") + L("Material {", 1) + L("    ambientColor [ 0.2 0.2 0.2 ]", 1) +
        L("    diffuseColor [ 1 0.5 0 ]", 1) + L("   specularColor [ 0 0 0 ]", 1) +
        L("   emissiveColor [ 0 0 0 ]", 1) + L("       shininess [ 0.2 ]", 1) +
        L("    transparency [ 0 ]", 1) + L("}", 1) + L("}");
    EXPECT_EQ(Body(WriteScene(scene, 0)), expected);
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
    const std::string body = Body(WriteScene(scene, 0));
    EXPECT_NE(body.find(L("   0, 1, 2, -1,") + L("   2, 1, 3, -1") + L("  ]")), std::string::npos);
    // The second face set refers to points 4..6 of the scene, written 0..2.
    const size_t second = body.find(L(" 5 5 5 ,"));
    ASSERT_NE(second, std::string::npos);
    EXPECT_NE(body.find(L("   0, 1, 2, -1") + L("  ]"), second), std::string::npos);
    EXPECT_NE(body.find(L("IndexedLineSet {") + L("  coordIndex [") + L("   0,") + L("   1,") +
                        L("   -1,") + L("   2,") + L("   0,") + L("   -1") + L("  ]") + L("}")),
              std::string::npos);
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
    const std::string expected = L("Coordinate3   {  point [") + L("] }") +
                                 L("DEF \"KORVALDE_DIM_shown\" Separator {") + L("AsciiText {", 1) +
                                 L("  string \"10.5\" }", 1) + L("}") +
                                 L("DEF \"KORVALDE_DIM_hidden\" Separator {") +
                                 L("AsciiText {", 1) + L("  string \"20\" }", 1) + L("}") +
                                 L("IndexedFaceSet {") + L("  coordIndex [") + L("  ]") + L("}");
    EXPECT_EQ(Body(WriteScene(scene, 0)), expected);
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

    EXPECT_EQ(Body(WriteScene(scene, 0, "/models")),
              L("WWWInline { name \"parts/child.wrl\" }") +
                  L("DEF \"Wheel\" WWWInline { name \"parts/child.wrl\" }"));
    EXPECT_EQ(Body(WriteScene(scene, 0)), L("WWWInline { name \"child.wrl\" }") +
                                              L("DEF \"Wheel\" WWWInline { name \"child.wrl\" }"));
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
    EXPECT_EQ(Body(WriteScene(scene, 0)),
              L("Coordinate3   {  point [") + L(" 0 0 0 ,") + L(" 1 0 0 ,") + L(" 0 1 0 ") +
                  L("] }") + L("WWWInline { name \"child.wrl\" }") + L("IndexedFaceSet {") +
                  L("  coordIndex [") + L("   0, 1, 2, -1") + L("  ]") + L("}"));
}
