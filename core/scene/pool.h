#pragma once
// A growable array of fixed-width 32-bit entries with an explicit capacity,
// growth step and margin. Capacity is counted in rows of `width` values.
//
// Pools of a large file reach hundreds of megabytes, so large blocks live
// in their own memory mappings: growing one remaps it instead of copying,
// and the fresh pages are zero without being written, which also keeps
// unused capacity out of the resident memory.

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

namespace vantor {

template <typename T>
class Pool {
    static_assert(std::is_trivially_copyable_v<T>, "pool entries are copied as bytes");

  public:
    Pool(int capacity, int growth, int margin, int width = 1)
        : capacity_(capacity), growth_(growth), margin_(margin), width_(width) {
        Resize(capacity);
    }
    Pool(const Pool& other)
        : capacity_(other.capacity_),
          growth_(other.growth_),
          margin_(other.margin_),
          width_(other.width_) {
        Resize(capacity_);
        std::memcpy(data_, other.data_, Bytes(capacity_));
    }
    Pool(Pool&& other) noexcept
        : capacity_(other.capacity_),
          growth_(other.growth_),
          margin_(other.margin_),
          width_(other.width_) {
        Swap(other);
    }
    Pool& operator=(const Pool& other) {
        if (this == &other) return *this;
        Pool copy(other);
        Swap(copy);
        return *this;
    }
    Pool& operator=(Pool&& other) noexcept {
        Swap(other);
        return *this;
    }
    ~Pool() { Free(); }

    // Makes room for writing row n (normally the current count). The first
    // growth is one step; later ones at least half the capacity, so filling
    // a pool of n rows costs O(n) rather than O(n^2).
    void Ensure(int64_t n) {
        if (capacity_ >= n + margin_) return;
        int64_t capacity = capacity_;
        while (capacity < n + margin_) capacity += std::max<int64_t>(growth_, capacity / 2);
        Resize(capacity);
    }

    // Sets the capacity to trunc(needed * 1.1) when smaller; entries past
    // `keep` rows are zeroed.
    void ReserveExactly(int64_t keep, int64_t needed) {
        const int64_t target = int64_t(double(needed) * 1.1);
        if (capacity_ >= target) return;
        Resize(target);
        const int64_t from = std::min<int64_t>(keep, capacity_) * width_;
        std::fill(data_ + from, data_ + int64_t(capacity_) * width_, T{});
    }

    int capacity() const { return capacity_; }
    int growth() const { return growth_; }
    int margin() const { return margin_; }
    int width() const { return width_; }

    T* data() { return data_; }
    const T* data() const { return data_; }
    T& operator[](int64_t i) { return data_[i]; }
    const T& operator[](int64_t i) const { return data_[i]; }
    T* Row(int64_t r) { return data_ + r * width_; }
    const T* Row(int64_t r) const { return data_ + r * width_; }

  private:
    // Blocks below this size stay on the heap; a mapping costs a page at least.
    static constexpr size_t kMappedBytes = size_t(1) << 20;
    static constexpr size_t kHugePage = size_t(2) << 20;

    size_t Bytes(int64_t capacity) const { return size_t(capacity) * size_t(width_) * sizeof(T); }
    // Whole huge pages from 2 MB on: the kernel only aligns mappings of such
    // sizes for huge pages, and unaligned ones fault in 4 KB at a time.
    static size_t PageRounded(size_t bytes) {
        const size_t page = bytes >= kHugePage ? kHugePage : 4096;
        return (bytes + page - 1) / page * page;
    }

    // Grows (or first allocates) the block; entries beyond the old capacity
    // start at zero.
    void Resize(int64_t capacity) {
        const size_t oldBytes = data_ ? Bytes(capacity_) : 0;
        const size_t bytes = std::max<size_t>(Bytes(capacity), 1);
        void* block = nullptr;
        if (mapped_) {
            block = ::mremap(data_, mappedBytes_, PageRounded(bytes), MREMAP_MAYMOVE);
            if (block == MAP_FAILED) throw std::bad_alloc();
            mappedBytes_ = PageRounded(bytes);
            ::madvise(block, mappedBytes_, MADV_HUGEPAGE);
        } else if (bytes >= kMappedBytes) {
            block = ::mmap(nullptr, PageRounded(bytes), PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (block == MAP_FAILED) throw std::bad_alloc();
            // Huge pages where allowed: far fewer page faults while filling.
            ::madvise(block, PageRounded(bytes), MADV_HUGEPAGE);
            if (oldBytes > 0) std::memcpy(block, data_, oldBytes);
            std::free(data_);
            mapped_ = true;
            mappedBytes_ = PageRounded(bytes);
        } else {
            block = std::realloc(data_, bytes);
            if (!block) throw std::bad_alloc();
            std::memset(static_cast<char*>(block) + oldBytes, 0, bytes - oldBytes);
        }
        data_ = static_cast<T*>(block);
        capacity_ = int(capacity);
    }

    void Free() {
        if (mapped_)
            ::munmap(data_, mappedBytes_);
        else
            std::free(data_);
        data_ = nullptr;
        mapped_ = false;
        mappedBytes_ = 0;
    }

    void Swap(Pool& other) {
        std::swap(capacity_, other.capacity_);
        std::swap(growth_, other.growth_);
        std::swap(margin_, other.margin_);
        std::swap(width_, other.width_);
        std::swap(data_, other.data_);
        std::swap(mapped_, other.mapped_);
        std::swap(mappedBytes_, other.mappedBytes_);
    }

    int capacity_;
    int growth_;
    int margin_;
    int width_;
    T* data_ = nullptr;
    bool mapped_ = false;  // data_ is a mapping of mappedBytes_ bytes
    size_t mappedBytes_ = 0;
};

}  // namespace vantor
