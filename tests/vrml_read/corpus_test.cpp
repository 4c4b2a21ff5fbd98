// Reads every file of the public corpus (VRML 1.0, 2.0 and gzip) and checks
// that the scene model is consistent: no index points outside its pool, every
// range lies in the table; component models give the triangles and box their
// text holds. Skipped when the corpus is not present.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <filesystem>
#include <sstream>
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
    bool AskFile(const FileQuestion&, std::string&) override { return false; }
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
            case kind::WWWAnchor:
            case kind::Appearance:
            case kind::Anchor:
            case kind::Lod2: {
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
            case kind::Switch2: {
                const float* block = scene.Block(node.dataBegin);
                ASSERT_TRUE(block[0] <= block[1] && block[1] <= block[2] &&
                            block[2] <= scene.nodeCount)
                    << "row " << row;
                break;
            }
            case kind::Material:
            case kind::Material2:
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
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
        if (ext != ".wrl" && ext != ".gz" && ext != ".wrz") continue;
        VrmlReader reader;
        if (reader.ReadVrmlFile(path, prompt, folder.LogPath()) != 1) {
            EXPECT_TRUE(reader.IsEmpty()) << path;
            continue;
        }
        ++read;
        CheckScene(reader, path);
    }
    EXPECT_GT(read, 200);
}

namespace fs = std::filesystem;

// What a component model's text holds, counted without the reader: every
// face of n indices is n - 2 triangles, and the box spans every point.
struct TextCount {
    long triangles = 0;
    float box[6] = {FLT_MAX, -FLT_MAX, FLT_MAX, -FLT_MAX, FLT_MAX, -FLT_MAX};
};

TextCount CountComponentModel(const std::string& raw) {
    TextCount count;
    auto listAfter = [&](size_t from, const char* key, size_t& listEnd) -> std::string {
        const size_t keyAt = raw.find(key, from);
        if (keyAt == std::string::npos) return {};
        const size_t open = raw.find('[', keyAt);
        listEnd = raw.find(']', open);
        std::string list = raw.substr(open + 1, listEnd - open - 1);
        std::replace(list.begin(), list.end(), ',', ' ');
        return list;
    };
    size_t at = 0;
    for (size_t end = 0;; at = end) {
        std::string list = listAfter(at, "coordIndex", end);
        if (list.empty()) break;
        std::istringstream in(list);
        long run = 0;
        for (long index; in >> index;) {
            if (index == -1) {
                count.triangles += std::max(0L, run - 2);
                run = 0;
            } else {
                ++run;
            }
        }
        count.triangles += std::max(0L, run - 2);
    }
    at = 0;
    for (size_t end = 0;; at = end) {
        std::string list = listAfter(at, "point", end);
        if (list.empty()) break;
        std::istringstream in(list);
        float xyz[3];
        while (in >> xyz[0] >> xyz[1] >> xyz[2]) {
            for (int axis = 0; axis < 3; ++axis) {
                count.box[2 * axis] = std::min(count.box[2 * axis], xyz[axis]);
                count.box[2 * axis + 1] = std::max(count.box[2 * axis + 1], xyz[axis]);
            }
        }
    }
    return count;
}

TEST(VrmlCorpus, ComponentModelsGiveTheTrianglesAndBoxOfTheirText) {
    const fs::path kicad = fs::path(VANTOR_CORPUS_DIR) / "real" / "vrml2" / "kicad-packages3d";
    const char* models[] = {
        "Package_TO_SOT_SMD.3dshapes/SOT-665.wrl",
        "Inductor_SMD.3dshapes/L_1210_3225Metric.wrl",
        "Display_7Segment.3dshapes/MAN3810A.wrl",
        "Connector_PinHeader_1.27mm.3dshapes/PinHeader_2x37_P1.27mm_Horizontal.wrl",
    };
    if (!fs::is_directory(kicad)) GTEST_SKIP() << "no corpus at " << kicad;
    testing::ScratchFolder folder("v2_kicad");
    for (const char* model : models) {
        const fs::path file = kicad / model;
        if (!fs::exists(file)) continue;
        SCOPED_TRACE(model);
        const TextCount expected = CountComponentModel(testing::ReadText(file.string()));
        VrmlReader reader;
        ScriptedPrompt prompt;
        ASSERT_EQ(reader.ReadVrmlFile(file.string(), prompt, folder.LogPath()), 1);
        EXPECT_EQ(reader.coordIndexCount / 3, expected.triangles);
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(reader.bounds[i], expected.box[i], 1e-5f) << i;
    }
}

}  // namespace
}  // namespace vantor
