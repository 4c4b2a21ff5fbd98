#include "import/model_import.h"

#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <assimp/Importer.hpp>
#include <assimp/ProgressHandler.hpp>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "import/bounded_io.h"
#include "import/declared_counts.h"
#include "import/scene_rows.h"
#include "prompt/translate.h"
#include "scene/prepare_geometry.h"
#include "vrml_read/vrml_paths.h"

namespace vantor {

namespace {

// What a viewer needs and no more: polygons as triangles, one primitive
// kind per mesh. Normals come from the file or from our own geometry
// preparation. Validation runs with the reading, the other steps after
// MendFaces: they abort the process (an assertion) on the
// inconsistent meshes a broken file gives. Assimp's joining of identical
// vertices costs 3 to 20 times the parse of a large STL or OBJ; the rows
// join them exactly, by hashing, for far less.
constexpr unsigned kValidate = aiProcess_ValidateDataStructure;
constexpr unsigned kTriangulate = aiProcess_Triangulate | aiProcess_SortByPType;
constexpr unsigned kPostProcess = kValidate | kTriangulate;

// Triangulation and sorting assert that a mesh holds the kinds of face it
// claims and crash on faces without corners, both of which a broken PLY
// gives past validation: such faces are dropped and the kinds recounted.
void MendFaces(aiScene& scene) {
    for (unsigned i = 0; i < scene.mNumMeshes; ++i) {
        aiMesh* mesh = scene.mMeshes[i];
        if (!mesh || !mesh->mFaces) continue;
        unsigned kinds = 0, kept = 0;
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const unsigned corners = mesh->mFaces[f].mNumIndices;
            if (corners == 0) continue;
            kinds |= corners > 3    ? aiPrimitiveType_POLYGON
                     : corners == 3 ? aiPrimitiveType_TRIANGLE
                     : corners == 2 ? aiPrimitiveType_LINE
                                    : aiPrimitiveType_POINT;
            // The faces past the new count are still freed with the array.
            if (kept != f) std::swap(mesh->mFaces[kept], mesh->mFaces[f]);
            ++kept;
        }
        mesh->mNumFaces = kept;
        mesh->mPrimitiveTypes = kinds;
    }
}

// Cancels the import once the time is up (checked between the importer's
// steps; the file access checks it too, see BoundedIOSystem).
class Deadline : public Assimp::ProgressHandler {
  public:
    explicit Deadline(std::chrono::steady_clock::time_point end) : end_(end) {}
    bool Update(float) override { return std::chrono::steady_clock::now() < end_; }

  private:
    std::chrono::steady_clock::time_point end_;
};

std::string LowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

bool HasImportedExtension(const std::string& path) {
    const std::string pattern = "*" + LowerExtension(path);
    const auto& formats = ModelFormats();
    for (size_t i = 1; i < formats.size(); ++i)
        for (const std::string& candidate : formats[i].patterns)
            if (candidate == pattern) return true;
    return false;
}

// The first bytes of a file, empty when it cannot be read.
std::string FileHead(const std::string& path, size_t bytes) {
    std::ifstream in(path, std::ios::binary);
    std::string head(bytes, '\0');
    in.read(head.data(), std::streamsize(bytes));
    head.resize(size_t(std::max<std::streamsize>(in.gcount(), 0)));
    return head;
}

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool LooksLikeStl(const std::string& path, const std::string& head) {
    if (StartsWith(head, "solid")) return true;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || head.size() < 84) return false;
    // Binary STL: an 80-byte header, a triangle count, 50 bytes a triangle.
    uint32_t triangles = 0;
    std::memcpy(&triangles, head.data() + 80, sizeof triangles);
    return size == 84 + uint64_t(triangles) * 50;
}

// Mesh content under a name that does not say so (a binary STL saved as
// .wrl, say): the signatures of the formats we import.
bool LooksLikeMesh(const std::string& path, const std::string& head) {
    return StartsWith(head, "ply") || StartsWith(head, "OFF") || StartsWith(head, "glTF") ||
           head.find("<X3D") != std::string::npos || LooksLikeStl(path, head);
}

// STL, PLY and OFF have no materials: the importer's stand-in material
// gives way to the VRML default, as for a VRML Shape without appearance.
ImportKind KindOfFile(const std::string& path, const std::string& head) {
    const std::string extension = LowerExtension(path);
    ImportKind kind;
    kind.keepMaterials = extension == ".obj" || extension == ".gltf" || extension == ".glb" ||
                         extension == ".3ds" || extension == ".x3d";
    kind.facetNormals = extension == ".stl" || (!kind.keepMaterials && LooksLikeStl(path, head));
    return kind;
}

void Warn(Prompt& prompt, const std::string& text) {
    prompt.ShowMessage(text, "Caution", PromptButtons::Ok, PromptIcon::Exclamation);
}

bool TooLarge(const ImportSize& size, const ImportLimits& limits) {
    return size.points > limits.maxPoints || size.triangles > limits.maxTriangles ||
           size.lineIndices > limits.maxTriangles * 3 || size.rows > limits.maxRows;
}

int ImportMeshFile(VrmlReader& reader, const std::string& path, Prompt& prompt,
                   const std::string& logPath) {
    const ImportLimits& limits = DefaultImportLimits();
    reader.log.SetPath(logPath);
    reader.log.ResetLineCount();
    reader.errorLogName = logPath;
    if (!reader.log.Create()) Warn(prompt, Translate("Core", "ログファイルが作成できません"));

    const std::string fullPath = NormalizedPath(path);
    const std::string fileName = FileNameOf(fullPath);
    std::error_code error;
    const auto bytes = std::filesystem::file_size(fullPath, error);
    if (error) {
        Warn(prompt, FillIn(Translate("Core", "%1は存在しません。"), fullPath));
        return -1;
    }
    if (int64_t(bytes) > limits.maxFileBytes) {
        Warn(prompt, FillIn(Translate("Core", "%1は大きすぎて読み込めません。"), fileName));
        return -1;
    }
    if (DeclaresMoreThanItHolds(FileHead(fullPath, 65536), bytes,
                                LowerExtension(fullPath) == ".off")) {
        Warn(prompt,
             FillIn(Translate("Core", "%1を読み込めません。\n%2"), fileName,
                    "its header is malformed or declares more elements than the file holds"));
        return -1;
    }

    Assimp::Importer importer;
    const auto end = std::chrono::steady_clock::now() +
                     std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                         std::chrono::duration<double>(limits.maxSeconds));
    // The importer deletes both.
    importer.SetProgressHandler(new Deadline(end));
    importer.SetIOHandler(new BoundedIOSystem(end));
    const aiScene* scene = importer.ReadFile(fullPath, kValidate);
    if (scene) {
        // The importer's own scene, which it hands out as const.
        MendFaces(const_cast<aiScene&>(*scene));
        scene = importer.ApplyPostProcessing(kTriangulate);
    }
    if (!scene || !scene->mRootNode || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE)) {
        const std::string reason = scene ? "incomplete scene" : importer.GetErrorString();
        Warn(prompt, FillIn(Translate("Core", "%1を読み込めません。\n%2"), fileName, reason));
        return -1;
    }
    if (TooLarge(MeasureImport(*scene), limits)) {
        Warn(prompt, FillIn(Translate("Core", "%1は大きすぎて読み込めません。"), fileName));
        return -1;
    }
    AddImportedRows(reader, *scene, fullPath, KindOfFile(fullPath, FileHead(fullPath, 84)));
    return 1;
}

}  // namespace

const std::vector<ModelFormat>& ModelFormats() {
    static const std::vector<ModelFormat> formats = {
        {"VRML", {"*.wrl"}},
        {"STL", {"*.stl"}},
        {"Wavefront OBJ", {"*.obj"}},
        {"PLY", {"*.ply"}},
        {"glTF 2.0", {"*.gltf", "*.glb"}},
        {"3DS", {"*.3ds"}},
        {"OFF", {"*.off"}},
        {"X3D", {"*.x3d"}},
    };
    return formats;
}

unsigned ImportPostProcessFlags() {
    return kPostProcess;
}

ImportLimits& DefaultImportLimits() {
    static ImportLimits limits;
    return limits;
}

std::string ModelOpenFilter(const std::string& allName, const std::string& vrmlName) {
    auto both = [](const std::string& pattern) {
        std::string upper = pattern;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return char(std::toupper(c)); });
        return pattern + ";" + upper;
    };
    std::string all, each;
    for (const ModelFormat& format : ModelFormats()) {
        // The VRML entry keeps the text it always had.
        const bool vrml = &format == &ModelFormats().front();
        std::string patterns;
        for (const std::string& pattern : format.patterns) {
            patterns += (patterns.empty() ? "" : ";") + (vrml ? pattern : both(pattern));
            all += (all.empty() ? "" : ";") + both(pattern);
        }
        each += (vrml ? vrmlName : format.name) + " (" + patterns + ")|" + patterns + "|";
    }
    return allName + " (" + all + ")|" + all + "|" + each + "All Files (*.*)|*.*||";
}

bool HasModelExtension(const std::string& path) {
    return LowerExtension(path) == ".wrl" || HasImportedExtension(path);
}

bool IsImportedModel(const std::string& path) {
    // Folders, pipes and missing files get the VRML reader's messages (and
    // a pipe is never opened: that could wait for a writer for ever).
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    const std::string head = FileHead(path, 84);
    // VRML text, plain or gzipped, whatever the name says.
    if (StartsWith(head, "#VRML") || StartsWith(head, "\x1f\x8b")) return false;
    return HasImportedExtension(path) || LooksLikeMesh(path, head);
}

int ReadModelFile(VrmlReader& reader, const std::string& path, Prompt& prompt,
                  const std::string& logPath) {
    if (!IsImportedModel(path)) return reader.ReadVrmlFile(path, prompt, logPath);
    return ImportMeshFile(reader, path, prompt, logPath);
}

int AddModelToData(SceneData& scene, const std::string& path, Prompt& prompt,
                   const std::string& logPath) {
    VrmlReader reader;
    if (ReadModelFile(reader, path, prompt, logPath) != 1) return -1;
    scene.AppendScene(reader);
    PrepareGeometry(scene);
    return 1;
}

}  // namespace vantor
