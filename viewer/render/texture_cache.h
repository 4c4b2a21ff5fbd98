#pragma once
// GL textures of a scene's texture records, made on first use: image files
// through Qt's image readers (PNG, JPEG, GIF, ...), pixels given in the
// file as they are. An image that cannot be used is reported once and its
// shapes are drawn without it.

#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

class SceneData;

class TextureCache {
  public:
    // Binds the texture of record `index`, making it first, and loads its
    // transform into the texture matrix. Returns the image's components (1
    // or 2 grey, 3 or 4 colour), or 0 when it has no usable image.
    int Bind(const SceneData& scene, int32_t index);
    // Frees the textures; the owning context must be current.
    void Release();

  private:
    struct Entry {
        uint32_t id = 0;
        int components = 0;
        bool tried = false;
        std::string path;  // the file it was made from
    };
    void Make(const SceneData& scene, int32_t index, Entry& entry);

    std::vector<Entry> entries_;
    const void* records_ = nullptr;  // the records the entries were made for
};

}  // namespace vantor
