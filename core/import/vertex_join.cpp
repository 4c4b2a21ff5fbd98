#include "import/vertex_join.h"

#include <cstring>

namespace vantor {

namespace {

// `width` floats a vertex (3: position, 6: position and normal), compared
// as bits.
template <int width>
std::vector<uint32_t> Join(const uint32_t* const* sources, uint32_t count,
                           std::vector<uint32_t>& firsts) {
    int slotBits = 4;
    while ((size_t(1) << slotBits) < size_t(count) * 2) ++slotBits;
    const size_t slots = size_t(1) << slotBits;
    const size_t mask = slots - 1;
    // Open addressing; a slot holds a first vertex + 1, 0 when free.
    std::vector<uint32_t> table(slots, 0);
    std::vector<uint32_t> number(count);
    firsts.clear();
    firsts.reserve(count);
    auto load = [sources](uint32_t v, uint32_t* key) {
        for (int i = 0; i < width; ++i) key[i] = sources[i / 3][size_t(v) * 3 + size_t(i % 3)];
    };
    for (uint32_t v = 0; v < count; ++v) {
        uint32_t key[width];
        load(v, key);
        uint64_t h = 0x9E3779B97F4A7C15ull;
        for (uint32_t b : key) h = (h ^ b) * 0xBF58476D1CE4E5B9ull;
        // The top bits: a product's low bits see only the inputs' low bits,
        // which are zero for round coordinates.
        for (size_t slot = size_t(h >> (64 - slotBits));; slot = (slot + 1) & mask) {
            const uint32_t held = table[slot];
            if (held == 0) {
                table[slot] = v + 1;
                number[v] = uint32_t(firsts.size());
                firsts.push_back(v);
                break;
            }
            uint32_t other[width];
            load(held - 1, other);
            bool same = true;
            for (int i = 0; i < width; ++i) same = same && other[i] == key[i];
            if (same) {
                number[v] = number[held - 1];
                break;
            }
        }
    }
    return number;
}

}  // namespace

std::vector<uint32_t> JoinVertices(const float* positions, const float* normals, uint32_t count,
                                   std::vector<uint32_t>& firsts) {
    // Floats are compared as their bits (no aliasing: the bits are copied).
    static_assert(sizeof(float) == sizeof(uint32_t));
    const uint32_t* sources[2] = {reinterpret_cast<const uint32_t*>(positions),
                                  reinterpret_cast<const uint32_t*>(normals)};
    return normals ? Join<6>(sources, count, firsts) : Join<3>(sources, count, firsts);
}

}  // namespace vantor
