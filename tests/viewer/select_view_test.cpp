// Picking in a real view under an X server: a double-click selects the face
// under the cursor, every following frame shows it in the selected colour,
// and "Data Delete" takes it away again.

#include <gtest/gtest.h>

#include <QTest>
#include <array>

#include "bindings/config_reader.h"
#include "commands/command_ids.h"
#include "dims/dimension.h"
#include "doc/korvalde_doc.h"
#include "prompt/prompt.h"
#include "render/gl_headers.h"
#include "scene/node_kind.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_builder.h"
#include "select/view_selection.h"
#include "support/scratch_folder.h"
#include "view/korvalde_view.h"

namespace cmd = vantor::cmd;

namespace vantor {
namespace {

int CountSelectedRed(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.red() > 240 && c.green() < 16 && c.blue() < 16) ++count;
        }
    return count;
}

// A triangle in the z = 0 plane; returns its face-set row.
int32_t BuildPlate(SceneData& scene) {
    testing::SceneBuilder b(scene);
    b.BeginFile("plate.wrl");
    b.Material(0.2f, 0.6f, 0.9f);
    b.Coordinates({-5, -5, 0, 5, -5, 0, 0, 5, 0});
    const int32_t faces = b.FaceSet({0, 1, 2});
    b.EndFile();
    PrepareGeometry(scene);
    return faces;
}

// Where a world point is drawn in the view, in widget pixels.
QPoint OnScreen(const CKorvaldeView& view, double x, double y, double z) {
    double projection[16], modelview[16], sx, sy, sz;
    ProjectionMatrix(view.camera, projection);
    ViewMatrix(view.camera, modelview);
    const GLint viewport[4] = {0, 0, view.width(), view.height()};
    gluProject(x, y, z, modelview, projection, viewport, &sx, &sy, &sz);
    return QPoint(int(sx), view.height() - int(sy));
}

// A hit table in a fresh database, a prompt and the shipped bindings.
class SelectView : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(HitTable::CreateSchema(
            folder / "korvalde.db", testing::ReadText(VANTOR_SOURCE_DIR "/data/hit_table.sql"),
            error))
            << error;
        ASSERT_TRUE(table.Open(folder / "korvalde.db"));
        ConfigReader(bindings, prompt).ReadConfigFile(VANTOR_SOURCE_DIR "/data/Config.cfg");
    }
    // Shows the view with its selection on the table; false if it never appeared.
    bool ShowView(CKorvaldeView& view, const BindingTable* withBindings = nullptr) {
        view.Selection().SetHitTable(&table);
        view.Selection().SetPrompt(&prompt);
        if (withBindings) view.Selection().SetBindings(withBindings);
        view.resize(320, 240);
        view.show();
        return QTest::qWaitForWindowExposed(&view);
    }

    testing::ScratchFolder folder;
    HitTable table;
    ScriptedPrompt prompt;
    BindingTable bindings;
};

void DoubleClick(CKorvaldeView& view, QPoint at) {
    QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, at);
}

TEST_F(SelectView, DoubleClickSelectsAndFramesShowTheHighlight) {
    CKorvaldeDoc doc;
    const int32_t faces = BuildPlate(doc.Scene());

    CKorvaldeView view(&doc);
    for (int i = 0; i < 16; ++i) view.camera.viewRotation[i] = i % 5 == 0 ? 1 : 0;
    ASSERT_TRUE(ShowView(view));
    EXPECT_EQ(CountSelectedRed(view.grabFramebuffer()), 0);

    // A point inside the triangle, away from the datum lines through the
    // flat box's middle.
    DoubleClick(view, OnScreen(view, 1, -2, 0));
    ASSERT_GT(table.state, 0) << "the face was picked";
    EXPECT_EQ(table.values.lData0, faces);
    EXPECT_EQ(table.values.lData2, 6) << "inside the triangle only the face is hit";
    EXPECT_GT(CountSelectedRed(view.grabFramebuffer()), 1000) << "the face is filled red";

    bool enabled = true, checked = false;
    view.UpdateCommandState(cmd::kMoveSelectedDimension, enabled, checked);
    EXPECT_TRUE(enabled);

    EXPECT_TRUE(view.OnCommand(cmd::kDataDelete));
    EXPECT_EQ(table.RowCount(), 0);
    EXPECT_EQ(CountSelectedRed(view.grabFramebuffer()), 0) << "the old highlight is gone";
    EXPECT_TRUE(prompt.shown.empty());
}

// The selected dimension dragged with the mouse actions bound to the left
// button and a held key: its text and dimension line follow the cursor in
// the screen plane or along Z (the measured points staying is the dimension
// test's), and each drag is one undo step.
TEST_F(SelectView, BoundMouseActionsDragTheSelectedDimension) {
    bindings.ApplyBinding("MOUSE_MOUSE_DIM_MOVE_XY", "MOUSE_LEFT");
    bindings.ApplyBinding("MOUSE_KEY_DIM_MOVE_XY", "VK_M");
    bindings.ApplyBinding("MOUSE_MOUSE_DIM_MOVE_Z", "MOUSE_LEFT");
    bindings.ApplyBinding("MOUSE_KEY_DIM_MOVE_Z", "VK_N");

    CKorvaldeDoc doc;
    BuildPlate(doc.Scene());
    CKorvaldeView view(&doc);
    view.Navigation().SetBindings(&bindings);
    for (int i = 0; i < 16; ++i) view.camera.viewRotation[i] = i % 5 == 0 ? 1 : 0;
    ASSERT_TRUE(ShowView(view, &bindings));
    auto onScreen = [&view](const float* p) { return OnScreen(view, p[0], p[1], p[2]); };

    DoubleClick(view, OnScreen(view, 1, -2, 0));
    ASSERT_TRUE(view.OnCommand(cmd::kFromCsys));
    const SceneData& scene = doc.Scene();
    const int32_t group = DimensionRows(scene).at(0);
    const auto parts = FindDimensionParts(scene, group);
    const float* matrix = scene.Block(scene.Row(parts->transform).dataBegin);
    // Select the dimension by its text: just right of and above its origin.
    DoubleClick(view, onScreen(matrix + 12) + QPoint(4, -3));
    ASSERT_EQ(view.Selection().Dimensions().SelectedDimension(), group);

    const std::array<float, 3> start = {matrix[12], matrix[13], matrix[14]};
    const int steps = doc.UndoStack().count();
    const std::pair<Qt::Key, int> drags[] = {{Qt::Key_M, 0}, {Qt::Key_N, 2}};
    for (const auto& [key, axis] : drags) {
        SCOPED_TRACE(axis);
        const std::array<float, 3> before = {matrix[12], matrix[13], matrix[14]};
        const QPoint from = onScreen(before.data());
        QTest::keyPress(&view, key);
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(&view, from + QPoint(20, 0));
        QTest::mouseMove(&view, from + QPoint(40, 0));
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, from + QPoint(40, 0));
        QTest::keyRelease(&view, key);
        for (int i = 0; i < 3; ++i) {
            if (i == axis) {
                EXPECT_GT(matrix[12 + i], before[size_t(i)] + 1) << "it follows the cursor";
            } else {
                EXPECT_FLOAT_EQ(matrix[12 + i], before[size_t(i)]) << i;
            }
        }
        if (axis == 0) {  // in the screen plane, 40 pixels are 40 pixels
            EXPECT_NEAR(onScreen(matrix + 12).x(), from.x() + 40, 2);
        }
    }
    EXPECT_EQ(doc.UndoStack().count(), steps + 2) << "one undo step per drag";
    EXPECT_EQ(view.Selection().Dimensions().SelectedDimension(), group);
    doc.UndoStack().undo();
    doc.UndoStack().undo();
    EXPECT_EQ((std::array<float, 3>{matrix[12], matrix[13], matrix[14]}), start);
    EXPECT_TRUE(prompt.shown.empty());
}

// Face-set rows among the hit table's rows.
int FaceSetRows(HitTable& table) {
    int count = 0;
    if (!table.MoveFirst()) return 0;
    do count += table.values.lNode == kind::IndexedFaceSet;
    while (table.MoveNext());
    return count;
}

// With the shipped bindings a double-click without any key measures inside
// parts: a VRML 1.0 Separator, a VRML 2.0 Shape and the sample model all
// give face-set rows; Ctrl (hide parts) picks the same way.
TEST_F(SelectView, PlainDoubleClickPicksInsideParts) {
    for (const char* path :
         {VANTOR_TEST_INPUTS "/select/separator.wrl", VANTOR_TEST_INPUTS "/select/shape.wrl",
          VANTOR_SOURCE_DIR "/data/sample.wrl"}) {
        SCOPED_TRACE(path);
        CKorvaldeDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(QString::fromUtf8(path), prompt));
        CKorvaldeView view(&doc);
        ASSERT_TRUE(ShowView(view, &bindings));
        const QPoint middle(160, 120);
        for (const bool control : {false, true}) {
            table.DeleteAll();
            if (control) QTest::keyPress(&view, Qt::Key_Control);
            const Qt::KeyboardModifiers held = control ? Qt::ControlModifier : Qt::NoModifier;
            QTest::mouseDClick(&view, Qt::LeftButton, held, middle);
            QTest::mouseRelease(&view, Qt::LeftButton, held, middle);
            if (control) QTest::keyRelease(&view, Qt::Key_Control);
            EXPECT_GT(FaceSetRows(table), 0) << "control " << control;
        }
    }
    EXPECT_TRUE(prompt.shown.empty());
}

}  // namespace
}  // namespace vantor
