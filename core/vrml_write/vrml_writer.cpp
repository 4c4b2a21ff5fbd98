#include "vrml_write/vrml_writer.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include "vrml_write/number_format.h"

namespace vantor {

namespace {

// Integers kept in the float pool are read back by truncation.
int32_t Int(float value) {
    return int32_t(value);
}

void AppendInt(std::string& out, int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string LocalDateText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%d/%02d/%02d:%02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

bool IsNormalList(int32_t code) {
    return code == kind::Normal || code == kind::Normal2;
}

// Rows whose first value block entry is (first child, end row) and that the
// walk writes as Separators: VRML 1.0 Separators and every VRML 2.0 row that
// isolates state the same way.
bool IsWrittenAsSeparator(int32_t code) {
    return code != kind::SeparatorDim && kind::IsSeparatorLike(code);
}

}  // namespace

void VrmlWriter::SetScene(const SceneData* scene) {
    scene_ = scene;
}

// --- Line output -----------------------------------------------------------

void VrmlWriter::BeginLine() {
    out_->append(size_t(std::max(0, level_ * indentWidth)), ' ');
}

void VrmlWriter::EndNodeLine() {
    out_->append(size_t(std::max(0, trailingBlanks)), ' ');
    out_->append("\r\n");
    ++lineCount_;
}

void VrmlWriter::NodeLine(const std::string& text) {
    BeginLine();
    out_->append(text);
    EndNodeLine();
}

void VrmlWriter::HeaderLine(const std::string& text) {
    BeginLine();
    out_->append(text);
    out_->append("\r\n");
}

void VrmlWriter::OpeningLine(const std::string& def, const char* defForm, const char* plainForm) {
    BeginLine();
    if (def.empty()) {
        out_->append(plainForm);
    } else {
        out_->append("DEF \"").append(def).append("\" ").append(defForm);
    }
    EndNodeLine();
}

void VrmlWriter::Exact(float value) {
    out_->push_back(' ');
    AppendExactNumber(*out_, value, kShortStyle);
}

void VrmlWriter::Styled(float value, int style) {
    out_->push_back(' ');
    AppendNumber(*out_, value, style);
}

// --- File and walk ---------------------------------------------------------

int VrmlWriter::WriteFile(int32_t firstRow, int32_t endRow, std::string& out) {
    out_ = &out;
    lineCount_ = 0;
    level_ = 0;
    lastCoordinateRow_ = lastNormalRow_ = -1;
    written_.assign(scene_ ? size_t(std::max(0, scene_->nodeCount)) : 0, 0);
    if (scene_) {
        // Rough size of the text so that large scenes are not copied while growing.
        out.reserve(out.size() + size_t(scene_->pointCount) * 10 +
                    size_t(scene_->coordIndexCount) * 6 + size_t(scene_->nodeCount) * 40);
    }

    HeaderLine("#VRML V1.0 ascii");
    HeaderLine("");
    HeaderLine("# Date :" + (dateText.empty() ? LocalDateText() : dateText));
    HeaderLine("# UserName :" + userName);
    HeaderLine("DEF KORVALDE_VERSION Info { string \"2.2\" }");
    HeaderLine("#############   S T A R T   ##############");
    if (scene_) WriteRange(firstRow, endRow, out);
    out_ = &out;
    HeaderLine("############# C U R T A I N ##############");
    return 1;
}

int VrmlWriter::WriteRange(int32_t firstRow, int32_t endRow, std::string& out) {
    out_ = &out;
    if (!scene_) return 1;
    if (written_.size() < size_t(std::max(0, scene_->nodeCount)))
        written_.resize(size_t(scene_->nodeCount), 0);
    const SceneData& s = *scene_;
    const int32_t end = std::min(endRow, s.nodeCount);
    int32_t i = std::max(firstRow, 0);
    while (i < end) {
        const NodeRow& row = s.Row(i);
        const std::string& d = s.nodeDefNames[size_t(i)];
        int32_t next = i + 1;
        switch (row.kind) {
            case kind::VrmlData: {
                const float* block = s.Block(row.dataBegin);
                const int32_t childEnd = Int(block[1]);
                if (mode == 1) {
                    WriteFileAsInline(i);
                } else {
                    WriteRange(std::max(Int(block[0]), i + 1) + 2, childEnd, out);
                }
                next = childEnd;
                break;
            }
            case kind::SeparatorDim:
                // A hidden dimension group gives up its own line; its rows are
                // still visited, at the enclosing level.
                if (row.tag == tag::Hidden) break;
                WriteGroup(i, "Separator {", d);
                next = Int(s.Block(row.dataBegin)[1]);
                break;
            case kind::TransformSeparator:
                WriteGroup(i, "TransformSeparator {", d);
                next = Int(s.Block(row.dataBegin)[1]);
                break;
            case kind::Group:
                // A named Group keeps its node so that USEs of it still refer
                // to it; other groups leave their children in their place.
                if (d.empty()) break;
                WriteGroup(i, "Group {", d);
                next = Int(s.Block(row.dataBegin)[1]);
                break;
            case kind::WWWInline:
            case kind::Inline:
                WriteInline(i, d);
                next = row.dataEnd;
                break;
            case kind::Switch:
            case kind::Switch2:
                WriteSwitch(i, d);
                next = Int(s.Block(row.dataBegin)[2]);
                break;
            case kind::Coordinate3:
                if (!d.empty()) written_[size_t(i)] = 1;
                WriteCoordinate3(row.dataBegin, row.dataEnd, d, out);
                lastCoordinateRow_ = i;
                break;
            case kind::Normal:
            case kind::Normal2:
                if (!d.empty()) written_[size_t(i)] = 1;
                WriteNormal(row.dataBegin, row.dataEnd, d, out);
                lastNormalRow_ = i;
                break;
            case kind::IndexedFaceSet:
                if (!d.empty()) written_[size_t(i)] = 1;
                WriteIndexedFaceSet(i, row.dataBegin, d, out);
                break;
            case kind::IndexedLineSet:
                if (!d.empty()) written_[size_t(i)] = 1;
                WriteIndexedLineSet(i, row.dataBegin, d, out);
                break;
            case kind::PointSet:
                if (!d.empty()) written_[size_t(i)] = 1;
                WritePointSet(i, d, out);
                break;
            case kind::AsciiText:
            case kind::Text:
                if (!d.empty()) written_[size_t(i)] = 1;
                WriteAsciiText(row.dataBegin, d, out);
                break;
            case kind::MatrixTransform:
            case kind::MatrixTransformKorvalde:
                if (!d.empty()) written_[size_t(i)] = 1;
                WriteMatrixTransform(row.dataBegin, d, out);
                break;
            case kind::Material:
            case kind::Material2:
                if (!d.empty()) written_[size_t(i)] = 1;
                WriteMaterial(row.dataBegin, d, out);
                break;
            case kind::Translation:
                if (!d.empty()) written_[size_t(i)] = 1;
                WriteTranslation(row.dataBegin, d, out);
                break;
            case kind::Rotation:
                if (!d.empty()) written_[size_t(i)] = 1;
                WriteRotation(row.dataBegin, d, out);
                break;
            case kind::Scale:
                if (!d.empty()) written_[size_t(i)] = 1;
                WriteScale(row.dataBegin, d, out);
                break;
            case kind::Transform:
                if (!d.empty()) written_[size_t(i)] = 1;
                WriteTransform(row.dataBegin, d, out);
                break;
            case kind::Cube:
            case kind::Box:
            case kind::Cone:
            case kind::Cone2:
            case kind::Cylinder:
            case kind::Cylinder2:
            case kind::Sphere:
            case kind::Sphere2:
                if (!d.empty()) written_[size_t(i)] = 1;
                WritePrimitive(row.kind, row.dataBegin, d, out);
                break;
            case kind::Use:
                WriteUse(i, d);
                break;
            default:
                if (IsWrittenAsSeparator(row.kind)) {
                    WriteGroup(i, "Separator {", d);
                    next = Int(s.Block(row.dataBegin)[1]);
                }
                // Every other row writes nothing; the rows after it (its
                // children, if any) follow at the current level.
                break;
        }
        i = std::max(next, i + 1);
    }
    return 1;
}

void VrmlWriter::WriteGroup(int32_t row, const char* name, const std::string& def) {
    const SceneData& s = *scene_;
    const float* block = s.Block(s.Row(row).dataBegin);
    if (!def.empty()) written_[size_t(row)] = 1;
    OpeningLine(def, name, name);
    ++level_;
    WriteRange(std::max(Int(block[0]), row + 1), Int(block[1]), *out_);
    --level_;
    NodeLine("}");
}

void VrmlWriter::WriteSwitch(int32_t row, const std::string& def) {
    const SceneData& s = *scene_;
    const float* block = s.Block(s.Row(row).dataBegin);
    const int32_t end = std::clamp(Int(block[2]), row + 1, s.nodeCount);
    const int32_t chosenFirst = std::clamp(Int(block[0]), row + 1, end);
    const int32_t chosenEnd = std::clamp(Int(block[1]), chosenFirst, end);
    const bool chosen = chosenEnd > chosenFirst;
    // The choices of a VRML 2.0 Switch sit in one list row; its contents
    // are the children.
    int32_t first = row + 1;
    int32_t last = end;
    if (chosen && s.Row(first).kind == kind::Choice) {
        const float* list = s.Block(s.Row(first).dataBegin);
        if (Int(list[0]) <= chosenFirst && Int(list[1]) >= chosenEnd) {
            last = std::min(Int(list[1]), end);
            first = Int(list[0]);
        }
    }
    // Written as a VRML 1.0 Switch whose chosen child is a Group of the
    // chosen rows, so the reader walks exactly them again, while the other
    // choices stay in the file (in Separators) instead of being lost.
    if (!def.empty()) written_[size_t(row)] = 1;
    OpeningLine(def, "Switch {", "Switch {");
    ++level_;
    const bool before = chosen && chosenFirst > first;
    NodeLine(chosen ? (before ? "whichChild 1" : "whichChild 0") : "whichChild -1");
    auto child = [&](const char* opening, int32_t from, int32_t to) {
        // A part that is already one Separator needs no second one (a saved
        // file saved again stays the same).
        const NodeRow& head = s.Row(from);
        if (opening[0] == 'S' && IsWrittenAsSeparator(head.kind) &&
            Int(s.Block(head.dataBegin)[1]) == to) {
            WriteRange(from, to, *out_);
            return;
        }
        NodeLine(opening);
        ++level_;
        WriteRange(from, to, *out_);
        --level_;
        NodeLine("}");
    };
    if (!chosen) {
        if (end > row + 1) child("Separator {", row + 1, end);
    } else {
        if (before) child("Separator {", first, chosenFirst);
        child("Group {", chosenFirst, chosenEnd);
        if (last > chosenEnd) child("Separator {", chosenEnd, last);
    }
    --level_;
    NodeLine("}");
}

void VrmlWriter::WriteFileAsInline(int32_t row) {
    const SceneData& s = *scene_;
    const NodeRow& root = s.Row(row);
    const float* block = s.Block(root.dataBegin);
    const int32_t first = std::max(Int(block[0]), row + 1);
    const int32_t end = Int(block[1]);
    const bool known = root.fileIndex >= 0 && root.fileIndex < s.fileCount;
    const std::string name = known ? s.files.items[size_t(root.fileIndex)].name : std::string();
    NodeLine("DEF \"KORVALDE_VRML_" + name + "\" Separator {");
    ++level_;
    WriteRange(first, std::min(first + 2, end), *out_);
    NodeLine("DEF \"KORVALDE_VRML\" WWWInline { name \"" +
             (known ? InlineReference(root.fileIndex) : name) + "\" }");
    --level_;
    NodeLine("}");
}

void VrmlWriter::WriteInline(int32_t row, const std::string& def) {
    const SceneData& s = *scene_;
    const NodeRow& inlineRow = s.Row(row);
    if (inlineRow.dataBegin < 0 || inlineRow.dataBegin >= s.fileCount) return;
    const FileRecord& file = s.files.items[size_t(inlineRow.dataBegin)];
    if (file.firstRow == 0 && file.endRow == 0) return;
    if (!def.empty()) written_[size_t(row)] = 1;
    const std::string text = "WWWInline { name \"" + InlineReference(inlineRow.dataBegin) + "\" }";
    NodeLine(def.empty() ? text : "DEF \"" + def + "\" " + text);
}

void VrmlWriter::WriteUse(int32_t row, const std::string& def) {
    const SceneData& s = *scene_;
    const int32_t target = s.Row(row).dataBegin;
    // The reader only ever refers back to an earlier row.
    if (target < 1 || target >= row) return;
    const std::string& name = s.nodeDefNames[size_t(target)];
    if (written_[size_t(target)] && !name.empty()) {
        if (!def.empty()) written_[size_t(row)] = 1;
        const std::string text = "USE \"" + name + "\"";
        NodeLine(def.empty() ? text : "DEF \"" + def + "\" " + text);
        return;
    }
    // The referenced node is not in the output under its name (its kind is
    // not written, or it lies in a Switch child that is not chosen): write
    // what a reader visits through the reference instead.
    if (written_[size_t(row)] == 2) return;  // a node that refers to itself
    written_[size_t(row)] = 2;
    const NodeRow& referenced = s.Row(target);
    if (referenced.kind == kind::Group || referenced.kind == kind::Appearance) {
        const float* block = s.Block(referenced.dataBegin);
        WriteRange(std::max(Int(block[0]), target + 1), Int(block[1]), *out_);
    } else {
        WriteRange(target, target + 1, *out_);
    }
    written_[size_t(row)] = 0;
}

// --- Lists -----------------------------------------------------------------

void VrmlWriter::WriteVectors(int32_t dataBegin, int32_t dataEnd, const Pool<float>& pool,
                              int style) {
    const int32_t first = std::max(dataBegin, 0);
    const int32_t count = std::max(0, dataEnd - first) / 3;
    for (int32_t k = 0; k < count; ++k) {
        const float* v = &pool[int64_t(first) + 3 * int64_t(k)];
        BeginLine();
        for (int axis = 0; axis < 3; ++axis) {
            if (style == kShortStyle) {
                Exact(v[axis]);
            } else {
                Styled(v[axis], style);
            }
        }
        out_->append(k + 1 < count ? " ," : " ");
        EndNodeLine();
    }
}

void VrmlWriter::WriteCoordinate3(int32_t dataBegin, int32_t dataEnd, const std::string& def,
                                  std::string& out) {
    out_ = &out;
    OpeningLine(def, "Coordinate3   {  point [", "Coordinate3   {  point [");
    WriteVectors(dataBegin, dataEnd, scene_->pointPool, kShortStyle);
    NodeLine("] }");
}

void VrmlWriter::WriteNormal(int32_t dataBegin, int32_t dataEnd, const std::string& def,
                             std::string& out) {
    out_ = &out;
    OpeningLine(def, "Normal   {  vector [", "Normal   {  vector [");
    WriteVectors(dataBegin, dataEnd, scene_->normalPool, kLongStyle);
    NodeLine("] }");
}

int32_t VrmlWriter::BaseRow(int32_t row, int32_t firstIndex, bool normals) const {
    const SceneData& s = *scene_;
    for (int32_t r = std::min(row, s.nodeCount) - 1; r >= 0; --r) {
        const NodeRow& candidate = s.Row(r);
        const bool matches =
            normals ? IsNormalList(candidate.kind) : candidate.kind == kind::Coordinate3;
        if (matches && candidate.dataBegin >= 0 && candidate.dataBegin / 3 <= firstIndex) return r;
    }
    return -1;
}

void VrmlWriter::EnsureGoverning(int32_t baseRow, bool normals) {
    int32_t& last = normals ? lastNormalRow_ : lastCoordinateRow_;
    if (baseRow < 0 || last == baseRow) return;
    const NodeRow& row = scene_->Row(baseRow);
    if (normals) {
        WriteNormal(row.dataBegin, row.dataEnd, std::string(), *out_);
    } else {
        WriteCoordinate3(row.dataBegin, row.dataEnd, std::string(), *out_);
    }
    last = baseRow;
}

void VrmlWriter::WriteTriangles(const Pool<int32_t>& pool, int32_t first, int32_t end,
                                int32_t base) {
    const int32_t triangles = std::max(0, end - first) / 3;
    std::string& out = *out_;
    for (int32_t t = 0; t < triangles; ++t) {
        const int32_t* v = &pool[int64_t(first) + 3 * int64_t(t)];
        BeginLine();
        out.append("   ");
        for (int corner = 0; corner < 3; ++corner) {
            AppendInt(out, int64_t(v[corner]) - base);
            out.append(", ");
        }
        out.append(t + 1 < triangles ? "-1," : "-1");
        EndNodeLine();
    }
}

void VrmlWriter::WriteLineIndices(const Pool<int32_t>& pool, int32_t first, int32_t end,
                                  int32_t base) {
    std::string& out = *out_;
    for (int32_t k = first; k < end; ++k) {
        const int32_t entry = pool[k];
        BeginLine();
        out.append("   ");
        AppendInt(out, entry == -1 ? -1 : int64_t(entry) - base);
        if (k + 1 < end) out.push_back(',');
        EndNodeLine();
    }
}

void VrmlWriter::WriteIndexedFaceSet(int32_t row, int32_t block, const std::string& def,
                                     std::string& out) {
    out_ = &out;
    const SceneData& s = *scene_;
    const float* b = s.Block(block);
    const int32_t c0 = std::clamp(Int(b[1]), 0, s.coordIndexCount);
    const int32_t c1 = std::clamp(Int(b[2]), c0, s.coordIndexCount);
    int32_t n0 = std::clamp(Int(b[3]), 0, s.normalIndexCount);
    int32_t n1 = std::clamp(Int(b[4]), n0, s.normalIndexCount);
    const bool withNormals = Int(b[0]) == 1;

    // Indices are written relative to the list the reader of the new file
    // will take as governing, so that list must be the last one written.
    int32_t base = 0;
    if (c1 > c0) {
        const int32_t baseRow = BaseRow(row, s.coordIndexPool[c0], false);
        if (baseRow < 0) return;  // nothing the indices could refer to
        EnsureGoverning(baseRow, false);
        base = s.Row(baseRow).dataBegin / 3;
    }
    int32_t normalBase = 0;
    if (withNormals && n1 > n0) {
        const int32_t normalRow = BaseRow(row, s.normalIndexPool[n0], true);
        if (normalRow < 0) {
            n1 = n0;
        } else {
            EnsureGoverning(normalRow, true);
            normalBase = s.Row(normalRow).dataBegin / 3;
        }
    }

    OpeningLine(def, "IndexedFaceSet {", "IndexedFaceSet {");
    NodeLine("  coordIndex [");
    WriteTriangles(s.coordIndexPool, c0, c1, base);
    NodeLine("  ]");
    if (withNormals) {
        NodeLine("  normalIndex [");
        WriteTriangles(s.normalIndexPool, n0, n1, normalBase);
        NodeLine("  ]");
    }
    NodeLine("}");
}

void VrmlWriter::WriteIndexedLineSet(int32_t row, int32_t block, const std::string& def,
                                     std::string& out) {
    out_ = &out;
    const SceneData& s = *scene_;
    const float* b = s.Block(block);
    const int32_t l0 = std::clamp(Int(b[1]), 0, s.lineCoordIndexCount);
    const int32_t l1 = std::clamp(Int(b[2]), l0, s.lineCoordIndexCount);
    int32_t n0 = std::clamp(Int(b[3]), 0, s.lineNormalIndexCount);
    int32_t n1 = std::clamp(Int(b[4]), n0, s.lineNormalIndexCount);
    const bool withNormals = Int(b[0]) == 1;

    auto firstEntry = [](const Pool<int32_t>& pool, int32_t from, int32_t to) {
        for (int32_t k = from; k < to; ++k)
            if (pool[k] >= 0) return pool[k];
        return -1;
    };
    int32_t base = 0;
    const int32_t firstPoint = firstEntry(s.lineCoordIndexPool, l0, l1);
    if (firstPoint >= 0) {
        const int32_t baseRow = BaseRow(row, firstPoint, false);
        if (baseRow < 0) return;
        EnsureGoverning(baseRow, false);
        base = s.Row(baseRow).dataBegin / 3;
    }
    int32_t normalBase = 0;
    const int32_t firstNormal = withNormals ? firstEntry(s.lineNormalIndexPool, n0, n1) : -1;
    if (firstNormal >= 0) {
        const int32_t normalRow = BaseRow(row, firstNormal, true);
        if (normalRow < 0) {
            n1 = n0;
        } else {
            EnsureGoverning(normalRow, true);
            normalBase = s.Row(normalRow).dataBegin / 3;
        }
    }

    OpeningLine(def, "IndexedLineSet {", "IndexedLineSet {");
    NodeLine("  coordIndex [");
    WriteLineIndices(s.lineCoordIndexPool, l0, l1, base);
    NodeLine("  ]");
    if (withNormals) {
        NodeLine("  normalIndex [");
        WriteLineIndices(s.lineNormalIndexPool, n0, n1, normalBase);
        NodeLine("  ]");
    }
    NodeLine("}");
}

void VrmlWriter::WritePointSet(int32_t row, const std::string& def, std::string& out) {
    out_ = &out;
    const SceneData& s = *scene_;
    const NodeRow& points = s.Row(row);
    if (points.dataBegin < 0) return;
    const int32_t baseRow = BaseRow(row, points.dataBegin, false);
    if (baseRow < 0) return;
    EnsureGoverning(baseRow, false);
    const int32_t base = s.Row(baseRow).dataBegin / 3;
    // -1 meant "to the end of the pool", which another file would change.
    const int32_t count =
        points.dataEnd >= 0 ? points.dataEnd : std::max(0, s.pointCount / 3 - points.dataBegin);
    OpeningLine(def, "PointSet {", "PointSet {");
    BeginLine();
    out.append("   startIndex ");
    AppendInt(out, int64_t(points.dataBegin) - base);
    EndNodeLine();
    BeginLine();
    out.append("   numPoints ");
    AppendInt(out, count);
    EndNodeLine();
    NodeLine("}");
}

// --- Inline references -----------------------------------------------------

std::string VrmlWriter::InlineReference(int32_t fileIndex) const {
    namespace fs = std::filesystem;
    const FileRecord& file = scene_->files.items[size_t(fileIndex)];
    if (outputFolder.empty() || file.path.empty() || file.path == "Default") return file.name;
    std::error_code error;
    const fs::path target = fs::absolute(fs::path(file.path), error).lexically_normal();
    if (error) return file.name;
    const fs::path folder = fs::absolute(fs::path(outputFolder), error).lexically_normal();
    if (error) return file.name;
    const fs::path relative = target.lexically_relative(folder);
    if (relative.empty()) return target.generic_string();
    return relative.generic_string();
}

}  // namespace vantor
