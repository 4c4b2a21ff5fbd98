// Pools large enough to live in their own mappings keep the rules of the
// small ones: kept entries survive growth, new entries are zero, copies
// are independent.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "scene/pool.h"
#include "scene/scene_data.h"

using namespace vantor;

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
