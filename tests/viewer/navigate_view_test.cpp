// Key and mouse events sent to a real OpenGL view reach its camera through
// the bindings, and its menu commands run the camera operations.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cmath>

#include "commands/command_ids.h"
#include "bindings/binding_table.h"
#include "bindings/config_reader.h"
#include "navigate/view_navigation.h"
#include "prompt/prompt.h"
#include "view/korvalde_view.h"

using namespace vantor;

namespace {

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "test_viewer";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

}  // namespace

TEST(NavigateView, EventsAndMenuCommandsMoveTheViewCamera) {
    EnsureApplication();
    BindingTable bindings;
    ScriptedPrompt prompt;
    ConfigReader(bindings, prompt)
        .ReadConfigFile(VANTOR_TEST_INPUTS "/navigate/mouse_and_keys.cfg");

    CKorvaldeView view(nullptr);
    view.resize(400, 300);
    view.Navigation().SetBindings(&bindings);
    view.Navigation().SetPrompt(&prompt);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.activateWindow();
    view.setFocus();
    QTest::qWait(20);

    QTest::keyClick(&view, Qt::Key_Z);
    EXPECT_FLOAT_EQ(view.camera.zoomFactor, float(1 / std::sqrt(2.0))) << "Z zooms in";

    const float before = view.camera.viewRotation[0];
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(&view, QPoint(140, 100));
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(140, 100));
    EXPECT_NE(view.camera.viewRotation[0], before) << "left drag spins";

    ASSERT_TRUE(view.OnCommand(cmd::kMoveRight));
    EXPECT_EQ(view.camera.panX, -10.0f);
    ASSERT_TRUE(view.OnCommand(cmd::kTurn180));
    bool enabled = false, checked = true;
    view.UpdateCommandState(cmd::kPlayAll, enabled, checked);
    EXPECT_FALSE(checked);
    ASSERT_TRUE(view.OnCommand(cmd::kPlayAll));
    view.UpdateCommandState(cmd::kPlayAll, enabled, checked);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(enabled);
    EXPECT_TRUE(view.Navigation().SpinTimerActive());
    ASSERT_TRUE(view.OnCommand(cmd::kPlayAll));
    EXPECT_FALSE(view.Navigation().SpinTimerActive());
    EXPECT_FALSE(view.OnCommand(1)) << "not a view command";
}

// What a new user gets from the shipped binding file.
TEST(NavigateView, DefaultBindingFileTurnsMovesAndZooms) {
    EnsureApplication();
    BindingTable bindings;
    ScriptedPrompt prompt;
    ConfigReader(bindings, prompt).ReadConfigFile(VANTOR_SOURCE_DIR "/data/Config.cfg");
    ASSERT_TRUE(prompt.shown.empty()) << prompt.shown.front().text;

    CKorvaldeView view(nullptr);
    view.resize(400, 300);
    view.Navigation().SetBindings(&bindings);
    view.Navigation().SetPrompt(&prompt);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.activateWindow();
    view.setFocus();
    QTest::qWait(20);
    const Camera start = view.camera;
    const auto drag = [&view](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint from,
                              QPoint to) {
        QTest::mousePress(&view, button, modifiers, from);
        QTest::mouseMove(&view, to);
        QTest::mouseRelease(&view, button, modifiers, to);
    };

    drag(Qt::LeftButton, Qt::NoModifier, {100, 100}, {150, 120});
    EXPECT_NE(view.camera.viewRotation[0], start.viewRotation[0]) << "left drag turns";
    drag(Qt::MiddleButton, Qt::NoModifier, {100, 100}, {150, 100});
    EXPECT_LT(view.camera.panX, 0) << "middle drag moves";
    drag(Qt::RightButton, Qt::NoModifier, {200, 100}, {100, 100});
    EXPECT_LT(view.camera.fieldOfView, start.fieldOfView) << "right drag to the left zooms in";

    const float fov = view.camera.fieldOfView;
    QTest::keyPress(&view, Qt::Key_Shift);
    drag(Qt::LeftButton, Qt::ShiftModifier, {100, 100}, {200, 160});
    QTest::keyRelease(&view, Qt::Key_Shift);
    EXPECT_LT(view.camera.fieldOfView, fov) << "Shift + left drag zooms into the box";

    const float zoom = view.camera.zoomFactor;
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_LT(view.camera.zoomFactor, zoom) << "PageUp zooms in";
    const float panY = view.camera.panY;
    QTest::keyClick(&view, Qt::Key_8, Qt::KeypadModifier);
    EXPECT_EQ(view.camera.panY, panY - 10) << "keypad 8 moves up";
}
