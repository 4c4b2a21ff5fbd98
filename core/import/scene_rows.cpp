// An imported scene becomes the rows the VRML 2.0 reader writes: every
// mesh a Shape (Appearance, Material, then a face, line or point set with
// its Coordinate3 and Normal rows), every node below the root a Transform
// group holding its matrix and a children group, named after the node.

#include "import/scene_rows.h"

#include <assimp/material.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "import/vertex_join.h"
#include "scene/node_kind.h"
#include "scene/prepare_geometry.h"
#include "scene/textures.h"
#include "vrml_read/vrml_paths.h"

namespace vantor {

static_assert(sizeof(aiVector3D) == 3 * sizeof(float), "points are copied as floats");

namespace {

constexpr int32_t kGroupEnd = -998;
constexpr int32_t kMaterialEnd = -999;
// Deeper hierarchies are cut: every level costs the walks a stack frame.
constexpr int kMaxNodeDepth = 1000;

// DEF names are written back in double quotes, which they cannot contain.
std::string DefName(const aiString& name) {
    std::string text(name.C_Str(), name.length);
    for (char& c : text)
        if (c == '"' || static_cast<unsigned char>(c) < 0x20) c = '_';
    return text;
}

void CopyColour(const aiMaterial& material, const char* key, unsigned type, unsigned index,
                float* flagAndRgb) {
    aiColor4D colour;
    if (material.Get(key, type, index, colour) != AI_SUCCESS) return;
    flagAndRgb[0] = 1.0f;
    flagAndRgb[1] = colour.r;
    flagAndRgb[2] = colour.g;
    flagAndRgb[3] = colour.b;
}

// The importer's material for meshes that name none (the 3DS reader has
// its own name for it).
bool IsStandIn(const aiMaterial& material) {
    const aiString name = material.GetName();
    return name == aiString(AI_DEFAULT_MATERIAL_NAME) || name == aiString("%%%DEFAULT");
}

// The material row of one imported material; a stand-in keeps the VRML
// default.
void FillMaterialRow(const aiMaterial& material, float* row) {
    std::memcpy(row, kDefaultMaterial, sizeof(float) * kMaterialWidth);
    if (IsStandIn(material)) return;
    CopyColour(material, AI_MATKEY_COLOR_DIFFUSE, row + 4);
    CopyColour(material, AI_MATKEY_COLOR_SPECULAR, row + 8);
    CopyColour(material, AI_MATKEY_COLOR_EMISSIVE, row + 12);
    float value = 0;
    // Most importers give the Phong exponent, VRML shininess is that over
    // 128; X3D gives its own 0..1 value (no exponent is that small).
    if (material.Get(AI_MATKEY_SHININESS, value) == AI_SUCCESS) {
        row[16] = 1.0f;
        row[17] = std::clamp(value > 1.0f ? value / 128.0f : value, 0.0f, 1.0f);
    }
    if (material.Get(AI_MATKEY_OPACITY, value) == AI_SUCCESS && value < 1.0f) {
        row[18] = 1.0f;
        row[19] = std::clamp(1.0f - value, 0.0f, 1.0f);
    }
}

bool IsTriangle(const aiFace& face, unsigned vertices) {
    return face.mNumIndices == 3 && face.mIndices[0] < vertices && face.mIndices[1] < vertices &&
           face.mIndices[2] < vertices;
}

class RowWriter {
  public:
    RowWriter(VrmlReader& reader, const aiScene& scene, const ImportKind& kind)
        : r_(reader), scene_(scene), kind_(kind) {}

    void Write(const std::string& fullPath);

  private:
    struct OpenGroup {
        int32_t row;
        int32_t block;
        int width;
        int32_t savedMaterial;
    };

    OpenGroup AddGroup(int32_t kind, int width, const std::string& defName);
    void Close(const OpenGroup& group);
    void AddDefaultRows();
    void AddMaterials();
    void AddNode(const aiNode& node, int depth);
    void AddShape(const aiMesh& mesh, const std::string& nodeName);
    // Copies the mesh's points (or normals) into their pool, only the
    // vertices listed in `firsts` when it is not empty, and points the
    // Coordinate3 (or Normal) `row` at them; returns the first vector number.
    int32_t AddVectors(const aiMesh& mesh, int32_t row, bool normals,
                       const std::vector<uint32_t>& firsts = {});
    void AddTexture(const aiMaterial& material);
    void AddCornerTexCoords(const aiMesh& mesh);
    void AddFaceSet(const aiMesh& mesh);
    // Writes base + number of each corner of the mesh's triangles to `out`;
    // returns the corners written.
    int32_t AddTriangles(const aiMesh& mesh, const uint32_t* number, int32_t base, int32_t* out);
    void AddCornerColours(const aiMesh& mesh, int32_t colourRow, int32_t corners);
    void AddLineSet(const aiMesh& mesh);
    void AddPointSet(const aiMesh& mesh);

    VrmlReader& r_;
    const aiScene& scene_;
    ImportKind kind_;
    int32_t file_ = 0;
    std::string folder_;                 // of the imported file, for texture names
    bool shapeTextured_ = false;         // the open Shape has a texture row
    std::vector<int32_t> materialRows_;  // per imported material
    int64_t droppedFaces_ = 0;
    bool depthCut_ = false;
};

RowWriter::OpenGroup RowWriter::AddGroup(int32_t kind, int width, const std::string& defName) {
    OpenGroup group{0, 0, width, r_.currentMaterial};
    const float initial[3] = {0, 0, float(r_.currentMaterial)};
    group.block = r_.AddValues(initial, width);
    group.row = r_.AddRow(kind, file_, tag::Shown, group.block, kGroupEnd, defName);
    return group;
}

void RowWriter::Close(const OpenGroup& group) {
    float* block = r_.Block(group.block);
    block[0] = float(group.row + 1);
    block[1] = float(r_.nodeCount);
    if (group.width > 2) block[2] = float(group.savedMaterial);
    r_.currentMaterial = group.savedMaterial;
}

void RowWriter::Write(const std::string& fullPath) {
    FileRecord record;
    record.name = FileNameOf(fullPath);
    record.path = fullPath;
    record.fileName = record.name;
    record.version = kImportedFileVersion;
    file_ = r_.AddFileRecord(record);
    folder_ = FolderOf(fullPath);
    r_.currentFileIndex = file_;
    r_.version = kImportedFileVersion;

    const float childRange[2] = {0, 0};
    const int32_t root = r_.AddRow(kind::VrmlData, file_, tag::Shown, r_.AddValues(childRange, 2),
                                   kGroupEnd, record.name);
    AddDefaultRows();
    AddMaterials();
    AddNode(*scene_.mRootNode, 0);

    float* block = r_.Block(r_.Row(root).dataBegin);
    block[0] = float(root + 1);
    block[1] = float(r_.nodeCount);
    r_.files.items[size_t(file_)].firstRow = root + 1;
    r_.files.items[size_t(file_)].endRow = r_.nodeCount;
    if (droppedFaces_ > 0)
        r_.LogLine("Caution in import ! faces with indices outside the mesh dropped = " +
                   std::to_string(droppedFaces_));
    if (depthCut_)
        r_.LogLine("Caution in import ! nodes nested deeper than " + std::to_string(kMaxNodeDepth) +
                   " levels are left out");
    PrepareGeometry(r_);
}

// The per-file rows every read file starts with (a fresh scene: material
// row 0 is the VRML default).
void RowWriter::AddDefaultRows() {
    r_.EnsureMaterialRows(0);
    std::memcpy(r_.MaterialRow(0), kDefaultMaterial, sizeof kDefaultMaterial);
    r_.materialCount = 0;
    r_.currentMaterial = 0;
    r_.AddRow(kind::Material, file_, tag::DefaultRow, 0, kMaterialEnd, "KORVALDE_DEFAULT_MARERIAL");
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const int32_t begin = r_.AddValues(identity, 16);
    r_.AddRow(kind::MatrixTransform, file_, tag::DefaultRow, begin, begin + 15,
              "KORVALDE_DEFAULT_MATRIXTRANSFORM");
}

void RowWriter::AddMaterials() {
    materialRows_.reserve(scene_.mNumMaterials);
    for (unsigned i = 0; i < scene_.mNumMaterials; ++i) {
        const int32_t row = r_.AppendMaterialRow();
        if (kind_.keepMaterials && scene_.mMaterials[i])
            FillMaterialRow(*scene_.mMaterials[i], r_.MaterialRow(row));
        materialRows_.push_back(row);
    }
}

void RowWriter::AddNode(const aiNode& node, int depth) {
    if (depth > kMaxNodeDepth) {
        depthCut_ = true;
        return;
    }
    // The root adds no group of its own unless it moves its content.
    const bool grouped = depth > 0 || !node.mTransformation.IsIdentity();
    OpenGroup transform{}, children{};
    if (grouped) {
        transform = AddGroup(kind::Transform2, 3, DefName(node.mName));
        const aiMatrix4x4& m = node.mTransformation;
        const float columnMajor[16] = {m.a1, m.b1, m.c1, m.d1, m.a2, m.b2, m.c2, m.d2,
                                       m.a3, m.b3, m.c3, m.d3, m.a4, m.b4, m.c4, m.d4};
        const int32_t begin = r_.AddValues(columnMajor, 16);
        r_.AddRow(kind::MatrixTransform, file_, tag::Value, begin, begin + 15);
        children = AddGroup(kind::Children, 3, std::string());
    }
    const std::string nodeName = DefName(node.mName);
    for (unsigned i = 0; i < node.mNumMeshes; ++i)
        if (node.mMeshes[i] < scene_.mNumMeshes && scene_.mMeshes[node.mMeshes[i]])
            AddShape(*scene_.mMeshes[node.mMeshes[i]], nodeName);
    for (unsigned i = 0; i < node.mNumChildren; ++i)
        if (node.mChildren[i]) AddNode(*node.mChildren[i], depth + 1);
    if (grouped) {
        Close(children);
        Close(transform);
    }
}

void RowWriter::AddShape(const aiMesh& mesh, const std::string& nodeName) {
    const std::string name = mesh.mName.length > 0 ? DefName(mesh.mName) : nodeName;
    const OpenGroup shape = AddGroup(kind::Shape, 3, name);
    const OpenGroup appearance = AddGroup(kind::Appearance, 2, std::string());
    int32_t material = 0;
    std::string materialName = "KORVALDE_DEFAULT_MARERIAL";
    if (mesh.mMaterialIndex < materialRows_.size()) {
        material = materialRows_[mesh.mMaterialIndex];
        const aiMaterial* source = scene_.mMaterials[mesh.mMaterialIndex];
        if (kind_.keepMaterials && source && !IsStandIn(*source) && source->GetName().length > 0)
            materialName = DefName(source->GetName());
    }
    r_.AddRow(kind::Material2, file_, tag::Material, material, kMaterialEnd, materialName);
    shapeTextured_ = false;
    if (kind_.keepMaterials && mesh.mMaterialIndex < scene_.mNumMaterials &&
        scene_.mMaterials[mesh.mMaterialIndex])
        AddTexture(*scene_.mMaterials[mesh.mMaterialIndex]);
    Close(appearance);
    r_.currentMaterial = material;
    if (mesh.mPrimitiveTypes & aiPrimitiveType_TRIANGLE)
        AddFaceSet(mesh);
    else if (mesh.mPrimitiveTypes & aiPrimitiveType_LINE)
        AddLineSet(mesh);
    else if (mesh.mPrimitiveTypes & aiPrimitiveType_POINT)
        AddPointSet(mesh);
    Close(shape);
}

int32_t RowWriter::AddVectors(const aiMesh& mesh, int32_t row, bool normals,
                              const std::vector<uint32_t>& firsts) {
    Pool<float>& pool = normals ? r_.normalPool : r_.pointPool;
    int32_t& count = normals ? r_.normalCount : r_.pointCount;
    const float* source = &(normals ? mesh.mNormals : mesh.mVertices)[0].x;
    const int32_t first = count;
    const int64_t vectors = firsts.empty() ? int64_t(mesh.mNumVertices) : int64_t(firsts.size());
    pool.Ensure(first + vectors * 3);
    float* target = &pool[first];
    if (firsts.empty()) {
        std::memcpy(target, source, size_t(vectors) * 3 * sizeof(float));
    } else {
        for (uint32_t v : firsts) {
            std::memcpy(target, source + size_t(v) * 3, 3 * sizeof(float));
            target += 3;
        }
    }
    count = int32_t(first + vectors * 3);
    (normals ? r_.normalStart : r_.pointStart) = first;
    r_.Row(row).dataBegin = first;
    r_.Row(row).dataEnd = count;
    return first / 3;
}

// The material's first diffuse image file as an ImageTexture row, as the
// VRML 2.0 reader adds one; images packed into the file are left out.
void RowWriter::AddTexture(const aiMaterial& material) {
    aiString url;
    if (material.GetTexture(aiTextureType_DIFFUSE, 0, &url) != AI_SUCCESS) return;
    if (url.length == 0 || url.data[0] == '*') return;
    TextureRecord record;
    record.url = url.C_Str();
    record.path = MatchPathCase(ResolveInlineName(record.url, folder_));
    AddTextureRow(r_, kind::ImageTexture, record, file_);
    shapeTextured_ = true;
}

// u, v per corner of the faces AddFaceSet keeps, in the same order.
void RowWriter::AddCornerTexCoords(const aiMesh& mesh) {
    if (!shapeTextured_ || !mesh.HasTextureCoords(0)) return;
    std::vector<float> uv;
    uv.reserve(size_t(mesh.mNumFaces) * 6);
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        if (!IsTriangle(face, mesh.mNumVertices)) continue;
        for (int k = 0; k < 3; ++k) {
            const aiVector3D& t = mesh.mTextureCoords[0][face.mIndices[k]];
            uv.insert(uv.end(), {t.x, t.y});
        }
    }
    AddCornerTexCoordRow(r_, uv.data(), int64_t(uv.size() / 2), file_);
}

int32_t RowWriter::AddTriangles(const aiMesh& mesh, const uint32_t* number, int32_t base,
                                int32_t* out) {
    const uint32_t vertices = mesh.mNumVertices;
    const int32_t* const first = out;
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        // Lines and points of a mixed mesh are not faces; bad indices are.
        if (face.mNumIndices != 3) continue;
        const unsigned a = face.mIndices[0], b = face.mIndices[1], c = face.mIndices[2];
        if ((a >= vertices) | (b >= vertices) | (c >= vertices)) {
            ++droppedFaces_;
            continue;
        }
        out[0] = base + int32_t(number[a]);
        out[1] = base + int32_t(number[b]);
        out[2] = base + int32_t(number[c]);
        out += 3;
    }
    return int32_t(out - first);
}

void RowWriter::AddFaceSet(const aiMesh& mesh) {
    const OpenGroup group = AddGroup(kind::IndexedFaceSet2, 3, std::string());
    r_.AddRow(kind::ShapeHints, file_, tag::ShapeHints, -1, -9999);
    const int32_t coordRow = r_.AddRow(kind::Coordinate3, file_, tag::Value, -1, -1);
    const int32_t normalRow = r_.AddRow(kind::Normal, file_, tag::Value, 0, 0);
    const int32_t colourRow = r_.AddRow(kind::Color, file_, tag::Value, -9998, -9999);
    r_.AddRow(kind::TextureTransform, file_, tag::Value, -9998, -9999);
    AddCornerTexCoords(mesh);
    const float unset[5] = {-1, -1, -1, -1, -1};
    const int32_t block = r_.AddValues(unset, 5);
    r_.AddRow(kind::IndexedFaceSet, file_, tag::Shown, block, block + 4);

    // STL normals are the facets' own: the geometry preparation makes the
    // same, and without them the corners of neighbouring facets join.
    const bool normals = mesh.mNormals != nullptr && !kind_.facetNormals;
    const JoinedVertices joined = JoinVertices(
        &mesh.mVertices[0].x, normals ? &mesh.mNormals[0].x : nullptr, mesh.mNumVertices);
    const int32_t base = AddVectors(mesh, coordRow, false, joined.firsts);
    const int32_t normalBase = normals ? AddVectors(mesh, normalRow, true, joined.firsts) : 0;
    const int32_t firstIndex = r_.coordIndexCount;
    const int32_t firstNormalIndex = r_.normalIndexCount;
    r_.EnsureCoordIndices(int64_t(firstIndex) + int64_t(mesh.mNumFaces) * 3);
    const int32_t count =
        firstIndex + AddTriangles(mesh, joined.number.get(), base, &r_.coordIndexPool[firstIndex]);
    r_.coordIndexCount = count;
    if (normals) {
        // The normals were joined with the points: the same numbers.
        r_.EnsureNormalIndices(int64_t(firstNormalIndex) + (count - firstIndex));
        const int32_t* coords = &r_.coordIndexPool[firstIndex];
        int32_t* normalIndices = &r_.normalIndexPool[firstNormalIndex];
        for (int32_t i = 0; i < count - firstIndex; ++i)
            normalIndices[i] = coords[i] - base + normalBase;
        r_.normalIndexCount = firstNormalIndex + (count - firstIndex);
    }
    if (mesh.mColors[0]) AddCornerColours(mesh, colourRow, count - firstIndex);
    float* values = r_.Block(block);
    values[0] = normals ? 1.0f : -1.0f;
    values[1] = float(firstIndex);
    values[2] = float(count);
    values[3] = float(firstNormalIndex);
    values[4] = float(r_.normalIndexCount);
    Close(group);
}

// Vertex colours become one colour per triangle corner, as a VRML Color
// bound per vertex gives (taken before joining: equal points may differ
// in colour).
void RowWriter::AddCornerColours(const aiMesh& mesh, int32_t colourRow, int32_t corners) {
    const int32_t first = r_.colorCount;
    r_.colorPool.Ensure(int64_t(first) + 3 * int64_t(corners));
    float* out = r_.colorPool.data() + first;
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        if (!IsTriangle(face, mesh.mNumVertices)) continue;
        for (int k = 0; k < 3; ++k) {
            const aiColor4D& colour = mesh.mColors[0][face.mIndices[k]];
            for (float channel : {colour.r, colour.g, colour.b})
                *out++ = channel >= 0 ? std::min(channel, 1.0f) : 0.0f;  // NaN too
        }
    }
    r_.colorCount = first + 3 * corners;
    r_.Row(colourRow).dataBegin = first;
    r_.Row(colourRow).dataEnd = r_.colorCount;
}

void RowWriter::AddLineSet(const aiMesh& mesh) {
    const OpenGroup group = AddGroup(kind::IndexedLineSet2, 3, std::string());
    const int32_t coordRow = r_.AddRow(kind::Coordinate3, file_, tag::Value, -1, -1);
    r_.AddRow(kind::Color, file_, tag::Value, -9998, -9999);
    const float unset[5] = {-1, -1, -1, -1, -1};
    const int32_t block = r_.AddValues(unset, 5);
    r_.AddRow(kind::IndexedLineSet, file_, tag::Shown, block, block + 4);
    const int32_t base = AddVectors(mesh, coordRow, false);
    const int32_t firstIndex = r_.lineCoordIndexCount;
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        if (face.mNumIndices != 2 || face.mIndices[0] >= mesh.mNumVertices ||
            face.mIndices[1] >= mesh.mNumVertices)
            continue;
        r_.EnsureLineCoordIndices(int64_t(r_.lineCoordIndexCount) + 3);
        r_.lineCoordIndexPool[r_.lineCoordIndexCount++] = base + int32_t(face.mIndices[0]);
        r_.lineCoordIndexPool[r_.lineCoordIndexCount++] = base + int32_t(face.mIndices[1]);
        r_.lineCoordIndexPool[r_.lineCoordIndexCount++] = -1;
    }
    float* values = r_.Block(block);
    values[1] = float(firstIndex);
    values[2] = float(r_.lineCoordIndexCount);
    Close(group);
}

void RowWriter::AddPointSet(const aiMesh& mesh) {
    const OpenGroup group = AddGroup(kind::PointSet2, 3, std::string());
    const int32_t coordRow = r_.AddRow(kind::Coordinate3, file_, tag::Value, -1, -1);
    r_.AddRow(kind::Color, file_, tag::Value, -9998, -9999);
    const int32_t pointRow = r_.AddRow(kind::PointSet, file_, tag::PointSet, -99, -99);
    const int32_t first = AddVectors(mesh, coordRow, false);
    r_.Row(pointRow).dataBegin = first;
    r_.Row(pointRow).dataEnd = int32_t(mesh.mNumVertices);
    Close(group);
}

void MeasureNode(const aiScene& scene, const aiNode& node, int depth, ImportSize& size) {
    if (depth > kMaxNodeDepth) return;
    size.rows += 3;
    for (unsigned i = 0; i < node.mNumMeshes; ++i) {
        if (node.mMeshes[i] >= scene.mNumMeshes || !scene.mMeshes[node.mMeshes[i]]) continue;
        const aiMesh& mesh = *scene.mMeshes[node.mMeshes[i]];
        size.rows += 11;
        size.points += mesh.mNumVertices;
        if (mesh.mPrimitiveTypes & aiPrimitiveType_TRIANGLE)
            size.triangles += mesh.mNumFaces;
        else if (mesh.mPrimitiveTypes & aiPrimitiveType_LINE)
            size.lineIndices += int64_t(mesh.mNumFaces) * 3;
    }
    for (unsigned i = 0; i < node.mNumChildren; ++i)
        if (node.mChildren[i]) MeasureNode(scene, *node.mChildren[i], depth + 1, size);
}

}  // namespace

ImportSize MeasureImport(const aiScene& scene) {
    ImportSize size;
    if (scene.mRootNode) MeasureNode(scene, *scene.mRootNode, 0, size);
    return size;
}

void AddImportedRows(VrmlReader& reader, const aiScene& scene, const std::string& fullPath,
                     const ImportKind& kind) {
    RowWriter(reader, scene, kind).Write(fullPath);
}

}  // namespace vantor
