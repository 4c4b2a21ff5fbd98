#pragma once
// Joins a view to its SelectionController: double-clicks pick, the data
// keys and the selection commands of the menus run on it, and every frame
// of the view ends with the highlight of the selected item.

#include <QObject>
#include <QPointer>

#include "navigate/view_navigation.h"
#include "render/pick_pass.h"
#include "select/dimension_commands.h"
#include "select/selection_controller.h"

class QOpenGLWidget;

namespace vantor {

class AppContext;
class CKorvaldeDoc;
class SceneRenderer;
class ViewNavigation;

class ViewSelection : public QObject, public SelectionHost, public NavigationSelection {
    Q_OBJECT
  public:
    // Picks in `view`'s GL context with its renderer and reaches its camera,
    // redraws and held key through its navigation; `document` may be null.
    ViewSelection(QOpenGLWidget* view, CKorvaldeDoc* document, SceneRenderer& renderer,
                  ViewNavigation& navigation, AppContext& context);

    SelectionController& Controller() { return controller_; }

    // Selection and measurement menu commands; false for other ids.
    bool RunCommand(int id);

    // Tests: the prompt, hit table and bindings to use instead of the context's.
    void SetPrompt(Prompt* prompt) { prompt_ = prompt; }
    void SetHitTable(HitTable* table) { hits_ = table; }
    void SetBindings(const BindingTable* bindings) { bindings_ = bindings; }

    // NavigationSelection: what the view's navigation asks of the selection.
    bool SelectionEmpty() override;
    void RunDataCommand(int32_t code) override;
    bool CurrentSelectedItem(SelectedItem& item) override;
    void ClearSelection() override;
    void RedrawSelectionHighlight() override;
    void DimensionKeyClicked(int index) override;
    void MoveSelectedDimension(const double delta[3]) override;

    // SelectionHost
    SceneData* SelScene() override;
    HitTable* SelHits() override;
    Prompt& SelPrompt() override;
    int SelPick(int x, int y, PickKeyRole role, std::vector<PickHit>& hits) override;
    int32_t SelHeldKey() override;
    const BindingTable& SelBindings() override;
    bool SelAskThreeValues(ThreeValueRequest& request) override;
    void SelShowStatus(const QString& text) override;
    void SelRedraw() override;
    void SelResizeViewport() override;
    void SelGeometryEdited() override;
    void SelStopSpins() override;
    void SelClearInputState() override;
    void SelMakeDocumentActive() override;
    void SelEditMade(const QString& text, SceneChange change) override;
    void SelMeasureChanged() override;
    bool SelAskText(const QString& title, const QString& label, QString& text) override;
    bool SelAskNumber(const QString& title, const QString& label, double& value) override;
    void SelDimensionFrame(double up[3], double& size) override;
    DimensionDisplay& SelDimensionDisplay() override;
    bool SelEditScene(const QString& text, const std::function<bool(SceneData&)>& edit) override;

    DimensionCommands& Dimensions() { return dimensions_; }

    // Draws the selected item's highlight over the frame just drawn.
    void DrawHighlight();

  signals:
    // The selection, the reference or the measuring system changed.
    void MeasureChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // What a drag's shift is multiplied by so the selected text follows the
    // cursor.
    double DragScale();

    QPointer<QOpenGLWidget> view_;
    CKorvaldeDoc* document_;
    SceneRenderer& renderer_;
    QPointer<ViewNavigation> navigation_;
    AppContext& context_;
    SelectionController controller_;
    DimensionCommands dimensions_;
    PickPass pickPass_;
    Prompt* prompt_ = nullptr;
    HitTable* hits_ = nullptr;
    const BindingTable* bindings_ = nullptr;
};

}  // namespace vantor
