#include "select/selection_controller.h"

#include "dialogs/three_value_dialog.h"
#include "math/vector_math.h"
#include "prompt/prompt.h"
#include "prompt/translate.h"
#include "scene/scene_data.h"
#include "select/selection_logic.h"

namespace vantor {

namespace {

// Cyan, apart from the selected, edge and arc-centre colours.
constexpr float kReferenceColour[3] = {0, 1, 1};

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void ShowError(Prompt& prompt, const std::string& text) {
    prompt.ShowMessage(text, "Error", PromptButtons::Ok, PromptIcon::Exclamation);
}

}  // namespace

bool SelectionController::SelectionEmpty() {
    HitTable* hits = host_.SelHits();
    return !hits || hits->state <= 0 || hits->RowCount() == 0;
}

int SelectionController::Pick(int x, int y) {
    SceneData* scene = host_.SelScene();
    HitTable* table = host_.SelHits();
    if (!scene || !table) return 0;
    std::vector<PickHit> hits;
    const int count =
        host_.SelPick(x, y, PickRoleOfKey(host_.SelBindings(), host_.SelHeldKey()), hits);
    if (count < 0) {
        host_.SelPrompt().ShowMessage(Translate("Selection", kTooManyItemsText),
                                      kTooManyItemsCaption, PromptButtons::Ok,
                                      PromptIcon::Exclamation);
        host_.SelClearInputState();
    }
    if (count <= 0) {
        host_.SelResizeViewport();
        return count;
    }
    host_.SelStopSpins();
    host_.SelMakeDocumentActive();
    // A database fault has been reported; the pick then selects nothing.
    return StoreHits(*table, *scene, hits) ? count : 0;
}

void SelectionController::LeftDoubleClick(int x, int y) {
    if (Pick(x, y) > 0) {
        ExamineCurrent();
        host_.SelRedraw();
    }
}

void SelectionController::PartCommand(int x, int y) {
    SceneData* scene = host_.SelScene();
    HitTable* table = host_.SelHits();
    const PickKeyRole role = PartRoleOfKey(host_.SelBindings(), host_.SelHeldKey());
    if (Pick(x, y) <= 0 || !scene || !table) return;
    const HitRecord nearest = table->values;
    table->DeleteAll();
    ExamineCurrent();
    SceneChange change;
    change.TouchRow(*scene, nearest.lWWWInline);
    change.TouchRow(*scene, nearest.lData0);
    const std::string message = ApplyPartCommand(*scene, nearest, role);
    const QString text = role == PickKeyRole::NoShowParts ? tr("部品の非表示")
                         : role == PickKeyRole::ShowParts ? tr("部品の表示")
                                                          : tr("ハイライト");
    RecordEdit(text, change);
    if (!message.empty()) host_.SelShowStatus(Utf8(message));
    host_.SelRedraw();
}

bool SelectionController::RunDataKey(int32_t code) {
    HitTable* table = host_.SelHits();
    if (!table) return false;
    // A walk past either end leaves the table's message in the status bar:
    // the item's readout must not replace it at once.
    bool report = true;
    switch (code) {
        case data_key::Next:
            host_.SelMakeDocumentActive();
            report = table->MoveNext();
            break;
        case data_key::Previous:
            host_.SelMakeDocumentActive();
            report = table->MovePrevious();
            break;
        case data_key::Last:
            host_.SelMakeDocumentActive();
            table->MoveLast();
            break;
        case data_key::First:
            host_.SelMakeDocumentActive();
            table->MoveFirst();
            break;
        case data_key::Requery:
            table->Requery();
            break;
        case data_key::DeleteAll:
            table->DeleteAll();
            break;
        case data_key::Switch:
            host_.SelMakeDocumentActive();
            if (!SelectionEmpty()) {
                const int32_t next = NextSubItem(table->values.lNode, table->values.lData2);
                if (next != table->values.lData2) {
                    table->values.lData2 = next;
                    table->UpdateRow();
                }
            }
            break;
        default:
            return false;
    }
    ExamineCurrent(report);
    return true;
}

void SelectionController::DeleteData() {
    HitTable* table = host_.SelHits();
    if (!table || SelectionEmpty()) return;
    host_.SelMakeDocumentActive();
    table->DeleteAll();
    ExamineCurrent();
    host_.SelRedraw();
}

void SelectionController::ExamineCurrent(bool reportStatus) {
    highlight_ = PickHighlight();
    SceneData* scene = host_.SelScene();
    HitTable* table = host_.SelHits();
    if (scene && table && !SelectionEmpty()) {
        const HitRecord& item = table->values;
        ExamineResult result = ExamineSelected(*scene, item, tolerances, examined);
        highlight_ = std::move(result.highlight);
        if (!result.error.empty()) ShowError(host_.SelPrompt(), result.error);
        if (reportStatus && !result.status.empty()) host_.SelShowStatus(Utf8(result.status));
        // The reference's point stays marked while something is selected.
        if (reference_.item) {
            HighlightPoint mark;
            vmath::ToFloat3(mark.at, reference_.item->point);
            std::copy(kReferenceColour, kReferenceColour + 3, mark.colour);
            highlight_.points.push_back(mark);
        }
    }
    host_.SelMeasureChanged();
}

bool SelectionController::CurrentItem(int32_t& subItem, float examinedPoint[3]) {
    if (SelectionEmpty()) return false;
    subItem = host_.SelHits()->values.lData2;
    for (int i = 0; i < 3; ++i) examinedPoint[i] = examined.examinedPoint[i];
    return true;
}

void SelectionController::DesignateNode() {
    SceneData* scene = host_.SelScene();
    if (!scene) return;
    Prompt& prompt = host_.SelPrompt();
    ThreeValueRequest request;
    request.windowTitle = QStringLiteral("Set Node Number");
    request.titleLine = tr("ノード番号指定");
    request.labels[0] = tr("ノード番号");
    request.enabled[1] = request.enabled[2] = false;
    for (;;) {
        if (!host_.SelAskThreeValues(request)) return;
        const double value = request.values[0];
        const int64_t row = value >= -1e9 && value <= 1e9 ? int64_t(value) : -1;
        const std::string refusal = NodeDesignationError(*scene, row);
        if (!refusal.empty()) {
            ShowError(prompt, refusal);
            continue;
        }
        SceneChange change;
        change.TouchRow(*scene, int32_t(row));
        NodeRow& node = scene->Row(int32_t(row));
        if (node.tag == tag::Highlighted) {
            if (prompt.ShowMessage(
                    tr("キルトはハイライトされています。解除しますか？").toStdString(),
                    tr("ハイライト").toStdString(), PromptButtons::OkCancel,
                    PromptIcon::Question) == PromptAnswer::Ok)
                node.tag = tag::Shown;
        } else if (node.tag == tag::Shown || node.tag == tag::Hidden) {
            if (prompt.ShowMessage(tr("キルトをハイライトしますか。").toStdString(),
                                   tr("ハイライト").toStdString(), PromptButtons::OkCancel,
                                   PromptIcon::Question) == PromptAnswer::Ok)
                node.tag = tag::Highlighted;
        }
        RecordEdit(tr("ハイライト"), change);
        host_.SelRedraw();
        return;
    }
}

void SelectionController::RecordEdit(const QString& text, SceneChange& change) {
    if (SceneData* scene = host_.SelScene()) change.Finish(*scene);
    if (change.Changed()) host_.SelEditMade(text, std::move(change));
}

void SelectionController::ChangePointValue() {
    EditVertex(false);
}

void SelectionController::ChangeNormalValue() {
    EditVertex(true);
}

void SelectionController::EditVertex(bool normal) {
    host_.SelMakeDocumentActive();
    SceneData* scene = host_.SelScene();
    HitTable* table = host_.SelHits();
    if (!scene || !table || SelectionEmpty()) return;
    const SelectedPoint point = SelectOnePoint(*scene, table->values);
    if (!point.error.empty()) {
        ShowError(host_.SelPrompt(), point.error);
        return;
    }
    if (!point.isVertex) return;
    const int32_t index = normal ? point.normalIndex : point.pointIndex;
    const auto& pool = normal ? scene->normalPool : scene->pointPool;
    const int32_t used = normal ? scene->normalCount : scene->pointCount;
    if (index < 0 || int64_t(index) * 3 + 2 >= used) return;
    ThreeValueRequest request;
    if (normal) {
        request.windowTitle = QStringLiteral("Set Normal Vector");
        request.titleLine = tr("法線ベクトルの設定");
        request.labels[0] = QStringLiteral("X");
        request.labels[1] = QStringLiteral("Y");
        request.labels[2] = QStringLiteral("Z");
    } else {
        request.windowTitle = QStringLiteral("Set Point Vector");
        request.titleLine = tr("座標の設定");
        request.labels[0] = tr("X座標");
        request.labels[1] = tr("Y座標");
        request.labels[2] = tr("Z座標");
    }
    for (int i = 0; i < 3; ++i) request.values[i] = pool[int64_t(index) * 3 + i];
    if (!host_.SelAskThreeValues(request)) return;
    SceneChange change;
    if (normal) {
        change.TouchNormal(*scene, index);
        WriteNormal(*scene, index, request.values);
    } else {
        change.TouchPoint(*scene, index);
        WritePoint(*scene, index, request.values);
    }
    RecordEdit(normal ? tr("法線の変更") : tr("座標値の変更"), change);
    host_.SelGeometryEdited();
    ExamineCurrent();
    host_.SelResizeViewport();
}

}  // namespace vantor
