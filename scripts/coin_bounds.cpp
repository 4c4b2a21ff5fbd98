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
#include <Inventor/lists/SoPathList.h>
#include <Inventor/nodes/SoSeparator.h>
#include <Inventor/nodes/SoShape.h>
#include <Inventor/nodes/SoWWWInline.h>
#include <Inventor/VRMLnodes/SoVRMLInline.h>

#include <cstdio>
#include <initializer_list>
#include <string>

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

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

SoSeparator* ReadFile(const std::string& path);

// Coin leaves inlines empty until an application fetches them; Korvalde
// reads them with the file, so the comparison reads them too (relative to
// the inlining file, a few levels deep at most). False when an inlined
// file exists but Coin cannot read it.
bool LoadInlines(SoNode* root, const std::string& folder, int depth) {
    if (depth > 8) return true;
    for (SoType type : {SoWWWInline::getClassTypeId(), SoVRMLInline::getClassTypeId()}) {
        SoSearchAction search;
        search.setType(type);
        search.setInterest(SoSearchAction::ALL);
        search.setSearchingAll(TRUE);
        search.apply(root);
        const SoPathList& paths = search.getPaths();
        for (int i = 0; i < paths.getLength(); ++i) {
            SoNode* node = paths[i]->getTail();
            std::string name;
            if (type == SoWWWInline::getClassTypeId())
                name = static_cast<SoWWWInline*>(node)->name.getValue().getString();
            else if (static_cast<SoVRMLInline*>(node)->url.getNum() > 0)
                name = static_cast<SoVRMLInline*>(node)->url[0].getString();
            if (name.empty()) continue;
            const std::string path = name[0] == '/' ? name : folder + "/" + name;
            SoSeparator* child = ReadFile(path);
            if (!child) {
                // A missing file is skipped by both; one Coin cannot read
                // leaves its picture incomplete, so the whole file is unread.
                if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
                    std::fclose(file);
                    return false;
                }
                continue;
            }
            child->ref();  // an action on an unreferenced node would free it
            const bool whole = LoadInlines(child, FolderOf(path), depth + 1);
            if (type == SoWWWInline::getClassTypeId())
                static_cast<SoWWWInline*>(node)->setChildData(child);
            else
                static_cast<SoVRMLInline*>(node)->setChildData(child);
            child->unref();
            if (!whole) return false;
        }
    }
    return true;
}

SoSeparator* ReadFile(const std::string& path) {
    SoInput input;
    return input.openFile(path.c_str(), TRUE) ? SoDB::readAll(&input) : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    SoDB::init();
    for (int i = 1; i < argc; ++i) {
        SoSeparator* root = ReadFile(argv[i]);
        if (!root) {
            std::printf("%s unread\n", argv[i]);
            continue;
        }
        root->ref();
        if (!LoadInlines(root, FolderOf(argv[i]), 0)) {
            std::printf("%s unread\n", argv[i]);
            root->unref();
            continue;
        }
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
