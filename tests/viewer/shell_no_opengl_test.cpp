#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "app/child_frame.h"
#include "commands/command_ids.h"
#include "app/main_frame.h"
#include "doc/korvalde_doc.h"
#include "shell_fixture.h"

using vantor::CChildFrame;
using vantor::CKorvaldeApp;
using vantor::CKorvaldeDoc;

// Without OpenGL the document still opens in a window with a placeholder
// instead of a view that would crash; the user is told once.
TEST(ShellMainFrame, WithoutOpenGLFilesOpenWithoutAViewAndTheUserIsToldOnce) {
    ShellFolder folder;
    vantor::ScriptedPrompt prompt;
    CKorvaldeApp app;
    ASSERT_TRUE(app.InitInstance(folder.Options(true), prompt));
    const auto saved = CChildFrame::openGLAvailable;
    CChildFrame::openGLAvailable = [] { return false; };

    QStringList told;
    auto closeMessages = [&told] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                told << box->text();
                box->close();
            }
    };
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, closeMessages);
    timer.start(20);

    for (int i = 0; i < 2; ++i) {
        auto* doc = new CKorvaldeDoc(&app);
        ASSERT_TRUE(doc->OnOpenDocument(folder.Input("plate.wrl"), prompt));
        auto* child = new CChildFrame(doc);
        EXPECT_EQ(child->View(), nullptr);
        EXPECT_NE(qobject_cast<QLabel*>(child->widget()), nullptr);
        EXPECT_EQ(doc->Scene().fileCount, 1);
        delete child;
    }
    EXPECT_EQ(told.size(), 1);
    CChildFrame::openGLAvailable = saved;
    app.MainFrame()->close();
}
