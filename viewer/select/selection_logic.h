#pragma once
// Plain rules of the selection: pick hits as hit-table rows, the parts
// command of the right double-click, the vertex a point or normal edit
// works on, and the checks of the node number designation. No Qt, no GL.

#include <cstdint>
#include <string>
#include <vector>

#include "hits/hit_table.h"
#include "prompt/translate.h"
#include "render/pick_pass.h"

namespace vantor {

class BindingTable;
class SceneData;

// The hit-table row of one pick hit.
HitRecord HitFromPick(const SceneData& scene, const PickHit& hit);

// Replaces the table's rows by `hits` in one transaction and requeries, so
// the nearest hit is current. False (reported once) when the database failed.
bool StoreHits(HitTable& table, const SceneData& scene, const std::vector<PickHit>& hits);

// The role of the held key in the pick walk. A parts slot matches the key
// held or, when the slot is unbound, no key held (heldKey -1), like the
// modifier slots of the mouse actions; Show Parts, which opens every
// group, goes before the others.
PickKeyRole PickRoleOfKey(const BindingTable& bindings, int32_t heldKey);
// The parts command of a right double-click with `heldKey`, matched the
// same way in the order hide, show, highlight; None when no slot matches.
PickKeyRole PartRoleOfKey(const BindingTable& bindings, int32_t heldKey);

// Right double-click on `item` with the parts key `role`: hides or shows
// the part's file group or toggles the node's highlight. Returns the status
// text, empty when nothing changed.
std::string ApplyPartCommand(SceneData& scene, const HitRecord& item, PickKeyRole role);

// The vertex a point or normal edit changes.
struct SelectedPoint {
    bool isVertex = false;     // a vertex or point was selected
    int32_t pointIndex = -1;   // point number in pointPool
    int32_t normalIndex = -1;  // normal number in normalPool, -1 when none
    std::string error;         // message with caption "Error", empty when none
};
SelectedPoint SelectOnePoint(const SceneData& scene, const HitRecord& item);

// Writes x, y, z at point (normal) number `index`; false when out of range.
bool WritePoint(SceneData& scene, int32_t index, const float values[3]);
bool WriteNormal(SceneData& scene, int32_t index, const float values[3]);

// Node number designation: the message refusing `row`, empty when it names
// a face set.
std::string NodeDesignationError(const SceneData& scene, int64_t row);

inline constexpr const char* kTooManyItemsText =
    VANTOR_TRANSLATE_NOOP("Selection", "選択範囲をズームなどで絞ってください");
inline constexpr const char* kTooManyItemsCaption = "Too Many Item is selected";

}  // namespace vantor
