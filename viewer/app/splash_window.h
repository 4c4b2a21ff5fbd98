#pragma once
// The start-up picture: removed after 750 ms or at the first key or mouse
// press anywhere in the application, which it swallows.

#include <QSplashScreen>

namespace vantor {

class SplashWindow : public QSplashScreen {
    Q_OBJECT
  public:
    // Shows the splash centred on the screen for `milliseconds`.
    static SplashWindow* ShowSplashScreen(int milliseconds = 750);
    ~SplashWindow() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    SplashWindow();
    void HideSplashScreen();
};

}  // namespace vantor
