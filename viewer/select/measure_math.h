#pragma once
// Plain measuring maths of the selected items: arcs through picked
// geometry, the face flatness test, coordinates in the measuring system and
// the sub-item cycles of the data keys. No Qt, no GL.

#include <cstdint>
#include <string>

namespace vantor {

class SceneData;

// Tolerances of the whole run.
struct MeasureTolerances {
    double length = 2.5e-7;                // squared lengths below this count as zero
    double angle = 0.0034906514152237196;  // sine of 0.2 degrees
};

// A circle fitted to picked geometry.
struct ArcFit {
    bool found = false;            // false: straight or degenerate, radius 0
    double radius = 0;             // never negative
    double centre[3] = {0, 0, 0};  // world coordinates
};

// The arc whose centre lies on both normal lines of an edge: P1 with N1 and
// P2 with N2. Parallel normals (a flat region) give no arc.
ArcFit ArcFromEdge(const double p1[3], const double n1[3], const double p2[3], const double n2[3],
                   const MeasureTolerances& tolerances);

// The circle through vertex Pa and the next vertex Pb that touches the
// plane normal to Na at Pa; its centre lies on Pa's normal line, on the
// side Pb is on.
ArcFit ArcFromVertex(const double pa[3], const double na[3], const double pb[3],
                     const MeasureTolerances& tolerances);

// Flatness of a triangle with counter-clockwise corners and world vertex
// normals: true when every normal agrees with the face normal within the
// angle tolerance. Degenerate triangles are not flat.
bool IsFlatFace(const double corners[3][3], const double normals[3][3],
                const MeasureTolerances& tolerances);

// A world point in the measuring system: transpose(rotation) x (W - origin).
void ToMeasuring(const SceneData& scene, const double world[3], double out[3]);

// A world direction in the measuring system: transpose(rotation) x D.
void DirectionToMeasuring(const SceneData& scene, const double world[3], double out[3]);

// "%3.3f ,%3.3f ,%3.3f" of three values.
std::string FormatTriple(const double v[3]);

// KEY_DATA_SWITCH: the next sub-item of a row of kind `nodeKind`.
int32_t NextSubItem(int32_t nodeKind, int32_t subItem);

}  // namespace vantor
