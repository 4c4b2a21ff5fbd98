#pragma once
// The examine step of the selected item: its world geometry, the values the
// status bar reports in the measuring system, the arcs through it, and what
// the highlight draws. No Qt, no GL: the view draws the highlight and shows
// the texts.

#include <cstdint>
#include <string>

#include "hits/hit_table.h"
#include "render/pick_highlight.h"
#include "select/measured_item.h"

namespace vantor {

class SceneData;

// Plane of the last examined face.
struct FacePlane {
    int32_t flag = 0;              // 1 flat, -1 not flat, 0 never examined
    double centre[3] = {0, 0, 0};  // centroid of the face, world
    double normal[3] = {0, 0, 0};  // mean of the three vertex normals, world
};

// What the examine step leaves behind besides the scene's examined fields.
struct ExaminedState {
    float examinedPoint[3] = {0, 0, 0};  // world point of the selected item
    FacePlane facePlane;
};

struct ExamineResult {
    std::string status;  // status bar text, empty when nothing is reported
    std::string error;   // message with caption "Error", empty when none
    PickHighlight highlight;
};

// Examines the selected item `item` (a hit-table row), updating the scene's
// examinedCentre, examinedRadius and selectedDimension and `state`.
ExamineResult ExamineSelected(SceneData& scene, const HitRecord& item,
                              const MeasureTolerances& tolerances, ExaminedState& state);

}  // namespace vantor
