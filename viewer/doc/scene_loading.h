#pragma once
// The document's bridge to the core reader and writer.

#include <QString>
#include <memory>

#include "scene/scene_data.h"

namespace vantor {
class Prompt;
}

// Reads a model file (VRML with its inlines, or a mesh format) into a
// fresh, prepared scene (never null). `ok` is false when the reader rejected the file.
std::unique_ptr<vantor::SceneData> ReadSceneFile(const QString& path, const QString& logPath,
                                                 vantor::Prompt& prompt, bool& ok);

// Writes the scene as VRML 1.0 (mode 0 top data, 1 new data). The target is
// replaced only when the new text is complete; failures are shown.
bool WriteSceneFile(const vantor::SceneData& scene, const QString& target, int mode,
                    vantor::Prompt& prompt);
