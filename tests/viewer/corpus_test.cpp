// The corpus in a view. The shipped sample and every public VRML file (up to
// a size) read and drawn offscreen in the four display modes: no GL error, no
// crash, and the files with geometry show something. Picks on real VRML 1.0
// and 2.0 files: every picked vertex, examined through the matrix row its hit
// names, must land under the cursor again. This holds only when the pick walk
// numbers the matrix rows as the geometry preparation stored them, through
// real nesting, USE and inlines.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "prompt/prompt.h"
#include "render/gl_headers.h"
#include "render/headless_context.h"
#include "render/pick_pass.h"
#include "render/scene_renderer.h"
#include "scene/prepare_geometry.h"
#include "select/examine.h"
#include "select/selection_logic.h"
#include "vrml_read/vrml_reader.h"

namespace fs = std::filesystem;

namespace vantor {
namespace {

constexpr qint64 kLargestDrawnFile = 400 * 1024;

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
        if (QFileInfo(path).size() > kLargestDrawnFile) continue;
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

constexpr int kWidth = 240;
constexpr int kHeight = 180;
// Files larger than this make the test slow without adding cases.
constexpr uintmax_t kLargestFile = 1500000;
constexpr uintmax_t kLargestVrml2File = 20000;

TEST(SelectCorpus, PickedVerticesLandUnderTheCursor) {
    const fs::path corpus = fs::path(VANTOR_CORPUS_DIR) / "real";
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus";
    HeadlessContext context;
    ASSERT_TRUE(context.Create(kWidth, kHeight)) << context.Error();

    std::vector<fs::path> files;
    for (const auto& [folder, largest] :
         {std::pair{"vrml1", kLargestFile}, {"vrml2", kLargestVrml2File}})
        for (const auto& entry : fs::recursive_directory_iterator(corpus / folder))
            if (entry.is_regular_file() && entry.path().extension() == ".wrl" &&
                entry.file_size() < largest)
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    const std::string logPath = (fs::temp_directory_path() / "select_corpus.log").string();

    int checkedVertices = 0, checkedVrml2Vertices = 0;
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.string());
        ScriptedPrompt prompt;
        VrmlReader reader;
        if (reader.ReadVrmlFile(path.string(), prompt, logPath) != 1) continue;
        PrepareGeometry(reader);
        Camera camera;
        camera.aspectRatio = float(kWidth) / kHeight;
        ApplyFit(camera, reader);
        RenderSettings settings;
        PickPass pass;
        double projection[16], view[16];
        ProjectionMatrix(camera, projection);
        ViewMatrix(camera, view);
        const GLint viewport[4] = {0, 0, kWidth, kHeight};

        for (int gx = 1; gx < 6; ++gx)
            for (int gy = 1; gy < 5; ++gy) {
                const double x = kWidth * gx / 6.0, y = kHeight * gy / 5.0;
                std::vector<PickHit> hits;
                if (pass.Pick(reader, camera, settings, nullptr, x, y, PickKeyRole::Measure,
                              hits) <= 0)
                    continue;
                for (const PickHit& hit : hits) {
                    const HitRecord item = HitFromPick(reader, hit);
                    if (item.lNode != kind::IndexedFaceSet || item.lData2 % 2 != 0 ||
                        item.lData2 > 4)
                        continue;
                    ExaminedState state;
                    ExamineSelected(reader, item, MeasureTolerances(), state);
                    double wx, wy, wz;
                    const float* p = state.examinedPoint;
                    gluProject(p[0], p[1], p[2], view, projection, viewport, &wx, &wy, &wz);
                    EXPECT_NEAR(wx, x, 3.5) << "row " << item.lData0 << " matrix " << item.lTrans;
                    EXPECT_NEAR(kHeight - wy, y, 3.5)
                        << "row " << item.lData0 << " matrix " << item.lTrans;
                    ++checkedVertices;
                    checkedVrml2Vertices += reader.version == kVrmlVersion2;
                }
            }
    }
    EXPECT_GT(checkedVertices, checkedVrml2Vertices);
    EXPECT_GT(checkedVrml2Vertices, 0);
    fs::remove(logPath);
}

}  // namespace
}  // namespace vantor
