// Every public VRML file of the corpus (up to a size) read and drawn
// offscreen in the four display modes: no GL error, no crash, and the
// files with geometry show something.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>

#include "prompt/prompt.h"
#include "render/gl_headers.h"
#include "render/headless_context.h"
#include "render/scene_renderer.h"
#include "vrml_read/vrml_reader.h"

namespace {

constexpr qint64 kLargestFile = 400 * 1024;

TEST(ViewCorpus, EveryFileDrawsInEveryMode) {
    const QString corpus = QStringLiteral(VANTOR_CORPUS_DIR);
    if (!QFileInfo(corpus).isDir()) GTEST_SKIP() << "no corpus folder";
    vantor::HeadlessContext context;
    if (!context.Create(96, 72)) GTEST_SKIP() << "no headless GL: " << context.error();
    vantor::SceneRenderer renderer;
    ASSERT_TRUE(renderer.InitFont(vantor::DefaultOutlineFont()));

    int files = 0, withTriangles = 0, drawn = 0;
    QDirIterator it(corpus, {QStringLiteral("*.wrl"), QStringLiteral("*.wrl.gz")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        if (file.size() > kLargestFile) continue;
        vantor::ScriptedPrompt prompt;
        vantor::VrmlReader scene;
        const std::string log =
            (QDir::tempPath() + QStringLiteral("/view_corpus.log")).toStdString();
        if (scene.ReadVrmlFile(file.filePath().toStdString(), prompt, log) != 1) continue;
        ++files;
        bool anything = false;
        for (int mode = 0; mode < 4; ++mode) {
            vantor::Camera camera;
            vantor::RenderSettings settings;
            settings.displayMode = mode;
            settings.showDatums = settings.showCoordinateCentre = 1;
            camera.aspectRatio = 96.0f / 72.0f;
            vantor::ApplyFit(camera, scene);
            renderer.InvalidateGeometry();
            renderer.DrawScene(scene, camera, settings);
            const QImage image = context.ReadImage();
            for (int y = 0; y < image.height() && !anything; ++y)
                for (int x = 0; x < image.width() && !anything; ++x)
                    anything = image.pixel(x, y) != qRgb(0, 0, 128);
            ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << file.filePath().toStdString();
        }
        if (scene.coordIndexCount > 0) {
            ++withTriangles;
            if (anything) ++drawn;
        }
    }
    RecordProperty("files", files);
    RecordProperty("withTriangles", withTriangles);
    RecordProperty("drawn", drawn);
    EXPECT_GT(files, 0);
    EXPECT_EQ(drawn, withTriangles);
}

}  // namespace
