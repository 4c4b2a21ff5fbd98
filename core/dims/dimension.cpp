#include "dims/dimension.h"

#include <algorithm>
#include <cstring>

#include "prompt/prompt.h"
#include "scene/prepare_geometry.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

constexpr char kPrefix[] = "KORVALDE_DIM";
constexpr size_t kPrefixLength = sizeof kPrefix - 1;
constexpr char kKindLetters[] = "LRDC";  // in DimensionKind order

// Rows a fresh reader puts before the first node: the file's root row and
// its default material and matrix.
constexpr int32_t kRowsBeforeNodes = 3;

// Measured points at the start of each kind's Coordinate3.
int FixedPointCount(DimensionKind kind) {
    switch (kind) {
        case DimensionKind::Linear:
            return 2;
        case DimensionKind::Radius:
            return 5;  // centre, point, arrow head
        case DimensionKind::Diameter:
            return 8;  // both ends, two arrow heads
        case DimensionKind::Comment:
            return 1;
    }
    return 0;
}

// The number after the last "_" of a dimension's DEF name, or 0.
int SuffixNumber(const std::string& name) {
    const size_t at = name.rfind('_');
    if (at == std::string::npos || at + 1 >= name.size()) return 0;
    int number = 0;
    for (size_t i = at + 1; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9' || number > 100000000) return 0;
        number = number * 10 + (name[i] - '0');
    }
    return number;
}

std::string NewDefName(const SceneData& scene, DimensionKind kind) {
    int highest = 0;
    for (int32_t row = 0; row < scene.nodeCount; ++row) {
        const std::string name = scene.DefNameOf(row);
        if (name.compare(0, kPrefixLength, kPrefix) == 0)
            highest = std::max(highest, SuffixNumber(name));
    }
    return std::string(kPrefix) + "_" + kKindLetters[int(kind)] + "_" + std::to_string(highest + 1);
}

bool IsGroupWithBlock(int32_t k) {
    return kind::IsSeparatorLike(k) || k == kind::VrmlData || k == kind::Group ||
           k == kind::Appearance || k == kind::WWWAnchor || k == kind::Anchor || k == kind::Lod ||
           k == kind::Lod2 || k == kind::TransformSeparator;
}

// A row reference after rows [first, end) went: behind them it moves up,
// inside them it lands on `first`.
int32_t ShiftedRow(int32_t value, int32_t first, int32_t end) {
    if (value >= end) return value - (end - first);
    return value > first ? first : value;
}

void ShiftBlockRows(SceneData& scene, int32_t offset, int count, int32_t first, int32_t end) {
    if (offset < 0 || int64_t(offset) + count > scene.valueCount) return;
    float* block = scene.Block(offset);
    for (int i = 0; i < count; ++i) block[i] = float(ShiftedRow(int32_t(block[i]), first, end));
}

// Removes rows [first, end) from the table and mends every row reference.
void RemoveRows(SceneData& scene, int32_t first, int32_t end) {
    const int32_t removed = end - first;
    for (int32_t i = first; i + removed < scene.nodeCount; ++i) {
        scene.nodeTable[i] = scene.nodeTable[i + removed];
        scene.nodeDefNames[size_t(i)] = scene.nodeDefNames[size_t(i + removed)];
    }
    scene.nodeCount -= removed;
    for (int32_t i = 0; i < scene.nodeCount; ++i) {
        NodeRow& row = scene.Row(i);
        const int32_t k = row.kind;
        if (IsGroupWithBlock(k)) {
            ShiftBlockRows(scene, row.dataBegin, 2, first, end);
        } else if (k == kind::Switch || k == kind::Switch2) {
            ShiftBlockRows(scene, row.dataBegin, 3, first, end);
        } else if (kind::IsInline(k)) {
            row.dataEnd = ShiftedRow(row.dataEnd, first, end);
        } else if (k == kind::Use && row.dataBegin >= 0) {
            const bool gone = row.dataBegin >= first && row.dataBegin < end;
            row.dataBegin = gone ? -9999 : ShiftedRow(row.dataBegin, first, end);
        }
    }
    for (int32_t i = 0; i < scene.fileCount; ++i) {
        FileRecord& file = scene.files.items[size_t(i)];
        if (file.firstRow > 0) file.firstRow = ShiftedRow(file.firstRow, first, end);
        if (file.endRow > 0) file.endRow = ShiftedRow(file.endRow, first, end);
    }
    for (int32_t i = 0; i < scene.defUseCount; ++i) {
        DefUseRecord& record = scene.defUses.items[size_t(i)];
        const bool gone = record.row >= first && record.row < end;
        record.row = gone ? -90199 : ShiftedRow(record.row, first, end);
    }
    scene.selectedDimension = -9999;
}

}  // namespace

int32_t AddDimension(SceneData& scene, const DimensionRequest& request) {
    const std::string defName = NewDefName(scene, request.kind);
    const std::string text = "#VRML V1.0 ascii\n" + DimensionVrml(request, defName);
    VrmlReader reader;
    ScriptedPrompt quiet;  // generated text raises no message
    if (reader.ReadVrmlText(text, defName, quiet) != 1 || reader.nodeCount <= kRowsBeforeNodes ||
        reader.Row(kRowsBeforeNodes).kind != kind::SeparatorDim)
        return -1;
    const int32_t row = scene.nodeCount;
    scene.AppendSubtree(reader, kRowsBeforeNodes);
    PrepareGeometry(scene);
    return row;
}

std::optional<DimensionParts> FindDimensionParts(const SceneData& scene, int32_t groupRow) {
    if (groupRow < 0 || groupRow >= scene.nodeCount) return std::nullopt;
    const NodeRow& group = scene.Row(groupRow);
    if (group.kind != kind::SeparatorDim || group.dataBegin < 0 ||
        int64_t(group.dataBegin) + 2 > scene.valueCount)
        return std::nullopt;
    DimensionParts parts;
    parts.group = groupRow;
    parts.end = std::clamp(int32_t(scene.Block(group.dataBegin)[1]), groupRow + 1, scene.nodeCount);
    const std::string name = scene.DefNameOf(groupRow);
    if (name.size() > kPrefixLength + 2 && name[kPrefixLength] == '_') {
        const char* letter = std::strchr(kKindLetters, name[kPrefixLength + 1]);
        if (letter && *letter) {
            parts.kind = DimensionKind(letter - kKindLetters);
            parts.knownKind = true;
        }
    }
    for (int32_t r = groupRow + 1; r < parts.end; ++r) {
        const int32_t k = scene.Row(r).kind;
        if (k == kind::Coordinate3 && parts.coordinates < 0) parts.coordinates = r;
        if (k == kind::MatrixTransform && parts.transform < 0) parts.transform = r;
        if ((k == kind::AsciiText || k == kind::Text) && parts.text < 0) parts.text = r;
    }
    return parts;
}

std::vector<int32_t> DimensionRows(const SceneData& scene) {
    std::vector<int32_t> rows;
    for (int32_t r = 0; r < scene.nodeCount; ++r)
        if (scene.Row(r).kind == kind::SeparatorDim) rows.push_back(r);
    return rows;
}

bool MoveDimension(SceneData& scene, int32_t groupRow, const double delta[3]) {
    const std::optional<DimensionParts> parts = FindDimensionParts(scene, groupRow);
    if (!parts) return false;
    if (parts->knownKind && parts->coordinates >= 0) {
        const NodeRow& c = scene.Row(parts->coordinates);
        const int32_t begin = c.dataBegin + 3 * FixedPointCount(parts->kind);
        const int32_t end = std::min(c.dataEnd, scene.pointCount);  // floats, end exclusive
        for (int32_t i = begin; i + 3 <= end; i += 3)
            for (int axis = 0; axis < 3; ++axis) scene.pointPool[i + axis] += float(delta[axis]);
    }
    if (parts->transform >= 0) {
        const NodeRow& t = scene.Row(parts->transform);
        if (t.dataBegin >= 0 && int64_t(t.dataBegin) + 16 <= scene.valueCount) {
            float* matrix = scene.Block(t.dataBegin);
            for (int axis = 0; axis < 3; ++axis) matrix[12 + axis] += float(delta[axis]);
        }
    }
    PrepareGeometry(scene);
    return true;
}

std::string DimensionText(const SceneData& scene, int32_t groupRow) {
    const std::optional<DimensionParts> parts = FindDimensionParts(scene, groupRow);
    if (!parts || parts->text < 0) return std::string();
    const int32_t index = scene.Row(parts->text).dataBegin;
    if (index < 0 || index >= scene.textCount) return std::string();
    return scene.texts.items[size_t(index)].string;
}

bool SetDimensionNote(SceneData& scene, int32_t groupRow, const std::string& note) {
    const std::optional<DimensionParts> parts = FindDimensionParts(scene, groupRow);
    if (!parts || parts->text < 0) return false;
    const int32_t index = scene.Row(parts->text).dataBegin;
    if (index < 0 || index >= scene.textCount) return false;
    TextRecord& record = scene.texts.items[size_t(index)];
    const std::string clean = SavableText(note);
    if (parts->kind == DimensionKind::Comment && parts->knownKind) {
        record.string = clean;
    } else {
        const std::string value = record.string.substr(0, record.string.find(' '));
        record.string = clean.empty() ? value : value + " " + clean;
    }
    record.size = int32_t(record.string.size());
    return true;
}

bool DeleteDimension(SceneData& scene, int32_t groupRow) {
    const std::optional<DimensionParts> parts = FindDimensionParts(scene, groupRow);
    if (!parts) return false;
    RemoveRows(scene, parts->group, parts->end);
    PrepareGeometry(scene);
    return true;
}

}  // namespace vantor
