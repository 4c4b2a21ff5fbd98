#include "vrml_read/vrml2_node_reader.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "scene/node_kind.h"
#include "vrml_read/vrml2_words.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

constexpr int32_t kGroupEnd = -998;
// Every grouping level is a few stack frames of the recursive reader; a
// file nesting deeper than this is not read below that level.
constexpr int32_t kMaxNesting = 2000;

bool IsGroupingCode(int32_t code) {
    switch (code) {
        case kind::Transform2:
        case kind::Group:
        case kind::Shape:
        case kind::Anchor:
        case kind::Collision:
        case kind::Billboard:
        case kind::Switch2:
        case kind::Lod2:
            return true;
        default:
            return false;
    }
}

bool IsNestingCode(int32_t code) {
    return IsGroupingCode(code) || code == kind::Children;
}

}  // namespace

std::string Format20(const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

int VrmlReader::MakeVrmlList20(std::string_view text, int& position, int stopDepth) {
    Vrml2NodeReader nodes(*this, text);
    return nodes.MakeVrmlList20(position, stopDepth);
}

Vrml2NodeReader::Vrml2NodeReader(VrmlReader& reader, std::string_view text)
    : reader_(reader), text_(text) {}

// --- Small helpers ------------------------------------------------------------

std::string_view Vrml2NodeReader::Next(int& position) const {
    return NextWord(text_, position);
}

std::string_view Vrml2NodeReader::Peek(int position) const {
    return NextWord(text_, position);
}

void Vrml2NodeReader::Log(const std::string& message) {
    reader_.LogLine(message);
}

void Vrml2NodeReader::LogWord(const char* before, std::string_view word, const char* after) {
    reader_.LogWord(before, word, after);
}

Vrml2NodeReader::OpenGroup Vrml2NodeReader::AddGroupRow(int32_t kind, int width,
                                                        const std::string& defName,
                                                        int32_t tagValue) {
    OpenGroup group{};
    group.width = width;
    group.savedMaterial = reader_.currentMaterial;
    const float initial[4] = {0, 0, float(reader_.currentMaterial), 0};
    group.block = reader_.AddValues(initial, width);
    group.row =
        reader_.AddRow(kind, reader_.currentFileIndex, tagValue, group.block, kGroupEnd, defName);
    // An empty range until the group closes, so the block is never garbage.
    reader_.Block(group.block)[0] = float(group.row + 1);
    reader_.Block(group.block)[1] = float(group.row + 1);
    return group;
}

void Vrml2NodeReader::CloseGroup(const OpenGroup& group) {
    float* block = reader_.Block(group.block);
    block[0] = float(group.row + 1);
    block[1] = float(reader_.nodeCount);
    if (group.width > 2) block[2] = float(group.savedMaterial);
}

Vrml2NodeReader::Checkpoint Vrml2NodeReader::Save() const {
    return {reader_.nodeCount, reader_.valueCount, reader_.materialCount, reader_.currentMaterial,
            reader_.depth};
}

void Vrml2NodeReader::RollBack(const Checkpoint& checkpoint) {
    reader_.ForgetRowsFrom(checkpoint.nodeCount);
    reader_.nodeCount = checkpoint.nodeCount;
    reader_.valueCount = checkpoint.valueCount;
    reader_.materialCount = checkpoint.materialCount;
    reader_.currentMaterial = checkpoint.currentMaterial;
    reader_.depth = checkpoint.depth;
}

bool Vrml2NodeReader::ExpectBrace(int& position, const char* message) {
    const int start = position;
    if (Next(position) == "{") return true;
    Log(message);
    position = start;
    // Resynchronise at the "}" that closes the misplaced body.
    int level = 0;
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "{") {
            ++level;
        } else if (word == "}") {
            if (level == 0) break;
            --level;
        }
    }
    return false;
}

void Vrml2NodeReader::SkipBlock(int& position) {
    int level = 1;
    while (level > 0 && !AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "{")
            ++level;
        else if (word == "}")
            --level;
    }
}

void Vrml2NodeReader::SkipList(int& position) {
    // Lists may hold nodes (MFNode defaults of a PROTO interface) and nested
    // lists, so both kinds of brackets are counted.
    int level = 1;
    while (level > 0 && !AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "[" || word == "{")
            ++level;
        else if (word == "]" || word == "}")
            --level;
    }
}

bool Vrml2NodeReader::SkipRoute(std::string_view word, int& position) {
    if (word != "ROUTE") return false;
    for (int i = 0; i < 3 && !AtEnd(position); ++i) Next(position);  // from, TO, to
    return true;
}

void Vrml2NodeReader::SkipNodeBody(int& position) {
    const int start = position;
    if (Next(position) == "{")
        SkipBlock(position);
    else
        position = start;
}

void Vrml2NodeReader::SkipFieldValue(int& position) {
    if (AtEnd(position)) return;
    const int start = position;
    std::string_view word = Next(position);
    if (word == "[") {
        SkipList(position);
    } else if (word == "DEF") {
        Next(position);
        SkipFieldValue(position);
    } else if (word == "USE") {
        Next(position);
    } else if (word == "}" || word == "]") {
        position = start;  // no value: leave the closing word to the caller
    } else if (float number; text_[size_t(start)] != '"' && ParseFloatWord(word, number)) {
        // A vector: field names never start with a digit, so the run of
        // numbers is the value.
        while (!AtEnd(position)) {
            const int before = position;
            std::string_view more = Next(position);
            if (more == "," || (text_[size_t(before)] != '"' && ParseFloatWord(more, number)))
                continue;
            position = before;
            break;
        }
    } else {
        SkipNodeBody(position);  // a node value; a plain word has no body
    }
}

std::string Vrml2NodeReader::ReadDefName(int& position) {
    char name[kWordBufferSize];
    GetSFString0(text_, position, name, &reader_.log);
    return name;
}

std::string_view Vrml2NodeReader::NextNodeWord(int& position, std::string& defName) {
    std::string_view word = Next(position);
    if (word != "DEF") return word;
    defName = ReadDefName(position);
    return Next(position);
}

int Vrml2NodeReader::ReadFloats(int& position, float* values, int count) {
    bool bracketed = false;
    for (int i = 0; i < count;) {
        const int before = position;
        std::string_view word = Next(position);
        if (word == ",") continue;
        if (word == "[" && i == 0 && !bracketed) {
            bracketed = true;
            continue;
        }
        if (AtEnd(before) || !ParseFloatWord(word, values[i])) {
            LogWord("Caution in GetSFVect !01 ch0 = ##", word, "##");
            position = before;  // the field loop resumes at this word
            if (bracketed) SkipList(position);
            return -1;
        }
        ++i;
    }
    if (bracketed) {
        SkipList(position);  // up to the closing "]"
        return 1;
    }
    const int afterValues = position;
    if (Next(position) != ",") position = afterValues;
    return 1;
}

int32_t Vrml2NodeReader::ReadUseOf(int& position, const std::string& defName,
                                   std::initializer_list<int32_t> kinds,
                                   std::string& referencedName) {
    const int32_t useRow = reader_.nodeCount;
    if (reader_.ReadUse(text_, position, defName) != 1 || reader_.nodeCount != useRow + 1)
        return -1;
    const int32_t target = reader_.Row(useRow).dataBegin;
    const int32_t record = reader_.Row(useRow).dataEnd;
    referencedName = reader_.DefUseRecordAt(record).name;
    for (int32_t kind : kinds) {
        if (reader_.Row(target).kind != kind) continue;
        reader_.nodeCount = useRow;
        if (record == reader_.defUseCount - 1) reader_.defUseCount = record;
        return target;
    }
    return -1;
}

// --- Node loop ---------------------------------------------------------------------

int Vrml2NodeReader::MakeVrmlList20(int& position, int stopDepth) {
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        std::string defName;
        if (word == "DEF") {
            defName = ReadDefName(position);
            const int afterName = position;
            word = Next(position);
            if (word == "{" && IsGroupingCode(NodeKindForName20(defName))) {
                // "DEF Transform {": some exporters leave out the node word
                // after a name that is one; read the node it names.
                Log("Caution in MakeVrmlList01 Brace 0");
                position = afterName;
                word = defName;
            }
        }
        DispatchNode(word, defName, position);
        if (reader_.depth == stopDepth) break;
    }
    return 1;
}

void Vrml2NodeReader::DispatchNode(std::string_view word, const std::string& defName,
                                   int& position) {
    const int32_t code = NodeKindForName20(word);
    if (reader_.depth >= kMaxNesting && IsNestingCode(code)) {
        Log(Format20("Caution in MakeVrmlList20 nesting deeper than %d, node skipped",
                     kMaxNesting));
        if (code == kind::Children)
            SkipFieldValue(position);
        else
            SkipNodeBody(position);
        return;
    }
    switch (code) {
        case word20::OpenBrace:
            Log("Caution in MakeVrmlList01 Brace 0");
            // Its "}" will close it; without this a stray brace (a DEF name
            // with no node word, as some exporters write) would end the
            // enclosing list early and lose the rest of the file.
            ++reader_.depth;
            break;
        case word20::CloseBrace:
        case word20::CloseBracket:
            --reader_.depth;
            break;
        case word20::Comma:
            reader_.AddRow(kind::Comma, reader_.currentFileIndex, tag::Comma, -9998, -9999,
                           defName);
            break;
        case kind::BboxCenter:
        case kind::BboxSize: {
            float ignored[3];
            ReadFloats(position, ignored, 3);
            break;
        }
        case kind::Shape:
            SetNodeShapeToVrml20Array(position, defName);
            break;
        case kind::Transform2:
            SetNodeTrabsformToVrml20Array(position, defName);
            break;
        case kind::Group:
            SetNodeGroupToVrml20Array(position, defName);
            break;
        case kind::Anchor:
            SetNodeAnchorToVrml20Array(position, defName);
            break;
        case kind::Collision:
        case kind::Billboard:
            SetNodeCollisionToVrml20Array(position, defName, code);
            break;
        case kind::Switch2:
            SetNodeSwitchToVrml20Array(position, defName);
            break;
        case kind::Lod2:
            SetNodeLodToVrml20Array(position, defName);
            break;
        case kind::Children:
            SetNodeChildrenToVrml20Array(position, defName);
            break;
        case kind::DirectionalLight:
        case kind::PointLight:
        case kind::SpotLight:
        case kind::Background:
            SkipNodeBody(position);
            break;
        case kind::Viewpoint:
            reader_.ReadCamera(text_, position, kind::Viewpoint, defName);
            break;
        case kind::Proto:
            ReadProtoDeclaration(position);
            break;
        case word20::ExternProto:
            if (word == "EXTERNPROTO") {
                ReadExternProtoDeclaration(position);
            } else {
                // Geometry outside a Shape has nothing to draw it with.
                LogWord("N_NONE ! cNode = ##", word, ("## cDEF = ##" + defName + "## \n").c_str());
                SkipNodeBody(position);
            }
            break;
        case kind::Route:
            SkipRoute(word, position);
            break;
        case kind::Inline:
            reader_.ReadWWWInline(text_, position, defName, kind::Inline);
            break;
        case kind::Use:
            reader_.ReadUse(text_, position, defName);
            break;
        case kind::TransformSeparator:
            reader_.ShowReadingError("TransformSeparator");
            SkipNodeBody(position);
            break;
        case kind::None:
            if (ReadProtoInstance(word, defName, position, false)) break;
            LogWord("N_NONE ! cNode = ##", word, ("## cDEF = ##" + defName + "## \n").c_str());
            SkipNodeBody(position);
            break;
        default:
            Log(Format20("Caution in switch VRML20 iNodeID = %d", code));
            SkipNodeBody(position);
            break;
    }
}

}  // namespace vantor
