#pragma once
// Internal to the import module: file access for the importer that gives
// up on a reader that has run out of time or spins at the end of its file
// (a broken binary PLY makes Assimp's reader seek and read there for ever,
// never reporting progress).

#include <assimp/DefaultIOSystem.h>

#include <chrono>

namespace vantor {

class BoundedIOSystem : public Assimp::DefaultIOSystem {
  public:
    explicit BoundedIOSystem(std::chrono::steady_clock::time_point end) : end_(end) {}
    Assimp::IOStream* Open(const char* file, const char* mode = "rb") override;
    void Close(Assimp::IOStream* stream) override;

  private:
    std::chrono::steady_clock::time_point end_;
};

}  // namespace vantor
