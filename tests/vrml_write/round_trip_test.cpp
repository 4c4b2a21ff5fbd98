// A file written by the writer reads back into the same shapes: the same
// triangles, lines and points with the same materials in force, and the
// same world bounds, for VRML 1.0 and VRML 2.0 input and for every file of
// the public corpus (VRML 1.0, 2.0 and gzip), whose scenes must also be
// consistent as read.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <memory>

#include "prompt/prompt.h"
#include "scene/node_kind.h"
#include "support/scratch_folder.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_write/save_scene.h"

using namespace vantor;
namespace fs = std::filesystem;

namespace {

// One shape as the renderer meets it: its vertices (three per triangle,
// two per line segment, one per point) and the material in force.
struct ShapeVisit {
    int32_t kind;
    std::vector<float> vertices;
    std::array<float, kMaterialWidth> material;
};

class ShapeCollector {
  public:
    explicit ShapeCollector(const SceneData& scene) : s_(scene) {}

    std::vector<ShapeVisit> Collect() {
        material_ = s_.MaterialRow(0);
        Walk(0, s_.nodeCount, 0);
        return std::move(visits_);
    }

  private:
    int32_t Int(float v) const { return int32_t(v); }
    const float* Block(int32_t row) const { return s_.Block(s_.Row(row).dataBegin); }

    void Point(int32_t number, std::vector<float>& out) const {
        for (int axis = 0; axis < 3; ++axis)
            out.push_back(s_.pointPool[3 * int64_t(number) + axis]);
    }

    void Walk(int32_t first, int32_t end, int depth) {
        if (depth > 200) return;
        for (int32_t i = first; i < end && i < s_.nodeCount;) {
            const NodeRow& row = s_.Row(i);
            int32_t next = i + 1;
            const int32_t k = row.kind;
            if (k == kind::VrmlData || kind::IsSeparatorLike(k)) {
                const float* saved = material_;
                // A LOD's levels show the first level only.
                const int32_t drawnEnd = Int(Block(i)[k == kind::Level ? kind::kLevelFirstEnd : 1]);
                if (row.tag != tag::Hidden) Walk(Int(Block(i)[0]), drawnEnd, depth + 1);
                material_ = saved;
                next = Int(Block(i)[1]);
            } else if (k == kind::TransformSeparator || kind::IsPlainGroup(k)) {
                Walk(Int(Block(i)[0]), Int(Block(i)[1]), depth + 1);
                next = Int(Block(i)[1]);
            } else if (k == kind::Switch || k == kind::Switch2) {
                Walk(Int(Block(i)[0]), Int(Block(i)[1]), depth + 1);
                next = Int(Block(i)[2]);
            } else if (kind::IsInline(k)) {
                const float* saved = material_;
                if (row.dataBegin > 0 && row.dataBegin < s_.fileCount) {
                    const FileRecord& file = s_.files.items[size_t(row.dataBegin)];
                    Walk(file.firstRow, file.endRow, depth + 1);
                }
                material_ = saved;
                next = row.dataEnd;
            } else if (k == kind::Use) {
                if (row.dataBegin > 0) Walk(row.dataBegin, row.dataBegin + 1, depth + 1);
            } else if (k == kind::Material || k == kind::Material2) {
                material_ = s_.MaterialRow(row.dataBegin);
            } else if (k == kind::IndexedFaceSet) {
                ShapeVisit visit = NewVisit(k);
                for (int32_t c = Int(Block(i)[1]); c < Int(Block(i)[2]); ++c)
                    Point(s_.coordIndexPool[c], visit.vertices);
                visits_.push_back(visit);
            } else if (k == kind::IndexedLineSet) {
                ShapeVisit visit = NewVisit(k);
                const int32_t l1 = Int(Block(i)[2]);
                for (int32_t c = Int(Block(i)[1]); c + 1 < l1; ++c) {
                    const int32_t a = s_.lineCoordIndexPool[c], b = s_.lineCoordIndexPool[c + 1];
                    if (a < 0 || b < 0) continue;
                    Point(a, visit.vertices);
                    Point(b, visit.vertices);
                }
                visits_.push_back(visit);
            } else if (k == kind::PointSet) {
                ShapeVisit visit = NewVisit(k);
                const int32_t count =
                    row.dataEnd >= 0 ? row.dataEnd : s_.pointCount / 3 - row.dataBegin;
                for (int32_t p = 0; p < count; ++p) Point(row.dataBegin + p, visit.vertices);
                visits_.push_back(visit);
            }
            i = std::max(next, i + 1);
        }
    }

    ShapeVisit NewVisit(int32_t k) const {
        ShapeVisit visit{k, {}, {}};
        std::copy(material_, material_ + kMaterialWidth, visit.material.begin());
        return visit;
    }

    const SceneData& s_;
    const float* material_ = nullptr;
    std::vector<ShapeVisit> visits_;
};

// Material values (not the flags): colours, shininess, transparency.
constexpr int kMaterialValues[] = {1, 2, 3, 5, 6, 7, 9, 10, 11, 13, 14, 15, 17, 19};

// No index points outside its pool and every range lies in the table.
void CheckConsistent(const SceneData& scene) {
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

class RoundTrip : public ::testing::Test {
  protected:
    void SetUp() override { fs::create_directories(folder_ / "out"); }

    std::unique_ptr<VrmlReader> Read(const std::string& path) {
        auto reader = std::make_unique<VrmlReader>();
        readResult_ = reader->ReadVrmlFile(path, prompt_, (folder_ / "reading.log").string());
        return reader;
    }

    // Saves `scene` in `mode` under out/ and reads the result back.
    std::unique_ptr<VrmlReader> SaveAndRead(const SceneData& scene, int mode,
                                            const std::string& name = "saved.wrl") {
        const std::string saved = (folder_ / "out" / name).string();
        const SaveResult result = SaveScene(scene, saved, mode);
        EXPECT_TRUE(result.saved()) << result.message;
        return Read(saved);
    }

    static void ExpectSameBounds(const SceneData& a, const SceneData& b, const std::string& what) {
        float extent = 1e-6f;
        for (float v : a.bounds) extent = std::max(extent, std::fabs(v));
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(a.bounds[i], b.bounds[i], extent * 2e-6f) << what << " bounds " << i;
    }

    static void ExpectSameShapes(const SceneData& a, const SceneData& b) {
        const std::vector<ShapeVisit> before = ShapeCollector(a).Collect();
        const std::vector<ShapeVisit> after = ShapeCollector(b).Collect();
        ASSERT_EQ(before.size(), after.size());
        for (size_t v = 0; v < before.size(); ++v) {
            EXPECT_EQ(before[v].kind, after[v].kind) << "shape " << v;
            EXPECT_EQ(before[v].vertices, after[v].vertices) << "shape " << v;
            for (int m : kMaterialValues)
                EXPECT_NEAR(before[v].material[size_t(m)], after[v].material[size_t(m)], 6e-4f)
                    << "shape " << v << " material value " << m;
        }
        EXPECT_EQ(a.coordIndexCount, b.coordIndexCount);
        ExpectSameBounds(a, b, "scene");
    }

    vantor::testing::ScratchFolder scratch_;
    const fs::path& folder_ = scratch_.path();
    ScriptedPrompt prompt_;
    int readResult_ = 0;
};

std::string Input(const std::string& name) {
    return std::string(VANTOR_TEST_INPUTS) + "/vrml_write/" + name;
}

}  // namespace

TEST_F(RoundTrip, Vrml1AndVrml2FilesInBothModes) {
    for (const char* name : {"v1_parts.wrl", "v2_parts.wrl"}) {
        const auto original = Read(Input(name));
        ASSERT_EQ(original->fileCount, 2);
        ASSERT_GT(original->coordIndexCount, 0);
        for (int mode : {kSaveTopData, kSaveNewData}) {
            SCOPED_TRACE(std::string(name) + " mode " + std::to_string(mode));
            const auto saved = SaveAndRead(*original, mode);
            ExpectSameShapes(*original, *saved);
            if (mode == kSaveTopData && name[1] == '1') {
                // No point is written twice, and the inline is read again.
                EXPECT_EQ(saved->pointCount, original->pointCount);
                EXPECT_EQ(saved->fileCount, 2);
            }
        }
    }
    EXPECT_TRUE(prompt_.shown.empty()) << prompt_.shown.front().text;
}

TEST_F(RoundTrip, SavedFileSavedAgainIsTheSameText) {
    const auto original = Read(Input("v1_parts.wrl"));
    const auto once = SaveAndRead(*original, kSaveTopData, "once.wrl");
    SaveOptions fixed;
    fixed.dateText = "2000/04/19:09:05:07";
    ASSERT_TRUE(SaveScene(*once, (folder_ / "out" / "a.wrl").string(), 0, fixed).saved());
    const auto twice = Read((folder_ / "out" / "a.wrl").string());
    ASSERT_TRUE(SaveScene(*twice, (folder_ / "out" / "b.wrl").string(), 0, fixed).saved());
    EXPECT_EQ(vantor::testing::ReadText((folder_ / "out" / "a.wrl").string()),
              vantor::testing::ReadText((folder_ / "out" / "b.wrl").string()));
}

TEST_F(RoundTrip, EveryCorpusFileReadsConsistentAndKeepsTrianglesAndBounds) {
    const fs::path corpus(VANTOR_CORPUS_DIR);
    std::error_code error;
    if (std::string(VANTOR_CORPUS_DIR).empty() || !fs::is_directory(corpus, error))
        GTEST_SKIP() << "no corpus at " << corpus;
    int files = 0;
    for (fs::recursive_directory_iterator it(corpus, error), end; !error && it != end;
         it.increment(error)) {
        const std::string path = it->path().string();
        std::string ext = it->path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
        if (!it->is_regular_file() || (ext != ".wrl" && ext != ".gz" && ext != ".wrz")) continue;
        SCOPED_TRACE(path);
        const auto original = Read(path);
        if (readResult_ != 1) {  // rejected by the reader
            EXPECT_TRUE(original->IsEmpty());
            continue;
        }
        ++files;
        CheckConsistent(*original);
        const auto saved = SaveAndRead(*original, kSaveTopData);
        CheckConsistent(*saved);
        // A VRML 2.0 LOD is saved as a VRML 1.0 LOD, which reads back its
        // first (drawn) level only: the other levels' triangles go.
        bool levels = false;
        for (int32_t r = 0; r < original->nodeCount; ++r)
            levels = levels || original->Row(r).kind == kind::Level;
        if (levels)
            EXPECT_LE(saved->coordIndexCount, original->coordIndexCount);
        else
            EXPECT_EQ(saved->coordIndexCount, original->coordIndexCount);
        ExpectSameBounds(*original, *saved, path);
    }
    EXPECT_GT(files, 200);
}
