#pragma once
// Connects a view widget to a ViewNavigator: watches the widget's key,
// mouse, wheel and focus events, runs the spin timer, draws the zoom box as
// a rubber band and shows the dialogs and messages. The view supplies its
// camera, display settings, scene and redraw functions.

#include <QObject>
#include <QPointer>
#include <QRubberBand>
#include <QTimer>
#include <functional>

#include "navigate/navigation_host.h"
#include "navigate/view_navigator.h"

class QWidget;

namespace vantor {

class AppContext;

class ViewNavigation : public QObject, public NavigationHost {
    Q_OBJECT
  public:
    struct ViewHooks {
        std::function<SceneData*()> scene;     // the document's scene or null
        std::function<void()> redrawView;      // draws the view again
        std::function<void()> resizeViewport;  // aspect, projection, redraw
        std::function<void()> makeDocumentActive;
    };

    // Without `context` nothing is bound and messages go to stderr.
    ViewNavigation(QWidget* view, Camera& camera, RenderSettings& settings, ViewHooks hooks,
                   AppContext* context = nullptr);
    ~ViewNavigation() override;

    ViewNavigator& Navigator() { return navigator_; }
    // The view's selection, reached directly by the data keys, the rotation
    // centre and the dimension actions; without one nothing is selected.
    void SetSelection(NavigationSelection* selection) { selection_ = selection; }

    // Bindings and prompt to use instead of the context's (tests).
    void SetBindings(const BindingTable* bindings) { bindings_ = bindings; }
    void SetPrompt(Prompt* prompt) { prompt_ = prompt; }

    bool SpinTimerActive() const { return spinTimer_.isActive(); }

    // NavigationHost
    Camera& NavCamera() override { return camera_; }
    RenderSettings& NavSettings() override { return settings_; }
    SceneData* NavScene() override;
    const BindingTable& NavBindings() override;
    Prompt& NavPrompt() override;
    ViewportSize NavViewport() override;
    void RedrawView() override;
    void ResizeViewport() override;
    bool AskThreeValues(ThreeValueRequest& request) override;
    void StartSpinTimer() override;
    void StopSpinTimer() override;
    void ShowZoomBox(int x, int y, int width, int height) override;
    void HideZoomBox() override;
    void MakeDocumentActive() override;
    bool SelectionEmpty() override;
    void RunDataCommand(int32_t code) override;
    bool CurrentSelectedItem(SelectedItem& item) override;
    void ClearSelection() override;
    void DimensionKeyClicked(int index) override;
    void MoveSelectedDimension(const double delta[3]) override;
    void RedrawSelectionHighlight() override;
    void ShowStatusText(const QString& text) override;
    void RedrawMainWindow() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* view_;
    Camera& camera_;
    RenderSettings& settings_;
    ViewHooks hooks_;
    NavigationSelection* selection_ = nullptr;
    ViewNavigator navigator_;
    QTimer spinTimer_;
    QPointer<QRubberBand> band_;  // made on the first zoom box
    AppContext& context_;
    const BindingTable* bindings_ = nullptr;
    Prompt* prompt_ = nullptr;
};

}  // namespace vantor
