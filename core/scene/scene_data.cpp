#include "scene/scene_data.h"

#include <cstring>

#include "math/vector_math.h"

namespace vantor {

const float kDefaultMaterial[kMaterialWidth] = {
    1.0f, 0.2f, 0.2f, 0.2f,  // ambient
    1.0f, 0.8f, 0.8f, 0.8f,  // diffuse
    1.0f, 0.0f, 0.0f, 0.0f,  // specular
    1.0f, 0.0f, 0.0f, 0.0f,  // emissive
    1.0f, 0.2f,              // shininess
    0.0f, 0.0f,              // transparency
};

SceneData::SceneData() {
    nodeDefNames.resize(size_t(nodeTable.capacity()));
}

int SceneData::EnsureNodeRows(int64_t n) {
    nodeTable.Ensure(n);
    nodeDefNames.resize(size_t(nodeTable.capacity()));
    return 1;
}

int32_t SceneData::AddRow(int32_t kind, int32_t fileIndex, int32_t tag, int32_t dataBegin,
                          int32_t dataEnd, const std::string& defName) {
    EnsureNodeRows(nodeCount);
    nodeTable[nodeCount] = NodeRow{kind, fileIndex, tag, dataBegin, dataEnd};
    nodeDefNames[size_t(nodeCount)] = defName;
    return nodeCount++;
}

int32_t SceneData::AddValues(const float* values, int count) {
    const int32_t offset = valueCount;
    EnsureValues(int64_t(valueCount) + count);
    std::memcpy(&valuePool[offset], values, size_t(count) * sizeof(float));
    valueCount += count;
    return offset;
}

int32_t SceneData::AppendMaterialRow(const float* source) {
    const int32_t row = materialCount + 1;
    EnsureMaterialRows(row);
    std::memcpy(materialTable.Row(row), source ? source : kDefaultMaterial,
                kMaterialWidth * sizeof(float));
    materialCount = row;
    return row;
}

void SceneData::AddBoundsPoint(float x, float y, float z, float w) {
    float p[4] = {x, y, z, w};
    vmath::TransformPoint(p, currentMatrix, p);
    for (int axis = 0; axis < 3; ++axis) {
        if (p[axis] < bounds[2 * axis]) bounds[2 * axis] = p[axis];
        if (p[axis] > bounds[2 * axis + 1]) bounds[2 * axis + 1] = p[axis];
    }
}

namespace {

// Appends `count` entries of `from` to `to` at `at`, adding `shift` to every
// entry that is not a -1 separator.
void AppendIndices(Pool<int32_t>& to, int32_t at, const Pool<int32_t>& from, int32_t count,
                   int32_t shift) {
    to.Ensure(int64_t(at) + count);
    for (int32_t i = 0; i < count; ++i) {
        const int32_t v = from[i];
        to[at + i] = v < 0 ? v : v + shift;
    }
}

void AppendFloats(Pool<float>& to, int32_t at, const Pool<float>& from, int32_t count) {
    to.Ensure(int64_t(at) + count);
    if (count > 0) std::memcpy(&to[at], from.data(), size_t(count) * sizeof(float));
}

void ShiftBlock(float* block, int first, int last, int32_t shift) {
    for (int i = first; i <= last; ++i) block[i] = float(int32_t(block[i]) + shift);
}

}  // namespace

void SceneData::AppendScene(const SceneData& other) {
    assemblyFlag = 1;
    AppendRows(other, 0, true);
}

void SceneData::AppendSubtree(const SceneData& other, int32_t firstRow) {
    AppendRows(other, firstRow, false);
}

void SceneData::AppendRows(const SceneData& other, int32_t firstRow, bool withRecords) {
    // Row references move by R; `firstRow` and the rows before it are left out.
    const int32_t R = nodeCount - firstRow, V = valueCount, T = textCount, U = defUseCount;
    const int32_t F = withRecords ? fileCount : 0;
    const int32_t M = materialCount + 1, P = pointCount, N = normalCount;
    const int32_t CI = coordIndexCount, NI = normalIndexCount;
    const int32_t LI = lineCoordIndexCount, LN = lineNormalIndexCount;
    const int32_t C = colorCount, UV = texCoordCount, X = textureCount;

    nodeTable.ReserveExactly(nodeCount, int64_t(nodeCount) + other.nodeCount);
    EnsureNodeRows(int64_t(nodeCount) + other.nodeCount);
    valuePool.ReserveExactly(valueCount, int64_t(valueCount) + other.valueCount);
    materialTable.ReserveExactly(materialCount + 1, int64_t(materialCount) + other.materialCount);
    pointPool.ReserveExactly(pointCount, int64_t(pointCount) + other.pointCount);
    normalPool.ReserveExactly(normalCount, int64_t(normalCount) + other.normalCount);
    coordIndexPool.ReserveExactly(CI, int64_t(CI) + other.coordIndexCount);
    normalIndexPool.ReserveExactly(NI, int64_t(NI) + other.normalIndexCount);
    lineCoordIndexPool.ReserveExactly(LI, int64_t(LI) + other.lineCoordIndexCount);
    lineNormalIndexPool.ReserveExactly(LN, int64_t(LN) + other.lineNormalIndexCount);
    files.Reserve(fileCount + other.fileCount);
    defUses.Reserve(defUseCount + other.defUseCount);
    texts.Reserve(textCount + other.textCount);
    textures.Reserve(textureCount + other.textureCount);

    for (int32_t i = 0; i < other.textCount; ++i) AddTextRecord(other.texts.items[size_t(i)]);
    for (int32_t i = 0; i < other.textureCount; ++i)
        AddTextureRecord(other.textures.items[size_t(i)]);
    for (int32_t i = 0; withRecords && i < other.fileCount; ++i) {
        FileRecord record = other.files.items[size_t(i)];
        if (record.firstRow > 0) record.firstRow += R;
        if (record.endRow > 0) record.endRow += R;
        AddFileRecord(record);
    }
    for (int32_t i = 0; withRecords && i < other.defUseCount; ++i) {
        DefUseRecord record = other.defUses.items[size_t(i)];
        record.row += R;
        AddDefUseRecord(record);
    }
    EnsureMaterialRows(int64_t(M) + other.materialCount);
    std::memcpy(materialTable.Row(M), other.materialTable.data(),
                size_t(other.materialCount + 1) * kMaterialWidth * sizeof(float));
    AppendFloats(valuePool, V, other.valuePool, other.valueCount);
    AppendFloats(pointPool, P, other.pointPool, other.pointCount);
    AppendFloats(normalPool, N, other.normalPool, other.normalCount);
    AppendFloats(colorPool, C, other.colorPool, other.colorCount);
    AppendFloats(texCoordPool, UV, other.texCoordPool, other.texCoordCount);
    AppendIndices(coordIndexPool, CI, other.coordIndexPool, other.coordIndexCount, P / 3);
    AppendIndices(normalIndexPool, NI, other.normalIndexPool, other.normalIndexCount, N / 3);
    AppendIndices(lineCoordIndexPool, LI, other.lineCoordIndexPool, other.lineCoordIndexCount,
                  P / 3);
    AppendIndices(lineNormalIndexPool, LN, other.lineNormalIndexPool, other.lineNormalIndexCount,
                  N / 3);

    for (int32_t i = firstRow; i < other.nodeCount; ++i) {
        NodeRow row = other.nodeTable[i];
        // Rows without their file record join the top file.
        row.fileIndex = withRecords ? row.fileIndex + F : 0;
        const int32_t k = row.kind;
        float* block = valuePool.data() + int64_t(row.dataBegin) + V;
        if (k == kind::VrmlData || kind::IsPlainGroup(k) || k == kind::TransformSeparator) {
            row.dataBegin += V;
            ShiftBlock(block, 0, 1, R);
        } else if (kind::IsSeparatorLike(k)) {
            // VRML 2.0 grouping rows carry the same block as a Separator.
            row.dataBegin += V;
            ShiftBlock(block, 0, 1, R);
            ShiftBlock(block, 2, 2, M);
            if (k == kind::Level) ShiftBlock(block, kind::kLevelFirstEnd, kind::kLevelFirstEnd, R);
        } else if (k == kind::Switch || k == kind::Switch2) {
            row.dataBegin += V;
            ShiftBlock(block, 0, 2, R);
        } else if (k == kind::IndexedFaceSet) {
            row.dataBegin += V;
            row.dataEnd += V;
            ShiftBlock(block, 1, 2, CI);
            ShiftBlock(block, 3, 4, NI);
        } else if (k == kind::IndexedLineSet) {
            row.dataBegin += V;
            row.dataEnd += V;
            ShiftBlock(block, 1, 2, LI);
            ShiftBlock(block, 3, 4, LN);
        } else if (k == kind::Coordinate3) {
            if (row.dataBegin >= 0) row.dataBegin += P, row.dataEnd += P;
        } else if (k == kind::Normal || k == kind::Normal2 || k == kind::NormalG) {
            if (row.dataBegin >= 0) row.dataBegin += N, row.dataEnd += N;
        } else if (k == kind::Color) {
            if (row.dataBegin >= 0) row.dataBegin += C, row.dataEnd += C;
        } else if (k == kind::TextureCoordinate2) {
            if (row.dataBegin >= 0) row.dataBegin += UV, row.dataEnd += UV;
        } else if (kind::IsTexture(k)) {
            if (row.dataBegin >= 0) row.dataBegin += X;
        } else if (k == kind::PointSet) {
            if (row.dataBegin >= 0) row.dataBegin += P / 3;
        } else if (k == kind::Material || k == kind::Material2) {
            row.dataBegin += M;
        } else if (k == kind::AsciiText || k == kind::Text) {
            row.dataBegin += T;
        } else if (kind::IsTransform(k) || k == kind::Cone || k == kind::Cube ||
                   k == kind::Cylinder || k == kind::Sphere || k == kind::Cone2 || k == kind::Box ||
                   k == kind::Cylinder2 || k == kind::Sphere2) {
            row.dataBegin += V;
            if (k == kind::MatrixTransform || k == kind::MatrixTransformKorvalde ||
                k == kind::Transform)
                row.dataEnd += V;
        } else if (kind::IsInline(k)) {
            row.dataBegin += F;
            row.dataEnd += R;
        } else if (k == kind::Use) {
            row.dataBegin += R;
            row.dataEnd += U;
        }
        nodeTable[nodeCount] = row;
        nodeDefNames[size_t(nodeCount)] = other.nodeDefNames[size_t(i)];
        ++nodeCount;
    }

    valueCount += other.valueCount;
    pointCount += other.pointCount;
    normalCount += other.normalCount;
    colorCount += other.colorCount;
    texCoordCount += other.texCoordCount;
    pointStart += other.pointStart;
    normalStart += other.normalStart;
    coordIndexCount += other.coordIndexCount;
    normalIndexCount += other.normalIndexCount;
    lineCoordIndexCount += other.lineCoordIndexCount;
    lineNormalIndexCount += other.lineNormalIndexCount;
    materialCount += other.materialCount + 1;
}

}  // namespace vantor
