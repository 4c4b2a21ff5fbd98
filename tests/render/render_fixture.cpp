#include "render/render_fixture.h"

#include <QGuiApplication>
#include <cstdlib>

namespace vantor::testing {

namespace {

constexpr int kChannelTolerance = 24;       // per channel, 0..255
constexpr double kAllowedFraction = 0.004;  // of all pixels

std::string BaselinePath(const std::string& name, const std::string& suffix) {
    return std::string(VANTOR_TEST_INPUTS) + "/render/" + name + suffix;
}

int ChannelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

}  // namespace

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_render";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

QFont BaselineFont() {
    QFont font = DefaultOutlineFont();
    font.setFamily(QStringLiteral("IPAGothic"));
    return font;
}

void RenderTest::SetUp() {
    EnsureGuiApplication();
    context = std::make_unique<HeadlessContext>();
    if (!context->Create(kWidth, kHeight)) GTEST_SKIP() << "no headless GL: " << context->Error();
    renderer = std::make_unique<SceneRenderer>();
    ASSERT_TRUE(renderer->InitFont(BaselineFont()));
    camera.aspectRatio = float(kWidth) / kHeight;
}

void RenderTest::TearDown() {
    if (renderer && context) {
        context->MakeCurrent();
        renderer->ReleaseGl();
    }
    renderer.reset();
    context.reset();
}

QImage RenderTest::Draw(SceneData& scene) {
    ApplyFit(camera, scene);
    renderer->DrawScene(scene, camera, settings);
    return context->ReadImage();
}

::testing::AssertionResult MatchesBaseline(const QImage& actual, const std::string& name) {
    const QString baselinePath = QString::fromStdString(BaselinePath(name, ".png"));
    QImage baseline(baselinePath);
    if (baseline.isNull()) {
        actual.save(baselinePath);
        return ::testing::AssertionFailure()
               << "no baseline; wrote " << baselinePath.toStdString() << " for review";
    }
    baseline = baseline.convertToFormat(QImage::Format_RGB888);
    if (baseline.size() != actual.size())
        return ::testing::AssertionFailure() << "baseline size differs for " << name;
    QImage diff(actual.size(), QImage::Format_RGB888);
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const int d = ChannelDistance(actual.pixel(x, y), baseline.pixel(x, y));
            if (d > kChannelTolerance) ++differing;
            const int shade = std::min(255, d * 4);
            diff.setPixel(x, y, qRgb(shade, d > kChannelTolerance ? 0 : shade, 0));
        }
    }
    const double fraction = double(differing) / (actual.width() * actual.height());
    if (fraction <= kAllowedFraction) return ::testing::AssertionSuccess();
    actual.save(QString::fromStdString(BaselinePath(name, ".actual.png")));
    diff.save(QString::fromStdString(BaselinePath(name, ".diff.png")));
    return ::testing::AssertionFailure()
           << name << ": " << differing << " pixels differ; wrote .actual.png and .diff.png";
}

int CountPixelsNotColoured(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ChannelDistance(image.pixel(x, y), colour) > 8) ++count;
    return count;
}

}  // namespace vantor::testing
