// The VRML 1.0 node loop and the grouping nodes.

#include <string>

#include "scene/node_kind.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

constexpr int32_t kOpenBrace = 10001;
constexpr int32_t kCloseBrace = 10002;
constexpr int kMaxGroupDepth = 1000;

bool IsGroupingWord(int32_t nodeKind) {
    return nodeKind == kind::Separator || nodeKind == kind::TransformSeparator ||
           nodeKind == kind::Group || nodeKind == kind::Switch || nodeKind == kind::Lod ||
           nodeKind == kind::WWWAnchor;
}

// The word at `position` without moving it.
std::string_view PeekWord(std::string_view text, int position) {
    return NextWord(text, position);
}

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

std::string RowText(const char* before, int32_t row, std::string_view word,
                    const std::string& defName) {
    std::string line(before);
    line.append(std::to_string(row)).append(" ,ch = ##").append(word);
    line.append("## cDEF = ##").append(defName).append("##");
    return line;
}

}  // namespace

int VrmlReader::MakeVrmlList01(std::string_view text, int& position, int stopDepth) {
    const int length = int(text.size());
    char name[kWordBufferSize];
    // Checked after each node, so a stop depth equal to the current depth
    // reads exactly one complete node.
    while (position < length) {
        std::string_view word = NextWord(text, position);
        std::string defName;
        if (word == "DEF") {
            GetSFString0(text, position, name, &log);
            defName = name;
            word = NextWord(text, position);
        }
        EnsureNodeRows(nodeCount);
        EnsureValues(valueCount);
        const int32_t nodeKind = NodeKindForName(word);
        if (depth >= kMaxGroupDepth && IsGroupingWord(nodeKind)) {
            // Each level costs stack in this loop and in the geometry walk.
            LogWord("Caution groups nested too deep, skipped ##", word, "##");
            const int before = position;
            if (NextWord(text, position) == "{")
                SkipBlock(text, position);
            else
                position = before;
            continue;
        }
        switch (nodeKind) {
            case kind::Separator:
                ReadSeparator(text, position, defName);
                break;
            case kind::TransformSeparator:
                ReadTransformSeparator(text, position, defName);
                break;
            case kind::Group:
                ReadGroup(text, position, defName);
                break;
            case kind::Switch:
                ReadSwitch(text, position, defName);
                break;
            case kind::Lod:
                ReadLod(text, position, defName);
                break;
            case kind::WWWAnchor:
                ReadWWWAnchor(text, position, defName);
                break;
            case kind::WWWInline:
                ReadWWWInline(text, position, defName, kind::WWWInline);
                break;
            case kind::Use:
                ReadUse(text, position, defName);
                break;
            case kind::Coordinate3:
            case kind::Normal:
                ReadPointList(text, position, nodeKind, defName);
                break;
            case kind::IndexedFaceSet:
                ReadIndexedFaceSet(text, position, defName);
                break;
            case kind::IndexedLineSet:
                ReadIndexedLineSet(text, position, defName);
                break;
            case kind::PointSet:
                ReadPointSet(text, position, defName);
                break;
            case kind::Material:
                EnsureMaterialRows(materialCount + 1);
                ReadMaterial(text, position, defName);
                break;
            case kind::ShapeHints:
                ReadShapeHints(text, position, defName);
                break;
            case kind::Transform:
                ReadTransform(text, position, defName);
                break;
            case kind::Rotation:
            case kind::Scale:
            case kind::Translation:
            case kind::MatrixTransform:
                ReadSingleTransform(text, position, nodeKind, defName);
                break;
            case kind::Cube:
            case kind::Cone:
            case kind::Cylinder:
            case kind::Sphere:
                ReadPrimitive(text, position, nodeKind, defName);
                break;
            case kind::AsciiText:
                ReadAsciiText(text, position, defName);
                break;
            case kind::Info:
                ReadInfo(text, position, defName);
                break;
            case kind::OrthographicCamera:
            case kind::PerspectiveCamera:
                ReadCamera(text, position, nodeKind, defName);
                break;
            case kind::NormalBinding:
                faceHints.normalsPerVertex = BindingValue(text, position).starts_with("PER_VERTEX");
                ReadUnsupportedNode(text, position, nodeKind, defName);
                break;
            case kind::MaterialBinding:
                faceHints.materialBinding = BindingValue(text, position);
                ReadUnsupportedNode(text, position, nodeKind, defName);
                break;
            case kind::Texture2:
                ReadTexture2(text, position, defName);
                break;
            case kind::TextureCoordinate2:
                ReadTextureCoordinate2(text, position, defName);
                break;
            case 20481:  // Texture2Transform
                ReadTexture2Transform(text, position, defName);
                break;
            case kind::FontStyle:
            case kind::DirectionalLight:
            case kind::PointLight:
            case kind::SpotLight:
                ReadUnsupportedNode(text, position, nodeKind, defName);
                break;
            case kCloseBrace:
                --depth;
                break;
            case kOpenBrace:
                LogLine("Caution in MakeVrmlList01 Brace 0");
                break;
            case kind::None:
                if (word == "FontStyle")
                    ReadFontStyle(text, position);
                else
                    ReadUnknownNode(text, position, word, defName);
                break;
            default:
                LogLine("Caution in switch VRML data 01 !");
                break;
        }
        if (depth == stopDepth) break;
    }
    return 1;
}

int VrmlReader::ReadSeparator(std::string_view text, int& position, const std::string& defName) {
    ++depth;
    const int32_t nodeKind =
        StartsWith(defName, "KORVALDE_DIM") ? kind::SeparatorDim : kind::Separator;
    const int32_t row =
        AddRow(nodeKind, currentFileIndex, tag::Shown, ReserveBlock(3), -998, defName);
    const int32_t savedMaterial = currentMaterial;
    const int32_t savedOrdering = vertexOrdering;
    const FaceHints savedHints = faceHints;

    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after Separator");
        position = before;
        --depth;
        CloseGroupBlock(row, float(savedMaterial), true);
        return -1;
    }
    if (PeekWord(text, position) == "renderCulling") {
        NextWord(text, position);
        std::string_view value = NextWord(text, position);
        if (value != "ON" && value != "OFF" && value != "AUTO")
            LogLine("We donot support On or OFF Value  after Separator {");
    }
    MakeVrmlList01(text, position, depth - 1);
    CloseGroupBlock(row, float(savedMaterial), true);
    // Material and shape hints set inside a Separator stay inside it.
    currentMaterial = savedMaterial;
    vertexOrdering = savedOrdering;
    faceHints = savedHints;
    return 1;
}

int VrmlReader::ReadTransformSeparator(std::string_view text, int& position,
                                       const std::string& defName) {
    ++depth;
    const int32_t row = AddRow(kind::TransformSeparator, currentFileIndex, tag::Shown,
                               ReserveBlock(3), -998, defName);
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after TransformSeparator");
        position = before;
        --depth;
        CloseGroupBlock(row, float(row + 1), true);
        return -1;
    }
    MakeVrmlList01(text, position, depth - 1);
    CloseGroupBlock(row, float(nodeCount), true);
    return 1;
}

int VrmlReader::ReadGroup(std::string_view text, int& position, const std::string& defName) {
    ++depth;
    const int32_t row =
        AddRow(kind::Group, currentFileIndex, tag::Shown, ReserveBlock(2), -998, defName);
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after Group");
        position = before;
        --depth;
        CloseGroupBlock(row);
        return -1;
    }
    MakeVrmlList01(text, position, depth - 1);
    CloseGroupBlock(row);
    return 1;
}

int VrmlReader::ReadWWWAnchor(std::string_view text, int& position, const std::string& defName) {
    const int32_t row =
        AddRow(kind::WWWAnchor, currentFileIndex, tag::Value, ReserveBlock(2), -998, defName);
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after WWWAnchor");
        const int length = int(text.size());
        while (position < length && NextWord(text, position) != "}") {
        }
        CloseGroupBlock(row);
        return -1;
    }
    ++depth;
    char value[kWordBufferSize];
    for (;;) {
        std::string_view field = PeekWord(text, position);
        if (field != "name" && field != "description" && field != "map") break;
        NextWord(text, position);
        GetSFString0(text, position, value, &log);
    }
    MakeVrmlList01(text, position, depth - 1);
    CloseGroupBlock(row);
    return 1;
}

int VrmlReader::ReadLod(std::string_view text, int& position, const std::string& defName) {
    const int32_t row =
        AddRow(kind::Lod, currentFileIndex, tag::Value, ReserveBlock(2), -998, defName);
    ++depth;
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after Lod");
        position = before;
        --depth;
        CloseGroupBlock(row);
        return -1;
    }
    for (;;) {
        std::string_view field = PeekWord(text, position);
        if (field == "center") {
            NextWord(text, position);
            float center[3];
            if (GetSFVect(text, position, center, 3, &log) != 1)
                LogLine("There must be some Mistake in this data about Lod center or range ");
        } else if (field == "range") {
            NextWord(text, position);
            if (NextWord(text, position) == "[")
                SkipList(text, position);
            else
                LogLine("There must be some Mistake in this data about Lod center or range ");
        } else {
            break;
        }
    }
    // Only the first, most detailed level is kept.
    if (PeekWord(text, position) != "}" && position < int(text.size()))
        MakeVrmlList01(text, position, depth);
    CloseGroupBlock(row);
    SkipBlock(text, position);
    --depth;
    return 1;
}

int VrmlReader::ReadSwitch(std::string_view text, int& position, const std::string& defName) {
    const int32_t row =
        AddRow(kind::Switch, currentFileIndex, tag::Value, ReserveBlock(3), -998, defName);
    ++depth;
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after Switch");
        position = before;
        --depth;
        float* block = Block(Row(row).dataBegin);
        block[0] = block[1] = block[2] = float(nodeCount);
        return -1;
    }
    int whichChild = -1;
    std::string_view word = PeekWord(text, position);
    if (word == "whichChild") {
        NextWord(text, position);
        std::string_view value = NextWord(text, position);
        if (!ParseIntWord(value, whichChild)) {
            LogWord(" Caution In Switch  whitchCild  = ##", value, "##");
            whichChild = -1;
        }
    } else if (word != "}" && word != "DEF" && NodeKindForName(word) == kind::None) {
        LogWord(" In Switch mistake for whitchCild ##", word, "##");
        NextWord(text, position);
    }

    // Children one node at a time, remembering where each one starts.
    const int length = int(text.size());
    int count = 0;
    int32_t chosenBegin = -1;
    int32_t chosenEnd = -1;
    while (position < length) {
        if (PeekWord(text, position) == "}") {
            NextWord(text, position);
            break;
        }
        const int32_t childBegin = nodeCount;
        MakeVrmlList01(text, position, depth);
        if (count == whichChild) {
            chosenBegin = childBegin;
            chosenEnd = nodeCount;
        }
        ++count;
    }
    --depth;
    if (whichChild >= count || whichChild < -3 || whichChild == -2) {
        LogLine(" The Number of whichChild in Switch is  NOT correct !! iCount = " +
                std::to_string(count) + " ,whitchCild = " + std::to_string(whichChild));
    }
    if (whichChild == -3) {  // every child
        chosenBegin = row + 1;
        chosenEnd = nodeCount;
    } else if (chosenBegin < 0) {  // none
        chosenBegin = chosenEnd = nodeCount;
    }
    float* block = Block(Row(row).dataBegin);
    block[0] = float(chosenBegin);
    block[1] = float(chosenEnd);
    block[2] = float(nodeCount);
    return 1;
}

std::string_view VrmlReader::BindingValue(std::string_view text, int position) {
    if (NextWord(text, position) != "{" || NextWord(text, position) != "value") return {};
    return NextWord(text, position);
}

int VrmlReader::ReadUnsupportedNode(std::string_view text, int& position, int32_t nodeKind,
                                    const std::string& defName) {
    LogLine("We do not support node " + KindName(nodeKind));
    const int32_t row = AddRow(nodeKind, currentFileIndex, tag::Value, -9998, -9999, defName);
    const int before = position;
    std::string_view word = NextWord(text, position);
    if (word != "{") {
        LogLine(RowText(" mistake in Data about UnfinishedNode iNode = ", row, word, defName));
        position = before;
        return -1;
    }
    SkipBlock(text, position);
    return 1;
}

int VrmlReader::ReadUnknownNode(std::string_view text, int& position, std::string_view word,
                                const std::string& defName) {
    std::string line(" mistake in Data about None ch = ##");
    line.append(word).append("## cDEF = ##").append(defName).append("##");
    LogLine(line);
    const int before = position;
    if (NextWord(text, position) == "{")
        SkipBlock(text, position);
    else
        position = before;
    return -1;
}

}  // namespace vantor
