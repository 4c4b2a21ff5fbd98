#pragma once
// The dimension and comment commands of a view: made from the selected
// item, the reference item and the measuring system, then selected by
// their text, hidden, moved, given a note or deleted. Each edit goes
// through the host, which records it as a change of the document.

#include <QCoreApplication>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "dims/dimension.h"
#include "scene/scene_change.h"
#include "select/measure_math.h"

namespace vantor {

class SelectionController;
class SelectionHost;

// Dimension commands in the order of the dimension keys.
enum class DimensionCommand {
    PointToPoint,
    CsysToPoint,
    FrontToPoint,
    SideToPoint,
    TopToPoint,
    PlaneToPoint,
    Radius,
    Diameter,
    Comment,
};

class DimensionCommands {
    Q_DECLARE_TR_FUNCTIONS(DimensionCommands)

  public:
    DimensionCommands(SelectionController& selection, SelectionHost& host)
        : selection_(selection), host_(host) {}

    // Makes a dimension; a command that lacks what it needs says so in the
    // status bar and changes nothing.
    void Make(DimensionCommand command);
    // "選択寸法非表示": tag 22 on the selected dimension.
    void HideSelected();
    // "全寸法一時非表示" / "…解除": every dimension, for this session only.
    void SetAllHidden(bool hidden);
    // "寸法高さ変更".
    void ChangeTextFactor();
    // "Change Text".
    void ChangeText();
    // "選択寸法移動": a shift typed in the measuring system.
    void MoveSelectedByDialog();
    // Moves the selected dimension by a world shift as one change.
    bool MoveSelected(const double delta[3]);
    // Mouse actions: every motion of a drag moves the selected dimension by
    // a world shift; the whole drag is one change, recorded by EndDrag when
    // the button comes up. Only the moved points and the text's matrix are
    // kept for undo, so a long drag stays cheap on a large model.
    bool DragSelected(const double delta[3]);
    void EndDrag();
    // "寸法削除".
    void DeleteSelected();

    // The selected dimension's group row, or -1.
    int32_t SelectedDimension() const;

  private:
    bool MakeLinear(DimensionRequest& request, DimensionCommand command);
    bool MakeArc(DimensionRequest& request);
    bool MakeComment(DimensionRequest& request);
    // A selected cylinder's or sphere's circle: centre and a point on it.
    bool PrimitiveArc(ArcFit& arc, double rim[3]);
    // The renderer, the highlight and the view follow a geometry edit.
    void GeometryMoved();
    // Runs `edit` on the scene as one change of the document named `text`.
    bool Edit(const QString& text, const std::function<bool(SceneData&)>& edit);

    // A drag under way: the dimension it moves, the places it changes
    // (first point, end point, matrix offset) and how they were before.
    struct PendingDrag {
        int32_t row = -1;
        std::array<int32_t, 3> places{};
        SceneChange change;
    };

    SelectionController& selection_;
    SelectionHost& host_;
    std::optional<PendingDrag> drag_;
};

}  // namespace vantor
