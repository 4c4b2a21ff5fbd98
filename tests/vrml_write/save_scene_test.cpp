// The save entry point: refusals, the write, and refusing to overwrite a
// file the output refers to. Failed writes are in the save faults test.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "scene/scene_builder.h"
#include "vrml_write/save_scene.h"
#include "writer_test_support.h"

using namespace vantor;
using namespace vantor::testing;
namespace fs = std::filesystem;

namespace {

class SaveSceneTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& name) const { return folder_.Path(name); }

    // A scene read from <folder>/top.wrl that inlines <folder>/sub/child.wrl.
    void BuildScene(SceneData& scene) {
        SceneBuilder b(scene);
        b.BeginFile("top.wrl");
        b.Coordinates({0, 0, 0, 1, 0, 0, 0, 1, 0});
        b.FaceSet({0, 1, 2});
        b.BeginInline("child.wrl");
        b.EndInline();
        b.EndFile();
        scene.files.items[0].path = Path("top.wrl");
        scene.files.items[1].path = Path("sub/child.wrl");
    }

    ScratchFolder folder_;
};

}  // namespace

TEST_F(SaveSceneTest, RefusesEmptyDataAndTopDataOfAnAssembly) {
    SceneData empty;
    for (int mode : {kSaveTopData, kSaveNewData}) {
        const SaveResult check = CheckSaveAllowed(empty, mode);
        EXPECT_EQ(check.status, SaveStatus::EmptyData);
        EXPECT_EQ(SaveScene(empty, Path("empty.wrl"), mode).status, SaveStatus::EmptyData);
    }
    EXPECT_FALSE(fs::exists(Path("empty.wrl")));

    SceneData assembly;
    BuildScene(assembly);
    assembly.assemblyFlag = 1;
    const SaveResult refused = SaveScene(assembly, Path("out.wrl"), kSaveTopData);
    EXPECT_EQ(refused.status, SaveStatus::AssemblyRefused);
    EXPECT_EQ(refused.message,
              "このアセンブリデータの保存には「新データとして保存」を使用ください。");
    EXPECT_EQ(refused.caption, "注意");
    EXPECT_FALSE(fs::exists(Path("out.wrl")));
    EXPECT_TRUE(SaveScene(assembly, Path("out.wrl"), kSaveNewData).saved());
}

TEST_F(SaveSceneTest, WritesTheWritersTextAndReplacesAnExistingFile) {
    SceneData scene;
    BuildScene(scene);
    WriteText(Path("out.wrl"), "old contents");
    ::chmod(Path("out.wrl").c_str(), 0640);

    SaveOptions options;
    options.userName = "tester";
    options.dateText = "2000/04/19:09:05:07";
    const SaveResult result = SaveScene(scene, Path("out.wrl"), kSaveTopData, options);
    ASSERT_TRUE(result.saved()) << result.message;
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(ReadText(Path("out.wrl")), WriteScene(scene, 0, folder_.path().string()));
    EXPECT_NE(ReadText(Path("out.wrl")).find("WWWInline { name \"sub/child.wrl\" }"),
              std::string::npos);
    struct stat info {};
    ::stat(Path("out.wrl").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()), 1)
        << "no temporary file left behind";

    // Saving over the top file itself is an ordinary save.
    EXPECT_TRUE(SaveScene(scene, Path("top.wrl"), kSaveTopData, options).saved());
}

TEST_F(SaveSceneTest, RefusesToOverwriteAFileTheOutputRefersTo) {
    SceneData scene;
    BuildScene(scene);
    WriteText(Path("top.wrl"), "top");
    fs::create_directories(Path("sub"));
    WriteText(Path("sub/child.wrl"), "child");

    // Mode 1 refers to the top file, mode 0 to the inlined one.
    const SaveResult overTop = SaveScene(scene, Path("top.wrl"), kSaveNewData);
    EXPECT_EQ(overTop.status, SaveStatus::SourceOverwrite);
    EXPECT_EQ(overTop.caption, "注意");
    EXPECT_EQ(SaveScene(scene, Path("sub/../sub/child.wrl"), kSaveTopData).status,
              SaveStatus::SourceOverwrite);
    EXPECT_EQ(ReadText(Path("top.wrl")), "top");
    EXPECT_EQ(ReadText(Path("sub/child.wrl")), "child");
}
