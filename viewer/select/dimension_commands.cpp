#include "select/dimension_commands.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dialogs/three_value_dialog.h"
#include "scene/node_kind.h"
#include "scene/scene_data.h"
#include "select/selection_controller.h"

namespace vantor {

namespace {

double Distance(const double a[3], const double b[3]) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

void Copy(const double from[3], double to[3]) {
    std::copy(from, from + 3, to);
}

}  // namespace

int32_t DimensionCommands::SelectedDimension() const {
    SceneData* scene = host_.SelScene();
    if (!scene || selection_.SelectionEmpty()) return -1;
    // The examine step keeps the dimension of the last text it saw; it
    // counts only while that text is the selected item.
    const MeasuredItem selected = selection_.SelectedMeasure();
    const std::optional<DimensionParts> parts =
        FindDimensionParts(*scene, scene->selectedDimension);
    if (selected.kind != ItemKind::Text || !parts || selected.nodeRow <= parts->group ||
        selected.nodeRow >= parts->end)
        return -1;
    return parts->group;
}

void DimensionCommands::GeometryMoved() {
    host_.SelGeometryEdited();
    // Matrices were prepared again: the highlight follows before the redraw.
    if (!selection_.SelectionEmpty()) selection_.ExamineCurrent(false);
    host_.SelRedraw();
}

bool DimensionCommands::Edit(const QString& text, const std::function<bool(SceneData&)>& edit) {
    EndDrag();
    if (!host_.SelEditScene(text, edit)) return false;
    GeometryMoved();
    return true;
}

bool DimensionCommands::MakeLinear(DimensionRequest& request, DimensionCommand command) {
    const MeasuredItem selected = selection_.SelectedMeasure();
    if (!selected.hasPoint) {
        host_.SelShowStatus(tr("寸法を付ける点を選択してください。"));
        return false;
    }
    SceneData& scene = *host_.SelScene();
    Copy(selected.point, request.to);
    std::optional<Plane> plane;
    switch (command) {
        case DimensionCommand::PointToPoint: {
            const std::optional<MeasuredItem>& reference = selection_.Reference().item;
            if (!reference || !reference->hasPoint) {
                host_.SelShowStatus(tr("測定開始点が設定されていません。"));
                return false;
            }
            Copy(reference->point, request.from);
            break;
        }
        case DimensionCommand::CsysToPoint:
            for (int i = 0; i < 3; ++i) request.from[i] = scene.csysOrigin[i];
            break;
        case DimensionCommand::FrontToPoint:
        case DimensionCommand::SideToPoint:
        case DimensionCommand::TopToPoint:
            plane = DatumPlane(scene, int(command) - int(DimensionCommand::FrontToPoint));
            break;
        default:
            plane = ReferencePlane(selection_.Reference());
            if (!plane) {
                host_.SelShowStatus(tr("測定基準平面が設定されていません。"));
                return false;
            }
            break;
    }
    if (plane) {
        // From the foot of the point on the plane, along the plane's normal.
        double along = 0;
        for (int i = 0; i < 3; ++i) along += (request.to[i] - plane->point[i]) * plane->normal[i];
        for (int i = 0; i < 3; ++i) request.from[i] = request.to[i] - along * plane->normal[i];
    }
    request.value = Distance(request.from, request.to);
    return true;
}

bool DimensionCommands::MakeArc(DimensionRequest& request) {
    const MeasuredItem selected = selection_.SelectedMeasure();
    const int32_t sub = selected.subItem;
    ArcFit arc;
    const double* onArc = nullptr;
    if (selected.kind == ItemKind::Edge) {
        arc = selected.arc;
        onArc = selected.corners[sub / 2];
    } else if (selected.kind == ItemKind::Vertex) {
        arc = selected.vertexArcs[sub / 2];
        onArc = selected.corners[sub / 2];
    }
    double rim[3];
    if (selected.kind == ItemKind::Primitive && PrimitiveArc(arc, rim)) onArc = rim;
    if (!onArc || !arc.found) {
        host_.SelShowStatus(tr("円弧の辺か頂点、円柱か球を選択してください。"));
        return false;
    }
    Copy(arc.centre, request.from);
    Copy(onArc, request.to);
    request.value = request.kind == DimensionKind::Diameter ? 2 * arc.radius : arc.radius;
    return true;
}

bool DimensionCommands::PrimitiveArc(ArcFit& arc, double rim[3]) {
    const SceneData& scene = *host_.SelScene();
    const HitRecord& item = host_.SelHits()->values;
    if (item.lData0 < 0 || item.lData0 >= scene.nodeCount) return false;
    const NodeRow& row = scene.Row(item.lData0);
    const bool cylinder = row.kind == kind::Cylinder || row.kind == kind::Cylinder2;
    const bool sphere = row.kind == kind::Sphere || row.kind == kind::Sphere2;
    if ((!cylinder && !sphere) || row.dataBegin < 0 ||
        int64_t(row.dataBegin) + (cylinder ? 3 : 1) > scene.valueCount)
        return false;
    // The circle about the shape's axis at its middle, in world coordinates.
    const double radius = scene.Block(row.dataBegin)[cylinder ? 1 : 0];
    double m[16];
    ShapeMatrix(scene, item.lTrans, m);
    for (int i = 0; i < 3; ++i) {
        arc.centre[i] = m[12 + i];
        rim[i] = m[12 + i] + radius * m[i];
    }
    arc.radius = Distance(arc.centre, rim);
    arc.found = arc.radius > 0;
    return arc.found;
}

bool DimensionCommands::MakeComment(DimensionRequest& request) {
    const MeasuredItem selected = selection_.SelectedMeasure();
    if (!selected.hasPoint) {
        host_.SelShowStatus(tr("コメントを付ける点を選択してください。"));
        return false;
    }
    QString text;
    if (!host_.SelAskText(tr("コメント"), tr("コメント:"), text) || text.trimmed().isEmpty())
        return false;
    Copy(selected.point, request.from);
    request.text = text.toStdString();
    return true;
}

void DimensionCommands::Make(DimensionCommand command) {
    host_.SelMakeDocumentActive();
    if (!host_.SelScene() || selection_.SelectionEmpty()) {
        host_.SelShowStatus(tr("選択データがありません。"));
        return;
    }
    DimensionRequest request;
    host_.SelDimensionFrame(request.side, request.size);
    bool ready = false;
    switch (command) {
        case DimensionCommand::Radius:
        case DimensionCommand::Diameter:
            request.kind = command == DimensionCommand::Radius ? DimensionKind::Radius
                                                               : DimensionKind::Diameter;
            ready = MakeArc(request);
            break;
        case DimensionCommand::Comment:
            request.kind = DimensionKind::Comment;
            ready = MakeComment(request);
            break;
        default:
            ready = MakeLinear(request, command);
            break;
    }
    if (!ready) return;
    int32_t made = -1;
    Edit(tr("寸法作成"), [&](SceneData& scene) {
        made = AddDimension(scene, request);
        return made >= 0;
    });
    if (made < 0) return;
    const QString text =
        request.kind == DimensionKind::Comment
            ? QString::fromStdString(request.text)
            : QString::fromStdString(DimensionValueText(request.kind, request.value));
    host_.SelShowStatus(tr("寸法 %1 を作成しました。").arg(text));
}

void DimensionCommands::HideSelected() {
    const int32_t row = SelectedDimension();
    if (row < 0) {
        host_.SelShowStatus(tr("寸法が選択されていません。"));
        return;
    }
    Edit(tr("寸法非表示"), [row](SceneData& scene) {
        scene.Row(row).tag = tag::Hidden;
        return true;
    });
    selection_.DeleteData();
}

void DimensionCommands::SetAllHidden(bool hidden) {
    host_.SelDimensionDisplay().hidden = hidden;
    host_.SelRedraw();
}

void DimensionCommands::ChangeTextFactor() {
    DimensionDisplay& display = host_.SelDimensionDisplay();
    double factor = display.textFactor;
    if (!host_.SelAskNumber(tr("寸法高さ変更"), tr("文字の大きさ (倍率):"), factor)) return;
    if (!(factor > 0) || factor > 1000) {
        host_.SelShowStatus(tr("倍率は 0 より大きい値にしてください。"));
        return;
    }
    display.textFactor = float(factor);
    host_.SelRedraw();
}

void DimensionCommands::ChangeText() {
    const int32_t row = SelectedDimension();
    if (row < 0) {
        host_.SelShowStatus(tr("寸法が選択されていません。"));
        return;
    }
    SceneData& scene = *host_.SelScene();
    const std::optional<DimensionParts> parts = FindDimensionParts(scene, row);
    const std::string current = DimensionText(scene, row);
    const bool comment = parts->knownKind && parts->kind == DimensionKind::Comment;
    const size_t space = current.find(' ');
    QString text = QString::fromStdString(
        comment ? current
                : (space == std::string::npos ? std::string() : current.substr(space + 1)));
    if (!host_.SelAskText(tr("Change Text"), comment ? tr("コメント:") : tr("注記:"), text)) return;
    if (comment && text.trimmed().isEmpty()) return;
    const std::string note = text.toStdString();
    Edit(tr("寸法文字変更"), [row, note](SceneData& s) { return SetDimensionNote(s, row, note); });
}

bool DimensionCommands::MoveSelected(const double delta[3]) {
    EndDrag();
    const bool moved = DragSelected(delta);
    EndDrag();
    return moved;
}

namespace {

// The point range and matrix offset a move of the dimension changes, or
// nullopt when `row` is no dimension or its places lie outside the pools.
std::optional<std::array<int32_t, 3>> MovedPlaces(const SceneData& scene, int32_t row) {
    const std::optional<DimensionParts> parts = FindDimensionParts(scene, row);
    if (!parts) return std::nullopt;
    std::array<int32_t, 3> places = {0, 0, -1};  // first point, end point, matrix
    if (parts->coordinates >= 0) {
        const NodeRow& c = scene.Row(parts->coordinates);
        places[0] = c.dataBegin / 3;
        places[1] = std::min(c.dataEnd, scene.pointCount) / 3;
    }
    if (parts->transform >= 0) places[2] = scene.Row(parts->transform).dataBegin;
    if (places[0] < 0 || places[2] + 16 > scene.valueCount) return std::nullopt;
    return places;
}

}  // namespace

bool DimensionCommands::DragSelected(const double delta[3]) {
    const int32_t row = SelectedDimension();
    if (row < 0) return false;
    SceneData& scene = *host_.SelScene();
    if (drag_ && drag_->row != row) EndDrag();
    if (!drag_) {
        const auto places = MovedPlaces(scene, row);
        if (!places) return false;
        drag_.emplace();
        drag_->row = row;
        drag_->places = *places;
        for (int32_t point = (*places)[0]; point < (*places)[1]; ++point)
            drag_->change.TouchPoint(scene, point);
        if ((*places)[2] >= 0) drag_->change.TouchValues(scene, (*places)[2], 16);
        drag_->change.PrepareGeometryOnRestore();
    }
    if (!MoveDimension(scene, row, delta)) return false;
    GeometryMoved();
    return true;
}

void DimensionCommands::EndDrag() {
    if (!drag_) return;
    PendingDrag drag = std::move(*drag_);
    drag_.reset();
    SceneData* scene = host_.SelScene();
    // An undo during the drag may have replaced the rows it touched.
    if (!scene || MovedPlaces(*scene, drag.row) != drag.places) return;
    drag.change.Finish(*scene);
    if (drag.change.Changed()) host_.SelEditMade(tr("寸法移動"), std::move(drag.change));
}

void DimensionCommands::MoveSelectedByDialog() {
    if (SelectedDimension() < 0) {
        host_.SelShowStatus(tr("寸法が選択されていません。"));
        return;
    }
    ThreeValueRequest request;
    request.windowTitle = tr("Move Dimension");
    request.titleLine = tr("寸法の移動量 (測定座標系)");
    request.labels[0] = tr("X");
    request.labels[1] = tr("Y");
    request.labels[2] = tr("Z");
    if (!host_.SelAskThreeValues(request)) return;
    // From the measuring system's axes to world.
    const SceneData& scene = *host_.SelScene();
    double world[3] = {0, 0, 0};
    for (int axis = 0; axis < 3; ++axis)
        for (int i = 0; i < 3; ++i)
            world[i] += scene.csysRotation[4 * axis + i] * request.values[axis];
    MoveSelected(world);
}

void DimensionCommands::DeleteSelected() {
    const int32_t row = SelectedDimension();
    if (row < 0) {
        host_.SelShowStatus(tr("寸法が選択されていません。"));
        return;
    }
    // The picks name rows that move up: they go first.
    selection_.DeleteData();
    if (Edit(tr("寸法削除"), [row](SceneData& scene) { return DeleteDimension(scene, row); }))
        host_.SelShowStatus(tr("寸法を削除しました。"));
}

}  // namespace vantor
