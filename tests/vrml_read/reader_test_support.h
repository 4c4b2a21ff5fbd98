#pragma once
// Helpers of the reader tests: reading a file written to a scratch folder with a
// scripted prompt, access to rows, blocks and the reading log, and the row
// table compared with an expected text.

#include <array>
#include <string>
#include <vector>

#include "prompt/prompt.h"
#include "scene/node_kind.h"
#include "support/scratch_folder.h"
#include "vrml_read/vrml_reader.h"

namespace vantor::testing {

const std::string kHeader1 = "#VRML V1.0 ascii\n";
const std::string kHeader2 = "#VRML V2.0 utf8\n";

// One read of a file written into a scratch folder, with its log.
struct Read {
    VrmlReader reader;
    ScriptedPrompt prompt;
    std::string log;
    int result = 0;
};

inline void ReadFile(Read& read, const ScratchFolder& folder, const std::string& text,
                     const std::string& name = "top.wrl") {
    const std::string path = folder.Write(name, text);
    read.result = read.reader.ReadVrmlFile(path, read.prompt, folder.LogPath());
    read.log = ReadText(folder.LogPath());
}

// Reads tests/inputs/vrml_read/<name>, logging into `folder`; it must read.
inline void ReadInput(Read& read, const ScratchFolder& folder, const std::string& name) {
    read.result = read.reader.ReadVrmlFile(std::string(VANTOR_TEST_INPUTS) + "/vrml_read/" + name,
                                           read.prompt, folder.LogPath());
    read.log = ReadText(folder.LogPath());
    EXPECT_EQ(read.result, 1) << name;
}

inline std::array<float, 6> Bounds(const SceneData& s) {
    return {s.bounds[0], s.bounds[1], s.bounds[2], s.bounds[3], s.bounds[4], s.bounds[5]};
}

inline bool Contains(const std::string& haystack, const std::string& needle) {
    return haystack.find(needle) != std::string::npos;
}

// Rows of one kind, in table order.
inline std::vector<int32_t> RowsOfKind(const SceneData& scene, int32_t kind) {
    std::vector<int32_t> rows;
    for (int32_t i = 0; i < scene.nodeCount; ++i)
        if (scene.Row(i).kind == kind) rows.push_back(i);
    return rows;
}

// Coordinate indices of a VRML 1.0 face set row.
inline std::vector<int32_t> FaceIndices(const SceneData& scene, int32_t row) {
    const float* block = scene.Block(scene.Row(row).dataBegin);
    std::vector<int32_t> indices;
    for (int32_t i = int32_t(block[1]); i < int32_t(block[2]); ++i)
        indices.push_back(scene.coordIndexPool[i]);
    return indices;
}

// One line a row: number, kind name and code, tag, file, data begin (for a
// group or Switch its block instead: child ranges, saved material), data end
// and DEF name.
inline std::string RowTable(const SceneData& s) {
    std::string table;
    for (int32_t i = 0; i < s.nodeCount; ++i) {
        const NodeRow& r = s.Row(i);
        const int width =
            r.kind == kind::Level                                                                ? 4
            : kind::IsSeparatorLike(r.kind) || r.kind == kind::Switch || r.kind == kind::Switch2 ? 3
            : kind::IsPlainGroup(r.kind) || r.kind == kind::VrmlData ||
                    r.kind == kind::TransformSeparator
                ? 2
                : 0;
        std::string line = std::to_string(i) + " " + KindName(r.kind) + " " +
                           std::to_string(r.kind) + " tag " + std::to_string(r.tag) + " file " +
                           std::to_string(r.fileIndex);
        if (width == 0) line += " data " + std::to_string(r.dataBegin);
        line += " end " + std::to_string(r.dataEnd);
        for (int b = 0; b < width; ++b)
            line += (b ? " " : " block ") + std::to_string(int(s.Block(r.dataBegin)[b]));
        table += line + " \"" + s.DefNameOf(i) + "\"\n";
    }
    return table;
}

// Compares the row table with tests/inputs/vrml_read/rows/<name>.txt. A
// missing file is written from the actual table for review, and the check fails.
inline void ExpectRows(const SceneData& s, const std::string& name) {
    const std::string path = std::string(VANTOR_TEST_INPUTS) + "/vrml_read/rows/" + name + ".txt";
    const std::string expected = ReadText(path);
    if (expected.empty()) {
        WriteText(path, RowTable(s));
        ADD_FAILURE() << "no expected rows; wrote " << path;
        return;
    }
    EXPECT_EQ(RowTable(s), expected) << "expected rows in " << path;
}

}  // namespace vantor::testing
