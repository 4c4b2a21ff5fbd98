#pragma once
// The items of the Data Structure window, built from the node table without
// any widget code so the rules can be tested directly.

#include <cstdint>
#include <string>
#include <vector>

#include "scene/scene_data.h"

namespace vantor {

// Image pairs (normal / selected) of the tree items.
enum StructureImage : int { kImageGroup = 0, kImageLeaf = 2, kImageHiddenGroup = 4 };

struct StructureFilter {
    const char* text;  // combo text
    int32_t mask;      // bits of kind / 10 that are listed
};
// The five filter modes in combo order.
extern const StructureFilter kStructureFilters[5];
constexpr int32_t kInitialStructureMask = 0x280201;  // until the user picks a mode
constexpr int32_t kRootItemData = -9999;

struct StructureItem {
    int32_t parent;    // index into the item list; -1 for the root
    std::string text;  // UTF-8
    int32_t row;       // node row, kRootItemData for the root
    int32_t image;     // first image of the pair
};

// True when every bit of kind / 10 lies inside the mask.
bool PassesStructureFilter(int32_t kind, int32_t mask);

// The root item "Vantor3D" followed by the items of every row in tree order.
std::vector<StructureItem> BuildStructureItems(const SceneData& scene, int32_t mask);

// Mask of a combo text; `current` when the text is none of the five.
int32_t StructureMaskForText(const std::string& text, int32_t current);

}  // namespace vantor
