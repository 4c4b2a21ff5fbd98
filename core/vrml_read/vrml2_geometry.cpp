// Face sets, line sets, point sets and elevation grids of VRML 2.0. Each
// becomes a grouping row, its own state rows and the VRML 1.0 geometry row.
//
// VRML 2.0 fields come in any order, and exporters write coordIndex before
// coord, so index lists stay relative while the node is read; at its "}"
// they are checked against the node's own coordinates and made absolute.

#include <algorithm>
#include <cstdint>

#include "scene/crease_normals.h"
#include "scene/node_kind.h"
#include "scene/textures.h"
#include "vrml_read/face_colours.h"
#include "vrml_read/face_triangles.h"
#include "vrml_read/texture_fields.h"
#include "vrml_read/vrml2_node_reader.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

constexpr const char* kUsePrefix = "Korvalde_20_USE_";

bool IsIgnoredFlagField(std::string_view word) {
    return word == "colorPerVertex" || word == "convex" || word == "creaseAngle" || word == "solid";
}

// Triangle indices a list of faces fans into (faces of three or more).
int64_t FannedCount(const std::vector<int32_t>& indices) {
    int64_t total = 0;
    int64_t run = 0;
    for (size_t i = 0; i <= indices.size(); ++i) {
        if (i == indices.size() || indices[i] == -1) {
            if (run >= 3) total += 3 * (run - 2);
            run = 0;
        } else {
            ++run;
        }
    }
    return total;
}

// Normal indices can only follow the faces they belong to when both lists
// have the same faces.
bool SameFaces(const std::vector<int32_t>& coords, const std::vector<int32_t>& normals) {
    if (coords.size() != normals.size()) return false;
    for (size_t i = 0; i < coords.size(); ++i)
        if ((coords[i] == -1) != (normals[i] == -1)) return false;
    return true;
}

// Number lists are most of a file: their words are short and never quoted,
// so the word end is found by a plain loop instead of the general scanner.
inline std::string_view ListWord(std::string_view text, int& position) {
    const char* data = text.data();
    const int length = int(text.size());
    if (position >= length || data[position] == '"') return NextWord(text, position);
    int end = position;
    while (end < length && data[end] != ' ') ++end;
    std::string_view word(data + position, size_t(end - position));
    position = end < length ? end + 1 : length;
    return word;
}

// Plain decimal integers, the usual form of an index; anything else goes to
// the general conversion.
inline bool ListInt(std::string_view word, int& value) {
    const char* p = word.data();
    const char* end = p + word.size();
    const bool negative = p < end && *p == '-';
    if (negative) ++p;
    if (p == end || end - p > 9) return ParseIntWord(word, value);
    int parsed = 0;
    for (; p < end; ++p) {
        const unsigned digit = unsigned(*p - '0');
        if (digit > 9) return ParseIntWord(word, value);
        parsed = parsed * 10 + int(digit);
    }
    value = negative ? -parsed : parsed;
    return true;
}

}  // namespace

Vrml2NodeReader::FaceSetRows Vrml2NodeReader::AddFaceSetRows(int32_t groupKind,
                                                             const std::string& defName) {
    const int32_t file = reader_.currentFileIndex;
    FaceSetRows rows{};
    rows.group = AddGroupRow(groupKind, 3, defName);
    rows.hints = reader_.AddRow(kind::ShapeHints, file, tag::ShapeHints, -1, -9999);
    rows.coord = reader_.AddRow(kind::Coordinate3, file, tag::Value, -1, -1);
    rows.normal = reader_.AddRow(kind::Normal, file, tag::Value, 0, 0);
    rows.colour = reader_.AddRow(kind::Color, file, tag::Value, -9998, -9999);
    reader_.AddRow(kind::TextureTransform, file, tag::Value, -9998, -9999);
    // Only under a texture, so untextured files keep their rows.
    rows.texCoord = shapeTexture_ >= 0
                        ? reader_.AddRow(kind::TextureCoordinate2, file, tag::Value, -1, -1)
                        : -1;
    const float unset[5] = {-1, -1, -1, -1, -1};
    rows.faceBlock = reader_.AddValues(unset, 5);
    rows.faceSet =
        reader_.AddRow(kind::IndexedFaceSet, file, tag::Shown, rows.faceBlock, rows.faceBlock + 4);
    return rows;
}

void Vrml2NodeReader::ReadFloatTriples(int& position, bool normals) {
    Pool<float>& pool = normals ? reader_.normalPool : reader_.pointPool;
    int32_t& count = normals ? reader_.normalCount : reader_.pointCount;
    const int32_t start = count;
    const char* const data = text_.data();
    const char* const end = data + text_.size();
    // Prepared text ends with a blank, which stops every number scan.
    const bool blankAtEnd = end > data && end[-1] == ' ';
    while (!AtEnd(position)) {
        // Fast path: plain decimals, each usually followed by a "," word,
        // counted in a register and stored back once.
        const char* p = data + position;
        int32_t taken = count;
        for (float value; p < end;) {
            const char c = *p;
            if (!((c >= '0' && c <= '9') || c == '-' || c == '.')) break;
            const char* stop = blankAtEnd ? detail::ScanShortDecimal<true>(p, end, value)
                                          : detail::ScanShortDecimal<false>(p, end, value);
            if (!stop) break;
            pool.Ensure(taken);
            pool[taken++] = value;
            p = detail::SkipCommaAt(stop + 1, end);
        }
        count = taken;
        if (p != data + position) {
            position = int(p - data);
            continue;
        }
        float value;
        if (TakeFloatWord(text_, position, value)) {
            pool.Ensure(count);
            pool[count++] = value;
            TakeCommaWord(text_, position);  // the usual separator, skipped right away
            continue;
        }
        if (TakeCommaWord(text_, position)) continue;
        const int before = position;
        std::string_view word = ListWord(text_, position);
        if (word.size() == 1 && word[0] == ',') continue;
        if (ParseFloatWord(word, value)) {
            pool.Ensure(count);
            pool[count++] = value;
        } else if (word == "]") {
            break;
        } else if (word == "}") {  // the list was never closed
            position = before;
            break;
        } else if (word != ",") {
            LogWord(normals ? "There must be some mistake in Data about Normal 11 ch1 = ##"
                            : "There must be some mistake in Data about Coodinate3 12 ch1 = ##",
                    word, "##");
        }
    }
    count -= (count - start) % 3;  // an incomplete last vector is dropped
}

bool Vrml2NodeReader::ReadVectorField(int& position, int32_t row, bool normals) {
    std::string defName;
    std::string_view word = NextNodeWord(position, defName);
    if (word == "USE") {
        std::string name;
        const int32_t useRow = reader_.nodeCount;
        const int32_t target =
            ReadUseOf(position, defName, {normals ? kind::Normal : kind::Coordinate3}, name);
        if (target < 0) {
            // A USE of something else cannot stand in for the coordinates.
            if (reader_.nodeCount == useRow + 1) {
                reader_.nodeCount = useRow;
                --reader_.defUseCount;
            }
            return false;
        }
        reader_.Row(row).dataBegin = reader_.Row(target).dataBegin;
        reader_.Row(row).dataEnd = reader_.Row(target).dataEnd;
        reader_.SetDefName(row, kUsePrefix + name);
        return true;
    }
    if (word != (normals ? "Normal" : "Coordinate")) {
        if (word != "NULL") {
            LogWord(normals ? "There must be some mistake in Data about Normal 13 ch = ##"
                            : "There must be some mistake in Data about Coordinate3 ##",
                    word, "##");
            SkipNodeBody(position);
        }
        return false;
    }
    const char* braceMessage = normals ? "There must be some mistake in Data about Normal 01"
                                       : "There must be some mistake in Data about Coordinate3 ";
    if (!ExpectBrace(position, braceMessage)) return false;
    int32_t& count = normals ? reader_.normalCount : reader_.pointCount;
    const int32_t start = count;
    (normals ? reader_.normalStart : reader_.pointStart) = start;
    while (!AtEnd(position)) {
        word = Next(position);
        if (word == "}") break;
        if (word == (normals ? "vector" : "point")) {
            const int before = position;
            if (Next(position) == "[") {
                ReadFloatTriples(position, normals);
            } else {
                position = before;  // a single vector without brackets
                float value[3];
                if (ReadFloats(position, value, 3) == 1) {
                    Pool<float>& pool = normals ? reader_.normalPool : reader_.pointPool;
                    pool.Ensure(int64_t(count) + 3);
                    for (float v : value) pool[count++] = v;
                }
            }
        } else {
            LogWord(normals ? "There must be some mistake in Data about Normal 14 ch = ##"
                            : "There must be some mistake in Data about Coodinate3 12 ch1 = ##",
                    word, "##");
            SkipFieldValue(position);
        }
    }
    reader_.Row(row).dataBegin = start;
    reader_.Row(row).dataEnd = count;
    reader_.SetDefName(row, defName);
    return true;
}

void Vrml2NodeReader::ReadIndexList(int& position, std::vector<int32_t>& out) {
    out.clear();
    const int start = position;
    if (Next(position) != "[") {
        position = start;
        int value;
        if (ParseIntWord(Peek(position), value)) {
            Next(position);
            out.push_back(value);
        }
        return;
    }
    const char* const data = text_.data();
    const char* const end = data + text_.size();
    // Prepared text ends with a blank, which stops every number scan.
    const bool blankAtEnd = end > data && end[-1] == ' ';
    // Written through a plain pointer into a buffer that keeps its size
    // between lists: push_back would store the vector's end on every index,
    // and sizing `out` afresh would clear it for every small face set.
    std::vector<int32_t>& buffer = indexBuffer_;
    if (buffer.size() < 1024) buffer.resize(1024);
    size_t used = 0;
    while (!AtEnd(position)) {
        // Fast path for the common words: plain decimal indices, each
        // followed by its blank and usually by a "," word.
        const char* p = data + position;
        int32_t* slot = buffer.data() + used;
        int32_t* const slotEnd = buffer.data() + buffer.size();
        for (int value; p < end;) {
            const char* next = blankAtEnd ? detail::ScanInt<true>(p, end, value)
                                          : detail::ScanInt<false>(p, end, value);
            if (!next) break;
            *slot++ = value;
            p = detail::SkipCommaAt(next, end);
            if (slot == slotEnd) break;
        }
        used = size_t(slot - buffer.data());
        if (used == buffer.size()) buffer.resize(2 * used);
        if (p != data + position) {
            position = int(p - data);
            continue;
        }
        if (TakeCommaWord(text_, position)) continue;
        const int before = position;
        std::string_view word = ListWord(text_, position);
        int value;
        if (ListInt(word, value)) {
            buffer[used++] = value;
            if (used == buffer.size()) buffer.resize(2 * used);
        } else if (word == "]") {
            break;
        } else if (word == "}") {  // the list was never closed
            position = before;
            break;
        } else if (word != ",") {
            LogWord("There must be some mistake in Data about IndexedFaceSet 01 ##", word, "##");
        }
    }
    out.assign(buffer.begin(), buffer.begin() + ptrdiff_t(used));
}

void Vrml2NodeReader::AppendTriangles(int32_t pointBase, int32_t pointLimit, bool useNormals,
                                      int32_t normalBase, const char* nodeName) {
    const std::vector<int32_t>& coords = rawCoord_;
    const std::vector<int32_t>& normals = rawNormal_;
    int shortFaces = 0;
    int outsideFaces = 0;
    size_t first = 0;
    const size_t count = coords.size();
    while (first < count) {
        // One pass finds the face's end and checks its indices.
        size_t end = first;
        bool inside = true;
        for (; end < count && coords[end] != -1; ++end)
            inside = inside && uint32_t(coords[end]) < uint32_t(std::max(pointLimit, 0));
        const size_t size = end - first;
        bool drawable = size >= 3;
        if (size > 0 && size < 3) ++shortFaces;
        if (drawable && !inside) {
            drawable = false;
            ++outsideFaces;
        }
        if (drawable)
            AppendFaceTriangles(reader_, &coords[first], size, pointBase,
                                useNormals ? &normals[first] : nullptr, normalBase);
        first = end + 1;
    }
    if (shortFaces > 0)
        Log(Format20("Needs At Least three Data POINTs ! %s faces dropped = %d", nodeName,
                     shortFaces));
    if (outsideFaces > 0)
        Log(Format20("Caution in %s ! index outside the coordinates, faces dropped = %d", nodeName,
                     outsideFaces));
}

bool Vrml2NodeReader::ReadValueNode(int& position, std::string_view nodeName,
                                    std::string_view field, std::vector<float>& values) {
    values.clear();
    std::string defName;
    std::string_view word = NextNodeWord(position, defName);
    if (word == "USE") {
        // Lists are kept by name only for these nodes, so USE finds them here.
        const auto found = valueNodes_.find(std::string(Next(position)));
        if (found != valueNodes_.end() && found->second.first == nodeName)
            values = found->second.second;
        else
            Log("Caution in IndexedFaceSet ! USE of an unknown " + std::string(nodeName));
        return !values.empty();
    }
    if (word != nodeName) {
        if (word != "NULL") SkipNodeBody(position);
        return false;
    }
    if (!ReadValueListBody(text_, position, field, values)) {
        Log("There must be some mistake in Data about " + std::string(nodeName));
        return false;
    }
    if (!defName.empty()) valueNodes_[defName] = {std::string(nodeName), values};
    return true;
}

void Vrml2NodeReader::AddFaceColours(int32_t colourRow, int32_t pointBase, int32_t pointLimit,
                                     bool clockwise, bool perVertex) {
    const std::vector<int32_t> spread = SpreadIndices(rawCoord_, rawColour_, perVertex);
    const int32_t first =
        AppendCornerColours(reader_, rawCoord_, pointBase, pointLimit, spread, palette_, clockwise);
    if (first < 0) {
        Log("Caution in IndexedFaceSet ! colour index outside the colours, colours ignored");
        return;
    }
    reader_.Row(colourRow).dataBegin = first;
    reader_.Row(colourRow).dataEnd = reader_.colorCount;
}

void Vrml2NodeReader::AddFaceTexCoords(int32_t texCoordRow, const NodeRow& coord, bool clockwise) {
    const int32_t pointLimit = (coord.dataEnd - coord.dataBegin) / 3;
    const bool given = !texPoints_.empty();
    const std::vector<float> values =
        given
            ? texPoints_
            : BoxMappedTexCoords(reader_.pointPool.data() + coord.dataBegin, pointLimit, rawCoord_);
    const std::vector<int32_t>& indices = given && !rawTexIndex_.empty() ? rawTexIndex_ : rawCoord_;
    const int32_t first = AppendCornerValues(
        reader_.texCoordPool, reader_.texCoordCount, reader_.pointPool.data(), coord.dataBegin / 3,
        rawCoord_, pointLimit, SpreadIndices(rawCoord_, indices, true), values, 2, clockwise);
    if (first < 0) {
        Log("Caution in IndexedFaceSet ! texture coordinate index outside the list, no texture");
        return;
    }
    reader_.Row(texCoordRow).dataBegin = first;
    reader_.Row(texCoordRow).dataEnd = reader_.texCoordCount;
}

int Vrml2NodeReader::SetNodeIndexedFaceSetToVrml20Array(int& position, const std::string& defName) {
    const Checkpoint entry = Save();
    ++reader_.depth;
    const FaceSetRows rows = AddFaceSetRows(kind::IndexedFaceSet2, defName);
    if (!ExpectBrace(position,
                     "There must be some Mistake in this data about { after IndexedFaceSet")) {
        RollBack(entry);
        return -1;
    }
    rawCoord_.clear();
    rawNormal_.clear();
    rawColour_.clear();
    palette_.clear();
    texPoints_.clear();
    rawTexIndex_.clear();
    bool colourPerVertex = true;
    bool coordRead = false;
    bool normalRead = false;
    bool normalPerVertex = true;
    float creaseAngle = 0;
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (word == "{") {
            Log("Caution in SetNodeIndexedFaceSetToVrml20Array 0");
        } else if (word == "coord") {
            coordRead = ReadVectorField(position, rows.coord, false) || coordRead;
        } else if (word == "normal") {
            normalRead = ReadVectorField(position, rows.normal, true) || normalRead;
        } else if (word == "coordIndex") {
            ReadIndexList(position, rawCoord_);
        } else if (word == "normalIndex") {
            ReadIndexList(position, rawNormal_);
        } else if (word == "ccw") {
            if (Next(position) == "FALSE") reader_.Row(rows.hints).dataBegin = 1;
        } else if (word == "creaseAngle") {
            ReadFloats(position, &creaseAngle, 1);
        } else if (word == "normalPerVertex") {
            normalPerVertex = Next(position) != "FALSE";
        } else if (word == "color") {
            ReadValueNode(position, "Color", "color", palette_);
            palette_.resize(palette_.size() / 3 * 3);
        } else if (word == "colorIndex") {
            ReadIndexList(position, rawColour_);
        } else if (word == "colorPerVertex") {
            colourPerVertex = Next(position) != "FALSE";
        } else if (word == "texCoord") {
            ReadValueNode(position, "TextureCoordinate", "point", texPoints_);
            texPoints_.resize(texPoints_.size() / 2 * 2);
        } else if (word == "texCoordIndex") {
            ReadIndexList(position, rawTexIndex_);
        } else if (IsIgnoredFlagField(word)) {
            SkipFieldValue(position);
        } else {
            LogWord("Caution in switch SetNodeIndexedFaceSetToVrml20Array ! cNode = ##", word,
                    "##");
            SkipFieldValue(position);
        }
    }
    if (!coordRead) {
        Log(Format20("We cannot find coord Field Value ! %d ,%d", int(rawCoord_.size()),
                     int(rawNormal_.size())));
        RollBack(entry);
        return -1;
    }
    const NodeRow coord = reader_.Row(rows.coord);
    const NodeRow normal = reader_.Row(rows.normal);
    if (normalRead) rawNormal_ = SpreadIndices(rawCoord_, rawNormal_, normalPerVertex);
    bool useNormals = normalRead && !rawNormal_.empty() && normal.dataEnd > normal.dataBegin;
    if (useNormals && !rawCoord_.empty() && !SameFaces(rawCoord_, rawNormal_)) {
        Log(Format20("Does not match point Num and Normal Num ! %d ,%d",
                     int(FannedCount(rawCoord_)), int(FannedCount(rawNormal_))));
        useNormals = false;
    }
    const int32_t normalLimit = (normal.dataEnd - normal.dataBegin) / 3;
    const int32_t bad = useNormals ? FirstIndexOutside(rawNormal_, normalLimit) : -1;
    if (bad != -1) {
        // The faces stay; they get normals made from their corners.
        Log(
            Format20("Caution in IndexedFaceSet ! normal index %d is outside the normals, normals "
                     "generated",
                     bad));
        useNormals = false;
    }
    const int32_t firstIndex = reader_.coordIndexCount;
    const int32_t firstNormalIndex = reader_.normalIndexCount;
    AppendTriangles(coord.dataBegin / 3, (coord.dataEnd - coord.dataBegin) / 3, useNormals,
                    normal.dataBegin / 3, "IndexedFaceSet");
    const bool clockwise = reader_.Row(rows.hints).dataBegin == 1;  // ccw FALSE
    if (!palette_.empty())
        AddFaceColours(rows.colour, coord.dataBegin / 3, (coord.dataEnd - coord.dataBegin) / 3,
                       clockwise, colourPerVertex);
    if (rows.texCoord >= 0) AddFaceTexCoords(rows.texCoord, coord, clockwise);
    if (clockwise) {
        VrmlReader::ReverseTriangles(reader_.coordIndexPool, firstIndex, reader_.coordIndexCount);
        VrmlReader::ReverseTriangles(reader_.normalIndexPool, firstNormalIndex,
                                     reader_.normalIndexCount);
    }
    if (!useNormals &&
        AppendCreaseNormals(reader_, firstIndex, reader_.coordIndexCount, creaseAngle)) {
        // The smooth normals become the face set's own list, so a save keeps them.
        reader_.Row(rows.normal).dataBegin =
            reader_.normalCount - 3 * (reader_.normalIndexCount - firstNormalIndex);
        reader_.Row(rows.normal).dataEnd = reader_.normalCount;
        useNormals = true;
    }
    float* block = reader_.Block(rows.faceBlock);
    block[0] = useNormals ? 1.0f : -1.0f;
    block[1] = float(firstIndex);
    block[2] = float(reader_.coordIndexCount);
    if (useNormals) {
        block[3] = float(firstNormalIndex);
        block[4] = float(reader_.normalIndexCount);
    }
    CloseGroup(rows.group);
    reader_.currentMaterial = entry.currentMaterial;
    reader_.depth = entry.depth;
    return 1;
}

}  // namespace vantor
