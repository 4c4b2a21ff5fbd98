// The shipped sample and every public VRML file of the corpus (up to a
// size) read and drawn offscreen in the four display modes: no GL error, no
// crash, and the files with geometry show something.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFileInfo>

#include "prompt/prompt.h"
#include "render/gl_headers.h"
#include "render/headless_context.h"
#include "render/scene_renderer.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {
namespace {

constexpr qint64 kLargestFile = 400 * 1024;

struct Drawn {
    bool read = false;
    bool triangles = false;  // the file has any
    bool shown = false;      // some mode drew something over the background
};

Drawn ReadAndDraw(const QString& path, HeadlessContext& context, SceneRenderer& renderer) {
    Drawn result;
    ScriptedPrompt prompt;
    VrmlReader scene;
    const std::string log = (QDir::tempPath() + QStringLiteral("/view_corpus.log")).toStdString();
    if (scene.ReadVrmlFile(path.toStdString(), prompt, log) != 1) return result;
    result.read = true;
    result.triangles = scene.coordIndexCount > 0;
    for (int mode = 0; mode < 4; ++mode) {
        Camera camera;
        RenderSettings settings;
        settings.displayMode = mode;
        settings.showDatums = settings.showCoordinateCentre = 1;
        camera.aspectRatio = 96.0f / 72.0f;
        ApplyFit(camera, scene);
        renderer.InvalidateGeometry();
        renderer.DrawScene(scene, camera, settings);
        const QImage image = context.ReadImage();
        for (int y = 0; y < image.height() && !result.shown; ++y)
            for (int x = 0; x < image.width() && !result.shown; ++x)
                result.shown = image.pixel(x, y) != qRgb(0, 0, 128);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << path.toStdString() << " mode " << mode;
    }
    return result;
}

TEST(ViewCorpus, EveryFileDrawsInEveryMode) {
    HeadlessContext context;
    ASSERT_TRUE(context.Create(96, 72)) << context.Error();
    SceneRenderer renderer;
    ASSERT_TRUE(renderer.InitFont(DefaultOutlineFont()));

    // What ./run.sh opens first.
    const Drawn sample =
        ReadAndDraw(QStringLiteral(VANTOR_SOURCE_DIR "/data/sample.wrl"), context, renderer);
    EXPECT_TRUE(sample.read && sample.triangles && sample.shown) << "data/sample.wrl";

    const QString corpus = QStringLiteral(VANTOR_CORPUS_DIR);
    if (!QFileInfo(corpus).isDir()) GTEST_SKIP() << "no corpus folder";
    int files = 0, withTriangles = 0, drawn = 0;
    QDirIterator it(corpus, {QStringLiteral("*.wrl"), QStringLiteral("*.wrl.gz")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (QFileInfo(path).size() > kLargestFile) continue;
        const Drawn d = ReadAndDraw(path, context, renderer);
        files += d.read;
        withTriangles += d.triangles;
        drawn += d.triangles && d.shown;
        if (d.triangles && !d.shown) ADD_FAILURE() << "nothing drawn: " << path.toStdString();
    }
    RecordProperty("files", files);
    EXPECT_GT(files, 0);
    EXPECT_EQ(drawn, withTriangles);
}

}  // namespace
}  // namespace vantor
