// Vertex buffers built from the pools, outline glyphs, file text decoding
// and the background bitmap.

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "math/vector_math.h"
#include "render/background_bitmap.h"
#include "render/geometry_buffers.h"
#include "render/gl_headers.h"
#include "render/outline_font.h"
#include "render/render_fixture.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_builder.h"

namespace vantor {
namespace {

using testing::CountPixelsNotColoured;
using testing::SceneBuilder;

constexpr QRgb kNavy = qRgb(0, 0, 128);

class GeometryBuffersTest : public testing::RenderTest {};

TEST_F(GeometryBuffersTest, TrianglesEdgesAndDamagedIndices) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("buffers.wrl");
    b.Coordinates({0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0});
    const int32_t quad = b.FaceSet({0, 1, 2, 0, 2, 3});
    b.FaceSet({0, 1, 99, 1, 2, 3});
    b.EndFile();
    PrepareGeometry(scene);
    GeometryBuffers buffers;
    buffers.Update(scene);
    // Quad: 6 vertices, 5 distinct edges; broken: the triangle with a point
    // outside the pool is left out.
    EXPECT_EQ(buffers.TriangleVertexCount(), 6 + 3) << "vertices";
    EXPECT_EQ(buffers.EdgeIndexCount(), 2 * 5 + 2 * 3) << "shared edge drawn once";

    // A trailing partial triangle would read the next face set's indices.
    scene.valuePool[scene.Row(quad).dataBegin + 2] -= 2;
    buffers.Update(scene);  // same counts: needs an explicit invalidation
    EXPECT_EQ(buffers.TriangleVertexCount(), 9);
    buffers.Invalidate();
    buffers.Update(scene);
    EXPECT_EQ(buffers.TriangleVertexCount(), 3 + 3) << "partial triangle dropped";
    buffers.Release();
}

TEST_F(GeometryBuffersTest, PointSetToTheEndOfThePool) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("points.wrl");
    b.Coordinates({-4, -3, 0, -2, -3, 0, 0, -3, 0, 2, -3, 0, 4, -3, 0});
    const int32_t points = scene.AddRow(kind::PointSet, 0, tag::PointSet, 2, -1);
    b.Coordinates({-4, 3, 0, 0, 3, 0, 4, 3, 0});
    b.EndFile();
    PrepareGeometry(scene);
    scene.bounds[0] = -6, scene.bounds[1] = 6;
    scene.sceneExtent = 6;
    settings.displayMode = kDisplayWireframe;
    camera.projectionMode = kProjectionOrthographic;
    vmath::Identity(camera.viewRotation);
    glPointSize(3);
    // Points 2..4 of the first block and all three of the later block.
    const int all = CountPixelsNotColoured(Draw(scene), kNavy);
    EXPECT_GE(all, 6 * 4) << "six points";
    scene.Row(points).dataEnd = 2;
    renderer->InvalidateGeometry();
    const int two = CountPixelsNotColoured(Draw(scene), kNavy);
    EXPECT_GE(two, 2 * 4);
    EXPECT_LT(two, all / 2) << "explicit count";
    glPointSize(1);
}

TEST(OutlineGlyphs, ContoursHolesAndAdvance) {
    testing::EnsureGuiApplication();
    const QFont font = DefaultOutlineFont();
    const GlyphGeometry o = TessellateGlyph(font, U'O');
    EXPECT_GE(o.contours.size(), 2u) << "outer contour and hole";
    EXPECT_GT(o.triangles.size(), 12u);
    EXPECT_EQ(o.triangles.size() % 6, 0u) << "whole triangles only";
    EXPECT_GT(o.advance, 0.4f);
    EXPECT_LT(o.advance, 1.2f) << "one em is about one unit";
    // Front faces are counter-clockwise.
    for (size_t t = 0; t + 5 < o.triangles.size(); t += 6) {
        const float* v = &o.triangles[t];
        const double cross =
            double(v[2] - v[0]) * (v[5] - v[1]) - double(v[3] - v[1]) * (v[4] - v[0]);
        ASSERT_GE(cross, -1e-9) << "triangle " << t / 6;
    }
    const GlyphGeometry space = TessellateGlyph(font, U' ');
    EXPECT_TRUE(space.triangles.empty());
    EXPECT_GT(space.advance, 0.1f) << "space still moves on";
}

TEST(FileText, Utf8ElseShiftJis) {
    testing::EnsureGuiApplication();
    EXPECT_EQ(DecodeFileText("Ab"), U"Ab") << "ASCII";
    EXPECT_EQ(DecodeFileText("\xE6\x97\xA5\xE6\x9C\xAC"), U"日本") << "UTF-8";
    EXPECT_EQ(DecodeFileText("\x93\xFA\x96\x7B"), U"日本") << "Shift-JIS";
    EXPECT_EQ(DecodeFileText(""), U"") << "empty";
}

class TextDrawingTest : public testing::RenderTest {};

TEST_F(TextDrawingTest, LatinAndJapaneseTextAndCountBeyondTheString) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("text.wrl");
    b.Text("\xE3\x81\x82\xE3\x81\x84");  // two kana, beyond the 255 lists
    b.EndFile();
    PrepareGeometry(scene);
    scene.sceneExtent = 2;
    scene.texts.items[0].size = 1000;  // larger than the string
    settings.displayMode = kDisplayWireframe;
    vmath::Identity(camera.viewRotation);
    EXPECT_GT(CountPixelsNotColoured(Draw(scene), kNavy), 50) << "kana from extra lists";
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// A font without outlines (a machine without outline fonts) is reported, not
// drawn as nothing; the scene still draws and a usable font works again.
TEST_F(TextDrawingTest, FontWithoutOutlinesIsRefused) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("text.wrl");
    b.Text("Ab");
    b.Values(kind::Cube, {1, 1, 1});
    b.EndFile();
    PrepareGeometry(scene);
    const GlyphSource saved = OutlineFont::glyphSource;
    OutlineFont::glyphSource = [](const QFont&, char32_t) {
        GlyphGeometry blank;
        blank.advance = 0.5f;
        return blank;
    };
    EXPECT_FALSE(renderer->InitFont(DefaultOutlineFont()));
    EXPECT_GT(CountPixelsNotColoured(Draw(scene), kNavy), 100) << "the cube is still drawn";
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    OutlineFont::glyphSource = saved;
    EXPECT_TRUE(renderer->InitFont(DefaultOutlineFont()));
}

TEST(BackgroundBitmapLoad, AcceptsSquareIndexedPowersOfTwo) {
    testing::EnsureGuiApplication();
    QTemporaryDir folder;
    auto write = [&](const char* name, int w, int h, QImage::Format format) {
        QImage image(w, h, format);
        if (format == QImage::Format_Indexed8) {
            image.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0)});
            image.fill(0);
            image.setPixel(0, h - 1, 1);  // bottom-left corner green
        } else {
            image.fill(Qt::white);
        }
        const QString path = folder.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(image.save(path, "BMP")) << name;
        return path.toStdString();
    };
    RenderSettings settings;
    EXPECT_EQ(LoadBackgroundBitmap(write("wide.bmp", 256, 128, QImage::Format_Indexed8), settings),
              BitmapLoad::Refused);
    EXPECT_EQ(LoadBackgroundBitmap(write("odd.bmp", 100, 100, QImage::Format_Indexed8), settings),
              BitmapLoad::Refused);
    EXPECT_EQ(LoadBackgroundBitmap(write("rgb.bmp", 64, 64, QImage::Format_RGB888), settings),
              BitmapLoad::Refused)
        << "24-bit without a colour table";
    EXPECT_EQ(settings.useBackgroundBitmap, 0);
    EXPECT_EQ(LoadBackgroundBitmap(folder.filePath("missing.bmp").toStdString(), settings),
              BitmapLoad::Unreadable);

    ASSERT_EQ(LoadBackgroundBitmap(write("ok.bmp", 512, 512, QImage::Format_Indexed8), settings),
              BitmapLoad::Loaded);
    EXPECT_EQ(settings.useBackgroundBitmap, 1);
    EXPECT_EQ(settings.backgroundBitmap.side, 512);
    EXPECT_EQ(settings.backgroundBitmap.indices[0], 1) << "bottom row first";
    EXPECT_FLOAT_EQ(settings.redMap[0], 1);
    EXPECT_FLOAT_EQ(settings.greenMap[1], 1);
}

class BackgroundDrawingTest : public testing::RenderTest {};

TEST_F(BackgroundDrawingTest, BitmapFillsTheOrthographicView) {
    SceneData scene;
    SceneBuilder b(scene);
    b.BeginFile("bg.wrl");
    b.EndFile();
    PrepareGeometry(scene);
    settings.backgroundBitmap.side = 16;
    settings.backgroundBitmap.indices.assign(256, 3);
    settings.redMap[3] = 1, settings.greenMap[3] = 1, settings.blueMap[3] = 0;
    settings.useBackgroundBitmap = 1;
    camera.projectionMode = kProjectionOrthographic;
    const QImage image = Draw(scene);
    EXPECT_EQ(CountPixelsNotColoured(image, qRgb(255, 255, 0)), 0) << "yellow from the maps";
}

}  // namespace
}  // namespace vantor
