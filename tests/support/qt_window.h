#pragma once
// Window helpers of the Qt test programs: a shown and focused widget,
// answering modal dialogs from a timer, and scratch paths as QStrings.

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "support/scratch_folder.h"

namespace vantor::testing {

// Shows `widget` and gives it the keyboard, as a user's click would.
inline bool ShowFocused(QWidget& widget) {
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget)) return false;
    widget.activateWindow();
    widget.setFocus();
    QTest::qWait(20);
    return true;
}

// Runs `action` on the next modal dialog of type T once it is shown. Gives
// up after about five seconds, so a dialog that never comes fails the test
// instead of hanging it; `seen` (when given) tells whether it came. Delete
// the returned watcher to stop waiting earlier.
template <class T>
QPointer<QTimer> OnNextModal(std::function<void(T*)> action, bool* seen = nullptr) {
    if (seen) *seen = false;
    auto* timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, action, seen] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && ++*ticks < 500) return;
        timer->stop();
        timer->deleteLater();
        if (dialog) {
            if (seen) *seen = true;
            action(dialog);
        }
    });
    timer->start();
    return timer;
}

inline std::string ReadWholeFile(const QString& path) {
    return ReadText(path.toStdString());
}

// A scratch folder handing out its paths as QStrings.
class QtScratchFolder : ScratchFolder {
  public:
    using ScratchFolder::ScratchFolder;
    QString Path(const QString& name) const {
        return QString::fromStdString(ScratchFolder::Path(name.toStdString()));
    }
};

}  // namespace vantor::testing
