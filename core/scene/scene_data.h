#pragma once
// One document's model: a flat node table of five-integer rows plus number
// pools. The hierarchy is held by index ranges in the grouping rows' value
// blocks, so a subtree is always a contiguous run of rows.

#include <cfloat>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/node_kind.h"
#include "scene/pool.h"

namespace vantor {

struct NodeRow {
    int32_t kind;       // NodeKind code
    int32_t fileIndex;  // index into `files` of the file the row was read from
    int32_t tag;        // display state of groups (21/22/20), else a fixed stamp
    int32_t dataBegin;  // by kind: block offset, material row, pool offset, record or row
    int32_t dataEnd;    // by kind: end offset, end row or a fixed marker
};
static_assert(sizeof(NodeRow) == 5 * sizeof(int32_t));

struct FileRecord {
    std::string name = "Default";      // file name, written back in WWWInline { name ... }
    std::string path = "Default";      // full path
    std::string fileName = "Default";  // file name again, shown by the structure tree
    int32_t firstRow = -9999;          // rows of the file's content; 0 and 0 = not read
    int32_t endRow = -9999;
    float bounds[6] = {FLT_MAX, -FLT_MAX, FLT_MAX, -FLT_MAX, FLT_MAX, -FLT_MAX};
    int32_t version = -9999;  // 10 or 20, kImportedFileVersion for a mesh file
};

// FileRecord version of a file read through the mesh importer (STL, OBJ,
// ...): it has rows but no VRML text to refer to.
constexpr int32_t kImportedFileVersion = 0;

struct DefUseRecord {
    std::string name = "DefaultUSE";
    int32_t row = -90199;  // row of the DEF'd node
};

constexpr int32_t kJustifyLeft = 30060;
constexpr int32_t kJustifyCenter = 30070;
constexpr int32_t kJustifyRight = 30080;

struct TextRecord {
    int32_t size = 18;  // bytes of `string` drawn; the readers set its length
    int32_t spacing = 1;
    int32_t justification = kJustifyLeft;
    int32_t width = 0;
    std::string string = "DefaultAsciiString";
    // A VRML 2.0 FontStyle's size (em height in the text's units) and line
    // spacing in ems, kept as read; the integer fields above stay as they were.
    float fontSize = 1.0f;
    float lineSpacing = 1.0f;
};

// Value block of a camera row (at dataBegin): position, orientation axis
// and angle (radians), then the view angle in radians (heightAngle,
// fieldOfView) or the view height of an OrthographicCamera. dataEnd is the
// text record of a Viewpoint's description, -1 without one.
constexpr int kCameraValues = 8;

// A camera of the file placed in the world, as geometry preparation met it.
struct SceneCamera {
    int32_t row = -1;               // the camera's row
    float eye[3] = {0, 0, 1};       // position in world coordinates
    float forward[3] = {0, 0, -1};  // unit view direction
    float up[3] = {0, 1, 0};        // unit, square to forward
    float size = 0.785398f;         // view angle (radians) or orthographic height
};

// An image the shaded view lays over the shapes after a texture row: a
// file named by the model (loaded by the viewer) or the pixels of the file.
struct TextureRecord {
    std::string url;   // as the file names it
    std::string path;  // resolved against the file's folder; empty for pixels
    bool repeatS = true;
    bool repeatT = true;
    int32_t width = 0;  // pixels given in the file: size, components (1 to 4)
    int32_t height = 0;
    int32_t components = 0;
    std::vector<uint8_t> pixels;  // width * height * components, bottom row first
    // Texture transform: centre, rotation (radians), scale, translation.
    float centre[2] = {0, 0};
    float rotation = 0;
    float scale[2] = {1, 1};
    float translation[2] = {0, 0};
};

// A growable record array with the capacity bookkeeping of the node pools:
// a record is stored at index n after growing by a step when n > capacity - 5.
template <typename Record>
struct RecordArray {
    explicit RecordArray(int step) : capacity(step), growth(step), items(size_t(step)) {}
    int32_t Append(int32_t& count, const Record& record) {
        if (count > capacity - 5) {
            capacity += std::max(growth, capacity / 2);
            items.resize(size_t(capacity));
        }
        items[size_t(count)] = record;
        return count++;
    }
    void Reserve(int32_t combined) {
        if (combined > capacity - 5) {
            capacity = combined + 5;
            items.resize(size_t(capacity));
        }
    }
    int32_t capacity;
    int32_t growth;
    std::vector<Record> items;
};

constexpr int kNodeColumns = 5;
constexpr int kMaterialWidth = 20;
constexpr int kMatrixWidth = 16;

// The VRML default material: ambient, diffuse, specular, emissive (flag and
// r, g, b each), shininess (flag, value), transparency (flag, value).
extern const float kDefaultMaterial[kMaterialWidth];

class SceneData {
  public:
    SceneData();
    virtual ~SceneData() = default;
    SceneData(const SceneData&) = default;
    SceneData& operator=(const SceneData&) = default;

    bool IsEmpty() const { return fileCount == 0; }

    // Make room for writing entry (row) n; always return 1.
    int EnsureNodeRows(int64_t n);
    int EnsureValues(int64_t n) { return valuePool.Ensure(n), 1; }
    int EnsureMaterialRows(int64_t n) { return materialTable.Ensure(n), 1; }
    int EnsureMatrixRows(int64_t n) { return matrixStack.Ensure(n), 1; }
    int EnsurePoints(int64_t n) { return pointPool.Ensure(n), 1; }
    int EnsureNormals(int64_t n) { return normalPool.Ensure(n), 1; }
    int EnsureCoordIndices(int64_t n) { return coordIndexPool.Ensure(n), 1; }
    int EnsureNormalIndices(int64_t n) { return normalIndexPool.Ensure(n), 1; }
    int EnsureLineCoordIndices(int64_t n) { return lineCoordIndexPool.Ensure(n), 1; }
    int EnsureLineNormalIndices(int64_t n) { return lineNormalIndexPool.Ensure(n), 1; }

    // Row access.
    NodeRow& Row(int32_t i) { return nodeTable[i]; }
    const NodeRow& Row(int32_t i) const { return nodeTable[i]; }
    float* Block(int32_t offset) { return &valuePool[offset]; }
    const float* Block(int32_t offset) const { return &valuePool[offset]; }
    float* MaterialRow(int32_t r) { return materialTable.Row(r); }
    const float* MaterialRow(int32_t r) const { return materialTable.Row(r); }

    // Appends a row (ensuring room first) and returns its index.
    int32_t AddRow(int32_t kind, int32_t fileIndex, int32_t tag, int32_t dataBegin, int32_t dataEnd,
                   const std::string& defName = std::string());
    // Appends floats to valuePool and returns the offset of the first.
    int32_t AddValues(const float* values, int count);
    // Appends material row materialCount + 1 as a copy of `source` (the
    // default material when null) and returns its index.
    int32_t AppendMaterialRow(const float* source = nullptr);

    int32_t AddFileRecord(const FileRecord& record) { return files.Append(fileCount, record); }
    int32_t AddDefUseRecord(const DefUseRecord& r) { return defUses.Append(defUseCount, r); }
    int32_t AddTextRecord(const TextRecord& record) { return texts.Append(textCount, record); }
    int32_t AddTextureRecord(const TextureRecord& record) {
        return textures.Append(textureCount, record);
    }

    std::string DefNameOf(int32_t row) const { return nodeDefNames[size_t(row)]; }
    FileRecord FileRecordAt(int32_t i) const { return files.items[size_t(i)]; }
    DefUseRecord DefUseRecordAt(int32_t i) const { return defUses.items[size_t(i)]; }
    TextRecord TextRecordAt(int32_t i) const { return texts.items[size_t(i)]; }

    // Transforms the homogeneous point by currentMatrix and widens `bounds`.
    void AddBoundsPoint(float x, float y, float z, float w = 1.0f);

    // "Add File To Data": appends a scene read by a fresh reader behind this one.
    void AppendScene(const SceneData& other);
    // Appends rows [firstRow, end) of `other` with their pool data, as rows
    // of the top file, without other's file and DEF records.
    void AppendSubtree(const SceneData& other, int32_t firstRow);

  private:
    void AppendRows(const SceneData& other, int32_t firstRow, bool withRecords);

  public:
    // --- Fields -----------------------------------------------------------
    std::string errorLogName = "default_error.log";

    // Measuring coordinate system.
    float csysOrigin[4] = {0, 0, 0, 1};
    float csysSecondPoint[4] = {0, 0, 0, 1};
    float examinedCentre[3] = {0, 0, 0};
    float examinedRadius = 1;
    float examinedRest[4] = {0, 0, 1, 1};
    float csysSecondGroup[8] = {0, 0, 0, 1, 0, 0, 1, 1};
    int32_t csysUnused = -1;
    int32_t selectedDimension = -99999;
    float csysThirdPoint[4] = {0, 0, 0, 1};
    float csysFourthPoint[4] = {0, 0, 0, 1};
    float csysRotation[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    int32_t assemblyFlag = -1;  // 1 once a further file was added

    int32_t fileCount = 0;
    RecordArray<FileRecord> files{30};
    int32_t defUseCount = 0;
    RecordArray<DefUseRecord> defUses{20};
    int32_t textCount = 0;
    RecordArray<TextRecord> texts{30};
    int32_t textureCount = 0;
    RecordArray<TextureRecord> textures{10};

    std::vector<std::string> nodeDefNames;
    int32_t nodeCount = 0;
    Pool<NodeRow> nodeTable{5000, 5000, 20};

    Pool<float> valuePool{5000, 5000, 100};
    int32_t valueCount = 0;

    Pool<float> materialTable{50, 30, 5, kMaterialWidth};
    int32_t materialCount = 0;  // index of the last material row
    int32_t currentMaterial = 0;

    Pool<float> matrixStack{50, 50, 20, kMatrixWidth};
    float currentMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    int32_t matrixDepth = -999988;  // index of the last matrixStack row

    std::vector<SceneCamera> cameras;  // the files' cameras, filled by PrepareGeometry

    float bounds[6] = {FLT_MAX, -FLT_MAX, FLT_MAX, -FLT_MAX, FLT_MAX, -FLT_MAX};
    float sceneExtent = 0;  // largest absolute coordinate of `bounds`; a camera fit stores its own
    // Box in the measuring system: max x, min x, max y, min y, max z, min z,
    // then a copy of sceneExtent.
    float csysBounds[7] = {FLT_MAX, -FLT_MAX, FLT_MAX, -FLT_MAX, FLT_MAX, -FLT_MAX, 0};

    Pool<float> pointPool{30000, 30000, 30};
    Pool<float> normalPool{30000, 30000, 30};
    int32_t pointCount = 0;   // floats used
    int32_t normalCount = 0;  // floats used
    int32_t pointStart = 0;   // start of the block being read
    int32_t normalStart = 0;

    Pool<int32_t> coordIndexPool{40000, 40000, 40};  // 3 per triangle
    Pool<int32_t> normalIndexPool{40000, 40000, 40};
    int32_t coordIndexCount = 0;
    int32_t normalIndexCount = 0;

    Pool<int32_t> lineCoordIndexPool{100, 100, 60};  // polylines separated by -1
    Pool<int32_t> lineNormalIndexPool{100, 100, 60};
    int32_t lineCoordIndexCount = 0;
    int32_t lineNormalIndexCount = 0;

    // Colours of coloured face sets: r, g, b per triangle corner in the
    // order of their coordinate indices. The Color row just before such a
    // face set holds its range of floats; other face sets take the material.
    Pool<float> colorPool{300, 3000, 30};
    int32_t colorCount = 0;  // floats used
    // Texture coordinates of textured face sets: u, v per triangle corner
    // like the colours; a TextureCoordinate2 row before the face set holds
    // its range. Which image applies comes from the texture rows in force.
    Pool<float> texCoordPool{200, 2000, 20};
    int32_t texCoordCount = 0;  // floats used

    int32_t playEachFlag = 0;  // set by the view while "Play Each" spins
    // Kept for the record; the readers store every face set counter-clockwise.
    int32_t vertexOrder = -1;
};

}  // namespace vantor
