#include "app/splash_window.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>

#include "dialogs/product_picture.h"

CSplashWnd::CSplashWnd() : QSplashScreen(ProductPicture(QSize(420, 240))) {
    setAttribute(Qt::WA_DeleteOnClose);
}

CSplashWnd::~CSplashWnd() {
    qApp->removeEventFilter(this);
}

CSplashWnd* CSplashWnd::ShowSplashScreen(int milliseconds) {
    auto* splash = new CSplashWnd;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        splash->move(screen->geometry().center() - splash->rect().center());
    splash->show();
    // Every event passes through the splash first while it exists.
    qApp->installEventFilter(splash);
    QTimer::singleShot(milliseconds, splash, &CSplashWnd::HideSplashScreen);
    return splash;
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event) {
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

void CSplashWnd::HideSplashScreen() {
    qApp->removeEventFilter(this);
    close();
}
