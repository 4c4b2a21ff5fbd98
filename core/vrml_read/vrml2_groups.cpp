// Grouping nodes of VRML 2.0: Transform, Group, Anchor, Collision,
// Billboard, Switch, LOD and a bare `children` field.

#include <algorithm>
#include <cmath>

#include "scene/node_kind.h"
#include "vrml_read/vrml2_node_reader.h"
#include "vrml_read/vrml2_words.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

// VRML angles are radians; the scene keeps degrees.
// The boundary table of the original design held 508 entries; longer choice
// lists are read and kept whole, but reported.
constexpr int kLegacyChoiceLimit = 507;

float RadiansToDegrees(float radians) {
    return float(double(radians) * 45.0 / std::atan(1.0));
}

}  // namespace

void Vrml2NodeReader::ReadChildren(int& position, const OpenGroup& group) {
    const int start = position;
    std::string_view word = Next(position);
    if (word == "[") {
        ++reader_.depth;
        MakeVrmlList20(position, reader_.depth - 1);
    } else {
        position = start;
        // A missing value must not let the "}" of the enclosing node be
        // read as the one child.
        if (word != "}" && word != "]" && !AtEnd(position)) MakeVrmlList20(position, reader_.depth);
    }
    CloseGroup(group);
}

void Vrml2NodeReader::ReadGroupingFields(int& position, const OpenGroup& children,
                                         const std::string& handler,
                                         std::initializer_list<std::string_view> knownFields) {
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (SkipRoute(word, position)) continue;
        if (word == "{") {
            Log("Caution in " + handler + " 0");
        } else if (word == "children") {
            ReadChildren(position, children);
        } else if (word == "bboxCenter" || word == "bboxSize") {
            float ignored[3];
            ReadFloats(position, ignored, 3);
        } else {
            if (std::find(knownFields.begin(), knownFields.end(), word) == knownFields.end())
                LogWord(("Caution in switch " + handler + " ! cNode = ##").c_str(), word, "##");
            SkipFieldValue(position);
        }
    }
}

std::vector<int32_t> Vrml2NodeReader::ReadChoiceList(int& position, int32_t groupKind) {
    const bool levels = groupKind == kind::Level;
    const OpenGroup group = AddGroupRow(groupKind, levels ? 4 : 3, std::string());
    std::vector<int32_t> boundaries{reader_.nodeCount};
    const int start = position;
    if (Next(position) == "[") {
        const int listDepth = reader_.depth;
        while (!AtEnd(position)) {
            const int before = position;
            std::string_view word = Next(position);
            if (word == "]") break;
            if (word == ",") continue;  // a separator, not a choice
            if (word == "}") {          // the list was never closed
                position = before;
                break;
            }
            position = before;
            MakeVrmlList20(position, listDepth);
            if (reader_.depth != listDepth) break;  // an unbalanced "}" or "]"
            boundaries.push_back(reader_.nodeCount);
        }
        reader_.depth = listDepth;
    } else {
        position = start;
        std::string_view word = Peek(position);
        if (word != "}" && word != "]" && !AtEnd(position)) {
            MakeVrmlList20(position, reader_.depth);
            boundaries.push_back(reader_.nodeCount);
        }
    }
    if (groupKind == kind::Choice && int(boundaries.size()) - 1 > kLegacyChoiceLimit)
        Log(Format20("Caution in Switch choice number = %d over %d", int(boundaries.size()) - 1,
                     kLegacyChoiceLimit));
    CloseGroup(group);
    if (levels) {
        // Only the first, most detailed level is drawn.
        reader_.Block(group.block)[kind::kLevelFirstEnd] =
            float(boundaries.size() > 1 ? boundaries[1] : reader_.nodeCount);
    }
    return boundaries;
}

int Vrml2NodeReader::SetNodeTrabsformToVrml20Array(int& position, const std::string& defName) {
    const Checkpoint entry = Save();
    ++reader_.depth;
    const OpenGroup group = AddGroupRow(kind::Transform2, 3, defName);
    // translation, rotation (axis, angle), scale, scaleOrientation, center
    const float defaults[17] = {0, 0, 0, 0, 0, 1, 0, 1, 1, 1, 0, 0, 1, 0, 0, 0, 0};
    const int32_t values = reader_.AddValues(defaults, 17);
    reader_.AddRow(kind::Transform, reader_.currentFileIndex, tag::Transform, values, values + 16);
    const OpenGroup children = AddGroupRow(kind::Children, 3, std::string());
    if (!ExpectBrace(position, "There must be some Mistake in this data about { after Shape")) {
        RollBack(entry);
        return -1;
    }
    struct VectorField {
        const char* name;
        int offset;
        int count;
        const char* message;
    };
    static const VectorField kFields[] = {
        {"translation", 0, 3, "Caution in SetNodeTranslationToVrml20Array !"},
        {"rotation", 3, 4, "Caution in SetNodeRotationToVrml20Array !"},
        {"scale", 7, 3, "Caution in SetNodeScaleToVrml20Array !"},
        {"scaleOrientation", 10, 4, "Caution in SetNodescaleOrientationToVrml20Array !"},
        {"center", 14, 3, "Caution in SetNodeCenterToVrml20Array !"},
    };
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (SkipRoute(word, position)) continue;
        if (word == "{") {
            Log("Caution in SetNodePTransformToVrml20Array 0");
            continue;
        }
        if (word == "children") {
            ReadChildren(position, children);
            continue;
        }
        if (word == "bboxCenter" || word == "bboxSize") {
            float ignored[3];
            ReadFloats(position, ignored, 3);
            continue;
        }
        const VectorField* field = nullptr;
        for (const VectorField& candidate : kFields)
            if (word == candidate.name) field = &candidate;
        if (!field) {
            LogWord("Caution in switch SetNodeTrabsformToVrml20Array ! cNode = ##", word, "##");
            SkipFieldValue(position);
            continue;
        }
        float read[4];
        if (ReadFloats(position, read, field->count) != 1) {
            Log(field->message);
            continue;
        }
        if (field->count == 4) read[3] = RadiansToDegrees(read[3]);
        float* block = reader_.Block(values);
        for (int i = 0; i < field->count; ++i) block[field->offset + i] = read[i];
    }
    CloseGroup(group);
    reader_.currentMaterial = group.savedMaterial;
    reader_.depth = entry.depth;
    return 1;
}

int Vrml2NodeReader::SetNodeGroupToVrml20Array(int& position, const std::string& defName) {
    const Checkpoint entry = Save();
    ++reader_.depth;
    // The structure tree lists a VRML 2.0 Group as an Anchor row carrying
    // the name, followed by the Group row holding the children.
    const OpenGroup anchor = AddGroupRow(kind::Anchor, 2, defName);
    const OpenGroup group = AddGroupRow(kind::Group, 2, std::string());
    if (!ExpectBrace(position, "There must be some Mistake in this data about { after Group")) {
        RollBack(entry);
        return -1;
    }
    ReadGroupingFields(position, group, "SetNodeGroupToVrml20Array", {});
    CloseGroup(group);
    CloseGroup(anchor);
    reader_.currentMaterial = entry.currentMaterial;
    reader_.depth = entry.depth;
    return 1;
}

int Vrml2NodeReader::SetNodeAnchorToVrml20Array(int& position, const std::string& defName) {
    const Checkpoint entry = Save();
    ++reader_.depth;
    const OpenGroup anchor = AddGroupRow(kind::Anchor, 2, defName);
    const OpenGroup children = AddGroupRow(kind::Children, 3, std::string());
    if (!ExpectBrace(position, "There must be some Mistake in this data about { after Anchor")) {
        RollBack(entry);
        return -1;
    }
    ReadGroupingFields(position, children, "SetNodeAnchorToVrml20Array",
                       {"url", "parameter", "description"});
    CloseGroup(children);
    CloseGroup(anchor);
    reader_.currentMaterial = entry.currentMaterial;
    reader_.depth = entry.depth;
    return 1;
}

int Vrml2NodeReader::SetNodeCollisionToVrml20Array(int& position, const std::string& defName,
                                                   int32_t code) {
    const Checkpoint entry = Save();
    ++reader_.depth;
    const OpenGroup group = AddGroupRow(code, 3, defName);
    const OpenGroup children = AddGroupRow(kind::Children, 3, std::string());
    if (!ExpectBrace(position,
                     "There must be some Mistake in this data about { after ElevationGrid")) {
        RollBack(entry);
        return -1;
    }
    ReadGroupingFields(position, children, "SetNodeCollisionToVrml20Array", {"collide"});
    CloseGroup(children);
    CloseGroup(group);
    reader_.currentMaterial = entry.currentMaterial;
    reader_.depth = entry.depth;
    return 1;
}

int Vrml2NodeReader::SetNodeSwitchToVrml20Array(int& position, const std::string& defName) {
    const Checkpoint entry = Save();
    ++reader_.depth;
    const float empty[3] = {0, 0, 0};
    const int32_t block = reader_.AddValues(empty, 3);
    reader_.AddRow(kind::Switch2, reader_.currentFileIndex, tag::Switch, block, -998, defName);
    if (!ExpectBrace(position, "There must be some Mistake in this data about { after Switch")) {
        RollBack(entry);
        return -1;
    }
    int whichChoice = -1;
    std::vector<int32_t> boundaries;
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (SkipRoute(word, position)) continue;
        if (word == "{") {
            Log("Caution in SetNodeIndexedFaceSetToVrml20Array 0");
        } else if (word == "whichChoice") {
            std::string_view value = Next(position);
            if (!ParseIntWord(value, whichChoice)) {
                LogWord("Caution in Select  whichChoice = ##", value, "##");
                whichChoice = -1;
            }
        } else if (word == "choice") {
            std::vector<int32_t> more = ReadChoiceList(position, kind::Choice);
            if (boundaries.empty())
                boundaries = std::move(more);
            else  // a second list continues the first
                boundaries.insert(boundaries.end(), more.begin() + 1, more.end());
        } else if (word == "bboxCenter" || word == "bboxSize") {
            float ignored[3];
            ReadFloats(position, ignored, 3);
        } else {
            reader_.LogWord(
                Format20("Caution in switch Switch iFieldID = %d ch = ##", NodeKindForName20(word)),
                word, "##");
            SkipFieldValue(position);
        }
    }
    const int choices = boundaries.empty() ? 0 : int(boundaries.size()) - 1;
    float* values = reader_.Block(block);
    const float end = float(reader_.nodeCount);
    if (whichChoice < 0 || whichChoice > choices - 1) {
        values[0] = values[1] = values[2] = end;  // nothing chosen
    } else {
        values[0] = float(boundaries[size_t(whichChoice)]);
        values[1] = float(boundaries[size_t(whichChoice) + 1]);
        values[2] = end;
    }
    reader_.currentMaterial = entry.currentMaterial;
    reader_.depth = entry.depth;
    return 1;
}

int Vrml2NodeReader::SetNodeLodToVrml20Array(int& position, const std::string& defName) {
    const Checkpoint entry = Save();
    ++reader_.depth;
    const OpenGroup lod = AddGroupRow(kind::Lod2, 2, defName, tag::Switch);
    if (!ExpectBrace(position, "There must be some Mistake in this data about { after Lod")) {
        RollBack(entry);
        return -1;
    }
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (SkipRoute(word, position)) continue;
        if (word == "{") {
            Log("Caution in SetNodeIndexedFaceSetToVrml20Array 0");
        } else if (word == "level") {
            ReadChoiceList(position, kind::Level);
        } else if (word == "range" || word == "center") {
            SkipFieldValue(position);
        } else {
            Log(Format20("Caution in switch Lod iFieldID = %d", NodeKindForName20(word)));
            SkipFieldValue(position);
        }
    }
    CloseGroup(lod);
    reader_.currentMaterial = entry.currentMaterial;
    reader_.depth = entry.depth;
    return 1;
}

int Vrml2NodeReader::SetNodeChildrenToVrml20Array(int& position, const std::string& defName) {
    const int32_t savedDepth = reader_.depth;
    const int32_t savedMaterial = reader_.currentMaterial;
    ++reader_.depth;
    const OpenGroup children = AddGroupRow(kind::Children, 3, defName);
    ReadChildren(position, children);
    reader_.currentMaterial = savedMaterial;
    reader_.depth = savedDepth;
    return 1;
}

}  // namespace vantor
