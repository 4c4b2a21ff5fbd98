// The view widget under an X server (Xvfb in the test run): fitting on the
// first frame and not on edits, commands with their check marks, resizing,
// saving images, and korvalde --screenshot.

#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "commands/command_ids.h"
#include "context/app_context.h"
#include "doc/korvalde_doc.h"
#include "render/outline_font.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_builder.h"
#include "view/korvalde_view.h"

namespace cmd = vantor::cmd;
using vantor::CKorvaldeDoc;
using vantor::CKorvaldeView;

namespace {

int CountNotNavy(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.red() > 8 || c.green() > 8 || std::abs(c.blue() - 128) > 8) ++count;
        }
    return count;
}

void FillScene(vantor::SceneData& scene) {
    vantor::testing::SceneBuilder b(scene);
    b.BeginFile("cube.wrl");
    b.Material(0.9f, 0.3f, 0.2f);
    b.Values(vantor::kind::Cube, {4, 4, 4});
    b.EndFile();
    vantor::PrepareGeometry(scene);
}

TEST(ViewWindow, FitsDrawsAndServesItsCommands) {
    CKorvaldeDoc doc;
    FillScene(doc.Scene());
    CKorvaldeView view(&doc);
    view.resize(320, 240);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    QImage frame = view.grabFramebuffer();
    EXPECT_EQ(view.camera.fitPending, -1) << "first frame fits";
    EXPECT_FLOAT_EQ(view.camera.aspectRatio, 320.0f / 240.0f);
    EXPECT_GT(CountNotNavy(frame), 1000) << "cube drawn";
    const float distance = view.camera.viewDistance *= 2;  // the user zoomed out
    emit doc.SceneChanged();
    EXPECT_FLOAT_EQ(view.camera.viewDistance, distance) << "an edit keeps the camera";
    view.camera.viewDistance /= 2;

    auto checked = [&](int id) {
        bool enabled = false, check = false;
        view.UpdateCommandState(id, enabled, check);
        EXPECT_TRUE(enabled) << id;
        return check;
    };
    EXPECT_TRUE(checked(cmd::kPerspective)) << "perspective at start";
    EXPECT_TRUE(view.OnCommand(cmd::kOrthographic));
    EXPECT_EQ(view.camera.projectionMode, vantor::kProjectionOrthographic);
    EXPECT_TRUE(checked(cmd::kOrthographic));
    EXPECT_FALSE(checked(cmd::kPerspective));

    EXPECT_TRUE(view.OnCommand(cmd::kWireframe));
    const int wirePixels = CountNotNavy(view.grabFramebuffer());
    EXPECT_GT(wirePixels, 50);
    EXPECT_LT(wirePixels, CountNotNavy(frame)) << "edges only";

    for (int id : {cmd::kShowCoordinateCentre, cmd::kShowRotationCentre, cmd::kShowDatums}) {
        EXPECT_FALSE(checked(id));
        EXPECT_TRUE(view.OnCommand(id));
        EXPECT_TRUE(checked(id)) << id;
    }
    EXPECT_FALSE(view.OnCommand(cmd::kAbout)) << "an application command";

    view.resize(200, 300);
    QTest::qWait(50);
    view.OnCommand(cmd::kRepaint);
    EXPECT_FLOAT_EQ(view.camera.aspectRatio, 200.0f / 300.0f) << "resize";

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("view.png"));
    ASSERT_TRUE(view.SaveImage(path));
    EXPECT_FALSE(QImage(path).isNull());
}

// A font chosen in one view changes that view's text only, and stays when
// other views open or close.
TEST(ViewWindow, EachViewKeepsItsOwnFont) {
    CKorvaldeDoc doc;
    vantor::testing::SceneBuilder b(doc.Scene());
    b.BeginFile("text.wrl");
    b.Text("Ab");
    b.EndFile();
    vantor::PrepareGeometry(doc.Scene());
    doc.Scene().sceneExtent = 1.5f;
    auto open = [&doc] {
        auto* view = new CKorvaldeView(&doc);
        view->resize(200, 150);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
        return view;
    };
    auto* first = open();
    std::unique_ptr<CKorvaldeView> second(open());
    const int before = CountNotNavy(second->grabFramebuffer());
    EXPECT_GT(before, 200) << "text drawn";
    EXPECT_EQ(CountNotNavy(first->grabFramebuffer()), before);

    QFont heavy = first->OutlineFont();
    heavy.setWeight(QFont::Black);
    first->SetOutlineFont(heavy);
    EXPECT_EQ(first->OutlineFont().weight(), QFont::Black) << "the dialog starts from it";
    const int changed = CountNotNavy(first->grabFramebuffer());
    EXPECT_GT(changed, before + 20) << "heavier text in the first view";
    EXPECT_EQ(CountNotNavy(second->grabFramebuffer()), before) << "second view unchanged";

    std::unique_ptr<CKorvaldeView> third(open());
    EXPECT_EQ(CountNotNavy(first->grabFramebuffer()), changed) << "a new view keeps it";
    EXPECT_EQ(CountNotNavy(third->grabFramebuffer()), before) << "new view, default font";
    delete first;
    EXPECT_EQ(CountNotNavy(second->grabFramebuffer()), before) << "closing one keeps the others";
}

TEST(ViewWindow, FontWithoutOutlinesIsReportedAndTheModelStillDrawn) {
    // Put back even when an assertion ends the test early.
    struct RestoreGlyphSource {
        vantor::GlyphSource saved = vantor::OutlineFont::glyphSource;
        ~RestoreGlyphSource() { vantor::OutlineFont::glyphSource = saved; }
    } restore;
    vantor::OutlineFont::glyphSource = [](const QFont&, char32_t) {
        return vantor::GlyphGeometry();
    };
    // Messages go to a script instead of the window system.
    struct ScriptedContext : vantor::DetachedContext {
        vantor::ScriptedPrompt prompt;
        vantor::Prompt& GetPrompt() override { return prompt; }
    } context;
    CKorvaldeDoc doc(&context);
    FillScene(doc.Scene());
    CKorvaldeView view(&doc);
    view.resize(240, 240);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    QTRY_COMPARE(context.prompt.shown.size(), 1u);
    EXPECT_EQ(context.prompt.shown[0].caption + ": " + context.prompt.shown[0].text,
              "GLFont: wglUseFontOutlines failed!");
    EXPECT_EQ(context.prompt.shown[0].icon, vantor::PromptIcon::Exclamation);
    EXPECT_GT(CountNotNavy(view.grabFramebuffer()), 1000) << "the cube is still drawn";
}

QString Korvalde() {
    return QStringLiteral(VANTOR_BIN_DIR "/korvalde");
}

struct ProgramRun {
    int status = -1;  // -1: did not finish or crashed
    QString out;
    QString err;
};

// Runs a program without any X display, under the given locale.
ProgramRun RunHeadless(const QString& program, const QStringList& args,
                       const QString& locale = QStringLiteral("ja_JP.UTF-8")) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    // No saved language choice may override the locale.
    static QTemporaryDir settings;
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
    process.setProcessEnvironment(environment);
    process.start(program, args);
    ProgramRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

TEST(ScreenshotCommand, StatusAndPictureWithoutDisplay) {
    if (!QFile::exists(Korvalde())) GTEST_SKIP() << "korvalde not built";
    QTemporaryDir folder;
    const QString out = folder.filePath(QStringLiteral("shot.png"));
    auto run = [&](const QStringList& args) { return RunHeadless(Korvalde(), args).status; };
    EXPECT_EQ(run({"--screenshot"}), 2) << "no output or file";
    EXPECT_EQ(run({"--screenshot", out, "--size", "0x5", "x.wrl"}), 2) << "bad size";
    EXPECT_EQ(run({"--screenshot", out, "a.wrl", "b.wrl"}), 2) << "several files, one output";

    const QString input = QStringLiteral(VANTOR_TEST_INPUTS "/render/cube_and_cone.wrl");
    for (const char* mode : {"shaded", "hlr", "hidden", "wire"}) {
        ASSERT_EQ(run({"--screenshot", out, "--size", "160x120", "--mode", mode, "--projection",
                       "ortho", input}),
                  0)
            << mode;
        const QImage image(out);
        EXPECT_EQ(image.size(), QSize(160, 120)) << mode;
        EXPECT_GT(CountNotNavy(image), 100) << mode;
    }
}

TEST(ScreenshotCommand, BatchThumbnailAndTimeout) {
    if (!QFile::exists(Korvalde())) GTEST_SKIP() << "korvalde not built";
    QTemporaryDir folder;
    const QString input = QStringLiteral(VANTOR_TEST_INPUTS "/render/cube_and_cone.wrl");
    const QString pictures = folder.filePath(QStringLiteral("pictures/"));
    // One picture per file, named after it; a rejected file makes the status 1.
    EXPECT_EQ(RunHeadless(Korvalde(), {"--screenshot", pictures, "--size", "64x48", input,
                                       folder.filePath("missing.wrl")})
                  .status,
              1);
    EXPECT_EQ(QImage(pictures + QStringLiteral("cube_and_cone.png")).size(), QSize(64, 48));
    EXPECT_FALSE(QFile::exists(pictures + QStringLiteral("missing.png")));

    const QString thumbnail = folder.filePath(QStringLiteral("thumb.png"));
    const QStringList thumbnailArgs = {"--thumbnail", "96", input, thumbnail};
    ASSERT_EQ(RunHeadless(Korvalde(), thumbnailArgs).status, 0);
    const QImage image(thumbnail);
    EXPECT_EQ(image.size(), QSize(96, 96));
    EXPECT_GT(CountNotNavy(image), 100);

    // The time cap ends the run however far it got, without a picture.
    QFile::remove(thumbnail);
    const ProgramRun late =
        RunHeadless(Korvalde(), thumbnailArgs + QStringList{"--timeout", "0.001"});
    EXPECT_EQ(late.status, 3) << qPrintable(late.err);
    EXPECT_FALSE(QFile::exists(thumbnail));
}

TEST(ProgramOptions, HelpVersionAndLanguageWithoutDisplay) {
    for (const char* name : {"korvalde", "tessmaran"}) {
        const QString program = QStringLiteral(VANTOR_BIN_DIR "/") + QString::fromLatin1(name);
        if (!QFile::exists(program)) GTEST_SKIP() << name << " not built";
        const ProgramRun help = RunHeadless(program, {"--help"});
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("usage: ") + QString::fromLatin1(name)))
            << qPrintable(help.out);
        const ProgramRun version = RunHeadless(program, {"--version"});
        EXPECT_EQ(version.status, 0) << name;
        EXPECT_TRUE(version.out.startsWith(QString::fromLatin1(name) + u' ')) << name;
    }
    // The core's messages follow the locale.
    const QStringList args = {"--screenshot", "/tmp/x.png", "/no/such.wrl"};
    EXPECT_TRUE(RunHeadless(Korvalde(), args, QStringLiteral("ja_JP.UTF-8"))
                    .err.contains(QStringLiteral("Caution: /no/such.wrlは存在しません。\n")));
    EXPECT_TRUE(RunHeadless(Korvalde(), args, QStringLiteral("en_GB.UTF-8"))
                    .err.contains(QStringLiteral("Caution: /no/such.wrl does not exist.\n")));
}

}  // namespace
