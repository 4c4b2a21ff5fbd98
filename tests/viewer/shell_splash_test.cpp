#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/splash_window.h"
#include "shell_fixture.h"

using vantor::SplashWindow;
namespace {

TEST(ShellSplash, FirstKeyOrClickRemovesIt) {
    QPushButton button(QStringLiteral("OK"));
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });

    QPointer<SplashWindow> splash = SplashWindow::ShowSplashScreen(60000);
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_TRUE(!splash || !splash->isVisible());
    EXPECT_EQ(clicks, 0) << "the press that removes the splash is swallowed";
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "later clicks pass";

    splash = SplashWindow::ShowSplashScreen(60000);
    QTest::keyClick(&button, Qt::Key_A);
    QTest::qWait(50);
    EXPECT_TRUE(!splash || !splash->isVisible());
}

TEST(ShellSplash, RemovesItselfAfterItsTime) {
    QPointer<SplashWindow> splash = SplashWindow::ShowSplashScreen(100);
    ASSERT_TRUE(splash);
    QTest::qWait(20);
    EXPECT_TRUE(splash && splash->isVisible());
    QTest::qWait(400);
    EXPECT_TRUE(!splash || !splash->isVisible());
}

}  // namespace
