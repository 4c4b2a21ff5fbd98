#include "render/headless_context.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include "render/gl_headers.h"

namespace vantor {

HeadlessContext::~HeadlessContext() {
    if (!display_) return;
    EGLDisplay display = static_cast<EGLDisplay>(display_);
    if (context_) {
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, static_cast<EGLContext>(context_));
        if (framebuffer_) glDeleteFramebuffers(1, &framebuffer_);
        if (colour_) glDeleteRenderbuffers(1, &colour_);
        if (depth_) glDeleteRenderbuffers(1, &depth_);
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(display, static_cast<EGLContext>(context_));
    }
    eglTerminate(display);
}

bool HeadlessContext::Create(int width, int height) {
    width_ = width;
    height_ = height;
    auto getDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getDisplay) return error_ = "eglGetPlatformDisplayEXT missing", false;
    EGLDisplay display = getDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, nullptr, nullptr))
        return error_ = "no surfaceless EGL display", false;
    display_ = display;
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE,
                                       EGL_PBUFFER_BIT,
                                       EGL_RENDERABLE_TYPE,
                                       EGL_OPENGL_BIT,
                                       EGL_RED_SIZE,
                                       8,
                                       EGL_GREEN_SIZE,
                                       8,
                                       EGL_BLUE_SIZE,
                                       8,
                                       EGL_DEPTH_SIZE,
                                       24,
                                       EGL_NONE};
    EGLConfig config;
    EGLint found = 0;
    if (!eglChooseConfig(display, configAttributes, &config, 1, &found) || found < 1)
        return error_ = "no EGL config", false;
    if (!eglBindAPI(EGL_OPENGL_API)) return error_ = "no desktop OpenGL API", false;
    const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                        EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
    if (context == EGL_NO_CONTEXT) return error_ = "eglCreateContext failed", false;
    context_ = context;
    if (!MakeCurrent()) return false;

    glGenFramebuffers(1, &framebuffer_);
    glGenRenderbuffers(1, &colour_);
    glGenRenderbuffers(1, &depth_);
    glBindRenderbuffer(GL_RENDERBUFFER, colour_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glBindRenderbuffer(GL_RENDERBUFFER, depth_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        return error_ = "incomplete framebuffer", false;
    glViewport(0, 0, width, height);
    glClearDepth(1.0);
    return true;
}

bool HeadlessContext::MakeCurrent() {
    if (!eglMakeCurrent(static_cast<EGLDisplay>(display_), EGL_NO_SURFACE, EGL_NO_SURFACE,
                        static_cast<EGLContext>(context_)))
        return error_ = "eglMakeCurrent failed", false;
    if (framebuffer_) glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    return true;
}

QImage HeadlessContext::ReadImage() const {
    QImage image(width_, height_, QImage::Format_RGB888);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glFinish();
    for (int y = 0; y < height_; ++y)
        glReadPixels(0, height_ - 1 - y, width_, 1, GL_RGB, GL_UNSIGNED_BYTE, image.scanLine(y));
    return image;
}

}  // namespace vantor
