#include "app/splash_window.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>

#include "dialogs/product_picture.h"

namespace vantor {

SplashWindow::SplashWindow() : QSplashScreen(ProductPicture(QSize(420, 240))) {
    setAttribute(Qt::WA_DeleteOnClose);
}

SplashWindow::~SplashWindow() {
    qApp->removeEventFilter(this);
}

SplashWindow* SplashWindow::ShowSplashScreen(int milliseconds) {
    auto* splash = new SplashWindow;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        splash->move(screen->geometry().center() - splash->rect().center());
    splash->show();
    // Every event passes through the splash first while it exists.
    qApp->installEventFilter(splash);
    QTimer::singleShot(milliseconds, splash, &SplashWindow::HideSplashScreen);
    return splash;
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonDblClick:
            HideSplashScreen();
            return true;
        default:
            return QSplashScreen::eventFilter(watched, event);
    }
}

void SplashWindow::HideSplashScreen() {
    qApp->removeEventFilter(this);
    close();
}

}  // namespace vantor
