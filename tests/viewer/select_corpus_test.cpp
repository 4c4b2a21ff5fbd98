// Picks on real VRML 1.0 and 2.0 files: every picked vertex, examined through the
// matrix row its hit names, must land under the cursor again. This holds
// only when the pick walk numbers the matrix rows as the geometry
// preparation stored them, through real nesting, USE and inlines.

#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <filesystem>
#include <vector>

#include "prompt/prompt.h"
#include "render/gl_headers.h"
#include "render/headless_context.h"
#include "render/pick_pass.h"
#include "scene/prepare_geometry.h"
#include "select/examine.h"
#include "select/selection_logic.h"
#include "support/qt_test_main.h"
#include "vrml_read/vrml_reader.h"

namespace fs = std::filesystem;

namespace vantor {
namespace {

const bool kNoApp = vantor::testing::RunWithoutApplication(__FILE__);

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
