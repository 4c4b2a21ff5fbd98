#pragma once
// A navigation host without a window: records what the navigator asked of
// the view and answers dialogs from a script.

#include <QRect>
#include <deque>
#include <optional>
#include <vector>

#include "bindings/binding_table.h"
#include "dialogs/three_value_dialog.h"
#include "navigate/navigation_host.h"
#include "prompt/prompt.h"
#include "render/render_settings.h"
#include "scene/scene_data.h"

namespace vantor::testing {

class FakeNavigationHost : public NavigationHost {
  public:
    Camera& NavCamera() override { return camera; }
    RenderSettings& NavSettings() override { return settings; }
    SceneData* NavScene() override { return withScene ? &scene : nullptr; }
    const BindingTable& NavBindings() override { return bindings; }
    Prompt& NavPrompt() override { return prompt; }
    ViewportSize NavViewport() override { return viewport; }
    void RedrawView() override { ++redraws; }
    void ResizeViewport() override { ++resizes; }
    bool AskThreeValues(ThreeValueRequest& request) override {
        asked.push_back(request);
        if (dialogAnswers.empty()) return false;
        const std::optional<std::array<float, 3>> answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        if (!answer) return false;
        for (int i = 0; i < 3; ++i) request.values[i] = (*answer)[i];
        return true;
    }
    void StartSpinTimer() override { timerEvents.push_back(+1); }
    void StopSpinTimer() override { timerEvents.push_back(-1); }
    void ShowZoomBox(int x, int y, int w, int h) override { zoomBox = QRect(x, y, w, h); }
    void HideZoomBox() override { zoomBox.reset(); }
    bool SelectionEmpty() override { return !selected.has_value(); }
    bool CurrentSelectedItem(SelectedItem& item) override {
        if (!selected) return false;
        item = *selected;
        return true;
    }
    void RunDataCommand(int32_t code) override { dataCommands.push_back(code); }
    void ClearSelection() override { selected.reset(); }
    void ShowStatusText(const QString& text) override { status = text; }

    Camera camera;
    RenderSettings settings;
    SceneData scene;
    bool withScene = true;
    BindingTable bindings;
    ScriptedPrompt prompt;
    ViewportSize viewport{400, 300};
    int redraws = 0;
    int resizes = 0;
    std::vector<ThreeValueRequest> asked;
    std::deque<std::optional<std::array<float, 3>>> dialogAnswers;  // nullopt = Cancel
    std::vector<int> timerEvents;                                   // +1 start, -1 stop
    std::optional<QRect> zoomBox;
    std::optional<SelectedItem> selected;
    std::vector<int32_t> dataCommands;
    QString status;
};

}  // namespace vantor::testing
