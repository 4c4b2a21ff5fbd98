#pragma once
// The selected item as measured geometry: its world corners, arcs, point,
// direction and plane, the relation between two items (distances and
// angles), and the operations that move the measuring system. No Qt, no
// GL: the status text, the measurement panel and the dimension commands
// format these values themselves.

#include <cstdint>
#include <optional>

#include "hits/hit_table.h"
#include "select/measure_math.h"

namespace vantor {

class SceneData;

// Primitive: a cube, cone, cylinder or sphere, picked as one item.
enum class ItemKind { None, Face, Edge, Vertex, Segment, Point, Text, Datum, Primitive };

// A plane in world coordinates.
struct Plane {
    double point[3] = {0, 0, 0};   // a point on the plane
    double normal[3] = {0, 0, 1};  // unit normal
};

struct MeasuredItem {
    ItemKind kind = ItemKind::None;
    int32_t nodeRow = -1;             // picked node row (-1 for a datum)
    int32_t subItem = -1;             // sub-item of the hit-table row
    int cornerCount = 0;              // 3 triangle, 2 segment, 1 point, 0 text or datum
    double corners[3][3] = {};        // world corners: triangle, segment ends or the point
    double cornerNormals[3][3] = {};  // world vertex normals of a triangle's corners
    ArcFit edgeArcs[3];               // triangle: arc of edge k (corner k to k + 1)
    ArcFit vertexArcs[3];             // triangle: arc at corner k towards corner k + 1
    bool hasPoint = false;
    // Vertex, point, edge or segment midpoint (arc centre for an arc edge),
    // face centroid, datum origin.
    double point[3] = {0, 0, 0};
    bool hasDirection = false;
    double direction[3] = {0, 0, 0};  // unit direction of an edge or segment
    double length = 0;                // length of an edge or segment
    ArcFit arc;                       // arc of a selected edge
    bool hasPlane = false;
    Plane plane;       // face (normal agreeing with its vertex normals) or datum
    int flatness = 0;  // face: 1 flat, -1 not flat, 0 other items
};

// The datum plane a hit names: 0 Front, 1 Side, 2 Top, or -1.
int DatumPlaneOf(const HitRecord& item);

// Datum plane 0 Front, 1 Side, 2 Top of the measuring system, in world
// coordinates.
Plane DatumPlane(const SceneData& scene, int plane);

// The measured geometry of hit-table row `item`; kind None for rows that
// name nothing measurable (damaged rows, unknown kinds, bad sub-items).
MeasuredItem MeasureItem(const SceneData& scene, const HitRecord& item,
                         const MeasureTolerances& tolerances);

// The accumulated matrix of a shape: matrixStack row `row`, identity for row
// 0 and for rows the geometry preparation did not store.
void ShapeMatrix(const SceneData& scene, int32_t row, double out[16]);

// What the measurement panel holds besides the selection.
struct MeasureReference {
    std::optional<MeasuredItem> item;  // "測定開始点設定" or the panel's button
    std::optional<Plane> plane;        // "測定基準平面設定"
};

// Distances and angles from a reference to the selected item. World
// values; `delta` is given in the measuring system.
struct ItemRelation {
    bool hasDelta = false;
    double delta[3] = {0, 0, 0};  // dX, dY, dZ from the reference point, measuring system
    double distance = 0;          // between the two points
    bool hasPlaneDistance = false;
    double planeDistance = 0;  // signed, along the reference plane's normal
    bool hasAngle = false;
    double angleDegrees = 0;  // edge-edge 0..90, face-face 0..180, edge-face 0..90
};

// The reference plane in use: the one set explicitly, else the reference
// item's own plane (a face or a datum).
std::optional<Plane> ReferencePlane(const MeasureReference& reference);

ItemRelation RelateItems(const SceneData& scene, const MeasureReference& reference,
                         const MeasuredItem& selected);

// The measuring system's operations. Each keeps the other half of the
// system and refreshes the datum box (csysBounds).
void SetMeasuringOrigin(SceneData& scene, const double world[3]);
// Turns the system so that its z axis is `axis` (world, any length),
// keeping the x axis as close to the old one as possible; false for a zero
// axis.
bool SetMeasuringZAxis(SceneData& scene, const double axis[3]);
void ResetMeasuringSystem(SceneData& scene);

}  // namespace vantor
