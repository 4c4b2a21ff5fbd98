#pragma once
// Shared set-up of the rendering tests: an offscreen Qt application for
// fonts, a surfaceless EGL context, small scenes and baseline images.

#include <gtest/gtest.h>

#include <QImage>
#include <memory>
#include <string>

#include "render/camera.h"
#include "render/headless_context.h"
#include "render/render_settings.h"
#include "render/scene_renderer.h"
#include "scene/scene_data.h"

namespace vantor::testing {

// Creates the QGuiApplication once (fonts need one).
void EnsureGuiApplication();

// The outline font of the baseline pictures: one the packages always
// install, so the pictures do not change with whichever font stands in
// for Arial.
QFont BaselineFont();

// A test with a current headless context of the given size and a renderer
// whose font lists are built. Skips when EGL is not available.
class RenderTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 150;

    void SetUp() override;
    void TearDown() override;

    // Draws one frame the way the view does: fit on the first draw.
    QImage Draw(SceneData& scene);

    std::unique_ptr<HeadlessContext> context;
    std::unique_ptr<SceneRenderer> renderer;
    Camera camera;
    RenderSettings settings;
};

// Compares with tests/inputs/render/<name>.png. On a difference beyond the
// tolerance writes <name>.actual.png and <name>.diff.png next to it; a
// missing baseline is written out for review and reported as a failure.
::testing::AssertionResult MatchesBaseline(const QImage& image, const std::string& name);

// Number of pixels that differ from `colour` by more than a small amount.
int CountPixelsNotColoured(const QImage& image, QRgb colour);

}  // namespace vantor::testing
