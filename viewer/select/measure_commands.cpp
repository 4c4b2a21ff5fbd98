// The measuring commands of the selection: they move the document's
// measuring system or set the reference the measurement panel measures from.

#include "scene/scene_data.h"
#include "select/selection_controller.h"

namespace vantor {

namespace {

QString WorldTriple(const double v[3]) {
    return QString::fromStdString(FormatTriple(v));
}

bool HasOriginPoint(const MeasuredItem& m) {
    switch (m.kind) {
        case ItemKind::Vertex:
        case ItemKind::Point:
        case ItemKind::Face:
            return true;
        case ItemKind::Edge:
            return m.arc.found;  // its arc centre
        default:
            return false;
    }
}

bool HasAxis(const MeasuredItem& m) {
    return (m.kind == ItemKind::Face && m.hasPlane) || m.hasDirection;
}

bool HasPoint(const MeasuredItem& m) {
    return m.hasPoint;
}

bool HasPlane(const MeasuredItem& m) {
    return m.hasPlane;
}

}  // namespace

MeasuredItem SelectionController::SelectedMeasure() {
    SceneData* scene = host_.SelScene();
    if (!scene || SelectionEmpty()) return {};
    return MeasureItem(*scene, host_.SelHits()->values, tolerances);
}

std::optional<MeasuredItem> SelectionController::SelectedFor(bool (*accept)(const MeasuredItem&),
                                                             const QString& refusal) {
    host_.SelMakeDocumentActive();
    if (!host_.SelScene() || SelectionEmpty()) {
        host_.SelShowStatus(tr("選択データがありません。"));
        return std::nullopt;
    }
    MeasuredItem item = SelectedMeasure();
    if (!accept(item)) {
        host_.SelShowStatus(refusal);
        return std::nullopt;
    }
    return item;
}

void SelectionController::MeasuringSystemMoved(const QString& message) {
    // The highlight, the examined values and the panel follow; the message
    // stays shown.
    ExamineCurrent(false);
    host_.SelShowStatus(message);
    host_.SelRedraw();
}

void SelectionController::SetMeasuringOriginFromSelection() {
    const auto item =
        SelectedFor(HasOriginPoint, tr("頂点、点、円弧の稜線または面を選んでください。"));
    if (!item) return;
    SceneChange change;
    change.TouchMeasuringSystem(*host_.SelScene());
    SetMeasuringOrigin(*host_.SelScene(), item->point);
    RecordEdit(tr("測定座標系の原点"), change);
    MeasuringSystemMoved(tr("測定座標系の原点を %1 に移しました。").arg(WorldTriple(item->point)));
}

void SelectionController::SetMeasuringAxisFromSelection() {
    const auto item = SelectedFor(HasAxis, tr("面または稜線を選んでください。"));
    if (!item) return;
    const double* axis = item->kind == ItemKind::Face ? item->plane.normal : item->direction;
    SceneChange change;
    change.TouchMeasuringSystem(*host_.SelScene());
    if (!SetMeasuringZAxis(*host_.SelScene(), axis)) return;
    RecordEdit(tr("測定座標系の回転"), change);
    MeasuringSystemMoved(tr("測定座標系の Z 軸を %1 に合わせました。").arg(WorldTriple(axis)));
}

void SelectionController::ResetMeasuringAxes() {
    host_.SelMakeDocumentActive();
    SceneData* scene = host_.SelScene();
    if (!scene) return;
    SceneChange change;
    change.TouchMeasuringSystem(*scene);
    ResetMeasuringSystem(*scene);
    RecordEdit(tr("測定座標系のリセット"), change);
    MeasuringSystemMoved(tr("測定座標系をワールド座標系に戻しました。"));
}

void SelectionController::SetReferenceFromSelection() {
    const auto item = SelectedFor(HasPoint, tr("測れる項目を選んでください。"));
    if (!item) return;
    reference_.item = *item;
    ExamineCurrent(false);  // marks the reference
    host_.SelShowStatus(tr("測定開始点を設定しました。"));
    host_.SelRedraw();
}

void SelectionController::SetReferencePlaneFromSelection() {
    const auto item = SelectedFor(HasPlane, tr("面を選んでください。"));
    if (!item) return;
    reference_.plane = item->plane;
    host_.SelShowStatus(tr("測定基準平面を設定しました。"));
    host_.SelMeasureChanged();
}

void SelectionController::ClearReference() {
    reference_ = {};
    ExamineCurrent(false);
    host_.SelShowStatus(tr("測定の基準を解除しました。"));
    host_.SelRedraw();
}

}  // namespace vantor
