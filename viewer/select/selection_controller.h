#pragma once
// The selection of one view: picking by double-click, the hit table's
// current row as the selected item, its examine and highlight, the data
// keys, the parts command and the point and normal edits. The view
// implements SelectionHost; tests implement it without a window.

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include <QCoreApplication>
#include "hits/hit_table.h"
#include "render/pick_highlight.h"
#include "render/pick_pass.h"
#include "render/render_settings.h"
#include "scene/scene_change.h"
#include "select/examine.h"
#include "select/measured_item.h"

namespace vantor {

class BindingTable;
class Prompt;
class SceneData;
struct ThreeValueRequest;

class SelectionHost {
  public:
    virtual ~SelectionHost() = default;
    // The document's scene and the application's hit table; null while
    // there is none.
    virtual SceneData* SelScene() = 0;
    virtual HitTable* SelHits() = 0;
    virtual Prompt& SelPrompt() = 0;
    // Runs the pick frame at a mouse point (y down) with the held key.
    virtual int SelPick(int x, int y, PickKeyRole role, std::vector<PickHit>& hits) = 0;
    // The key held now (-1 none) and the bindings that give it its role.
    virtual int32_t SelHeldKey() = 0;
    virtual const BindingTable& SelBindings() = 0;
    virtual bool SelAskThreeValues(ThreeValueRequest& request) = 0;
    virtual void SelShowStatus(const QString& text) = 0;
    virtual void SelRedraw() = 0;
    // Aspect ratio from the window, then a redraw.
    virtual void SelResizeViewport() = 0;
    // Vertex buffers are rebuilt before the next frame.
    virtual void SelGeometryEdited() = 0;
    // Both spins off, their timer stopped (and the parts' matrices settled).
    virtual void SelStopSpins() = 0;
    virtual void SelClearInputState() {}
    virtual void SelMakeDocumentActive() {}
    // An edit of the scene was made (finished change): one undo step.
    virtual void SelEditMade(const QString& text, SceneChange change) {
        (void)text;
        (void)change;
    }
    // The selection, the reference or the measuring system changed.
    virtual void SelMeasureChanged() {}

    // Dimensions. Small dialogs; false on Cancel (and in tests without a script).
    virtual bool SelAskText(const QString& title, const QString& label, QString& text) {
        (void)title, (void)label, (void)text;
        return false;
    }
    virtual bool SelAskNumber(const QString& title, const QString& label, double& value) {
        (void)title, (void)label, (void)value;
        return false;
    }
    // The world direction of the screen's up and a length a tenth of the
    // view's height, for laying out a new dimension.
    virtual void SelDimensionFrame(double up[3], double& size) {
        up[0] = 0, up[1] = 1, up[2] = 0;
        size = 1;
    }
    // How dimensions are shown, held for all views.
    virtual DimensionDisplay& SelDimensionDisplay() {
        static DimensionDisplay display;
        return display;
    }
    // An edit of the scene named `text`, made by `edit` (false: nothing
    // changed): the document records it and every view follows.
    virtual bool SelEditScene(const QString& text, const std::function<bool(SceneData&)>& edit) {
        (void)text;
        SceneData* scene = SelScene();
        return scene && edit(*scene);
    }
};

// Data command codes of the binding table.
namespace data_key {
constexpr int32_t Next = 1;
constexpr int32_t Previous = 2;
constexpr int32_t Last = 3;
constexpr int32_t First = 4;
constexpr int32_t Requery = 6;
constexpr int32_t DeleteAll = 7;
constexpr int32_t Switch = 10;
}  // namespace data_key

class SelectionController {
    Q_DECLARE_TR_FUNCTIONS(SelectionController)

  public:
    explicit SelectionController(SelectionHost& host) : host_(host) {}

    // Pick at a mouse point; returns the hit count (negative on overflow,
    // after the message was shown). Hits replace the selection.
    int Pick(int x, int y);
    // Left double-click: pick and highlight.
    void LeftDoubleClick(int x, int y);
    // Right double-click: hide, show or highlight the picked part.
    void PartCommand(int x, int y);
    // Data keys 1-10; false for codes that are not handled.
    bool RunDataKey(int32_t code);
    // "Data Delete".
    void DeleteData();
    // "ノード番号指定".
    void DesignateNode();
    void ChangePointValue();
    void ChangeNormalValue();

    // Examines the current row (status text unless `reportStatus` is off,
    // messages) and keeps its highlight; called after every change of the
    // selection.
    void ExamineCurrent(bool reportStatus = true);
    // What the next frame draws on top of the scene; empty without a selection.
    const PickHighlight& Highlight() const { return highlight_; }

    bool SelectionEmpty();
    // The selected item measured; kind None without a selection.
    MeasuredItem SelectedMeasure();

    // Measuring commands on the selected item: the system's origin
    // ("測定座標系中心設定") and z axis ("測定座標系回転設定"), back to the
    // world axes; the reference item ("測定開始点設定") and plane
    // ("測定基準平面設定"), cleared together. Each tells its result in the
    // status bar.
    void SetMeasuringOriginFromSelection();
    void SetMeasuringAxisFromSelection();
    void ResetMeasuringAxes();
    void SetReferenceFromSelection();
    void SetReferencePlaneFromSelection();
    void ClearReference();
    const MeasureReference& Reference() const { return reference_; }
    // The current row's sub-item and examined point (navigation commands).
    bool CurrentItem(int32_t& subItem, float examinedPoint[3]);

    MeasureTolerances tolerances;
    ExaminedState examined;

  private:
    void EditVertex(bool normal);
    void RecordEdit(const QString& text, SceneChange& change);
    // The selected item measured, or nothing after telling the user `refusal`
    // (or that nothing is selected) when `accept` refuses it.
    std::optional<MeasuredItem> SelectedFor(bool (*accept)(const MeasuredItem&),
                                            const QString& refusal);
    // After a change of the measuring system: readout, panel and view follow.
    void MeasuringSystemMoved(const QString& message);

    SelectionHost& host_;
    PickHighlight highlight_;
    MeasureReference reference_;
};

}  // namespace vantor
