#pragma once
// Internal to the import module: an imported scene as node rows.

#include <cstdint>
#include <string>

#include "vrml_read/vrml_reader.h"

struct aiScene;

namespace vantor {

// Points and triangles the rows of `scene` will take, every mesh counted
// once per node that refers to it.
struct ImportSize {
    int64_t points = 0;
    int64_t triangles = 0;
    int64_t lineIndices = 0;
    int64_t rows = 0;
};
ImportSize MeasureImport(const aiScene& scene);

// What the format of the file says about its content.
struct ImportKind {
    bool keepMaterials = true;  // false: every Shape gets the VRML default material
    bool facetNormals = false;  // the normals are per facet (STL): dropped
};

// Writes `scene` into the fresh `reader` as one file's rows (root, default
// material and matrix, then a Shape per mesh reference under groups for
// the node hierarchy) and runs PrepareGeometry.
void AddImportedRows(VrmlReader& reader, const aiScene& scene, const std::string& fullPath,
                     const ImportKind& kind);

}  // namespace vantor
