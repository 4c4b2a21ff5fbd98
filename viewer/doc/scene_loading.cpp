#include "doc/scene_loading.h"

#include <QFile>

#include "import/model_import.h"
#include "prompt/prompt.h"
#include "vrml_write/save_scene.h"

namespace vantor {

std::unique_ptr<vantor::SceneData> ReadSceneFile(const QString& path, const QString& logPath,
                                                 vantor::Prompt& prompt, bool& ok) {
    auto reader = std::make_unique<vantor::VrmlReader>();
    ok = vantor::ReadModelFile(*reader, QFile::encodeName(path).toStdString(), prompt,
                               QFile::encodeName(logPath).toStdString()) == 1;
    return reader;
}

bool WriteSceneFile(const vantor::SceneData& scene, const QString& target, int mode,
                    vantor::Prompt& prompt) {
    const vantor::SaveResult result =
        vantor::SaveScene(scene, QFile::encodeName(target).toStdString(), mode);
    if (!result.saved())
        prompt.ShowMessage(result.message, result.caption, vantor::PromptButtons::Ok,
                           vantor::PromptIcon::Exclamation);
    return result.saved();
}

}  // namespace vantor
