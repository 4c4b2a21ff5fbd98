#pragma once
// Opening a model file of any supported format. VRML files go to the VRML
// readers; meshes (STL, OBJ, PLY, glTF, 3DS, OFF, X3D) go through the mesh
// importer, which writes the rows a VRML 2.0 Shape makes, so everything
// downstream (drawing, picking, the tree, the writer) stays format-blind.
// No importer type leaks out of this module.

#include <string>
#include <vector>

#include "prompt/prompt.h"
#include "scene/scene_data.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

// One format of the open dialogs: a name and its file name patterns.
struct ModelFormat {
    std::string name;                   // "STL", "Wavefront OBJ", ...
    std::vector<std::string> patterns;  // "*.stl", ...
};

// VRML first, then the imported formats.
const std::vector<ModelFormat>& ModelFormats();

// An open-file filter in the "Name (*.x)|*.x|...||" form: every supported
// file under `allName`, VRML under `vrmlName`, each imported format, then
// all files. Patterns come in lower and upper case (*.stl;*.STL), except in
// the VRML entry, which keeps its old "(*.wrl)|*.wrl" form.
std::string ModelOpenFilter(const std::string& allName, const std::string& vrmlName);

// True when the name of `path` ends in the extension of a supported format.
bool HasModelExtension(const std::string& path);

// True when `path` is read through the mesh importer: its extension names
// an imported format and its content is not VRML (a .stl holding VRML text
// still goes to the VRML reader).
bool IsImportedModel(const std::string& path);

// Reads `path` into `reader` as a document's top file: VRML through
// ReadVrmlFile, other formats through the mesh importer. Same contract as
// ReadVrmlFile: 1, or -1 after a message box, the scene left empty.
int ReadModelFile(VrmlReader& reader, const std::string& path, Prompt& prompt,
                  const std::string& logPath);

// "Add File To Data" for any supported format. 1, or -1 with `scene`
// unchanged.
int AddModelToData(SceneData& scene, const std::string& path, Prompt& prompt,
                   const std::string& logPath);

// The importer's post-processing steps (for the benchmark that measures
// the importer alone).
unsigned ImportPostProcessFlags();

// Bounds of one import: larger files or meshes are refused before their
// rows are made, and a slow import is cancelled.
struct ImportLimits {
    int64_t maxFileBytes = int64_t(1) << 30;
    int64_t maxPoints = 200'000'000;     // whole file, after joining
    int64_t maxTriangles = 200'000'000;  // whole file
    int64_t maxRows = 20'000'000;        // node rows
    double maxSeconds = 300;
};
ImportLimits& DefaultImportLimits();

}  // namespace vantor
