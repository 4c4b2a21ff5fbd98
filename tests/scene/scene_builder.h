#pragma once
// Builds small scenes row by row the way the readers lay them out, so the
// scene model can be tested without parsing text.

#include <initializer_list>
#include <vector>

#include "scene/scene_data.h"

namespace vantor::testing {

class SceneBuilder {
  public:
    explicit SceneBuilder(SceneData& scene) : s_(scene) {}

    // Root row of a new file plus its default material and matrix rows.
    int32_t BeginFile(const std::string& name) {
        FileRecord file;
        file.name = file.fileName = name;
        file.path = "/models/" + name;
        file.version = 10;
        file_ = s_.AddFileRecord(file);
        const int32_t row = OpenGroup(kind::VrmlData, 2, name);
        if (s_.nodeCount == 1 && s_.materialCount == 0) {
            std::copy(kDefaultMaterial, kDefaultMaterial + kMaterialWidth, s_.MaterialRow(0));
            s_.AddRow(kind::Material, file_, tag::DefaultRow, 0, -999, "KORVALDE_DEFAULT_MARERIAL");
        } else {
            const int32_t m = s_.AppendMaterialRow(s_.MaterialRow(s_.materialCount));
            s_.AddRow(kind::Material, file_, tag::DefaultRow, m, -999, "KORVALDE_DEFAULT_MARERIAL");
        }
        Matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
               "KORVALDE_DEFAULT_MATRIXTRANSFORM");
        s_.files.items[size_t(file_)].firstRow = row + 1;
        return row;
    }
    void EndFile() {
        s_.files.items[size_t(file_)].endRow = s_.nodeCount;
        Close();
    }

    // Opens a grouping row with a block of `width` floats (first child, end
    // row, saved material); Close() fills in the end row.
    int32_t OpenGroup(int32_t code, int width = 3, const std::string& def = "",
                      int32_t tagValue = tag::Shown) {
        const float block[3] = {float(s_.nodeCount + 1), 0, float(s_.currentMaterial)};
        const int32_t offset = s_.AddValues(block, width);
        const int32_t row = s_.AddRow(code, file_, tagValue, offset, -998, def);
        open_.push_back(row);
        return row;
    }
    void Close() {
        const int32_t row = open_.back();
        open_.pop_back();
        s_.valuePool[s_.Row(row).dataBegin + 1] = float(s_.nodeCount);
    }

    int32_t Values(int32_t code, std::initializer_list<float> values, int32_t endOffset = -1) {
        const int32_t offset = s_.AddValues(values.begin(), int(values.size()));
        return s_.AddRow(code, file_, tag::Value, offset,
                         endOffset < 0 ? offset + int32_t(values.size()) - 1 : endOffset);
    }
    int32_t Matrix(std::initializer_list<float> m, const std::string& def = "") {
        const int32_t offset = s_.AddValues(m.begin(), 16);
        return s_.AddRow(kind::MatrixTransform, file_, tag::Value, offset, offset + 15, def);
    }
    int32_t Coordinates(const std::vector<float>& xyz) {
        const int32_t first = s_.pointCount;
        s_.EnsurePoints(int64_t(first) + int32_t(xyz.size()));
        for (float v : xyz) s_.pointPool[s_.pointCount++] = v;
        base_ = first / 3;
        return s_.AddRow(kind::Coordinate3, file_, tag::Value, first, s_.pointCount);
    }
    // Triangles with indices relative to the last Coordinates().
    int32_t FaceSet(const std::vector<int32_t>& triangles) {
        const int32_t c0 = s_.coordIndexCount;
        s_.EnsureCoordIndices(int64_t(c0) + int32_t(triangles.size()));
        for (int32_t i : triangles) s_.coordIndexPool[s_.coordIndexCount++] = i + base_;
        const float block[5] = {-1, float(c0), float(s_.coordIndexCount), 0, 0};
        const int32_t offset = s_.AddValues(block, 5);
        return s_.AddRow(kind::IndexedFaceSet, file_, tag::Shown, offset, offset + 4);
    }
    int32_t LineSet(std::initializer_list<int32_t> indices) {
        const int32_t l0 = s_.lineCoordIndexCount;
        s_.EnsureLineCoordIndices(int64_t(l0) + int32_t(indices.size()));
        for (int32_t i : indices)
            s_.lineCoordIndexPool[s_.lineCoordIndexCount++] = i < 0 ? i : i + base_;
        const float block[5] = {-1, float(l0), float(s_.lineCoordIndexCount), 0, 0};
        const int32_t offset = s_.AddValues(block, 5);
        return s_.AddRow(kind::IndexedLineSet, file_, tag::Shown, offset, offset + 4);
    }
    int32_t Material(float r, float g, float b) {
        const int32_t m = s_.AppendMaterialRow();
        float* row = s_.MaterialRow(m);
        row[5] = r, row[6] = g, row[7] = b;
        return s_.AddRow(kind::Material, file_, tag::Material, m, -999);
    }
    int32_t Text(const std::string& text) {
        TextRecord record;
        record.string = text;
        const int32_t t = s_.AddTextRecord(record);
        return s_.AddRow(kind::AsciiText, file_, tag::Text, t, -9988);
    }
    int32_t Use(int32_t target, const std::string& name) {
        const int32_t u = s_.AddDefUseRecord({name, target});
        return s_.AddRow(kind::Use, file_, tag::Value, target, u);
    }
    // An inline row followed by the rows of the inlined file (an inlined
    // file has no root or default rows of its own).
    int32_t BeginInline(const std::string& name) {
        const int32_t row = s_.AddRow(kind::WWWInline, file_, tag::Shown, s_.fileCount, 0);
        inlines_.push_back({row, file_});
        FileRecord file;
        file.name = file.fileName = name;
        file.path = "/models/" + name;
        file.version = 10;
        file_ = s_.AddFileRecord(file);
        s_.files.items[size_t(file_)].firstRow = s_.nodeCount;
        return row;
    }
    void EndInline() {
        s_.files.items[size_t(file_)].endRow = s_.nodeCount;
        const auto [row, parent] = inlines_.back();
        inlines_.pop_back();
        s_.Row(row).dataEnd = s_.nodeCount;
        file_ = parent;
    }
    int32_t file() const { return file_; }

  private:
    SceneData& s_;
    int32_t file_ = 0;
    int32_t base_ = 0;
    std::vector<int32_t> open_;
    std::vector<std::pair<int32_t, int32_t>> inlines_;
};

}  // namespace vantor::testing
