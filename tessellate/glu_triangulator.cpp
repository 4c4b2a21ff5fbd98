#include "glu_triangulator.h"

#include <GL/glu.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "scene/face_triangulation.h"

namespace vantor {

namespace {

struct Collected {
    std::vector<int32_t>* triangles;
    bool failed = false;
};

// With an edge-flag callback GLU emits separate triangles only, so every
// vertex it hands over is the next corner of a triangle.
void GLAPIENTRY OnBegin(GLenum, void*) {}
void GLAPIENTRY OnEdgeFlag(GLboolean, void*) {}
void GLAPIENTRY OnVertex(void* corner, void* data) {
    static_cast<Collected*>(data)->triangles->push_back(
        int32_t(reinterpret_cast<intptr_t>(corner)));
}
// Crossing edges would need new points, which a face set row cannot take:
// the face is then fanned as before. GLU still gets a corner to go on with,
// as without one its sweep can follow a null pointer.
void GLAPIENTRY OnCombine(GLdouble[3], void* corners[4], GLfloat[4], void** out, void* data) {
    static_cast<Collected*>(data)->failed = true;
    *out = corners[0];
}
void GLAPIENTRY OnError(GLenum, void* data) {
    static_cast<Collected*>(data)->failed = true;
}

using Callback = void(GLAPIENTRY*)();

void SetCallbacks(GLUtesselator* t) {
    gluTessCallback(t, GLU_TESS_BEGIN_DATA, reinterpret_cast<Callback>(OnBegin));
    gluTessCallback(t, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<Callback>(OnEdgeFlag));
    gluTessCallback(t, GLU_TESS_VERTEX_DATA, reinterpret_cast<Callback>(OnVertex));
    gluTessCallback(t, GLU_TESS_COMBINE_DATA, reinterpret_cast<Callback>(OnCombine));
    gluTessCallback(t, GLU_TESS_ERROR_DATA, reinterpret_cast<Callback>(OnError));
    gluTessProperty(t, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
}

bool GluTriangulate(const double* corners, int32_t count, const double normal[3],
                    std::vector<int32_t>& triangles) {
    thread_local const std::unique_ptr<GLUtesselator, void (*)(GLUtesselator*)> owned(
        [] {
            GLUtesselator* t = gluNewTess();
            if (t) SetCallbacks(t);
            return t;
        }(),
        gluDeleteTess);
    GLUtesselator* tessellator = owned.get();
    if (!tessellator) return false;
    Collected collected{&triangles};
    gluTessNormal(tessellator, normal[0], normal[1], normal[2]);
    gluTessBeginPolygon(tessellator, &collected);
    gluTessBeginContour(tessellator);
    for (int32_t i = 0; i < count; ++i)
        gluTessVertex(tessellator, const_cast<GLdouble*>(corners + 3 * i),
                      reinterpret_cast<void*>(intptr_t(i)));
    gluTessEndContour(tessellator);
    gluTessEndPolygon(tessellator);
    return !collected.failed;
}

}  // namespace

void InstallGluTriangulator() {
    InstallPolygonTriangulator(GluTriangulate);
}

}  // namespace vantor
