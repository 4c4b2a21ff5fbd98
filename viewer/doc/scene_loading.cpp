#include "doc/scene_loading.h"

#include <QFile>

#include "import/model_import.h"
#include "prompt/prompt.h"
#include "vrml_write/save_scene.h"

namespace vantor {

std::unique_ptr<SceneData> ReadSceneFile(const QString& path, const QString& logPath,
                                         Prompt& prompt, bool& ok) {
    auto reader = std::make_unique<VrmlReader>();
    ok = ReadModelFile(*reader, QFile::encodeName(path).toStdString(), prompt,
                       QFile::encodeName(logPath).toStdString()) == 1;
    return reader;
}

bool WriteSceneFile(const SceneData& scene, const QString& target, int mode, Prompt& prompt) {
    const SaveResult result = SaveScene(scene, QFile::encodeName(target).toStdString(), mode);
    if (!result.saved())
        prompt.ShowMessage(result.message, result.caption, PromptButtons::Ok,
                           PromptIcon::Exclamation);
    return result.saved();
}

}  // namespace vantor
