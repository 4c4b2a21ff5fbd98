// Reads every file of the public corpus and checks that the scene model is
// consistent: no index points outside its pool, every range lies in the
// table. Skipped when the corpus is not present.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "reader_test_support.h"
#include "scene/node_kind.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {
namespace {

// Answers every message with Cancel and every dialog too (as the
// command-line tool does), without printing.
class CancellingPrompt : public Prompt {
  public:
    PromptAnswer ShowMessage(const std::string&, const std::string&, PromptButtons,
                             PromptIcon) override {
        return PromptAnswer::Cancel;
    }
    bool AskOpenFile(const std::string&, const std::string&, std::string&) override {
        return false;
    }
};

void CheckScene(const VrmlReader& scene, const std::string& name) {
    SCOPED_TRACE(name);
    const int32_t points = scene.pointCount / 3;
    const int32_t normals = scene.normalCount / 3;
    EXPECT_GE(scene.fileCount, 1);
    EXPECT_GE(scene.nodeCount, 3);
    EXPECT_EQ(scene.coordIndexCount % 3, 0);
    for (int32_t i = 0; i < scene.coordIndexCount; ++i) {
        ASSERT_GE(scene.coordIndexPool[i], 0);
        ASSERT_LT(scene.coordIndexPool[i], points);
    }
    for (int32_t i = 0; i < scene.normalIndexCount; ++i) {
        ASSERT_GE(scene.normalIndexPool[i], 0);
        ASSERT_LT(scene.normalIndexPool[i], normals);
    }
    for (int32_t i = 0; i < scene.lineCoordIndexCount; ++i) {
        ASSERT_GE(scene.lineCoordIndexPool[i], -1);
        ASSERT_LT(scene.lineCoordIndexPool[i], points);
    }
    for (int32_t row = 0; row < scene.nodeCount; ++row) {
        const NodeRow& node = scene.Row(row);
        if (node.kind != kind::NormalG) {  // those carry a fixed file index
            ASSERT_GE(node.fileIndex, 0);
            ASSERT_LT(node.fileIndex, scene.fileCount);
        }
        switch (node.kind) {
            case kind::VrmlData:
            case kind::Separator:
            case kind::SeparatorDim:
            case kind::Group:
            case kind::TransformSeparator:
            case kind::Lod:
            case kind::WWWAnchor: {
                const float* block = scene.Block(node.dataBegin);
                ASSERT_EQ(int(block[0]), row + 1) << "row " << row;
                ASSERT_GE(int(block[1]), row + 1) << "row " << row;
                ASSERT_LE(int(block[1]), scene.nodeCount) << "row " << row;
                break;
            }
            case kind::Use:
                ASSERT_GE(node.dataBegin, 1);
                ASSERT_LT(node.dataBegin, row);
                ASSERT_LT(node.dataEnd, scene.defUseCount);
                break;
            case kind::WWWInline:
                ASSERT_GE(node.dataBegin, 0);
                ASSERT_LT(node.dataBegin, scene.fileCount);
                ASSERT_LE(node.dataEnd, scene.nodeCount);
                break;
            case kind::Coordinate3:
                ASSERT_LE(node.dataBegin, node.dataEnd);
                ASSERT_LE(node.dataEnd, scene.pointCount);
                break;
            case kind::Material:
                ASSERT_LE(node.dataBegin, scene.materialCount);
                break;
            case kind::PointSet:
                ASSERT_LE(node.dataBegin + node.dataEnd, points);
                break;
            default:
                break;
        }
    }
}

TEST(VrmlCorpus, EveryFileReadsIntoAConsistentScene) {
    const std::filesystem::path corpus(VANTOR_CORPUS_DIR);
    if (corpus.empty() || !std::filesystem::is_directory(corpus)) GTEST_SKIP() << "no corpus";
    testing::ScratchFolder folder("corpus");
    CancellingPrompt prompt;
    int read = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
        if (!entry.is_regular_file()) continue;
        const std::string path = entry.path().string();
        if (path.find(".wrl") == std::string::npos) continue;
        VrmlReader reader;
        if (reader.ReadVrmlFile(path, prompt, folder.LogPath()) != 1) {
            EXPECT_TRUE(reader.IsEmpty()) << path;
            continue;
        }
        ++read;
        CheckScene(reader, path);
    }
    EXPECT_GT(read, 0);
}

}  // namespace
}  // namespace vantor
