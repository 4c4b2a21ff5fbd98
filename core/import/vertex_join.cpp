#include "import/vertex_join.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace vantor {

namespace {

// Open addressing over slots that hold a vertex's hash bits (to skip
// foreign entries without touching their vertex) and the vertex + 1.
// The slots of a block of vertices are prefetched before any of them is
// looked up: on a large mesh nearly every lookup misses the cache, and
// this lets the misses overlap.
template <int width>
class VertexTable {
  public:
    VertexTable(const uint32_t* const* sources, uint32_t count) : sources_(sources) {
        // Meshes from STL and OBJ repeat each point about six times: start
        // at an eighth of the vertices and grow when 70 % full.
        while ((size_t(1) << bits_) < size_t(count) / 8) ++bits_;
        slots_.reset(new Slot[size_t(1) << bits_]());
    }

    static uint64_t Hash(const uint32_t* key) {
        uint64_t h = 0x9E3779B97F4A7C15ull;
        for (int i = 0; i < width; ++i) h = (h ^ key[i]) * 0xBF58476D1CE4E5B9ull;
        return h ^ (h >> 32);
    }
    void Prefetch(uint64_t hash) const { __builtin_prefetch(&slots_[Home(hash)]); }

    // The first vertex equal to `v` (v itself when new).
    uint32_t Find(uint32_t v, uint64_t hash) {
        const uint32_t tag = uint32_t(hash);
        const size_t mask = (size_t(1) << bits_) - 1;
        for (size_t slot = Home(hash);; slot = (slot + 1) & mask) {
            Slot& s = slots_[slot];
            if (s.vertex == 0) {
                s = {tag, v + 1};
                if (++used_ * 10 > (mask + 1) * 7) Grow();
                return v;
            }
            if (s.tag == tag && Same(s.vertex - 1, v)) return s.vertex - 1;
        }
    }

  private:
    struct Slot {
        uint32_t tag;
        uint32_t vertex;  // + 1; 0 when free
    };

    uint32_t Key(uint32_t v, int i) const { return sources_[i / 3][size_t(v) * 3 + size_t(i % 3)]; }
    bool Same(uint32_t a, uint32_t b) const {
        for (int i = 0; i < width; ++i)
            if (Key(a, i) != Key(b, i)) return false;
        return true;
    }
    // The low bits, which the hash's last step mixed with the high ones (a
    // product's own low bits see only the inputs' low bits, which are zero
    // for round coordinates). The tag holds them too, so growing needs no
    // vertex.
    size_t Home(uint64_t hash) const { return size_t(hash) & ((size_t(1) << bits_) - 1); }

    void Grow() {
        const size_t oldSize = size_t(1) << bits_;
        std::unique_ptr<Slot[]> old = std::move(slots_);
        ++bits_;
        slots_.reset(new Slot[size_t(1) << bits_]());
        const size_t mask = (size_t(1) << bits_) - 1;
        for (size_t i = 0; i < oldSize; ++i) {
            if (old[i].vertex == 0) continue;
            size_t slot = Home(old[i].tag);
            while (slots_[slot].vertex != 0) slot = (slot + 1) & mask;
            slots_[slot] = old[i];
        }
    }

    const uint32_t* const* sources_;
    int bits_ = 4;
    size_t used_ = 0;
    std::unique_ptr<Slot[]> slots_;
};

// Spelled out: a call to memcmp per vertex costs more than the compare.
template <int width>
bool SameKey(const uint32_t* a, const uint32_t* b) {
    bool same = true;
    for (int i = 0; i < width; ++i) same &= a[i] == b[i];
    return same;
}

// The vertices met lately, by hash: a mesh lists the corners of
// neighbouring triangles close together, so most repeats are found here,
// in a table small enough to stay in the cache.
template <int width>
struct RecentVertices {
    struct Entry {
        uint32_t key[width];
        uint32_t number;  // + 1; 0 when empty
    };
    static constexpr int kBits = 13;
    std::unique_ptr<Entry[]> entries{new Entry[size_t(1) << kBits]()};
    Entry& At(uint64_t hash) { return entries[size_t(hash >> 40) & ((size_t(1) << kBits) - 1)]; }
};

// `width` floats a vertex (3: position, 6: position and normal), compared
// as bits.
template <int width>
std::vector<uint32_t> Join(const uint32_t* const* sources, uint32_t count,
                           std::vector<uint32_t>& firsts) {
    VertexTable<width> table(sources, count);
    RecentVertices<width> recent;
    std::vector<uint32_t> number(count);
    firsts.clear();
    constexpr uint32_t kBlock = 32;
    uint64_t hashes[kBlock];
    uint32_t missed[kBlock];
    for (uint32_t begin = 0; begin < count; begin += kBlock) {
        const uint32_t n = std::min(kBlock, count - begin);
        uint32_t misses = 0;
        for (uint32_t i = 0; i < n; ++i) {
            const uint32_t v = begin + i;
            uint32_t key[width];
            for (int k = 0; k < width; ++k) key[k] = sources[k / 3][size_t(v) * 3 + size_t(k % 3)];
            const uint64_t hash = table.Hash(key);
            const auto& entry = recent.At(hash);
            if (entry.number != 0 && SameKey<width>(entry.key, key)) {
                number[v] = entry.number - 1;
                continue;
            }
            hashes[misses] = hash;
            missed[misses++] = v;
            table.Prefetch(hash);
        }
        for (uint32_t i = 0; i < misses; ++i) {
            const uint32_t v = missed[i];
            const uint32_t first = table.Find(v, hashes[i]);
            if (first == v) {
                number[v] = uint32_t(firsts.size());
                firsts.push_back(v);
            } else {
                number[v] = number[first];
            }
            auto& entry = recent.At(hashes[i]);
            for (int k = 0; k < width; ++k)
                entry.key[k] = sources[k / 3][size_t(v) * 3 + size_t(k % 3)];
            entry.number = number[v] + 1;
        }
    }
    return number;
}

}  // namespace

std::vector<uint32_t> JoinVertices(const float* positions, const float* normals, uint32_t count,
                                   std::vector<uint32_t>& firsts) {
    // Floats are compared as their bits.
    static_assert(sizeof(float) == sizeof(uint32_t));
    const uint32_t* sources[2] = {reinterpret_cast<const uint32_t*>(positions),
                                  reinterpret_cast<const uint32_t*>(normals)};
    return normals ? Join<6>(sources, count, firsts) : Join<3>(sources, count, firsts);
}

}  // namespace vantor
