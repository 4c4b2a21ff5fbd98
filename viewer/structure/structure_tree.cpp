#include "structure/structure_tree.h"
#include "prompt/translate.h"

namespace vantor {

const StructureFilter kStructureFilters[5] = {
    {VANTOR_TRANSLATE_NOOP("StructureFilter", "全て"), 0x7FFFFF},
    {VANTOR_TRANSLATE_NOOP("StructureFilter", "部品のみ"), 0x80001},
    {VANTOR_TRANSLATE_NOOP("StructureFilter", "部品と色"), 0x80201},
    {VANTOR_TRANSLATE_NOOP("StructureFilter", "部品と寸法"), 0x280001},
    {VANTOR_TRANSLATE_NOOP("StructureFilter", "部品、寸法、座標変換"), 0x282001},
};

bool PassesStructureFilter(int32_t kind, int32_t mask) {
    const int32_t bits = int32_t(double(kind) * 0.1);
    return (bits | mask) <= mask;
}

int32_t StructureMaskForText(const std::string& text, int32_t current) {
    for (const StructureFilter& f : kStructureFilters)
        if (text == f.text) return f.mask;
    return current;
}

namespace {

bool HasThreeValueGroupBlock(int32_t k) {
    return kind::IsSeparatorLike(k) || k == kind::TransformSeparator;
}

bool HasTwoValueGroupBlock(int32_t k) {
    return k == kind::VrmlData || k == kind::Group || k == kind::Appearance || k == kind::Lod ||
           k == kind::Lod2 || k == kind::Level || k == kind::WWWAnchor || k == kind::Anchor;
}

class ItemBuilder {
  public:
    ItemBuilder(const SceneData& scene, int32_t mask, std::vector<StructureItem>& items)
        : s_(scene), mask_(mask), items_(items) {}

    void AddItems(int32_t parent, int32_t first, int32_t end) {
        if (end > s_.nodeCount) end = s_.nodeCount;
        for (int32_t i = first; i >= 0 && i < end;) i = AddRow(parent, i);
    }

  private:
    // Adds row i (and its subtree) and returns the next row to look at.
    int32_t AddRow(int32_t parent, int32_t i) {
        const NodeRow& row = s_.Row(i);
        const int32_t k = row.kind;
        std::string text = KindName(k);
        const std::string& def = s_.nodeDefNames[size_t(i)];
        if (!def.empty()) text = "DEF " + def + " " + text;
        const int32_t groupImage = row.tag == tag::Hidden ? kImageHiddenGroup : kImageGroup;

        if (HasThreeValueGroupBlock(k) || HasTwoValueGroupBlock(k)) {
            if (!ValidBlock(row.dataBegin, 2)) return Leaf(parent, i, text);
            const float* b = s_.Block(row.dataBegin);
            const int32_t first = int32_t(b[0]), end = int32_t(b[1]);
            const int32_t under =
                PassesStructureFilter(k, mask_) ? Insert(parent, text, i, groupImage) : parent;
            AddItems(under, first, end);
            return Next(i, end);
        }
        if (k == kind::Switch || k == kind::Switch2) {
            if (!ValidBlock(row.dataBegin, 3)) return Leaf(parent, i, text);
            const float* b = s_.Block(row.dataBegin);
            const int32_t end = int32_t(b[2]);
            const int32_t under =
                PassesStructureFilter(k, mask_) ? Insert(parent, text, i, kImageGroup) : parent;
            AddItems(under, i + 1, end);  // every choice, not only the chosen one
            return Next(i, end);
        }
        if (kind::IsInline(k)) {
            std::string fileName = "Default";
            const bool known = row.dataBegin >= 0 && row.dataBegin < s_.fileCount;
            if (known) fileName = s_.files.items[size_t(row.dataBegin)].fileName;
            const int32_t item = Insert(parent, text + " # " + fileName + " #", i, groupImage);
            if (known) {
                const FileRecord& file = s_.files.items[size_t(row.dataBegin)];
                if (file.endRow == row.dataEnd) AddItems(item, file.firstRow, file.endRow);
            }
            return Next(i, row.dataEnd);
        }
        if (k == kind::Use) {
            std::string name = "DefaultUSE";
            if (row.dataEnd >= 0 && row.dataEnd < s_.defUseCount)
                name = s_.defUses.items[size_t(row.dataEnd)].name;
            Insert(parent, text + " # " + name + " #", i, kImageGroup);
            return i + 1;
        }
        if (k == kind::None) return i + 1;
        return Leaf(parent, i, text);
    }

    int32_t Leaf(int32_t parent, int32_t i, const std::string& text) {
        if (PassesStructureFilter(s_.Row(i).kind, mask_)) Insert(parent, text, i, kImageLeaf);
        return i + 1;
    }

    int32_t Insert(int32_t parent, const std::string& text, int32_t row, int32_t image) {
        items_.push_back({parent, text, row, image});
        return int32_t(items_.size()) - 1;
    }

    // A damaged range never walks backwards.
    static int32_t Next(int32_t i, int32_t end) { return end > i ? end : i + 1; }

    bool ValidBlock(int32_t offset, int width) const {
        return offset >= 0 && int64_t(offset) + width <= s_.valueCount;
    }

    const SceneData& s_;
    int32_t mask_;
    std::vector<StructureItem>& items_;
};

}  // namespace

std::vector<StructureItem> BuildStructureItems(const SceneData& scene, int32_t mask) {
    std::vector<StructureItem> items;
    items.reserve(size_t(scene.nodeCount) + 1);
    items.push_back({-1, "Vantor3D", kRootItemData, kImageGroup});
    ItemBuilder(scene, mask, items).AddItems(0, 0, scene.nodeCount);
    return items;
}

}  // namespace vantor
