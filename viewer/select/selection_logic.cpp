#include "select/selection_logic.h"

#include <cstdio>
#include <initializer_list>

#include "bindings/binding_table.h"
#include "prompt/translate.h"
#include "scene/node_kind.h"
#include "scene/scene_data.h"

namespace vantor {

HitRecord HitFromPick(const SceneData& scene, const PickHit& hit) {
    HitRecord record;
    record.dZ0 = double(hit.minDepth) / 2147483648.0;
    record.dZ1 = double(hit.maxDepth) / 2147483648.0;
    record.lWWWInline = -hit.names[0];
    record.lTrans = hit.names[1];
    const int32_t row = hit.names[2];
    if (row < 1)
        record.lNode = -row;
    else
        record.lNode = row < scene.nodeCount ? scene.Row(row).kind : -row;
    record.lData0 = row;
    record.lData1 = hit.names[3];
    record.lData2 = hit.names[4];
    return record;
}

bool StoreHits(HitTable& table, const SceneData& scene, const std::vector<PickHit>& hits) {
    std::vector<HitRecord> rows;
    rows.reserve(hits.size());
    for (const PickHit& hit : hits) rows.push_back(HitFromPick(scene, hit));
    return table.StorePick(rows);
}

namespace {

struct SlotRole {
    PartsModifier slot;
    PickKeyRole role;
};

PickKeyRole FirstMatch(const BindingTable& bindings, int32_t heldKey,
                       std::initializer_list<SlotRole> order) {
    for (const SlotRole& entry : order)
        if (bindings.PartsKey(entry.slot) == heldKey) return entry.role;
    return PickKeyRole::None;
}

}  // namespace

PickKeyRole PickRoleOfKey(const BindingTable& bindings, int32_t heldKey) {
    return FirstMatch(bindings, heldKey,
                      {{PartsModifier::ShowParts, PickKeyRole::ShowParts},
                       {PartsModifier::Measure, PickKeyRole::Measure},
                       {PartsModifier::NoShowParts, PickKeyRole::NoShowParts},
                       {PartsModifier::HilightItem, PickKeyRole::HilightItem}});
}

PickKeyRole PartRoleOfKey(const BindingTable& bindings, int32_t heldKey) {
    return FirstMatch(bindings, heldKey,
                      {{PartsModifier::NoShowParts, PickKeyRole::NoShowParts},
                       {PartsModifier::ShowParts, PickKeyRole::ShowParts},
                       {PartsModifier::HilightItem, PickKeyRole::HilightItem}});
}

namespace {

std::string GroupFileName(const SceneData& scene, int32_t row) {
    const NodeRow& r = scene.Row(row);
    const int32_t file = kind::IsInline(r.kind) ? r.dataBegin : r.fileIndex;
    if (file < 0 || file >= scene.fileCount) return {};
    return scene.files.items[size_t(file)].fileName;
}

}  // namespace

std::string ApplyPartCommand(SceneData& scene, const HitRecord& item, PickKeyRole role) {
    if (role == PickKeyRole::NoShowParts || role == PickKeyRole::ShowParts) {
        const int32_t group = item.lWWWInline;
        // Datum hits and damaged rows name no file group.
        if (group < 0 || group >= scene.nodeCount) return {};
        NodeRow& row = scene.Row(group);
        if (row.kind != kind::VrmlData && !kind::IsInline(row.kind)) return {};
        if (role == PickKeyRole::NoShowParts) {
            row.tag = tag::Hidden;
            return FillIn(Translate("Selection", "%1を非表示にしました。"),
                          GroupFileName(scene, group));
        }
        row.tag = tag::Shown;
        return FillIn(Translate("Selection", "%1を表示にしました。"), GroupFileName(scene, group));
    }
    if (role == PickKeyRole::HilightItem) {
        const int32_t node = item.lData0;
        if (node < 0 || node >= scene.nodeCount) return {};
        NodeRow& row = scene.Row(node);
        const std::string number = std::to_string(node);
        if (row.tag == tag::Highlighted) {
            row.tag = tag::Shown;
            return FillIn(Translate("Selection", "ノード番号 %1 のハイライトを取り消しました。"),
                          number);
        }
        row.tag = tag::Highlighted;
        return FillIn(Translate("Selection", "ノード番号 %1 をハイライトにしました。"), number);
    }
    return {};
}

SelectedPoint SelectOnePoint(const SceneData& scene, const HitRecord& item) {
    SelectedPoint result;
    const int32_t node = item.lData0;
    if (node < 0 || node >= scene.nodeCount) return result;
    const NodeRow& row = scene.Row(node);
    const int32_t sub = item.lData2;
    if (row.kind == kind::PointSet) {
        if (sub != 0) {
            result.error = "Error in ExamDrawTriangle 01 ";
            return result;
        }
        result.isVertex = true;
        result.pointIndex = item.lData1;
        return result;
    }
    if (row.kind != kind::IndexedFaceSet && row.kind != kind::IndexedLineSet) return result;
    if (row.dataBegin < 0 || int64_t(row.dataBegin) + 5 > scene.valueCount) return result;
    const float* block = scene.Block(row.dataBegin);
    const bool faces = row.kind == kind::IndexedFaceSet;
    const int corners = faces ? 3 : 2;
    const int32_t first = int32_t(block[1]), normalFirst = int32_t(block[3]);
    const bool hasNormals = int32_t(block[0]) != -1;
    const int32_t p = item.lData1;
    const auto& coords = faces ? scene.coordIndexPool : scene.lineCoordIndexPool;
    const int32_t coordCount = faces ? scene.coordIndexCount : scene.lineCoordIndexCount;
    const auto& normals = faces ? scene.normalIndexPool : scene.lineNormalIndexPool;
    const int32_t normalCount = faces ? scene.normalIndexCount : scene.lineNormalIndexCount;
    if (p < first || p + corners - 1 >= coordCount) return result;
    // Normal number of corner k, -1 when the set has none there.
    auto normalOf = [&](int k) -> int32_t {
        if (!hasNormals) return -1;
        const int64_t at = faces ? int64_t(p) - first + normalFirst + k : int64_t(p) + k;
        return at >= 0 && at < normalCount ? normals[at] : -1;
    };
    auto vertex = [&](int k) {
        result.isVertex = true;
        result.pointIndex = coords[p + k];
        result.normalIndex = normalOf(k);
    };
    if (faces) {
        switch (sub) {
            case 0:
            case 2:
            case 4:
                vertex(sub / 2);
                return result;
            case 1:
            case 3:
            case 5: {
                const int k = sub / 2;
                // An edge has no single vertex; missing end normals are reported.
                if (normalOf(k) < 0 || normalOf((k + 1) % 3) < 0) {
                    char text[80];
                    std::snprintf(text, sizeof text,
                                  "Check SelectOnePointFromRecordset Normal 0%d ", k + 1);
                    result.error = text;
                }
                return result;
            }
            case 6:
                if (normalOf(0) < 0 || normalOf(1) < 0 || normalOf(2) < 0)
                    result.error = "Check SelectOnePointFromRecordset Normal 00 ";
                return result;
            default:
                result.error = "Error in ExamDrawTriangle 01 ";
                return result;
        }
    }
    if (sub == 0 || sub == 2) {
        if (coords[p + sub / 2] < 0) return result;
        vertex(sub / 2);
    } else if (sub != 1) {
        result.error = "Error in ExamDrawTriangle 01 ";
    }
    return result;
}

namespace {

bool WriteTriple(float* pool, int32_t used, int32_t index, const float values[3]) {
    if (index < 0 || int64_t(index) * 3 + 2 >= used) return false;
    for (int i = 0; i < 3; ++i) pool[int64_t(index) * 3 + i] = values[i];
    return true;
}

}  // namespace

bool WritePoint(SceneData& scene, int32_t index, const float values[3]) {
    return WriteTriple(scene.pointPool.data(), scene.pointCount, index, values);
}

bool WriteNormal(SceneData& scene, int32_t index, const float values[3]) {
    return WriteTriple(scene.normalPool.data(), scene.normalCount, index, values);
}

std::string NodeDesignationError(const SceneData& scene, int64_t row) {
    if (row < 0 || row >= scene.nodeCount)
        return Translate("Selection", "このノード番号はデータの範囲を超えています");
    const int32_t k = scene.Row(int32_t(row)).kind;
    if (k != kind::IndexedFaceSet)
        return FillIn(Translate("Selection", "このノードは%1です。"), KindName(k));
    return {};
}

}  // namespace vantor
