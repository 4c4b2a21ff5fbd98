#pragma once
// An OpenGL compatibility context on Mesa's surfaceless EGL platform with an
// offscreen framebuffer: drawing without any window system (tests, the
// benchmark and screenshots).

#include <QImage>
#include <string>

namespace vantor {

class HeadlessContext {
  public:
    HeadlessContext() = default;
    ~HeadlessContext();
    HeadlessContext(const HeadlessContext&) = delete;
    HeadlessContext& operator=(const HeadlessContext&) = delete;

    // Creates the context and a width x height colour + depth framebuffer,
    // makes it current and sets the viewport. False with Error() on failure.
    bool Create(int width, int height);
    bool MakeCurrent();
    const std::string& Error() const { return error_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The framebuffer as a top-down RGB image.
    QImage ReadImage() const;

  private:
    void* display_ = nullptr;
    void* context_ = nullptr;
    unsigned framebuffer_ = 0;
    unsigned colour_ = 0;
    unsigned depth_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::string error_;
};

}  // namespace vantor
