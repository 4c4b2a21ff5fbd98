#include "import/vertex_join.h"

#include <algorithm>
#include <cstring>

namespace vantor {

namespace {

uint64_t Pair(const uint32_t* words) {
    uint64_t pair;
    std::memcpy(&pair, words, sizeof pair);
    return pair;
}

// Open addressing over slots that hold the vertex's bits themselves, so a
// lookup reads one slot and never the mesh.
template <int width>
struct VertexTable {
    struct Slot {
        uint32_t key[width];
        uint32_t number;  // + 1; 0 when free
    };

    // Meshes from STL and OBJ repeat each point about six times: start at
    // a quarter of the vertices and grow when 3/4 full.
    explicit VertexTable(uint32_t count) {
        while ((size_t(1) << bits) < size_t(count) / 4) ++bits;
        slots.reset(new Slot[size_t(1) << bits]());
    }

    // Pairs of floats read as one 64-bit word; the high bits of the last
    // product, which every input bit reaches, choose the slot.
    static uint64_t Hash(const uint32_t* key) {
        constexpr uint64_t kOdd = 0x9E3779B97F4A7C15ull;
        uint64_t h = 0;
        for (int i = 0; i + 1 < width; i += 2) h = (h ^ Pair(key + i)) * kOdd;
        if (width % 2) h = (h ^ key[width - 1]) * kOdd;
        return h;
    }
    // Two floats at a time, without early exits: a call to memcmp per
    // vertex costs more than the compare.
    static bool SameKey(const uint32_t* a, const uint32_t* b) {
        uint64_t differ = 0;
        for (int i = 0; i + 1 < width; i += 2) differ |= Pair(a + i) ^ Pair(b + i);
        if (width % 2) differ |= a[width - 1] ^ b[width - 1];
        return differ == 0;
    }
    bool Full() const { return used * 4 > (size_t(3) << bits); }

    void Grow() {
        const size_t oldSize = size_t(1) << bits;
        std::unique_ptr<Slot[]> old = std::move(slots);
        ++bits;
        slots.reset(new Slot[size_t(1) << bits]());
        const size_t mask = (size_t(1) << bits) - 1;
        for (size_t i = 0; i < oldSize; ++i) {
            if (old[i].number == 0) continue;
            size_t slot = Hash(old[i].key) >> (64 - bits);
            while (slots[slot].number != 0) slot = (slot + 1) & mask;
            slots[slot] = old[i];
        }
    }

    int bits = 4;
    size_t used = 0;
    std::unique_ptr<Slot[]> slots;
};

// `width` floats a vertex (3: position, 6: position and normal), compared
// as bits. The slots of a block of vertices are prefetched before any of
// them is looked up: on a large mesh a lookup may miss the cache, and this
// lets the misses overlap.
template <int width>
JoinedVertices Join(const uint32_t* positions, const uint32_t* normals, uint32_t count) {
    using Table = VertexTable<width>;
    Table table(count);
    JoinedVertices joined;
    joined.number.reset(new uint32_t[count]);
    uint32_t* number = joined.number.get();
    // A position alone is read where it lies; with its normal, copied.
    constexpr bool kCopied = width != 3;
    constexpr uint32_t kBlock = 16;
    uint32_t copies[kCopied ? kBlock : 1][width];
    uint64_t hashes[kBlock];
    // Locals, which the stores of numbers cannot alias.
    typename Table::Slot* slots = table.slots.get();
    int shift = 64 - table.bits;
    size_t mask = (size_t(1) << table.bits) - 1;
    for (uint32_t begin = 0; begin < count; begin += kBlock) {
        const uint32_t n = std::min(kBlock, count - begin);
        const uint32_t* keys = positions + size_t(begin) * 3;
        if constexpr (kCopied) {
            for (uint32_t i = 0; i < n; ++i) {
                std::memcpy(copies[i], positions + size_t(begin + i) * 3, 3 * sizeof(uint32_t));
                std::memcpy(copies[i] + 3, normals + size_t(begin + i) * 3, 3 * sizeof(uint32_t));
            }
            keys = copies[0];
        }
        for (uint32_t i = 0; i < n; ++i) {
            hashes[i] = Table::Hash(keys + i * width);
            __builtin_prefetch(&slots[hashes[i] >> shift]);
        }
        for (uint32_t i = 0; i < n; ++i) {
            const uint32_t* key = keys + i * width;
            size_t slot = hashes[i] >> shift;
            while (slots[slot].number != 0 && !Table::SameKey(slots[slot].key, key))
                slot = (slot + 1) & mask;
            if (slots[slot].number != 0) {
                number[begin + i] = slots[slot].number - 1;
                continue;
            }
            const uint32_t fresh = uint32_t(joined.firsts.size());
            std::memcpy(slots[slot].key, key, sizeof slots[slot].key);
            slots[slot].number = fresh + 1;
            number[begin + i] = fresh;
            joined.firsts.push_back(begin + i);
            ++table.used;
            if (table.Full()) {
                table.Grow();
                slots = table.slots.get();
                shift = 64 - table.bits;
                mask = (size_t(1) << table.bits) - 1;
            }
        }
    }
    return joined;
}

}  // namespace

JoinedVertices JoinVertices(const float* positions, const float* normals, uint32_t count) {
    // Floats are compared as their bits.
    static_assert(sizeof(float) == sizeof(uint32_t));
    const auto* points = reinterpret_cast<const uint32_t*>(positions);
    const auto* directions = reinterpret_cast<const uint32_t*>(normals);
    return normals ? Join<6>(points, directions, count) : Join<3>(points, nullptr, count);
}

}  // namespace vantor
