// ElevationGrid, IndexedLineSet and PointSet of VRML 2.0.

#include <cstdint>

#include "scene/node_kind.h"
#include "vrml_read/vrml2_node_reader.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

bool IsIgnoredGridField(std::string_view word) {
    return word == "color" || word == "normal" || word == "texCoord" || word == "colorPerVertex" ||
           word == "normalPerVertex" || word == "creaseAngle" || word == "solid";
}

}  // namespace

int Vrml2NodeReader::SetNodeElevationGridToVrml20Array(int& position, const std::string& defName) {
    const Checkpoint entry = Save();
    ++reader_.depth;
    const FaceSetRows rows = AddFaceSetRows(kind::ElevationGrid, defName);
    if (!ExpectBrace(position,
                     "There must be some Mistake in this data about { after ElevationGrid")) {
        RollBack(entry);
        return -1;
    }
    heights_.clear();
    int xDimension = 0;
    int zDimension = 0;
    float xSpacing = 1;
    float zSpacing = 1;
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (word == "{") {
            Log("Caution in SetNodeElevationGridToVrml20Array 0");
        } else if (word == "height") {
            heights_.clear();
            const int start = position;
            if (Next(position) == "[") {
                while (!AtEnd(position)) {
                    const int before = position;
                    std::string_view value = Next(position);
                    float height;
                    if (ParseFloatWord(value, height)) {
                        heights_.push_back(height);
                    } else if (value == "]") {
                        break;
                    } else if (value == "}") {
                        position = before;
                        break;
                    }
                }
            } else {
                position = start;
                float height;
                if (ParseFloatWord(Peek(position), height)) {
                    Next(position);
                    heights_.push_back(height);
                }
            }
        } else if (word == "xDimension" || word == "zDimension") {
            std::string_view value = Next(position);
            int& dimension = word[0] == 'x' ? xDimension : zDimension;
            if (!ParseIntWord(value, dimension))
                LogWord(
                    word[0] == 'x'
                        ? "Caution in switch SetNodeElevationGridToVrml20Array ! XDimension = ##"
                        : "Caution in switch SetNodeElevationGridToVrml20Array ! ZDimension = ##",
                    value, "##");
        } else if (word == "xSpacing" || word == "zSpacing") {
            std::string_view value = Next(position);
            float& spacing = word[0] == 'x' ? xSpacing : zSpacing;
            if (!ParseFloatWord(value, spacing))
                LogWord(word[0] == 'x'
                            ? "Caution in switch SetNodeElevationGridToVrml20Array ! XSpacing = ##"
                            : "Caution in switch SetNodeElevationGridToVrml20Array ! ZSpacing = ##",
                        value, "##");
        } else if (word == "ccw") {
            if (Next(position) == "FALSE") reader_.Row(rows.hints).dataBegin = 1;
        } else if (IsIgnoredGridField(word)) {
            SkipFieldValue(position);
        } else {
            LogWord("Caution in switch SetNodeElevationGridToVrml20Array ! cNode = ##", word, "##");
            SkipFieldValue(position);
        }
    }
    if (heights_.empty()) {
        Log("We cannot find hight Field Value !");
        RollBack(entry);
        return -1;
    }
    if (xDimension < 0 || zDimension < 0 ||
        int64_t(heights_.size()) != int64_t(xDimension) * zDimension) {
        Log(Format20(
            "Does not mach value in hight Field num = %d iXDimension = %d iZDimension = %d",
            int(heights_.size()), xDimension, zDimension));
        RollBack(entry);
        return -1;
    }
    const int32_t firstFloat = reader_.pointCount;
    reader_.EnsurePoints(int64_t(firstFloat) + 3 * int64_t(heights_.size()));
    for (int z = 0; z < zDimension; ++z) {
        for (int x = 0; x < xDimension; ++x) {
            reader_.pointPool[reader_.pointCount++] = float(x) * xSpacing;
            reader_.pointPool[reader_.pointCount++] = heights_[size_t(z) * xDimension + x];
            reader_.pointPool[reader_.pointCount++] = float(z) * zSpacing;
        }
    }
    reader_.pointStart = firstFloat;
    reader_.Row(rows.coord).dataBegin = firstFloat;
    reader_.Row(rows.coord).dataEnd = reader_.pointCount;
    const int32_t firstPoint = firstFloat / 3;
    const int32_t firstIndex = reader_.coordIndexCount;
    for (int z = 0; z + 1 < zDimension; ++z) {
        for (int x = 0; x + 1 < xDimension; ++x) {
            const int32_t k = firstPoint + z * xDimension + x;
            const int32_t triangles[6] = {k,     k + xDimension, k + 1,
                                          k + 1, k + xDimension, k + xDimension + 1};
            reader_.EnsureCoordIndices(int64_t(reader_.coordIndexCount) + 6);
            for (int32_t index : triangles)
                reader_.coordIndexPool[reader_.coordIndexCount++] = index;
        }
    }
    if (reader_.Row(rows.hints).dataBegin == 1)  // ccw FALSE
        VrmlReader::ReverseTriangles(reader_.coordIndexPool, firstIndex, reader_.coordIndexCount);
    float* block = reader_.Block(rows.faceBlock);
    block[0] = -1;
    block[1] = float(firstIndex);
    block[2] = float(reader_.coordIndexCount);
    block[3] = float(reader_.normalIndexCount);
    block[4] = float(reader_.normalIndexCount);
    CloseGroup(rows.group);
    reader_.currentMaterial = entry.currentMaterial;
    reader_.depth = entry.depth;
    return 1;
}

int Vrml2NodeReader::SetNodeIndexedLineSetToVrml20Array(int& position, const std::string& defName) {
    const Checkpoint entry = Save();
    ++reader_.depth;
    const int32_t file = reader_.currentFileIndex;
    const OpenGroup group = AddGroupRow(kind::IndexedLineSet2, 3, defName);
    const int32_t coordRow = reader_.AddRow(kind::Coordinate3, file, tag::Value, -1, -1);
    reader_.AddRow(kind::Color, file, tag::Value, -9998, -9999);
    const float unset[5] = {-1, -1, -1, -1, -1};
    const int32_t block = reader_.AddValues(unset, 5);
    reader_.AddRow(kind::IndexedLineSet, file, tag::Shown, block, block + 4);
    if (!ExpectBrace(position,
                     "There must be some Mistake in this data about { after IndexedLineSet")) {
        RollBack(entry);
        return -1;
    }
    rawCoord_.clear();
    bool coordRead = false;
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (word == "{") {
            Log("Caution in SetNodeIndexedLineSetToVrml20Array 0");
        } else if (word == "coord") {
            coordRead = ReadVectorField(position, coordRow, false) || coordRead;
        } else if (word == "coordIndex") {
            ReadIndexList(position, rawCoord_);
        } else if (word == "color" || word == "colorIndex" || word == "colorPerVertex") {
            SkipFieldValue(position);
        } else {
            LogWord("Caution in switch SetNodeIndexedLineSetToVrml20Array ! cNode = ##", word,
                    "##");
            SkipFieldValue(position);
        }
    }
    if (!coordRead) {
        Log("We cannot find coord Field Value !");
        RollBack(entry);
        return -1;
    }
    const NodeRow coord = reader_.Row(coordRow);
    const int32_t base = coord.dataBegin / 3;
    const int32_t limit = (coord.dataEnd - coord.dataBegin) / 3;
    const int32_t firstIndex = reader_.lineCoordIndexCount;
    int outside = 0;
    size_t first = 0;
    while (first < rawCoord_.size()) {
        size_t end = first;
        while (end < rawCoord_.size() && rawCoord_[end] != -1) ++end;
        bool inside = true;
        for (size_t k = first; k < end; ++k)
            if (rawCoord_[k] < 0 || rawCoord_[k] >= limit) inside = false;
        if (!inside) ++outside;
        if (inside && end > first) {
            // Every polyline ends with -1, the last one included.
            reader_.EnsureLineCoordIndices(int64_t(reader_.lineCoordIndexCount) +
                                           int64_t(end - first) + 1);
            for (size_t k = first; k < end; ++k)
                reader_.lineCoordIndexPool[reader_.lineCoordIndexCount++] = rawCoord_[k] + base;
            reader_.lineCoordIndexPool[reader_.lineCoordIndexCount++] = -1;
        }
        first = end + 1;
    }
    if (outside > 0)
        Log(Format20(
            "Caution in IndexedLineSet ! index outside the coordinates, lines dropped = %d",
            outside));
    float* values = reader_.Block(block);
    values[1] = float(firstIndex);
    values[2] = float(reader_.lineCoordIndexCount);
    CloseGroup(group);
    reader_.currentMaterial = entry.currentMaterial;
    reader_.depth = entry.depth;
    return 1;
}

int Vrml2NodeReader::SetNodePointSetToVrml20Array(int& position, const std::string& defName) {
    const Checkpoint entry = Save();
    ++reader_.depth;
    const int32_t file = reader_.currentFileIndex;
    const OpenGroup group = AddGroupRow(kind::PointSet2, 3, defName);
    const int32_t coordRow = reader_.AddRow(kind::Coordinate3, file, tag::Value, -1, -1);
    reader_.AddRow(kind::Color, file, tag::Value, -9998, -9999);
    const int32_t pointRow = reader_.AddRow(kind::PointSet, file, tag::PointSet, -99, -99);
    if (!ExpectBrace(position,
                     "There must be some Mistake in this data about { after IndexedFaceSet")) {
        RollBack(entry);
        return -1;
    }
    bool coordRead = false;
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        if (word == "{") {
            Log("Caution in SetNodePointSetToVrml20Array 0");
        } else if (word == "coord") {
            coordRead = ReadVectorField(position, coordRow, false) || coordRead;
        } else if (word == "color") {
            SkipFieldValue(position);
        } else {
            LogWord("Caution in switch SetNodePointSetToVrml20Array ! cNode = ##", word, "##");
            SkipFieldValue(position);
        }
    }
    if (!coordRead) {
        Log("We cannot find coord Field Value !");
        RollBack(entry);
        return -1;
    }
    const NodeRow coord = reader_.Row(coordRow);
    reader_.Row(pointRow).dataBegin = coord.dataBegin / 3;
    reader_.Row(pointRow).dataEnd = (coord.dataEnd - coord.dataBegin) / 3;
    CloseGroup(group);
    reader_.currentMaterial = entry.currentMaterial;
    reader_.depth = entry.depth;
    return 1;
}

}  // namespace vantor
