// Prints, for each VRML file, the world bounds of the primitives Coin3D
// generates from it (triangles, lines and points, every vertex under its
// model matrix; SoGetBoundingBoxAction would widen rotated boxes of boxes):
// "path min-x max-x min-y max-y min-z max-z primitives", or "path none" /
// "path unread". A measuring tool for scripts/bounds_agreement.py, not part
// of the build:
//   g++ -O1 scripts/coin_bounds.cpp -o /tmp/coin_bounds -lCoin
#include <Inventor/SbViewportRegion.h>
#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/SoPrimitiveVertex.h>
#include <Inventor/actions/SoCallbackAction.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShape.h>

#include <cstdio>
#include <initializer_list>

namespace {

void Widen(void* box, SoCallbackAction* action, const SoPrimitiveVertex* vertex) {
    SbVec3f world;
    action->getModelMatrix().multVecMatrix(vertex->getPoint(), world);
    static_cast<SbBox3f*>(box)->extendBy(world);
}

void WidenByTriangle(void* box, SoCallbackAction* action, const SoPrimitiveVertex* a,
                     const SoPrimitiveVertex* b, const SoPrimitiveVertex* c) {
    for (const SoPrimitiveVertex* v : {a, b, c}) Widen(box, action, v);
}

void WidenByLine(void* box, SoCallbackAction* action, const SoPrimitiveVertex* a,
                 const SoPrimitiveVertex* b) {
    for (const SoPrimitiveVertex* v : {a, b}) Widen(box, action, v);
}

// Whether the scene holds primitives (tessellated differently by each
// library, so the comparison allows more for them).
bool HasPrimitives(SoNode* root) {
    for (const char* type : {"SoCube", "SoSphere", "SoCone", "SoCylinder", "SoVRMLBox",
                             "SoVRMLSphere", "SoVRMLCone", "SoVRMLCylinder"}) {
        SoSearchAction search;
        search.setType(SoType::fromName(type));
        search.setSearchingAll(TRUE);
        search.apply(root);
        if (search.getPath()) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    SoDB::init();
    for (int i = 1; i < argc; ++i) {
        SoInput input;
        SoSeparator* root = input.openFile(argv[i], TRUE) ? SoDB::readAll(&input) : nullptr;
        if (!root) {
            std::printf("%s unread\n", argv[i]);
            continue;
        }
        root->ref();
        SbBox3f box;
        SoCallbackAction action(SbViewportRegion(640, 480));
        action.addTriangleCallback(SoShape::getClassTypeId(), WidenByTriangle, &box);
        action.addLineSegmentCallback(SoShape::getClassTypeId(), WidenByLine, &box);
        action.addPointCallback(SoShape::getClassTypeId(), Widen, &box);
        action.apply(root);
        if (box.isEmpty()) {
            std::printf("%s none\n", argv[i]);
        } else {
            const SbVec3f& lo = box.getMin();
            const SbVec3f& hi = box.getMax();
            std::printf("%s %.9g %.9g %.9g %.9g %.9g %.9g %d\n", argv[i], lo[0], hi[0], lo[1],
                        hi[1], lo[2], hi[2], HasPrimitives(root) ? 1 : 0);
        }
        std::fflush(stdout);
        root->unref();
    }
    return 0;
}
