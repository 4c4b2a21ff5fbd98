#include "select/view_selection.h"

#include <QInputDialog>
#include <QMouseEvent>
#include <QOpenGLWidget>
#include <cmath>

#include "commands/command_ids.h"
#include "context/app_context.h"
#include "dialogs/three_value_dialog.h"
#include "doc/korvalde_doc.h"
#include "math/vector_math.h"
#include "navigate/view_navigation.h"
#include "prompt/prompt.h"
#include "render/gl_headers.h"
#include "render/pick_highlight.h"

namespace vantor {

ViewSelection::ViewSelection(QOpenGLWidget* view, CKorvaldeDoc* document, SceneRenderer& renderer,
                             ViewNavigation& navigation, AppContext& context)
    : QObject(view),
      view_(view),
      document_(document),
      renderer_(renderer),
      navigation_(&navigation),
      context_(context),
      controller_(*this),
      dimensions_(controller_, *this) {
    controller_.tolerances.length = context_.LengthTolerance();
    if (context_.AngleTolerance() > 0) controller_.tolerances.angle = context_.AngleTolerance();
    view->installEventFilter(this);
    // Undo, redo and reload change what the selected item shows.
    if (CKorvaldeDoc* doc = document_) {
        auto examine = [this, doc] {
            if (context_.ActiveDocumentPath() != doc->PathName()) return;
            controller_.ExamineCurrent();
            // The view drew before the highlight followed the scene.
            if (!controller_.SelectionEmpty()) SelRedraw();
        };
        connect(doc, &CKorvaldeDoc::SceneChanged, this, examine);
        connect(doc, &CKorvaldeDoc::SceneReloaded, this, examine);
    }
}

bool ViewSelection::SelectionEmpty() {
    return controller_.SelectionEmpty();
}

void ViewSelection::RunDataCommand(int32_t code) {
    controller_.RunDataKey(code);
}

bool ViewSelection::CurrentSelectedItem(SelectedItem& item) {
    return controller_.CurrentItem(item.subItem, item.examinedPoint);
}

void ViewSelection::ClearSelection() {
    controller_.DeleteData();
}

void ViewSelection::RedrawSelectionHighlight() {
    SelRedraw();
}

void ViewSelection::DimensionKeyClicked(int index) {
    if (index >= 0 && index <= int(DimensionCommand::Comment))
        dimensions_.Make(DimensionCommand(index));
}

void ViewSelection::MoveSelectedDimension(const double delta[3]) {
    const double scale = DragScale();
    const double shift[3] = {delta[0] * scale, delta[1] * scale, delta[2] * scale};
    dimensions_.DragSelected(shift);
}

double ViewSelection::DragScale() {
    // Drags arrive at the pan's scale, which is the screen's own only in a
    // parallel view; in perspective the text's depth sets the scale.
    const SceneData* scene = SelScene();
    if (!navigation_ || !scene || navigation_->NavCamera().IsOrthographic()) return 1;
    const Camera& camera = navigation_->NavCamera();
    const auto parts = FindDimensionParts(*scene, dimensions_.SelectedDimension());
    const int32_t matrix =
        parts && parts->transform >= 0 ? scene->Row(parts->transform).dataBegin : -1;
    const double panScale = camera.zoomFactor * camera.orthoHalfHeight;
    if (matrix < 0 || int64_t(matrix) + 16 > scene->valueCount || !(panScale > 0)) return 1;
    const double depth = EyeDepthOf(camera, scene->Block(matrix) + 12);
    if (!(depth > 0)) return 1;
    return depth * std::tan(camera.fieldOfView * vmath::kPi / 360) / panScale;
}

bool ViewSelection::RunCommand(int id) {
    using namespace cmd;
    using Action = void (SelectionController::*)();
    static constexpr std::pair<int, Action> kActions[] = {
        {kDataDelete, &SelectionController::DeleteData},
        {kNodeNumber, &SelectionController::DesignateNode},
        {kChangePointValue, &SelectionController::ChangePointValue},
        {kChangeNormalValue, &SelectionController::ChangeNormalValue},
        {kCsysCentre, &SelectionController::SetMeasuringOriginFromSelection},
        {kCsysRotation, &SelectionController::SetMeasuringAxisFromSelection},
        {kCsysReset, &SelectionController::ResetMeasuringAxes},
        {kMeasureStartPoint, &SelectionController::SetReferenceFromSelection},
        {kMeasurePlane, &SelectionController::SetReferencePlaneFromSelection}};
    for (const auto& [command, action] : kActions) {
        if (command != id) continue;
        (controller_.*action)();
        return true;
    }
    static constexpr std::pair<int, DimensionCommand> kMakers[] = {
        {kFromPoint, DimensionCommand::PointToPoint}, {kFromCsys, DimensionCommand::CsysToPoint},
        {kFromFront, DimensionCommand::FrontToPoint}, {kFromSide, DimensionCommand::SideToPoint},
        {kFromTop, DimensionCommand::TopToPoint},     {kFromPlane, DimensionCommand::PlaneToPoint},
        {kRadius, DimensionCommand::Radius},          {kDiameter, DimensionCommand::Diameter},
        {kMakeComment, DimensionCommand::Comment}};
    for (const auto& [command, kind] : kMakers) {
        if (command != id) continue;
        dimensions_.Make(kind);
        return true;
    }
    switch (id) {
        // The walk is reached through the data keys; these items stay inert.
        case kDataFirst:
        case kDataPrevious:
        case kDataToggle:
        case kDataNext:
        case kDataLast:
            return true;
        case kHideSelectedDimension:
            dimensions_.HideSelected();
            return true;
        case kHideAllDimensions:
        case kShowAllDimensions:
            dimensions_.SetAllHidden(id == kHideAllDimensions);
            return true;
        case kDimensionHeight:
            dimensions_.ChangeTextFactor();
            return true;
        case kChangeText:
            dimensions_.ChangeText();
            return true;
        case kMoveSelectedDimension:
            dimensions_.MoveSelectedByDialog();
            return true;
        case kDeleteDimension:
            dimensions_.DeleteSelected();
            return true;
        default:
            return false;
    }
}

SceneData* ViewSelection::SelScene() {
    return navigation_ ? navigation_->NavScene() : nullptr;
}

HitTable* ViewSelection::SelHits() {
    return hits_ ? hits_ : context_.OpenHits();
}

Prompt& ViewSelection::SelPrompt() {
    return prompt_ ? *prompt_ : context_.GetPrompt();
}

int ViewSelection::SelPick(int x, int y, PickKeyRole role, std::vector<PickHit>& hits) {
    hits.clear();
    SceneData* scene = SelScene();
    if (!view_ || !navigation_ || !scene || !view_->isValid()) return 0;
    view_->makeCurrent();
    const double ratio = view_->devicePixelRatioF();
    glViewport(0, 0, GLsizei(view_->width() * ratio), GLsizei(view_->height() * ratio));
    const int count = pickPass_.Pick(*scene, navigation_->NavCamera(), navigation_->NavSettings(),
                                     &renderer_.Font(), x * ratio, y * ratio, role, hits);
    view_->doneCurrent();
    return count;
}

int32_t ViewSelection::SelHeldKey() {
    return navigation_ ? navigation_->Navigator().Input().heldKey : kNoHeldKey;
}

const BindingTable& ViewSelection::SelBindings() {
    return bindings_ ? *bindings_ : context_.Bindings();
}

bool ViewSelection::SelAskThreeValues(ThreeValueRequest& request) {
    return ThreeValueDialog::Ask(view_, request);
}

bool ViewSelection::SelAskText(const QString& title, const QString& label, QString& text) {
    bool ok = false;
    const QString answer = QInputDialog::getText(view_, title, label, QLineEdit::Normal, text, &ok);
    if (ok) text = answer;
    return ok;
}

bool ViewSelection::SelAskNumber(const QString& title, const QString& label, double& value) {
    bool ok = false;
    const double answer = QInputDialog::getDouble(view_, title, label, value, 0.01, 1000, 3, &ok);
    if (ok) value = answer;
    return ok;
}

void ViewSelection::SelDimensionFrame(double up[3], double& size) {
    up[0] = 0, up[1] = 1, up[2] = 0;
    size = 1;
    if (!navigation_) return;
    const Camera& camera = navigation_->NavCamera();
    // Row 1 of the view rotation: the screen's up in world coordinates.
    for (int i = 0; i < 3; ++i) up[i] = camera.viewRotation[4 * i + 1];
    size = 0.2 * camera.zoomFactor * camera.orthoHalfHeight;
}

DimensionDisplay& ViewSelection::SelDimensionDisplay() {
    return context_.Dimensions();
}

bool ViewSelection::SelEditScene(const QString& text, const std::function<bool(SceneData&)>& edit) {
    if (!document_) return SelectionHost::SelEditScene(text, edit);
    return document_->EditScene(text, edit);
}

void ViewSelection::SelShowStatus(const QString& text) {
    context_.ShowStatusText(text);
}

void ViewSelection::SelRedraw() {
    if (navigation_) navigation_->RedrawView();
}

void ViewSelection::SelResizeViewport() {
    if (navigation_) navigation_->ResizeViewport();
}

void ViewSelection::SelGeometryEdited() {
    renderer_.InvalidateGeometry();
}

void ViewSelection::SelStopSpins() {
    if (navigation_) navigation_->Navigator().StopSpins();
}

void ViewSelection::SelClearInputState() {
    if (navigation_) navigation_->Navigator().ClearInputState();
}

void ViewSelection::SelMeasureChanged() {
    emit MeasureChanged();
}

void ViewSelection::SelMakeDocumentActive() {
    if (document_) document_->MakeActive();
}

void ViewSelection::SelEditMade(const QString& text, SceneChange change) {
    if (document_) document_->RecordEdit(text, std::move(change));
}

bool ViewSelection::eventFilter(QObject* watched, QEvent* event) {
    // A dimension dragged with a mouse action becomes one undo step here.
    if (watched == view_ && event->type() == QEvent::MouseButtonRelease) dimensions_.EndDrag();
    if (watched == view_ && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton)
            controller_.LeftDoubleClick(at.x(), at.y());
        else if (mouse->button() == Qt::RightButton)
            controller_.PartCommand(at.x(), at.y());
    }
    return QObject::eventFilter(watched, event);
}

void ViewSelection::DrawHighlight() {
    SceneData* scene = SelScene();
    if (!navigation_ || !scene || controller_.SelectionEmpty()) return;
    DrawPickHighlight(renderer_, *scene, navigation_->NavCamera(), navigation_->NavSettings(),
                      controller_.Highlight());
}

}  // namespace vantor
