#include "scene/prepare_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "math/vector_math.h"
#include "scene/text_layout.h"

namespace vantor {

namespace {

// Glyph box of the outline font in em units (a sans face: Arial's
// ascent and descent, the extrusion depth of its glyphs).
constexpr float kTextAscent = 0.9f;
constexpr float kTextDescent = -0.21f;
constexpr float kTextDepth = 0.15f;

// Widens the scene's box by many points under one matrix. A point met
// again cannot widen the box any further, so each is transformed once, at
// its first use, which keeps the comparisons in the same order as one
// AddBoundsPoint per use. The box is the batch's own until it ends.
class PointBatch {
  public:
    PointBatch(SceneData& scene, uint32_t* stamps, uint32_t stamp)
        : scene_(scene), points_(scene.pointPool.data()), stamps_(stamps), stamp_(stamp) {
        static constexpr float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        identity_ = std::memcmp(scene.currentMatrix, kIdentity, sizeof kIdentity) == 0;
        for (int i = 0; i < 16; ++i) matrix_[i] = scene.currentMatrix[i];
        std::memcpy(box_, scene.bounds, sizeof box_);
    }
    PointBatch(const PointBatch&) = delete;
    PointBatch& operator=(const PointBatch&) = delete;
    ~PointBatch() { std::memcpy(scene_.bounds, box_, sizeof box_); }

    // The point must lie inside the pool.
    __attribute__((always_inline)) void Add(int32_t point) {
        if (stamps_[point] != stamp_) AddFirstUse(point);
    }

  private:
    // Forced inline: the box then stays in registers through a loop.
    __attribute__((always_inline)) void AddFirstUse(int32_t point) {
        stamps_[point] = stamp_;
        const float* p = points_ + int64_t(point) * 3;
        // Under the identity a finite coordinate comes out unchanged (a
        // negative zero as zero); infinities and NaNs take the full product.
        if (identity_ && (p[0] - p[0]) + (p[1] - p[1]) + (p[2] - p[2]) == 0) {
            for (int axis = 0; axis < 3; ++axis) Widen(axis, p[axis] + 0.0f);
            return;
        }
        // The same arithmetic as SceneData::AddBoundsPoint with w = 1.
        const double* m = matrix_;
        for (int axis = 0; axis < 3; ++axis)
            Widen(axis, float(m[axis] * p[0] + m[4 + axis] * p[1] + m[8 + axis] * p[2] +
                              m[12 + axis] * 1.0f));
    }
    void Widen(int axis, float v) {
        if (v < box_[2 * axis]) box_[2 * axis] = v;
        if (v > box_[2 * axis + 1]) box_[2 * axis + 1] = v;
    }

    SceneData& scene_;
    const float* points_;
    uint32_t* stamps_;  // stamp_ marks the points of this batch
    uint32_t stamp_;
    bool identity_ = false;
    double matrix_[16];
    float box_[6];
};

// The recursive walk over the node table, as drawing walks it.
class GeometryWalk {
  public:
    explicit GeometryWalk(SceneData& scene) : s_(scene) {}

    // Recurses once per nesting level: the steps marked noinline keep
    // their locals out of its frame, so deep files fit the stack.
    int32_t WalkRows(int32_t first, int32_t end);

  private:
    struct SavedMatrix {
        float matrix[16];
        int32_t depth;
    };

    SavedMatrix Save() const {
        SavedMatrix saved;
        vmath::Copy16(saved.matrix, s_.currentMatrix);
        saved.depth = s_.matrixDepth;
        return saved;
    }
    // Restores the matrix in force before a group and pushes it again when
    // the group changed it, so picking can replay the same sequence.
    void Restore(const SavedMatrix& saved) {
        if (s_.matrixDepth == saved.depth) return;
        vmath::Copy16(s_.currentMatrix, saved.matrix);
        PushMatrix();
    }
    void GroupWithRestore(int32_t first, int32_t end) {
        const SavedMatrix saved = Save();
        WalkRows(first, end);
        Restore(saved);
    }

    void PushMatrix() {
        ++s_.matrixDepth;
        s_.EnsureMatrixRows(s_.matrixDepth);
        std::memcpy(s_.matrixStack.Row(s_.matrixDepth), s_.currentMatrix, sizeof(float) * 16);
    }
    void Compose(const float m[16]) {
        vmath::Multiply(s_.currentMatrix, s_.currentMatrix, m);
        PushMatrix();
    }

    void ApplyTranslation(const float* b) {
        float m[16];
        vmath::TranslationMatrix(m, b[0], b[1], b[2]);
        Compose(m);
    }
    void ApplyScale(const float* b) {
        float m[16];
        vmath::ScaleMatrix(m, b[0], b[1], b[2]);
        Compose(m);
    }
    void ApplyRotation(const float* b) {
        float m[16];
        vmath::AxisAngleMatrix(m, b[0], b[1], b[2], b[3]);
        Compose(m);
    }
    void ApplyMatrix(const float* b) {
        float m[16];
        std::memcpy(m, b, sizeof m);
        Compose(m);
    }
    [[gnu::noinline]] void ApplyTransform(const float* b);

    // The box of many points under the current matrix (see PointBatch).
    PointBatch BeginPointBatch() {
        if (pointStamps_.size() < size_t(s_.pointCount / 3))
            pointStamps_.resize(size_t(s_.pointCount / 3));
        if (++stamp_ == 0) {
            std::fill(pointStamps_.begin(), pointStamps_.end(), 0u);
            stamp_ = 1;
        }
        return PointBatch(s_, pointStamps_.data(), stamp_);
    }

    [[gnu::noinline]] void BoundsOfFaceSet(float* block);
    [[gnu::noinline]] void BoundsOfLineSet(const float* block);
    [[gnu::noinline]] void BoundsOfPointSet(int32_t first, int32_t count);
    void BoundsOfPoint(int32_t point) {
        const float* p = &s_.pointPool[int64_t(point) * 3];
        s_.AddBoundsPoint(p[0], p[1], p[2]);
    }
    // Cylinder and cone share the same eight extreme points.
    void BoundsOfRoundPrimitive(const float* b) {
        const float r = b[1], h = b[2] / 2;
        for (float y : {h, -h}) {
            s_.AddBoundsPoint(r, y, 0), s_.AddBoundsPoint(-r, y, 0);
            s_.AddBoundsPoint(0, y, r), s_.AddBoundsPoint(0, y, -r);
        }
    }
    void BoundsOfSphere(const float* b) {
        const float r = b[0];
        s_.AddBoundsPoint(r, 0, 0), s_.AddBoundsPoint(-r, 0, 0);
        s_.AddBoundsPoint(0, r, 0), s_.AddBoundsPoint(0, -r, 0);
        s_.AddBoundsPoint(0, 0, r), s_.AddBoundsPoint(0, 0, -r);
    }
    void BoundsOfCube(const float* b) {
        const float x = b[0] / 2, y = b[1] / 2, z = b[2] / 2;
        for (float sx : {x, -x})
            for (float sy : {y, -y})
                for (float sz : {z, -z}) s_.AddBoundsPoint(sx, sy, sz);
    }

    // The box of the drawn glyphs: every line from its place, one em high
    // and extruded towards -z, scaled by the font size.
    [[gnu::noinline]] void BoundsOfText(int32_t index) {
        const TextRecord& record = s_.texts.items[size_t(index)];
        const float em = record.fontSize;
        for (const TextLine& line : LayOutText(record, EstimatedTextWidth))
            for (float x : {line.x, line.x + line.width})
                for (float y : {kTextDescent, kTextAscent})
                    for (float z : {0.0f, -kTextDepth})
                        s_.AddBoundsPoint(x * em, (line.y + y) * em, z * em);
    }

    // The camera under the current matrix: its eye, its axes turned by its
    // orientation, and an orthographic height scaled with the world.
    [[gnu::noinline]] void PlaceCamera(int32_t row, const float* b) {
        float turn[16], local[16];
        vmath::AxisAngleMatrix(turn, b[3], b[4], b[5], b[6] / float(vmath::kDegToRad));
        vmath::TranslationMatrix(local, b[0], b[1], b[2]);
        vmath::Multiply(local, local, turn);
        vmath::Multiply(local, s_.currentMatrix, local);
        const float origin[4] = {0, 0, 0, 1}, ahead[4] = {0, 0, -1, 0}, above[4] = {0, 1, 0, 0};
        float eye[4], forward[4], up[4];
        vmath::TransformPoint(eye, local, origin);
        vmath::TransformPoint(forward, local, ahead);
        vmath::TransformPoint(up, local, above);
        const float forwardLength = vmath::Length3(forward), upLength = vmath::Length3(up);
        // A flattening matrix or values past the floats leave no view.
        if (!(forwardLength > 0) || !(upLength > 0) || !std::isfinite(upLength) ||
            !std::isfinite(eye[0] + eye[1] + eye[2]) || !std::isfinite(b[7]))
            return;
        SceneCamera camera;
        camera.row = row;
        for (int a = 0; a < 3; ++a) {
            camera.eye[a] = eye[a];
            camera.forward[a] = forward[a] / forwardLength;
        }
        // Square the up axis to the view direction (a shear may tilt it).
        const float along = vmath::Dot3(up, camera.forward);
        for (int a = 0; a < 3; ++a) up[a] -= along * camera.forward[a];
        const float orthogonalLength = vmath::Length3(up);
        if (!(orthogonalLength > 0)) return;
        for (int a = 0; a < 3; ++a) camera.up[a] = up[a] / orthogonalLength;
        camera.size = s_.Row(row).kind == kind::OrthographicCamera ? b[7] * upLength : b[7];
        s_.cameras.push_back(camera);
    }

    // One past the last row of the subtree that starts at row r.
    int32_t SubtreeEnd(int32_t r) const {
        const NodeRow& row = s_.Row(r);
        const bool group = kind::IsSeparatorLike(row.kind) || row.kind == kind::VrmlData ||
                           row.kind == kind::TransformSeparator || kind::IsPlainGroup(row.kind);
        if (group && ValidBlock(row.dataBegin, 2)) return int32_t(s_.Block(row.dataBegin)[1]);
        if ((row.kind == kind::Switch || row.kind == kind::Switch2) && ValidBlock(row.dataBegin, 3))
            return int32_t(s_.Block(row.dataBegin)[2]);
        if (kind::IsInline(row.kind)) return row.dataEnd;
        return r + 1;
    }

    // End of the rows of a group that are drawn: a LOD's levels draw only
    // the first.
    int32_t DrawnEnd(const NodeRow& row) const {
        const float* b = s_.Block(row.dataBegin);
        if (row.kind == kind::Level && ValidBlock(row.dataBegin, kind::kLevelFirstEnd + 1))
            return std::min(int32_t(b[kind::kLevelFirstEnd]), int32_t(b[1]));
        return int32_t(b[1]);
    }

    bool ValidBlock(int32_t offset, int width) const {
        return offset >= 0 && int64_t(offset) + width <= s_.valueCount;
    }

    SceneData& s_;
    std::vector<uint32_t> pointStamps_;  // stamp_ marks points of the current batch
    uint32_t stamp_ = 0;
};

int32_t GeometryWalk::WalkRows(int32_t first, int32_t end) {
    int32_t i = first;
    // A damaged range must not walk past the table.
    if (end > s_.nodeCount) end = s_.nodeCount;
    while (i >= 0 && i < end) {
        const NodeRow row = s_.Row(i);
        const int32_t k = row.kind;
        int32_t next = i + 1;
        if (kind::IsSeparatorLike(k) || k == kind::TransformSeparator) {
            if (ValidBlock(row.dataBegin, 2)) {
                const float* b = s_.Block(row.dataBegin);
                if (row.tag == tag::Shown || row.tag == tag::Highlighted)
                    GroupWithRestore(int32_t(b[0]), DrawnEnd(row));
                next = int32_t(b[1]);
            }
        } else if (kind::IsPlainGroup(k)) {
            if (ValidBlock(row.dataBegin, 2)) {
                const float* b = s_.Block(row.dataBegin);
                WalkRows(int32_t(b[0]), int32_t(b[1]));
                next = int32_t(b[1]);
            }
        } else if (k == kind::Switch || k == kind::Switch2) {
            if (ValidBlock(row.dataBegin, 3)) {
                const float* b = s_.Block(row.dataBegin);
                WalkRows(int32_t(b[0]), int32_t(b[1]));
                next = int32_t(b[2]);
            }
        } else if (k == kind::VrmlData) {
            if (ValidBlock(row.dataBegin, 2)) {
                const float* b = s_.Block(row.dataBegin);
                GroupWithRestore(int32_t(b[0]), int32_t(b[1]));
                next = int32_t(b[1]);
            }
        } else if (kind::IsInline(k)) {
            const SavedMatrix saved = Save();
            if (row.dataBegin > 0 && row.dataBegin < s_.fileCount) {
                const FileRecord& file = s_.files.items[size_t(row.dataBegin)];
                WalkRows(file.firstRow, file.endRow);
                Restore(saved);
            }
            next = row.dataEnd;
        } else if (k == kind::Use) {
            // A USE inside the group it names would recurse forever.
            if (row.dataBegin > 0 && row.dataBegin < i && SubtreeEnd(row.dataBegin) <= i)
                WalkRows(row.dataBegin, row.dataBegin + 1);
        } else if (k == kind::MatrixTransform || k == kind::MatrixTransformKorvalde) {
            if (ValidBlock(row.dataBegin, 16)) ApplyMatrix(s_.Block(row.dataBegin));
        } else if (k == kind::Translation) {
            if (ValidBlock(row.dataBegin, 3)) ApplyTranslation(s_.Block(row.dataBegin));
        } else if (k == kind::Rotation) {
            if (ValidBlock(row.dataBegin, 4)) ApplyRotation(s_.Block(row.dataBegin));
        } else if (k == kind::Scale) {
            if (ValidBlock(row.dataBegin, 3)) ApplyScale(s_.Block(row.dataBegin));
        } else if (k == kind::Transform) {
            if (ValidBlock(row.dataBegin, 17)) ApplyTransform(s_.Block(row.dataBegin));
        } else if (k == kind::IndexedFaceSet) {
            if (ValidBlock(row.dataBegin, 5)) BoundsOfFaceSet(s_.Block(row.dataBegin));
        } else if (k == kind::IndexedLineSet) {
            if (ValidBlock(row.dataBegin, 5)) BoundsOfLineSet(s_.Block(row.dataBegin));
        } else if (k == kind::PointSet) {
            BoundsOfPointSet(row.dataBegin, row.dataEnd);
        } else if (k == kind::Sphere || k == kind::Sphere2) {
            if (ValidBlock(row.dataBegin, 1)) BoundsOfSphere(s_.Block(row.dataBegin));
        } else if (k == kind::Cone || k == kind::Cone2 || k == kind::Cylinder ||
                   k == kind::Cylinder2) {
            if (ValidBlock(row.dataBegin, 3)) BoundsOfRoundPrimitive(s_.Block(row.dataBegin));
        } else if (k == kind::Cube || k == kind::Box) {
            if (ValidBlock(row.dataBegin, 3)) BoundsOfCube(s_.Block(row.dataBegin));
        } else if (k == kind::AsciiText || k == kind::Text) {
            if (row.dataBegin >= 0 && row.dataBegin < s_.textCount) BoundsOfText(row.dataBegin);
        } else if (kind::IsCamera(k)) {
            if (ValidBlock(row.dataBegin, kCameraValues)) PlaceCamera(i, s_.Block(row.dataBegin));
        }
        // Ranges only move forward; anything else is a damaged table.
        i = next > i ? next : i + 1;
    }
    return i;
}

void GeometryWalk::ApplyTransform(const float* b) {
    float m[16], step[16];
    vmath::Copy16(m, s_.currentMatrix);
    auto compose = [&m, &step] { vmath::Multiply(m, m, step); };
    // Most exported Transforms only translate: steps that are the identity
    // (no centre, no turn, unit scale) are left out, which changes nothing.
    const bool centred = b[14] != 0 || b[15] != 0 || b[16] != 0;
    const bool oriented = b[13] != 0;
    vmath::TranslationMatrix(step, b[0], b[1], b[2]), compose();
    if (centred) vmath::TranslationMatrix(step, b[14], b[15], b[16]), compose();
    if (b[6] != 0) vmath::AxisAngleMatrix(step, b[3], b[4], b[5], b[6]), compose();
    if (oriented) vmath::AxisAngleMatrix(step, b[10], b[11], b[12], b[13]), compose();
    if (b[7] != 1 || b[8] != 1 || b[9] != 1) vmath::ScaleMatrix(step, b[7], b[8], b[9]), compose();
    if (oriented) vmath::AxisAngleMatrix(step, b[10], b[11], b[12], -b[13]), compose();
    if (centred) vmath::TranslationMatrix(step, -b[14], -b[15], -b[16]), compose();
    vmath::Copy16(s_.currentMatrix, m);
    PushMatrix();
}

void GeometryWalk::BoundsOfFaceSet(float* block) {
    const int32_t state = int32_t(block[0]);
    const int32_t c0 = int32_t(block[1]), c1 = int32_t(block[2]);
    if (c0 < 0 || c1 > s_.coordIndexCount || c0 > c1) return;
    // The readers stored the triangles counter-clockwise already.
    const int32_t* ci = s_.coordIndexPool.data();
    const uint32_t points = uint32_t(s_.pointCount / 3);
    if (state != -1) {
        PointBatch batch = BeginPointBatch();
        for (int32_t t = c0; t < c1; ++t)
            if (uint32_t(ci[t]) < points) batch.Add(ci[t]);
        return;
    }

    const int32_t firstNormal = s_.normalCount;
    const int32_t triangles = (c1 - c0) / 3;
    s_.EnsureNormals(int64_t(firstNormal) + 3 * int64_t(triangles));
    const int32_t k = s_.normalIndexCount;
    s_.EnsureNormalIndices(int64_t(k) + 3 * int64_t(triangles));
    // Plain pointers: writes through the pools' own would make the compiler
    // reload every pool and count per triangle.
    const float* pointData = s_.pointPool.data();
    const int32_t* tri = s_.coordIndexPool.data() + c0;
    float* normal = s_.normalPool.data() + firstNormal;
    int32_t* normalIndex = s_.normalIndexPool.data() + k;
    {
        PointBatch batch = BeginPointBatch();
        for (int32_t t = 0; t < triangles; ++t, tri += 3, normal += 3, normalIndex += 3) {
            const int32_t face = firstNormal / 3 + t;
            normalIndex[0] = face, normalIndex[1] = face, normalIndex[2] = face;
            // Negative numbers are out of range too, as unsigned.
            if ((uint32_t(tri[0]) >= points) | (uint32_t(tri[1]) >= points) |
                (uint32_t(tri[2]) >= points)) {
                normal[0] = normal[1] = normal[2] = 0;
                continue;
            }
            for (int v = 0; v < 3; ++v) batch.Add(tri[v]);
            // vmath's cross product and length, spelled out so the values
            // stay in registers; the operations and their order are the same.
            const float* p0 = pointData + int64_t(tri[0]) * 3;
            const float* p1 = pointData + int64_t(tri[1]) * 3;
            const float* p2 = pointData + int64_t(tri[2]) * 3;
            const double ab[3] = {double(p1[0]) - double(p0[0]), double(p1[1]) - double(p0[1]),
                                  double(p1[2]) - double(p0[2])};
            const double ac[3] = {double(p2[0]) - double(p0[0]), double(p2[1]) - double(p0[1]),
                                  double(p2[2]) - double(p0[2])};
            double n[3] = {ab[1] * ac[2] - ab[2] * ac[1], ab[2] * ac[0] - ac[2] * ab[0],
                           ac[1] * ab[0] - ab[1] * ac[0]};
            // A degenerate triangle keeps a zero normal instead of NaNs.
            const double square = n[0] * n[0] + n[1] * n[1] + n[2] * n[2];
            if (square > 0) {
                const double scale = 1.0 / std::sqrt(square);
                n[0] *= scale, n[1] *= scale, n[2] *= scale;
            }
            normal[0] = float(n[0]), normal[1] = float(n[1]), normal[2] = float(n[2]);
        }
    }
    s_.normalCount += 3 * triangles;
    s_.normalIndexCount += 3 * triangles;
    // AddRow may reallocate the value pool: finish with the block first.
    block[0] = 2;
    block[3] = float(k);
    block[4] = float(s_.normalIndexCount);
    s_.AddRow(kind::NormalG, 1100, tag::Value, firstNormal, s_.normalCount);
}

void GeometryWalk::BoundsOfLineSet(const float* block) {
    const int32_t l0 = int32_t(block[1]), l1 = int32_t(block[2]);
    if (l0 < 0 || l1 > s_.lineCoordIndexCount) return;
    const uint32_t points = uint32_t(s_.pointCount / 3);
    PointBatch batch = BeginPointBatch();
    for (int32_t t = l0; t < l1 - 1; ++t) {
        const int32_t p = s_.lineCoordIndexPool[t];
        if (uint32_t(p) < points) batch.Add(p);
    }
}

void GeometryWalk::BoundsOfPointSet(int32_t first, int32_t count) {
    const int32_t points = s_.pointCount / 3;
    const int32_t end = count == -1 ? points : std::min(points, first + count);
    for (int32_t p = std::max(first, 0); p < end; ++p) BoundsOfPoint(p);
}

}  // namespace

void PrepareGeometry(SceneData& s) {
    s.vertexOrder = -1;
    s.matrixDepth = 0;
    s.cameras.clear();
    // Start from an empty box so edits that move or hide parts shrink it too.
    for (int a = 0; a < 3; ++a) s.bounds[2 * a] = FLT_MAX, s.bounds[2 * a + 1] = -FLT_MAX;
    GeometryWalk(s).WalkRows(0, s.nodeCount);

    float largest = 0;
    for (float v : s.bounds)
        if (v != FLT_MAX && v != -FLT_MAX) largest = std::max(largest, v * v);
    s.sceneExtent = std::sqrt(largest);

    UpdateCsysBounds(s);
}

void UpdateCsysBounds(SceneData& s) {
    std::memcpy(s.csysBounds, s.bounds, sizeof s.bounds);
    s.csysBounds[6] = s.sceneExtent;
    if (s.bounds[0] > s.bounds[1]) return;  // nothing widened the box
    float rotationT[16];
    vmath::Transpose(rotationT, s.csysRotation);
    for (int corner = 0; corner < 8; ++corner) {
        float p[4] = {s.bounds[corner & 1], s.bounds[2 + ((corner >> 1) & 1)],
                      s.bounds[4 + ((corner >> 2) & 1)], 1};
        for (int a = 0; a < 3; ++a) p[a] -= s.csysOrigin[a];
        vmath::TransformPoint(p, rotationT, p);
        for (int a = 0; a < 3; ++a) {
            s.csysBounds[2 * a] = std::max(s.csysBounds[2 * a], p[a]);
            s.csysBounds[2 * a + 1] = std::min(s.csysBounds[2 * a + 1], p[a]);
        }
    }
}

}  // namespace vantor
