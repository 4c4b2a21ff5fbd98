// The scene model's tables: pools that grow (large ones into mappings of
// their own), appending a scene, whole-scene edits.

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "scene/pool.h"
#include "scene/scene_builder.h"
#include "scene/scene_change.h"
#include "scene/scene_data.h"
#include "scene/scene_equal.h"

using namespace vantor;
using vantor::testing::SceneBuilder;

// Pools large enough to live in their own mappings keep the rules of the
// small ones: kept entries survive growth, new entries are zero, copies are
// independent.
TEST(Pools, LargeGrowthKeepsEntriesAndZeroesTheRest) {
    Pool<int32_t> pool(30000, 30000, 30);
    int32_t count = 0;
    // Through heap, first mapping and several remaps.
    for (; count < 3'000'000; ++count) {
        pool.Ensure(count);
        pool[count] = count * 7 - 1;
    }
    bool kept = true;
    for (int32_t i = 0; i < count; ++i) kept = kept && pool[i] == i * 7 - 1;
    EXPECT_TRUE(kept);
    bool zero = true;
    for (int32_t i = count; i < pool.capacity(); ++i) zero = zero && pool[i] == 0;
    EXPECT_TRUE(zero);

    // Reserve exactly zeroes everything past the kept entries.
    pool.ReserveExactly(10, int64_t(pool.capacity()) + 1000);
    EXPECT_EQ(pool[9], 62);
    EXPECT_EQ(pool[10], 0);
    EXPECT_EQ(pool[count - 1], 0);
}

TEST(Pools, CopiesOfMappedPoolsAreIndependent) {
    SceneData scene;
    scene.EnsurePoints(2'000'000);
    scene.pointPool[1'999'999] = 4.5f;
    scene.pointCount = 2'000'000;
    scene.EnsureMaterialRows(3);
    scene.MaterialRow(3)[5] = 0.25f;

    SceneData copy = scene;
    copy.pointPool[1'999'999] = -1.0f;
    copy.MaterialRow(3)[5] = 0.75f;
    EXPECT_EQ(scene.pointPool[1'999'999], 4.5f);
    EXPECT_EQ(scene.MaterialRow(3)[5], 0.25f);
    EXPECT_EQ(copy.pointPool.capacity(), scene.pointPool.capacity());

    copy = scene;
    EXPECT_EQ(copy.pointPool[1'999'999], 4.5f);
    Pool<float> moved(std::move(copy.pointPool));
    EXPECT_EQ(moved[1'999'999], 4.5f);
    EXPECT_EQ(moved.capacity(), scene.pointPool.capacity());
}

// The scene's tables must grow together, and records start as defaults.
TEST(Pools, SceneTablesGrowTogetherAndRecordsStartAsDefaults) {
    SceneData scene;
    scene.EnsureNodeRows(14981);
    EXPECT_GT(scene.nodeTable.capacity(), 14981);
    EXPECT_EQ(scene.nodeDefNames.size(), size_t(scene.nodeTable.capacity()));
    scene.EnsureMaterialRows(46);
    EXPECT_EQ(scene.MaterialRow(46)[kMaterialWidth - 1], 0.0f);
    for (int i = 0; i < 27; ++i) scene.AddFileRecord(FileRecord{});
    EXPECT_EQ(scene.fileCount, 27);
    EXPECT_EQ(scene.FileRecordAt(scene.files.capacity - 1).name, "Default");
    EXPECT_EQ(scene.FileRecordAt(scene.files.capacity - 1).firstRow, -9999);
}

namespace {

// One file with every kind of row that carries an index into a pool.
void BuildRichFile(SceneData& scene, const std::string& name, float red) {
    SceneBuilder b(scene);
    b.BeginFile(name);
    const int32_t part = b.OpenGroup(kind::Separator, 3, "Part");
    b.Material(red, 0, 0);
    b.Coordinates({0, 0, 0, 1, 0, 0, 1, 1, 0});
    b.FaceSet({0, 1, 2});
    b.LineSet({0, 1, -1});
    b.Text("label");
    b.Close();
    b.Use(part, "Part");
    b.BeginInline("child.wrl");
    b.Coordinates({5, 5, 5});
    b.EndInline();
    b.EndFile();
}

}  // namespace

TEST(AppendScene, ShiftsEveryIndexOfTheAppendedScene) {
    SceneData a, other;
    BuildRichFile(a, "a.wrl", 0.5f);
    BuildRichFile(other, "b.wrl", 0.25f);
    const SceneData before = a;

    a.AppendScene(other);

    const int32_t R = before.nodeCount, V = before.valueCount, F = before.fileCount;
    const int32_t M = before.materialCount + 1, P = before.pointCount;
    EXPECT_EQ(a.assemblyFlag, 1);
    EXPECT_EQ(a.nodeCount, R + other.nodeCount);
    EXPECT_EQ(a.fileCount, F + other.fileCount);
    EXPECT_EQ(a.textCount, 2);
    EXPECT_EQ(a.defUseCount, 2);
    EXPECT_EQ(a.materialCount, before.materialCount + other.materialCount + 1);
    EXPECT_EQ(a.pointCount, 2 * P);
    EXPECT_EQ(a.TextRecordAt(1).string, "label");

    for (int32_t i = 0; i < other.nodeCount; ++i) {
        const NodeRow& o = other.Row(i);
        const NodeRow& n = a.Row(R + i);
        SCOPED_TRACE(KindName(o.kind) + " row " + std::to_string(i));
        EXPECT_EQ(n.kind, o.kind);
        EXPECT_EQ(n.fileIndex, o.fileIndex + F);
        EXPECT_EQ(a.DefNameOf(R + i), other.DefNameOf(i));
        switch (o.kind) {
            case kind::VrmlData:
                EXPECT_EQ(a.valuePool[n.dataBegin], other.valuePool[o.dataBegin] + R);
                EXPECT_EQ(a.valuePool[n.dataBegin + 1], other.valuePool[o.dataBegin + 1] + R);
                break;
            case kind::Separator:
                EXPECT_EQ(n.dataBegin, o.dataBegin + V);
                EXPECT_EQ(a.valuePool[n.dataBegin + 1], other.valuePool[o.dataBegin + 1] + R);
                EXPECT_EQ(a.valuePool[n.dataBegin + 2], other.valuePool[o.dataBegin + 2] + M);
                break;
            case kind::Material:
                EXPECT_EQ(n.dataBegin, o.dataBegin + M);
                EXPECT_EQ(a.MaterialRow(n.dataBegin)[5], other.MaterialRow(o.dataBegin)[5]);
                break;
            case kind::Coordinate3:
                EXPECT_EQ(n.dataBegin, o.dataBegin + P);
                EXPECT_EQ(n.dataEnd, o.dataEnd + P);
                break;
            case kind::IndexedFaceSet: {
                const float* blk = a.Block(n.dataBegin);
                EXPECT_EQ(blk[1], other.Block(o.dataBegin)[1] + before.coordIndexCount);
                EXPECT_EQ(a.coordIndexPool[int32_t(blk[1])],
                          other.coordIndexPool[int32_t(other.Block(o.dataBegin)[1])] + P / 3);
                break;
            }
            case kind::IndexedLineSet: {
                const float* blk = a.Block(n.dataBegin);
                EXPECT_EQ(n.dataEnd, o.dataEnd + V);
                EXPECT_EQ(blk[2], other.Block(o.dataBegin)[2] + before.lineCoordIndexCount);
                EXPECT_EQ(a.lineCoordIndexPool[int32_t(blk[2]) - 1], -1);  // separators stay
                break;
            }
            case kind::AsciiText:
                EXPECT_EQ(n.dataBegin, o.dataBegin + before.textCount);
                break;
            case kind::Use:
                EXPECT_EQ(n.dataBegin, o.dataBegin + R);
                EXPECT_EQ(n.dataEnd, o.dataEnd + before.defUseCount);
                EXPECT_EQ(a.DefUseRecordAt(n.dataEnd).row, n.dataBegin);
                break;
            case kind::WWWInline:
                EXPECT_EQ(n.dataBegin, o.dataBegin + F);
                EXPECT_EQ(n.dataEnd, o.dataEnd + R);
                EXPECT_EQ(a.FileRecordAt(n.dataBegin).firstRow,
                          other.FileRecordAt(o.dataBegin).firstRow + R);
                break;
        }
    }
    // The appended file's default material is its own, not the first file's.
    EXPECT_FLOAT_EQ(a.MaterialRow(M + other.materialCount)[5], 0.25f);
    // The first scene is unchanged.
    for (int32_t i = 0; i < R; ++i) EXPECT_EQ(a.Row(i).dataBegin, before.Row(i).dataBegin);
}

// Edits that add rows keep whole copies; places outside the scene are
// refused rather than read past the pools' ends.
TEST(SceneChange, WholeSceneEditsRestoreAddedRowsAndBadPlacesAreRefused) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("a.wrl");
    b.EndFile();
    const SceneData before = scene;
    SceneChange change;
    EXPECT_FALSE(change.TouchRow(scene, scene.nodeCount));
    EXPECT_FALSE(change.TouchPoint(scene, 0)) << "no points yet";
    EXPECT_FALSE(change.TouchValues(scene, -1, 3));
    change.TouchWholeScene(scene);
    scene.AddRow(kind::SeparatorDim, 0, tag::Shown, 0, 0, "KORVALDE_DIM_1");
    change.Finish(scene);
    const SceneData after = scene;
    change.Restore(scene, false);
    EXPECT_TRUE(vantor::testing::ScenesEqual(before, scene));
    change.Restore(scene, true);
    EXPECT_TRUE(vantor::testing::ScenesEqual(after, scene));
}
