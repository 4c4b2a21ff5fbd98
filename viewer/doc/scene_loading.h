#pragma once
// The document's bridge to the core reader and writer.

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QString>
#include <memory>

#include "scene/scene_data.h"

namespace vantor {

class Prompt;

// Reads a model file (VRML with its inlines, or a mesh format) into a
// fresh, prepared scene (never null). `ok` is false when the reader rejected the file.
std::unique_ptr<SceneData> ReadSceneFile(const QString& path, const QString& logPath,
                                         Prompt& prompt, bool& ok);

// Writes the scene as VRML 1.0 (mode 0 top data, 1 new data). The target is
// replaced only when the new text is complete; failures are shown.
bool WriteSceneFile(const SceneData& scene, const QString& target, int mode, Prompt& prompt);

// Shows the wait cursor for its lifetime (only when a GUI exists).
class WaitCursor {
  public:
    WaitCursor() {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            active_ = true;
        }
    }
    ~WaitCursor() {
        if (active_) QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    bool active_ = false;
};

}  // namespace vantor
