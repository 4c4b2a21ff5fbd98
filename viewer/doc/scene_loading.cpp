#include "doc/scene_loading.h"

#include "prompt/prompt.h"

std::unique_ptr<vantor::SceneData> ReadSceneFile(const QString&, const QString&, vantor::Prompt&,
                                                 bool& ok) {
    ok = false;
    return std::make_unique<vantor::SceneData>();
}

bool WriteSceneFile(const vantor::SceneData&, const QString&, int, vantor::Prompt& prompt) {
    prompt.ShowMessage("VRML writing is not available in this build.", "Error",
                       vantor::PromptButtons::Ok, vantor::PromptIcon::Exclamation);
    return false;
}
