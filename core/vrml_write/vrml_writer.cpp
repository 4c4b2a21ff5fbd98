#include "vrml_write/vrml_writer.h"

#include <algorithm>
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

std::string LocalDateText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%d/%02d/%02d:%02d:%02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

// Rows whose first value block entry is (first child, end row) and that the
// walk writes as Separators: VRML 1.0 Separators and every VRML 2.0 row that
// isolates state the same way.
bool IsWrittenAsSeparator(int32_t code) {
    return code != kind::SeparatorDim && kind::IsSeparatorLike(code);
}

// Kinds the walk writes as one node of their own without children.
bool IsLeafNode(int32_t code) {
    switch (code) {
        case kind::Coordinate3:
        case kind::Normal:
        case kind::Normal2:
        case kind::IndexedFaceSet:
        case kind::IndexedLineSet:
        case kind::PointSet:
        case kind::AsciiText:
        case kind::Text:
        case kind::MatrixTransform:
        case kind::MatrixTransformKorvalde:
        case kind::Material:
        case kind::Material2:
        case kind::Translation:
        case kind::Rotation:
        case kind::Scale:
        case kind::Transform:
        case kind::Cube:
        case kind::Box:
        case kind::Cone:
        case kind::Cone2:
        case kind::Cylinder:
        case kind::Cylinder2:
        case kind::Sphere:
        case kind::Sphere2:
        case kind::Texture2:
        case kind::ImageTexture:
        case kind::PixelTexture:
            return true;
        default:
            return false;
    }
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
    if (scene_) BuildListChains();
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
    PrepareWalkState();
    const SceneData& s = *scene_;
    const int32_t end = std::min(endRow, s.nodeCount);
    int32_t i = std::max(firstRow, 0);
    while (i < end) {
        const NodeRow& row = s.Row(i);
        const std::string& d = s.nodeDefNames[size_t(i)];
        int32_t next = i + 1;
        // Leaf nodes appear under their DEF name; groups mark themselves.
        if (!d.empty() && IsLeafNode(row.kind)) written_[size_t(i)] = 1;
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
                // Hidden or not, the group keeps its Separator: without it the
                // dimension's matrix and material would act on the nodes after
                // it and its lines would read back as part of the model.
                WriteGroup(i, "Separator {", d);
                next = Int(s.Block(row.dataBegin)[1]);
                break;
            case kind::TransformSeparator:
                WriteGroup(i, "TransformSeparator {", d);
                next = Int(s.Block(row.dataBegin)[1]);
                break;
            case kind::Group:
            case kind::Anchor:
            case kind::WWWAnchor:
            case kind::Lod:
            case kind::Lod2:
                // A named group keeps a Group node so that USEs of it still
                // refer to it; other groups leave their children in their place.
                if (d.empty()) break;
                WriteGroup(i, "Group {", d);
                next = Int(s.Block(row.dataBegin)[1]);
                break;
            case kind::WWWInline:
            case kind::Inline:
                WriteInline(i, d);
                next = row.dataEnd;
                break;
            case kind::Level:
                WriteLevels(i);
                next = Int(s.Block(row.dataBegin)[1]);
                break;
            case kind::Switch:
            case kind::Switch2:
                WriteSwitch(i, d);
                next = Int(s.Block(row.dataBegin)[2]);
                break;
            case kind::Coordinate3:
                WriteCoordinate3(row.dataBegin, row.dataEnd, d, out);
                lastCoordinateRow_ = i;
                break;
            case kind::Normal:
            case kind::Normal2:
                WriteNormal(row.dataBegin, row.dataEnd, d, out);
                lastNormalRow_ = i;
                break;
            case kind::IndexedFaceSet:
                WriteIndexedFaceSet(i, row.dataBegin, d, out);
                break;
            case kind::IndexedLineSet:
                WriteIndexedLineSet(i, row.dataBegin, d, out);
                break;
            case kind::PointSet:
                WritePointSet(i, d, out);
                break;
            case kind::AsciiText:
            case kind::Text:
                WriteAsciiText(row.dataBegin, d, out);
                break;
            case kind::MatrixTransform:
            case kind::MatrixTransformKorvalde:
                WriteMatrixTransform(row.dataBegin, d, out);
                break;
            case kind::Material:
            case kind::Material2:
                WriteMaterial(row.dataBegin, d, out);
                break;
            case kind::Translation:
                WriteTranslation(row.dataBegin, d, out);
                break;
            case kind::Rotation:
                WriteRotation(row.dataBegin, d, out);
                break;
            case kind::Scale:
                WriteScale(row.dataBegin, d, out);
                break;
            case kind::Transform:
                WriteTransform(row.dataBegin, d, out);
                break;
            case kind::Cube:
            case kind::Box:
            case kind::Cone:
            case kind::Cone2:
            case kind::Cylinder:
            case kind::Cylinder2:
            case kind::Sphere:
            case kind::Sphere2: {
                const int32_t colourRow = PartColourRow(i);
                // Part colours go out as a palette bound per part, in a
                // Separator of their own like face colours.
                if (colourRow >= 0) {
                    NodeLine("Separator {");
                    WriteColourPalette(colourRow, false);
                    NodeLine("MaterialBinding { value PER_PART }");
                }
                WritePrimitive(row.kind, row.dataBegin, d, out);
                if (colourRow >= 0) NodeLine("}");
                break;
            }
            case kind::Use:
                WriteUse(i, d);
                break;
            case kind::Texture2:
            case kind::ImageTexture:
            case kind::PixelTexture:
                WriteTexture(row.dataBegin, d);
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

void VrmlWriter::WriteLevels(int32_t row) {
    // A VRML 1.0 LOD whose first child is the first level, so that reading
    // the file back draws that level only; the other levels follow as one
    // more child.
    const SceneData& s = *scene_;
    const float* block = s.Block(s.Row(row).dataBegin);
    const int32_t first = std::max(Int(block[0]), row + 1);
    const int32_t end = Int(block[1]);
    const int32_t firstEnd = std::clamp(Int(block[kind::kLevelFirstEnd]), first, end);
    NodeLine("LOD {");
    ++level_;
    for (auto [from, to] : {std::pair{first, firstEnd}, std::pair{firstEnd, end}}) {
        if (from >= to) continue;
        NodeLine("Separator {");
        ++level_;
        WriteRange(from, to, *out_);
        --level_;
        NodeLine("}");
    }
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
    if (known && s.files.items[size_t(root.fileIndex)].version == kImportedFileVersion) {
        // A mesh file (STL, OBJ, ...) cannot be inlined: its rows go in whole.
        WriteRange(first + 2, end, *out_);
    } else {
        NodeLine("DEF \"KORVALDE_VRML\" WWWInline { name \"" +
                 (known ? InlineReference(root.fileIndex) : name) + "\" }");
    }
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
    if (kind::IsPlainGroup(referenced.kind)) {
        const float* block = s.Block(referenced.dataBegin);
        WriteRange(std::max(Int(block[0]), target + 1), Int(block[1]), *out_);
    } else {
        WriteRange(target, target + 1, *out_);
    }
    written_[size_t(row)] = 0;
}

// --- Inline references -----------------------------------------------------

std::string VrmlWriter::InlineReference(int32_t fileIndex) const {
    const FileRecord& file = scene_->files.items[size_t(fileIndex)];
    if (file.path == "Default") return file.name;
    return PathFromOutput(file.path, file.name);
}

std::string VrmlWriter::PathFromOutput(const std::string& path, const std::string& fallback) const {
    namespace fs = std::filesystem;
    if (outputFolder.empty() || path.empty()) return fallback;
    std::error_code error;
    const fs::path target = fs::absolute(fs::path(path), error).lexically_normal();
    if (error) return fallback;
    const fs::path folder = fs::absolute(fs::path(outputFolder), error).lexically_normal();
    if (error) return fallback;
    const fs::path relative = target.lexically_relative(folder);
    if (relative.empty()) return target.generic_string();
    return relative.generic_string();
}

}  // namespace vantor
