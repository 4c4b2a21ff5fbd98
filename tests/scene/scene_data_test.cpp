#include <gtest/gtest.h>

#include "scene/scene_data.h"

using namespace vantor;

TEST(Pools, FirstGrowthIsOneStepThenGeometric) {
    SceneData scene;
    scene.EnsureNodeRows(4980);
    EXPECT_EQ(scene.nodeTable.capacity(), 5000);
    scene.EnsureNodeRows(4981);
    EXPECT_EQ(scene.nodeTable.capacity(), 10000);
    EXPECT_EQ(scene.nodeDefNames.size(), 10000u);
}
