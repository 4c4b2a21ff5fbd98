// Real VRML 2.0 files: every one reads without a crash into a consistent
// table, and component models give the triangles and box their text holds.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "reader_test_support.h"
#include "scene/node_kind.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_read/vrml_text.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using testing::ReadText;
using testing::ScratchFolder;

const fs::path kCorpus = fs::path(VANTOR_CORPUS_DIR) / "real";

std::vector<fs::path> Vrml2Files() {
    std::vector<fs::path> files;
    for (const char* tree : {"vrml2", "gz"}) {
        const fs::path root = kCorpus / tree;
        if (!fs::is_directory(root)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            std::string ext = entry.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
            if (entry.is_regular_file() && (ext == ".wrl" || ext == ".gz"))
                files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Everything drawing and writing rely on: ranges inside the table and the
// pools, indices inside the point and normal pools.
void ExpectConsistent(const VrmlReader& scene, const std::string& name) {
    const int32_t points = scene.pointCount / 3;
    const int32_t normals = scene.normalCount / 3;
    for (int32_t i = 0; i < scene.nodeCount; ++i) {
        const NodeRow& row = scene.Row(i);
        const bool group = kind::IsSeparatorLike(row.kind) || row.kind == kind::Group ||
                           row.kind == kind::Appearance || row.kind == kind::Anchor ||
                           row.kind == kind::Lod2;
        if (group) {
            ASSERT_TRUE(row.dataBegin >= 0 && row.dataBegin + 1 < scene.valueCount) << name << i;
            const float* block = scene.Block(row.dataBegin);
            EXPECT_EQ(int(block[0]), i + 1) << name << " row " << i;
            EXPECT_TRUE(block[1] >= block[0] && block[1] <= scene.nodeCount) << name << i;
        } else if (row.kind == kind::Switch2) {
            const float* block = scene.Block(row.dataBegin);
            EXPECT_TRUE(block[0] <= block[1] && block[1] <= block[2] && block[2] <= scene.nodeCount)
                << name << " row " << i;
        } else if (row.kind == kind::Coordinate3) {
            EXPECT_TRUE(row.dataBegin >= 0 && row.dataBegin <= row.dataEnd &&
                        row.dataEnd <= scene.pointCount)
                << name << " row " << i;
        } else if (row.kind == kind::Material || row.kind == kind::Material2) {
            EXPECT_TRUE(row.dataBegin >= 0 && row.dataBegin <= scene.materialCount) << name << i;
        } else if (row.kind == kind::Use) {
            EXPECT_TRUE(row.dataBegin >= 1 && row.dataBegin < i) << name << " row " << i;
        }
    }
    for (int32_t i = 0; i < scene.coordIndexCount; ++i)
        ASSERT_TRUE(scene.coordIndexPool[i] >= 0 && scene.coordIndexPool[i] < points) << name;
    for (int32_t i = 0; i < scene.normalIndexCount; ++i)
        ASSERT_TRUE(scene.normalIndexPool[i] >= 0 && scene.normalIndexPool[i] < normals) << name;
    for (int32_t i = 0; i < scene.lineCoordIndexCount; ++i)
        ASSERT_TRUE(scene.lineCoordIndexPool[i] >= -1 && scene.lineCoordIndexPool[i] < points)
            << name;
}

TEST(Vrml2Corpus, EveryFileReadsIntoAConsistentTable) {
    const std::vector<fs::path> files = Vrml2Files();
    if (files.empty()) GTEST_SKIP() << "no corpus at " << kCorpus;
    ScratchFolder folder("v2_corpus");
    int read = 0;
    for (const fs::path& file : files) {
        VrmlReader reader;
        ScriptedPrompt prompt;  // answers Cancel to every file dialog
        if (reader.ReadVrmlFile(file.string(), prompt, folder.LogPath()) != 1) continue;
        ++read;
        ExpectConsistent(reader, file.string());
    }
    EXPECT_GT(read, 150);
}

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

TEST(Vrml2Corpus, ComponentModelsGiveTheTrianglesAndBoxOfTheirText) {
    const fs::path kicad = kCorpus / "vrml2" / "kicad-packages3d";
    const char* models[] = {
        "Package_TO_SOT_SMD.3dshapes/SOT-665.wrl",
        "Inductor_SMD.3dshapes/L_1210_3225Metric.wrl",
        "Display_7Segment.3dshapes/MAN3810A.wrl",
        "Connector_PinHeader_1.27mm.3dshapes/PinHeader_2x37_P1.27mm_Horizontal.wrl",
    };
    if (!fs::is_directory(kicad)) GTEST_SKIP() << "no corpus at " << kicad;
    ScratchFolder folder("v2_kicad");
    for (const char* model : models) {
        const fs::path file = kicad / model;
        if (!fs::exists(file)) continue;
        SCOPED_TRACE(model);
        const TextCount expected = CountComponentModel(ReadText(file.string()));
        VrmlReader reader;
        ScriptedPrompt prompt;
        ASSERT_EQ(reader.ReadVrmlFile(file.string(), prompt, folder.LogPath()), 1);
        EXPECT_EQ(reader.coordIndexCount / 3, expected.triangles);
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(reader.bounds[i], expected.box[i], 1e-5f) << i;
    }
}

}  // namespace
}  // namespace vantor
