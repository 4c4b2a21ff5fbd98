#pragma once
// A growable array of fixed-width 32-bit entries with an explicit capacity,
// growth step and margin. Capacity is counted in rows of `width` values.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vantor {

template <typename T>
class Pool {
  public:
    Pool(int capacity, int growth, int margin, int width = 1)
        : capacity_(capacity),
          growth_(growth),
          margin_(margin),
          width_(width),
          data_(size_t(capacity) * width) {}

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
        std::fill(data_.begin() + std::min<int64_t>(keep, capacity_) * width_, data_.end(), T{});
    }

    int capacity() const { return capacity_; }
    int growth() const { return growth_; }
    int margin() const { return margin_; }
    int width() const { return width_; }

    T* data() { return data_.data(); }
    const T* data() const { return data_.data(); }
    T& operator[](int64_t i) { return data_[size_t(i)]; }
    const T& operator[](int64_t i) const { return data_[size_t(i)]; }
    T* Row(int64_t r) { return data_.data() + r * width_; }
    const T* Row(int64_t r) const { return data_.data() + r * width_; }

  private:
    void Resize(int64_t capacity) {
        capacity_ = int(capacity);
        data_.resize(size_t(capacity) * width_);
    }

    int capacity_;
    int growth_;
    int margin_;
    int width_;
    std::vector<T> data_;
};

}  // namespace vantor
