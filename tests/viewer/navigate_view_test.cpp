// Key and mouse events sent to a real OpenGL view reach its camera through
// the bindings, and its menu commands run the camera operations.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cmath>

#include "app/command_ids.h"
#include "bindings/binding_table.h"
#include "bindings/config_reader.h"
#include "navigate/view_navigation_controller.h"
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
