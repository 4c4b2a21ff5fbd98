#include "vrml_read/vrml_reader.h"

#include <algorithm>
#include <cstring>

#include "prompt/translate.h"
#include "scene/node_kind.h"
#include "scene/prepare_geometry.h"
#include "vrml_read/vrml_paths.h"

namespace vantor {

namespace {

constexpr std::string_view kHeader1 = "#VRML V1.0 ascii";
constexpr std::string_view kHeader2 = "#VRML V2.0 utf8";
constexpr int kShortestFile = 16;  // a header alone is an empty file

int VersionOfHeader(std::string_view raw) {
    if (raw.substr(0, kHeader1.size()) == kHeader1) return kVrmlVersion1;
    if (raw.substr(0, kHeader2.size()) == kHeader2) return kVrmlVersion2;
    return -1;
}

void Warn(Prompt* prompt, const std::string& text, const char* caption) {
    if (prompt) prompt->ShowMessage(text, caption, PromptButtons::Ok, PromptIcon::Exclamation);
}

}  // namespace

VrmlReader::VrmlReader() : inlineChain(kInlineChainLength) {
    inlineChain[0] = "Initial";
}

void VrmlReader::ShowReadingError(const std::string& message) {
    if (prompt && shownErrors.insert(message).second)
        prompt->ShowMessage(message, "Error", PromptButtons::Ok, PromptIcon::Exclamation);
}

int VrmlReader::WriteReadingLog(std::string_view message) {
    return log.Write(message);
}

int VrmlReader::LogLine(std::string_view message) {
    return log.WriteLine(message);
}

int VrmlReader::LogWord(std::string_view before, std::string_view word, std::string_view after) {
    if (log.full()) return 1;
    std::string line;
    line.reserve(before.size() + word.size() + after.size() + 2);
    line.append(before).append(word).append(after);
    return log.WriteLine(line);
}

int VrmlReader::ReadVrmlFile(const std::string& path, Prompt& userPrompt,
                             const std::string& logPath) {
    prompt = &userPrompt;
    shownErrors.clear();
    log.SetPath(logPath);
    log.ResetLineCount();
    errorLogName = logPath;
    if (!log.Create()) Warn(prompt, Translate("Core", "ログファイルが作成できません"), "Caution");

    const std::string fullPath = NormalizedPath(path);
    baseFolder = FolderOf(fullPath);
    currentFolder = baseFolder;

    VrmlText text;
    const TextLoadResult loaded = text.LoadFile(fullPath);
    if (loaded == TextLoadResult::Damaged) {
        ReportDamagedFile(fullPath, text.damage());
        prompt = nullptr;
        return -1;
    }
    if (loaded != TextLoadResult::Ok) {
        // Unreadable (missing, a folder, no permission): the same as a
        // missing inline file, minus the search.
        Warn(prompt, FillIn(Translate("Core", "%1は存在しません。"), fullPath), "Caution");
        prompt = nullptr;
        return -1;
    }
    return ReadTopText(text, fullPath);
}

int VrmlReader::ReadVrmlText(std::string_view raw, const std::string& name, Prompt& userPrompt) {
    prompt = &userPrompt;
    shownErrors.clear();
    log.SetPath(std::string());  // generated text: nothing to log
    baseFolder.clear();
    currentFolder = baseFolder;
    VrmlText text;
    text.Assign(raw);
    return ReadTopText(text, name);
}

int VrmlReader::ReadTopText(VrmlText& text, const std::string& fullPath) {
    const std::string fileName = FileNameOf(fullPath);
    if (text.length() <= kShortestFile) {
        Warn(prompt, "This Data is EMPTY !! ", "Caution");
        prompt = nullptr;
        return -1;
    }
    const int fileVersion = VersionOfHeader(text.view());
    if (fileVersion < 0) {
        Warn(prompt, " This Version Only Support VRML 1.0 & 2.0", "Caution");
        prompt = nullptr;
        return -1;
    }
    version = fileVersion;

    FileRecord record;
    record.name = fileName;
    record.path = fullPath;
    record.fileName = fileName;
    record.version = version;
    currentFileIndex = AddFileRecord(record);
    inlineChain[0] = fullPath;
    inlineLevel = 1;

    if (!OmmitCommentFromVrml0(text))
        WriteReadingLog(" there must be some Mistake in  OmmitCommentFromVrml0\r\n");

    const int32_t rootRow =
        AddRow(kind::VrmlData, currentFileIndex, tag::Shown, ReserveBlock(2), -998, fileName);
    AddDefaultNodes();

    depth = 0;
    vertexOrdering = -1;
    faceHints = FaceHints{};
    defRows_.clear();
    defScannedTo_ = 1;
    coordinates_ = GoverningRow{-1, rootRow};
    normals_ = coordinates_;
    int position = 0;
    ReadNodes(text.view(), position, -1);
    text.Release();

    FinishRoot(rootRow);
    depth = 0;
    PrepareGeometry(*this);
    prompt = nullptr;
    return 1;
}

void VrmlReader::ReportDamagedFile(const std::string& path, const std::string& reason) {
    Warn(prompt, path + "は壊れています。", "Caution");
    LogLine("The compressed file ##" + path + "## is damaged: " + reason);
}

void VrmlReader::FinishRoot(int32_t rootRow) {
    NodeRow& root = Row(rootRow);
    float* block = Block(root.dataBegin);
    block[0] = float(rootRow + 1);
    block[1] = float(nodeCount);
    root.dataEnd = -998;
    FileRecord& record = files.items[size_t(root.fileIndex)];
    record.firstRow = rootRow + 1;
    record.endRow = nodeCount;
}

void VrmlReader::AddDefaultNodes() {
    if (fileCount <= 1) {
        EnsureMaterialRows(0);
        std::memcpy(MaterialRow(0), kDefaultMaterial, sizeof kDefaultMaterial);
        materialCount = 0;
    } else {
        AppendMaterialRow(MaterialRow(materialCount));
    }
    currentMaterial = materialCount;
    AddRow(kind::Material, currentFileIndex, tag::DefaultRow, materialCount, -999,
           "KORVALDE_DEFAULT_MARERIAL");

    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const int32_t begin = AddValues(identity, 16);
    AddRow(kind::MatrixTransform, currentFileIndex, tag::DefaultRow, begin, begin + 15,
           "KORVALDE_DEFAULT_MATRIXTRANSFORM");
}

int VrmlReader::ReadChildFile(VrmlText& text, int32_t fileIndex) {
    if (text.length() <= kShortestFile) {
        Warn(prompt, "This Data is EMPTY !! ", "Caution");
        LogLine("This Data is EMPTY !! ");
        return -1;
    }
    const int childVersion = VersionOfHeader(text.view());
    if (childVersion < 0) {
        Warn(prompt, " This Version Only Support VRML 1.0 & 2.0", "Caution");
        LogLine(" This Version Only Support VRML 1.0 & 2.0");
        return -1;
    }
    if (!OmmitCommentFromVrml0(text)) {
        Warn(prompt, " There must be some Mistake in  OmmitCommentFromVrml0", "Error");
        LogLine(" There must be some Mistake in  OmmitCommentFromVrml0");
    }

    const int savedVersion = version;
    const int32_t savedFile = currentFileIndex;
    const int32_t savedDepth = depth;
    const GoverningRow savedCoordinates = coordinates_;
    const GoverningRow savedNormals = normals_;
    const int32_t savedOrdering = vertexOrdering;
    const FaceHints savedHints = faceHints;
    version = childVersion;
    vertexOrdering = -1;
    faceHints = FaceHints{};
    currentFileIndex = fileIndex;
    depth = 0;
    coordinates_ = GoverningRow{-1, nodeCount};
    normals_ = coordinates_;

    const int32_t firstRow = nodeCount;
    int position = 0;
    ReadNodes(text.view(), position, -1);

    FileRecord& record = files.items[size_t(fileIndex)];
    record.firstRow = firstRow;
    record.endRow = nodeCount;
    record.version = childVersion;

    version = savedVersion;
    currentFileIndex = savedFile;
    depth = savedDepth;
    coordinates_ = savedCoordinates;
    normals_ = savedNormals;
    vertexOrdering = savedOrdering;
    faceHints = savedHints;
    return 1;
}

int VrmlReader::ReadNodes(std::string_view text, int& position, int stopDepth) {
    if (version == kVrmlVersion2) return MakeVrmlList20(text, position, stopDepth);
    return MakeVrmlList01(text, position, stopDepth);
}

int32_t VrmlReader::FindGoverningRow(int32_t nodeKind) const {
    if (nodeKind == kind::Coordinate3) return UpdateGoverningRow(coordinates_, nodeKind);
    if (nodeKind == kind::Normal) return UpdateGoverningRow(normals_, nodeKind);
    for (int32_t i = nodeCount - 1; i >= 1; --i) {
        const NodeRow& row = Row(i);
        if (row.kind == nodeKind && row.fileIndex == currentFileIndex) return i;
    }
    return -1;
}

int32_t VrmlReader::UpdateGoverningRow(GoverningRow& cache, int32_t nodeKind) const {
    if (cache.scannedTo > nodeCount || cache.row >= nodeCount)
        cache = GoverningRow{};  // rows taken back
    for (int32_t i = std::max(cache.scannedTo, 1); i < nodeCount; ++i) {
        const NodeRow& row = Row(i);
        if (row.kind == nodeKind && row.fileIndex == currentFileIndex) cache.row = i;
    }
    cache.scannedTo = nodeCount;
    return cache.row;
}

void VrmlReader::SkipBlock(std::string_view text, int& position) {
    int open = 1;
    const int length = int(text.size());
    while (open > 0 && position < length) {
        const bool quoted = text[size_t(position)] == '"';
        std::string_view word = NextWord(text, position);
        if (quoted) continue;
        if (word == "{")
            ++open;
        else if (word == "}")
            --open;
    }
}

void VrmlReader::SkipList(std::string_view text, int& position) {
    const int length = int(text.size());
    while (position < length) {
        const bool quoted = text[size_t(position)] == '"';
        if (NextWord(text, position) == "]" && !quoted) return;
    }
}

std::string VrmlReader::CurrentFileName() const {
    if (currentFileIndex < 0 || currentFileIndex >= fileCount) return std::string();
    return files.items[size_t(currentFileIndex)].name;
}

int32_t VrmlReader::ReserveBlock(int count) {
    const int32_t begin = valueCount;
    EnsureValues(int64_t(valueCount) + count);
    for (int i = 0; i < count; ++i) valuePool[begin + i] = 0;
    valueCount += count;
    return begin;
}

void VrmlReader::CloseGroupBlock(int32_t row, float third, bool hasThird) {
    float* block = Block(Row(row).dataBegin);
    block[0] = float(row + 1);
    block[1] = float(nodeCount);
    if (hasThird) block[2] = third;
}

int AddFileToData(SceneData& scene, const std::string& path, Prompt& prompt,
                  const std::string& logPath) {
    VrmlReader reader;
    if (reader.ReadVrmlFile(path, prompt, logPath) != 1) return -1;
    scene.AppendScene(reader);
    PrepareGeometry(scene);
    return 1;
}

}  // namespace vantor
