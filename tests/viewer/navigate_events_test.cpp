// Real Qt key, mouse and wheel events sent to a widget steered by the
// navigation controller, with the bindings of a test binding file; a real
// view with the shipped bindings; and the dialog that the navigation's
// commands ask their three values with.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRubberBand>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <cmath>

#include "bindings/binding_table.h"
#include "bindings/config_reader.h"
#include "commands/command_table.h"
#include "dialogs/three_value_dialog.h"
#include "math/vector_math.h"
#include "navigate/view_navigation.h"
#include "prompt/prompt.h"
#include "render/render_settings.h"
#include "support/qt_window.h"
#include "view/korvalde_view.h"

using namespace vantor;

namespace {

// Presses `button`, moves to `to` and lets go there.
void Drag(QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint from,
          QPoint to) {
    QTest::mousePress(widget, button, modifiers, from);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, button, modifiers, to);
}

class NavigateEvents : public ::testing::Test {
  protected:
    void SetUp() override {
        ConfigReader reader(bindings, prompt);
        reader.ReadConfigFile(VANTOR_TEST_INPUTS "/navigate/mouse_and_keys.cfg");
        ASSERT_EQ(bindings.MouseButton(MouseAction::Spin), 100002) << "binding file read";

        widget = std::make_unique<QWidget>();
        widget->resize(400, 300);
        ViewNavigation::ViewHooks hooks;
        hooks.redrawView = [this] { ++redraws; };
        controller = new ViewNavigation(widget.get(), camera, settings, hooks);
        controller->SetBindings(&bindings);
        controller->SetPrompt(&prompt);
        ASSERT_TRUE(vantor::testing::ShowFocused(*widget));
    }

    void SendWheel(int delta, Qt::MouseButtons buttons) {
        const QPointF at(50, 50);
        QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, delta), buttons,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget.get(), &wheel);
    }

    BindingTable bindings;
    ScriptedPrompt prompt;
    Camera camera;
    RenderSettings settings;
    std::unique_ptr<QWidget> widget;
    ViewNavigation* controller = nullptr;  // owned by the widget
    int redraws = 0;
};

// A clip dialog request as the navigator makes it.
ThreeValueRequest ClipRequest() {
    ThreeValueRequest request;
    request.titleLine = QStringLiteral("視点位置とクリップ面の設定");
    request.labels[0] = QStringLiteral("NearPlane");
    request.labels[1] = QStringLiteral("視点位置");
    request.labels[2] = QStringLiteral("FarPlane");
    request.values[0] = 40;
    request.values[1] = 240.125f;
    request.values[2] = 0.1f;
    return request;
}

}  // namespace

TEST_F(NavigateEvents, ViewKeysFireOnRelease) {
    QTest::keyPress(widget.get(), Qt::Key_Z);
    EXPECT_EQ(camera.zoomFactor, 1.0f) << "nothing on press";
    QTest::keyRelease(widget.get(), Qt::Key_Z);
    EXPECT_FLOAT_EQ(camera.zoomFactor, float(1 / std::sqrt(2.0)));

    // A held key repeats as auto-repeat pairs: it still fires once.
    QTest::keyPress(widget.get(), Qt::Key_X);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), true);
        QApplication::sendEvent(widget.get(), &release);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"), true);
        QApplication::sendEvent(widget.get(), &press);
    }
    QTest::keyRelease(widget.get(), Qt::Key_X);
    EXPECT_FLOAT_EQ(camera.zoomFactor, 1.0f) << "one Zoom Out";

    QTest::keyClick(widget.get(), Qt::Key_Right);
    EXPECT_EQ(camera.panX, -10.0f) << "arrow key bound to a move";
    QTest::keyClick(widget.get(), Qt::Key_6, Qt::KeypadModifier);
    EXPECT_NE(camera.viewRotation[0], Camera().viewRotation[0]) << "keypad 6 turns";

    const Camera before = camera;
    QTest::keyClick(widget.get(), Qt::Key_Escape);
    QTest::keyClick(widget.get(), Qt::Key_Q);
    EXPECT_EQ(camera.panX, before.panX) << "unbound keys do nothing";
    EXPECT_EQ(camera.zoomFactor, before.zoomFactor);
}

TEST_F(NavigateEvents, MouseDragsSpinPanAndZoom) {
    const Camera start = camera;
    Drag(widget.get(), Qt::LeftButton, Qt::NoModifier, {100, 100}, {110, 104});
    double rx[16], ry[16], r[16];
    vmath::RotationX(rx, 4 * 0.015);
    vmath::RotationY(ry, 10 * 0.015);
    vmath::Multiply(r, rx, ry);
    float expected[16];
    vmath::Multiply(expected, r, start.viewRotation);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(camera.viewRotation[i], expected[i], 1e-6) << i;
    EXPECT_GT(redraws, 0);

    Drag(widget.get(), Qt::MiddleButton, Qt::NoModifier, {100, 100}, {130, 100});
    EXPECT_NEAR(camera.panX, -30 * 2 * 40.0 / 300, 1e-5) << "middle drag pans";

    Drag(widget.get(), Qt::RightButton, Qt::NoModifier, {100, 100}, {60, 100});
    const double t0 = std::tan(20 * vmath::kPi / 180);
    EXPECT_NEAR(std::tan(camera.fieldOfView * vmath::kPi / 180), t0 / 1.1, 1e-5)
        << "right drag to the left zooms in";
}

TEST_F(NavigateEvents, ZoomBoxWithShift) {
    QTest::keyPress(widget.get(), Qt::Key_Shift);
    QTest::mousePress(widget.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 50));
    QTest::mouseMove(widget.get(), QPoint(300, 150));
    auto* band = widget->findChild<QRubberBand*>();
    ASSERT_NE(band, nullptr);
    EXPECT_TRUE(band->isVisible());
    EXPECT_EQ(band->geometry(), QRect(100, 50, 200, 100));
    QTest::mouseRelease(widget.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(300, 150));
    QTest::keyRelease(widget.get(), Qt::Key_Shift);
    EXPECT_FALSE(band->isVisible());
    const double k = 40.0 / 300 * 2.05;
    EXPECT_NEAR(camera.panX, 0, 1e-5);
    EXPECT_NEAR(camera.panY, (150 - 100) * k, 1e-5);
    EXPECT_FLOAT_EQ(camera.zoomFactor, 100.0f / 400);
}

TEST_F(NavigateEvents, WheelZoomsOrActsOnTheDrag) {
    const float fov = camera.fieldOfView;
    SendWheel(120, Qt::NoButton);
    EXPECT_LT(camera.fieldOfView, fov) << "without a button the wheel zooms in";
    EXPECT_EQ(camera.panX, 0.0f);
    SendWheel(-120, Qt::NoButton);
    EXPECT_NEAR(camera.fieldOfView, fov, 1e-4) << "and out";
    QTest::mousePress(widget.get(), Qt::MiddleButton, Qt::NoModifier, QPoint(50, 50));
    SendWheel(120, Qt::MiddleButton);
    EXPECT_NEAR(camera.panX, -120 * 0.3 * 40.0 / 300, 1e-5);
    EXPECT_NEAR(camera.fieldOfView, fov, 1e-4) << "with a button held: the drag's action";
    QTest::mouseRelease(widget.get(), Qt::MiddleButton, Qt::NoModifier, QPoint(50, 50));
}

TEST_F(NavigateEvents, MenuShortcutsDoNotRunTheViewKeyOfTheirLetter) {
    QAction action(widget.get());
    action.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    int triggered = 0;
    QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
    widget->addAction(&action);
    QTest::keyPress(widget.get(), Qt::Key_Control);
    QTest::keyClick(widget.get(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyRelease(widget.get(), Qt::Key_Control);
    EXPECT_EQ(triggered, 1) << "the shortcut ran";
    EXPECT_EQ(camera.zoomFactor, 1.0f) << "Z's view command did not";
}

TEST_F(NavigateEvents, LosingFocusClearsTheInputState) {
    QTest::keyPress(widget.get(), Qt::Key_Shift);
    EXPECT_EQ(controller->Navigator().Input().heldKey, 16);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(widget.get(), &out);
    EXPECT_EQ(controller->Navigator().Input().heldKey, -1);
    EXPECT_EQ(controller->Navigator().Input().mouseButtons, -1);
}

TEST_F(NavigateEvents, PlayAllSpinsOnTheTimer) {
    ViewNavigator& nav = controller->Navigator();
    nav.RunCommand(cmd::kPlayAll);
    ASSERT_TRUE(controller->SpinTimerActive());
    const float before = camera.viewRotation[0];
    QTest::qWait(400);
    EXPECT_NE(camera.viewRotation[0], before);
    nav.RunCommand(cmd::kPlayAll);
    EXPECT_FALSE(controller->SpinTimerActive());
}

// The real OpenGL view with the shipped binding file, as a new user gets it:
// drags and keys reach its camera. (Its menu commands and check marks are
// the view window test's.)
TEST(NavigateView, DefaultBindingsMoveTheViewCamera) {
    BindingTable bindings;
    ScriptedPrompt prompt;
    ConfigReader(bindings, prompt).ReadConfigFile(VANTOR_SOURCE_DIR "/data/Config.cfg");
    ASSERT_TRUE(prompt.shown.empty()) << prompt.shown.front().text;

    CKorvaldeView view(nullptr);
    view.resize(400, 300);
    view.Navigation().SetBindings(&bindings);
    view.Navigation().SetPrompt(&prompt);
    ASSERT_TRUE(vantor::testing::ShowFocused(view));
    const Camera start = view.camera;
    Drag(&view, Qt::LeftButton, Qt::NoModifier, {100, 100}, {150, 120});
    EXPECT_NE(view.camera.viewRotation[0], start.viewRotation[0]) << "left drag turns";
    Drag(&view, Qt::MiddleButton, Qt::NoModifier, {100, 100}, {150, 100});
    EXPECT_LT(view.camera.panX, 0) << "middle drag moves";
    Drag(&view, Qt::RightButton, Qt::NoModifier, {200, 100}, {100, 100});
    EXPECT_LT(view.camera.fieldOfView, start.fieldOfView) << "right drag to the left zooms in";

    const float fov = view.camera.fieldOfView;
    QTest::keyPress(&view, Qt::Key_Shift);
    Drag(&view, Qt::LeftButton, Qt::ShiftModifier, {100, 100}, {200, 160});
    QTest::keyRelease(&view, Qt::Key_Shift);
    EXPECT_LT(view.camera.fieldOfView, fov) << "Shift + left drag zooms into the box";

    const float zoom = view.camera.zoomFactor;
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_LT(view.camera.zoomFactor, zoom) << "PageUp zooms in";
    const float panY = view.camera.panY;
    QTest::keyClick(&view, Qt::Key_8, Qt::KeypadModifier);
    EXPECT_EQ(view.camera.panY, panY - 10) << "keypad 8 moves up";
}

TEST(ThreeValueDialog, ShowsTextsAndValuesOfTheRequest) {
    ThreeValueDialog dialog;
    ThreeValueRequest request = ClipRequest();
    request.windowTitle = QStringLiteral("Other");
    request.enabled[2] = false;
    dialog.SetRequest(request);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Other"));
    EXPECT_EQ(dialog.TitleLine()->text(), request.titleLine);
    EXPECT_EQ(dialog.Label(1)->text(), QStringLiteral("視点位置"));
    EXPECT_TRUE(dialog.Field(0)->isEnabled());
    EXPECT_FALSE(dialog.Field(2)->isEnabled()) << "a cleared flag disables its field";

    // Unedited fields read back exactly, 0.1f included.
    float values[3];
    ASSERT_TRUE(dialog.ReadValues(values));
    EXPECT_EQ(values[0], 40.0f);
    EXPECT_EQ(values[1], 240.125f);
    EXPECT_EQ(values[2], 0.1f);
}

TEST(ThreeValueDialog, CancelKeepsTheValuesOkTakesOnlyNumbers) {
    ThreeValueRequest request = ClipRequest();
    vantor::testing::OnNextModal<ThreeValueDialog>([](ThreeValueDialog* dialog) {
        dialog->Field(0)->setText(QStringLiteral("99"));
        dialog->reject();
    });
    EXPECT_FALSE(ThreeValueDialog::Ask(nullptr, request));
    EXPECT_EQ(request.values[0], 40.0f);

    bool stayedOpen = false;
    QString message;
    vantor::testing::OnNextModal<ThreeValueDialog>([&](ThreeValueDialog* dialog) {
        stayedOpen = true;
        for (const char* refused : {"12abc", "nan", "1e60"}) {
            dialog->Field(1)->setText(QString::fromLatin1(refused));
            dialog->accept();
            stayedOpen = stayedOpen && dialog->isVisible();
            if (message.isEmpty()) message = dialog->ErrorLine()->text();
        }
        dialog->Field(0)->setText(QStringLiteral(" 12.5 "));
        dialog->Field(1)->setText(QStringLiteral("7"));
        dialog->Field(2)->setText(QStringLiteral("-3e2"));
        dialog->accept();
    });
    ASSERT_TRUE(ThreeValueDialog::Ask(nullptr, request));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(message.contains(QStringLiteral("視点位置"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("not a number"))) << message.toStdString();
    EXPECT_EQ(request.values[0], 12.5f);
    EXPECT_EQ(request.values[1], 7.0f);
    EXPECT_EQ(request.values[2], -300.0f);
}
