// Geometry nodes of VRML 1.0: point and normal lists, face sets, line sets
// and point sets. Face indices are checked against the governing lists
// here, so later drawing and writing never index outside the pools.

#include <string>
#include <utility>

#include "scene/crease_normals.h"
#include "scene/node_kind.h"
#include "vrml_read/face_colours.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

struct PointListWords {
    const char* field;
    const char* noBrace;
    const char* badField;
    const char* badValue;
    const char* partial;
};

constexpr PointListWords kCoordinateWords = {
    "point", "There must be some mistake in Data about Coordinate3 ",
    "There must be some mistake in Data about Coodinate3 12 ch1 = ##",
    "There must be some mistake in Data about Coodinate3 12 ch1 = ##",
    "There must be DEEP mistake in Data about Coordinate3 "};

constexpr PointListWords kNormalWords = {
    "vector", "There must be some mistake in Data about Normal 01",
    "There must be some mistake in Data about Normal 11 ch1 = ##",
    "There must be some mistake in Data about Normal 12 ch1 = ##",
    "There must be DEEP mistake in Data about Normal jd<0"};

// Reads an index list whose "[" may or may not have been read: a bracketed
// list up to "]", or a single value. Non-numbers are logged and skipped.
void ReadRawIndices(VrmlReader& reader, std::string_view text, int& position,
                    std::vector<int32_t>& out, const char* badWord) {
    out.clear();
    const int length = int(text.size());
    const int before = position;
    if (NextWord(text, position) != "[") {
        position = before;
        int value = 0;
        std::string_view word = NextWord(text, position);
        if (ParseIntWord(word, value))
            out.push_back(value);
        else
            reader.LogWord(badWord, word, "##");
        return;
    }
    while (position < length) {
        int value = 0;
        if (TakeIntWord(text, position, value)) {
            out.push_back(value);
            TakeCommaWord(text, position);  // the usual separator, skipped right away
            continue;
        }
        if (TakeCommaWord(text, position)) continue;
        std::string_view word = NextWord(text, position);
        if (word == "]") break;
        if (word == ",") continue;
        if (ParseIntWord(word, value))
            out.push_back(value);
        else
            reader.LogWord(badWord, word, "##");
    }
}

// Drops one trailing -1 so that "0 1 2 -1" and "0 1 2" compare equal.
size_t UsedLength(const std::vector<int32_t>& list) {
    return (!list.empty() && list.back() == -1) ? list.size() - 1 : list.size();
}

bool SameFaceLayout(const std::vector<int32_t>& a, const std::vector<int32_t>& b) {
    const size_t n = UsedLength(a);
    if (n != UsedLength(b)) return false;
    for (size_t i = 0; i < n; ++i)
        if ((a[i] == -1) != (b[i] == -1)) return false;
    return true;
}

std::string FaceText(const char* before, int32_t index, const char* after) {
    return std::string(before) + std::to_string(index) + after;
}

}  // namespace

void VrmlReader::ReverseTriangles(Pool<int32_t>& pool, int32_t first, int32_t end) {
    for (int32_t t = first; t + 2 < end; t += 3) std::swap(pool[t], pool[t + 2]);
}

int32_t FirstIndexOutside(const std::vector<int32_t>& list, int32_t limit) {
    for (int32_t index : list)
        if (index != -1 && (index < 0 || index >= limit)) return index;
    return -1;
}

int VrmlReader::ReadPointList(std::string_view text, int& position, int32_t nodeKind,
                              const std::string& defName) {
    const bool isNormal = nodeKind == kind::Normal;
    const PointListWords& words = isNormal ? kNormalWords : kCoordinateWords;
    Pool<float>& pool = isNormal ? normalPool : pointPool;
    int32_t& count = isNormal ? normalCount : pointCount;
    const int length = int(text.size());

    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine(words.noBrace);
        position = before;
        return -1;
    }
    const int32_t begin = count;
    int pending = 0;  // values of an unfinished vector
    auto addValue = [&](std::string_view word) {
        float value = 0;
        if (!ParseFloatWord(word, value)) {
            LogWord(words.badValue, word, "##");
            return;
        }
        pool.Ensure(int64_t(count) + 1);
        pool[count++] = value;
        pending = (pending + 1) % 3;
    };
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        if (field != words.field) {
            LogWord(words.badField, field, "##");
            continue;
        }
        const int listStart = position;
        if (NextWord(text, position) == "[") {
            while (position < length) {
                float value = 0;
                if (TakeFloatWord(text, position, value)) {
                    pool.Ensure(int64_t(count) + 1);
                    pool[count++] = value;
                    pending = (pending + 1) % 3;
                    continue;
                }
                if (TakeCommaWord(text, position)) continue;
                std::string_view word = NextWord(text, position);
                if (word == "]") break;
                if (word != ",") addValue(word);
            }
        } else {
            position = listStart;
            for (int i = 0; i < 3 && position < length; ++i) addValue(NextWord(text, position));
        }
        if (pending != 0) {
            // An incomplete vector would shift every later one.
            LogLine(words.partial);
            count -= pending;
            pending = 0;
        }
    }
    AddRow(nodeKind, currentFileIndex, tag::Value, begin, count, defName);
    return 1;
}

void VrmlReader::ReadFaceIndexList(std::string_view text, int& position, Pool<int32_t>& pool,
                                   int32_t& count, int32_t base, int32_t limit) {
    ReadRawIndices(*this, text, position, rawCoordIndices_,
                   "There must be some mistake in Data about IndexedFaceSet 01 ##");
    rawNormalIndices_.clear();
    const std::vector<int32_t>& list = rawCoordIndices_;
    const size_t n = list.size();
    size_t start = 0;
    while (start < n) {
        size_t end = start;
        while (end < n && list[end] != -1) ++end;
        const size_t size = end - start;
        bool usable = size >= 3;
        if (size > 0 && size < 3) LogLine("Needs At Least three Data POINTs ! ");
        for (size_t i = start; usable && i < end; ++i) {
            if (list[i] < 0 || list[i] >= limit) {
                LogLine(FaceText("Caution in IndexedFaceSet index ##", list[i],
                                 "## is outside the point list; face dropped"));
                usable = false;
            }
        }
        if (usable) {
            pool.Ensure(int64_t(count) + 3 * int64_t(size - 2));
            const int32_t first = list[start] + base;
            for (size_t k = start + 2; k < end; ++k) {
                pool[count++] = first;
                pool[count++] = list[k - 1] + base;
                pool[count++] = list[k] + base;
            }
        }
        start = end + 1;
    }
}

int VrmlReader::OpenIndexedSet(std::string_view text, int& position, const char* node,
                               int32_t& coordRow, int32_t& normalRow) {
    coordRow = FindGoverningRow(kind::Coordinate3);
    if (coordRow < 0) {
        LogLine("We cannt find coordinate3 Node in File ##" + CurrentFileName() + "## for " + node);
        if (NextWord(text, position) == "{") SkipBlock(text, position);
        return -1;
    }
    normalRow = FindGoverningRow(kind::Normal);
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine(std::string("There must be some Mistake in this data about { after ") + node);
        position = before;
        return -1;
    }
    return 1;
}

void VrmlReader::AddPaletteColours(const std::vector<int32_t>& faces, int32_t pointLimit,
                                   const std::vector<int32_t>& materialIndices) {
    const std::string_view binding = faceHints.materialBinding;
    if (!binding.starts_with("PER_")) return;  // one material for the whole set
    const bool indexed = binding.ends_with("_INDEXED");
    const bool perVertex = binding.starts_with("PER_VERTEX");
    std::vector<int32_t> indices = indexed ? materialIndices : std::vector<int32_t>();
    if (perVertex && !indexed) {
        // Material after material, vertex after vertex.
        int32_t next = 0;
        for (int32_t index : faces) indices.push_back(index == -1 ? -1 : next++);
    }
    const int32_t first =
        AppendCornerColours(*this, faces, pointLimit, SpreadIndices(faces, indices, perVertex),
                            diffusePalette_, vertexOrdering != -1);
    if (first < 0) {
        LogLine("Caution in IndexedFaceSet material index outside the materials; colours ignored");
        return;
    }
    AddRow(kind::Color, currentFileIndex, tag::Value, first, colorCount);
}

int VrmlReader::ReadIndexedFaceSet(std::string_view text, int& position,
                                   const std::string& defName) {
    int32_t coordRow = -1, normalRow = -1;
    if (OpenIndexedSet(text, position, "IndexedFaceSet", coordRow, normalRow) < 0) return -1;
    const NodeRow& coords = Row(coordRow);
    const int32_t pointBase = coords.dataBegin / 3;
    const int32_t pointLimit = (coords.dataEnd - coords.dataBegin) / 3;
    int32_t normalBase = 0;
    int32_t normalLimit = 0;
    if (normalRow >= 0) {
        normalBase = Row(normalRow).dataBegin / 3;
        normalLimit = (Row(normalRow).dataEnd - Row(normalRow).dataBegin) / 3;
    }

    std::vector<int32_t> coordList;
    std::vector<int32_t> normalList;
    std::vector<int32_t> materialList;
    std::vector<int32_t> texList;
    coordList.swap(rawCoordIndices_);
    normalList.swap(rawNormalIndices_);
    coordList.clear();
    normalList.clear();
    bool haveNormals = false;
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        if (field == "coordIndex") {
            ReadRawIndices(*this, text, position, coordList,
                           "There must be some mistake in Data about IndexedFaceSet 01 ##");
        } else if (field == "normalIndex") {
            if (normalRow >= 0) {
                ReadRawIndices(*this, text, position, normalList,
                               "There must be some mistake in Data about IndexedFaceSet 01 ##");
                haveNormals = true;
            } else {
                LogLine("We cannt find Normal Node in File ##" + CurrentFileName() +
                        "## for IndexedFaceSet");
                if (NextWord(text, position) == "[") SkipList(text, position);
            }
        } else if (field == "materialIndex") {
            ReadRawIndices(*this, text, position, materialList,
                           "There must be some mistake in Data about IndexedFaceSet 01 ##");
        } else if (field == "textureCoordIndex") {
            ReadRawIndices(*this, text, position, texList,
                           "There must be some mistake in Data about IndexedFaceSet 01 ##");
        } else {
            LogLine("iField = " + std::to_string(FieldCodeForName(field)));
            LogWord("There must be some mistake in Data about IndexedFaceSet 02 ##", field, "");
        }
    }
    if (!haveNormals && normalRow >= 0 && faceHints.normalsPerVertex) {
        // Bound per vertex without normalIndex: the normals follow the coordinates.
        normalList = coordList;
        haveNormals = true;
    }
    if (haveNormals && !SameFaceLayout(coordList, normalList)) {
        // Normal triangles must pair with coordinate triangles one to one.
        LogLine("Caution in IndexedFaceSet normalIndex does not match coordIndex; normals ignored");
        haveNormals = false;
    }
    if (haveNormals) {
        const int32_t bad = FirstIndexOutside(normalList, normalLimit);
        if (bad != -1) {
            // The faces stay; they get normals made from their corners.
            LogLine(FaceText("Caution in IndexedFaceSet normal index ##", bad,
                             "## is outside the normal list; normals generated"));
            haveNormals = false;
        }
    }

    const int32_t c0 = coordIndexCount;
    const int32_t k0 = normalIndexCount;
    const size_t n = coordList.size();
    size_t start = 0;
    while (start < n) {
        size_t end = start;
        while (end < n && coordList[end] != -1) ++end;
        const size_t size = end - start;
        bool usable = size >= 3;
        if (size > 0 && size < 3) LogLine("Needs At Least three Data POINTs ! ");
        for (size_t i = start; usable && i < end; ++i) {
            if (coordList[i] < 0 || coordList[i] >= pointLimit) {
                LogLine(FaceText("Caution in IndexedFaceSet index ##", coordList[i],
                                 "## is outside the point list; face dropped"));
                usable = false;
            }
        }
        if (usable) {
            const int64_t triangles = int64_t(size - 2);
            coordIndexPool.Ensure(int64_t(coordIndexCount) + 3 * triangles);
            int32_t* out = &coordIndexPool[0];
            const int32_t first = coordList[start] + pointBase;
            for (size_t k = start + 2; k < end; ++k) {
                out[coordIndexCount++] = first;
                out[coordIndexCount++] = coordList[k - 1] + pointBase;
                out[coordIndexCount++] = coordList[k] + pointBase;
            }
            if (haveNormals) {
                normalIndexPool.Ensure(int64_t(normalIndexCount) + 3 * triangles);
                int32_t* normalOut = &normalIndexPool[0];
                const int32_t firstNormal = normalList[start] + normalBase;
                for (size_t k = start + 2; k < end; ++k) {
                    normalOut[normalIndexCount++] = firstNormal;
                    normalOut[normalIndexCount++] = normalList[k - 1] + normalBase;
                    normalOut[normalIndexCount++] = normalList[k] + normalBase;
                }
            }
        }
        start = end + 1;
    }
    if (faceHints.texture >= 0) AddTextureCoordinates(coordList, pointBase, pointLimit, texList);
    if (paletteMaterial_ == currentMaterial) AddPaletteColours(coordList, pointLimit, materialList);
    coordList.swap(rawCoordIndices_);
    normalList.swap(rawNormalIndices_);
    if (vertexOrdering != -1) {
        ReverseTriangles(coordIndexPool, c0, coordIndexCount);
        ReverseTriangles(normalIndexPool, k0, normalIndexCount);
    }

    if (!haveNormals && AppendCreaseNormals(*this, c0, coordIndexCount, faceHints.creaseAngle)) {
        // Written back as the face set's own normals; a VRML 2.0 kind, so
        // later face sets do not take it for their governing Normal.
        const int32_t first = normalCount - 3 * (normalIndexCount - k0);
        AddRow(kind::Normal2, currentFileIndex, tag::Value, first, normalCount);
        haveNormals = true;
    }
    const float block[5] = {haveNormals ? 1.0f : -1.0f, float(c0), float(coordIndexCount),
                            float(k0), float(normalIndexCount)};
    const int32_t v = AddValues(block, 5);
    AddRow(kind::IndexedFaceSet, currentFileIndex, tag::Shown, v, v + 4, defName);
    return 1;
}

int VrmlReader::ReadIndexedLineSet(std::string_view text, int& position,
                                   const std::string& defName) {
    int32_t coordRow = -1, normalRow = -1;
    if (OpenIndexedSet(text, position, "IndexedLineSet", coordRow, normalRow) < 0) return -1;
    // Writes polylines of `list` to `pool`, each index + base and each
    // polyline closed by -1; a polyline with an index outside [0, limit)
    // is dropped.
    auto writePolylines = [&](const std::vector<int32_t>& list, Pool<int32_t>& pool, int32_t& count,
                              int32_t base, int32_t limit) {
        const size_t n = list.size();
        size_t start = 0;
        while (start < n) {
            size_t end = start;
            while (end < n && list[end] != -1) ++end;
            bool usable = end > start;
            for (size_t i = start; usable && i < end; ++i) {
                if (list[i] < 0 || list[i] >= limit) {
                    LogLine(FaceText("Caution in IndexedLineSet index ##", list[i],
                                     "## is outside its list; polyline dropped"));
                    usable = false;
                }
            }
            if (usable) {
                pool.Ensure(int64_t(count) + int64_t(end - start) + 1);
                for (size_t i = start; i < end; ++i) pool[count++] = list[i] + base;
                pool[count++] = -1;
            }
            start = end + 1;
        }
    };

    const NodeRow& coords = Row(coordRow);
    const int32_t l0 = lineCoordIndexCount;
    const int32_t n0 = lineNormalIndexCount;
    bool haveNormals = false;
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        if (field == "coordIndex") {
            ReadRawIndices(*this, text, position, rawCoordIndices_,
                           "There must be some mistake in Data about IndexedFaceSet 03 ##");
            writePolylines(rawCoordIndices_, lineCoordIndexPool, lineCoordIndexCount,
                           coords.dataBegin / 3, (coords.dataEnd - coords.dataBegin) / 3);
        } else if (field == "normalIndex") {
            if (normalRow < 0) {
                LogLine("We cannt find Normal Node in File ##" + CurrentFileName() +
                        "## for IndexedLineSet");
                if (NextWord(text, position) == "[") SkipList(text, position);
                continue;
            }
            const NodeRow& normals = Row(normalRow);
            ReadRawIndices(*this, text, position, rawNormalIndices_,
                           "There must be some mistake in Data about Norm IndexedLineSet ");
            writePolylines(rawNormalIndices_, lineNormalIndexPool, lineNormalIndexCount,
                           normals.dataBegin / 3, (normals.dataEnd - normals.dataBegin) / 3);
            haveNormals = lineNormalIndexCount > n0;
        } else if (field == "materialIndex" || field == "textureCoordIndex") {
            if (NextWord(text, position) == "[") SkipList(text, position);
        } else {
            LogWord("There must be some mistake in Data about IndexedFaceSet 03 ##", field, "##");
        }
    }
    const float block[5] = {haveNormals ? 1.0f : -1.0f, float(l0), float(lineCoordIndexCount),
                            float(n0), float(lineNormalIndexCount)};
    const int32_t v = AddValues(block, 5);
    AddRow(kind::IndexedLineSet, currentFileIndex, tag::Shown, v, v + 4, defName);
    return 1;
}

int VrmlReader::ReadPointSet(std::string_view text, int& position, const std::string& defName) {
    const int32_t coordRow = FindGoverningRow(kind::Coordinate3);
    if (coordRow < 0) {
        LogLine("We cannt find coordinate3 Node in File ##" + CurrentFileName() +
                "## for PointSet");
        if (NextWord(text, position) == "{") SkipBlock(text, position);
        return -1;
    }
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after PointSet");
        position = before;
        return -1;
    }
    int startIndex = 0;
    int numPoints = -1;
    const int length = int(text.size());
    while (position < length) {
        std::string_view field = NextWord(text, position);
        if (field == "}") break;
        int* target = field == "startIndex"  ? &startIndex
                      : field == "numPoints" ? &numPoints
                                             : nullptr;
        std::string_view value = target ? NextWord(text, position) : field;
        if (!target || !ParseIntWord(value, *target))
            LogWord("There must be some mistake in Data about PointSet ##", value, "##");
    }
    // Points are counted within the governing list only, so a set never
    // reaches into the points of later lists or past the pool.
    const NodeRow& coords = Row(coordRow);
    const int32_t available = (coords.dataEnd - coords.dataBegin) / 3;
    if (startIndex < 0 || startIndex > available)
        startIndex = std::min(std::max(startIndex, 0), available);
    const int32_t remaining = available - startIndex;
    if (numPoints < 0 || numPoints > remaining) {
        if (numPoints > remaining)
            LogLine("There must be some mistake in Data about PointSet ##" +
                    std::to_string(numPoints) + "##");
        numPoints = remaining;
    }
    AddRow(kind::PointSet, currentFileIndex, tag::Value, coords.dataBegin / 3 + startIndex,
           numPoints, defName);
    return 1;
}

}  // namespace vantor
