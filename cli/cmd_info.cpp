#include <cfloat>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "commands.h"
#include "import/model_import.h"
#include "prompt/prompt.h"
#include "scene/node_kind.h"
#include "vrml_read/vrml_reader.h"

namespace vantor::cli {

namespace {

struct ReadOptions {
    bool json = false;
    std::string logPath = "data_reading.log";
    std::vector<std::string> files;
};

// Parses [--json] [--log PATH] FILE...; false on a bad option.
bool ParseOptions(const Args& args, bool allowJson, ReadOptions& options) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (allowJson && args[i] == "--json") {
            options.json = true;
        } else if (args[i] == "--log" && i + 1 < args.size()) {
            options.logPath = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-' && args[i] != "-") {
            return false;
        } else {
            options.files.push_back(args[i]);
        }
    }
    return !options.files.empty();
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out += escaped;
                } else {
                    out += char(c);
                }
        }
    }
    return out + "\"";
}

bool HasBounds(const SceneData& scene) {
    return scene.bounds[0] <= scene.bounds[1];
}

std::string BoundsText(const SceneData& scene, bool json) {
    if (!HasBounds(scene)) return json ? "null" : "none";
    std::string text = json ? "[" : "";
    for (int i = 0; i < 6; ++i) {
        char number[32];
        std::snprintf(number, sizeof number, "%.9g", double(scene.bounds[i]));
        if (i > 0) text += json ? "," : " ";
        text += number;
    }
    return json ? text + "]" : text;
}

void PrintInfo(const std::string& file, const VrmlReader& reader, double readMs, bool json) {
    const long points = reader.pointCount / 3;
    const long normals = reader.normalCount / 3;
    const long triangles = reader.coordIndexCount / 3;
    const long materials = reader.IsEmpty() ? 0 : reader.materialCount + 1;
    const long colours = reader.colorCount / 3;       // one per coloured triangle corner
    const long texCoords = reader.texCoordCount / 2;  // likewise for textured corners
    const int logLines = reader.log.linesWritten();
    if (json) {
        std::printf(
            "{\"file\":%s,\"version\":%d,\"files\":%d,\"nodes\":%d,\"points\":%ld,"
            "\"normals\":%ld,\"triangles\":%ld,\"lineIndices\":%d,\"materials\":%ld,"
            "\"cornerColours\":%ld,\"textures\":%d,\"texCoords\":%ld,"
            "\"bounds\":%s,\"logLines\":%d,\"readMs\":%.3f}\n",
            JsonString(file).c_str(), reader.version, reader.fileCount, reader.nodeCount, points,
            normals, triangles, reader.lineCoordIndexCount, materials, colours, reader.textureCount,
            texCoords, BoundsText(reader, true).c_str(), logLines, readMs);
        return;
    }
    std::printf("file: %s\n", file.c_str());
    std::printf("version: %d\n", reader.version);
    std::printf("fileCount: %d\n", reader.fileCount);
    std::printf("nodeCount: %d\n", reader.nodeCount);
    std::printf("points: %ld\n", points);
    std::printf("normals: %ld\n", normals);
    std::printf("triangles: %ld\n", triangles);
    std::printf("lineIndices: %d\n", reader.lineCoordIndexCount);
    std::printf("materials: %ld\n", materials);
    std::printf("cornerColours: %ld\n", colours);
    std::printf("textures: %d\n", reader.textureCount);
    std::printf("texCoords: %ld\n", texCoords);
    std::printf("bounds: %s\n", BoundsText(reader, false).c_str());
    std::printf("logLines: %d\n", logLines);
    std::printf("readMs: %.3f\n\n", readMs);
}

}  // namespace

// Reads each FILE as the viewer opens a document and prints its counts.
int RunInfo(const Args& args) {
    ReadOptions options;
    if (!ParseOptions(args, true, options)) {
        std::fputs("usage: korvalde-cli info [--json] [--log PATH] FILE...\n", stderr);
        return 2;
    }
    StderrPrompt prompt;
    int status = 0;
    for (const std::string& file : options.files) {
        VrmlReader reader;
        const auto start = std::chrono::steady_clock::now();
        const int result = ReadModelFile(reader, file, prompt, options.logPath);
        const double readMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        PrintInfo(file, reader, readMs, options.json);
        std::fflush(stdout);
        if (result != 1) status = 1;
    }
    return status;
}

// Prints the node table after reading and geometry preparation.
int RunDump(const Args& args) {
    ReadOptions options;
    if (!ParseOptions(args, false, options) || options.files.size() != 1) {
        std::fputs("usage: korvalde-cli dump [--log PATH] FILE\n", stderr);
        return 2;
    }
    StderrPrompt prompt;
    VrmlReader reader;
    const int result = ReadModelFile(reader, options.files[0], prompt, options.logPath);
    for (int32_t i = 0; i < reader.nodeCount; ++i) {
        const NodeRow& row = reader.Row(i);
        std::printf("%d\t%d\t%d\t%d\t%d\t%d\t%s\t%s\n", i, row.kind, row.fileIndex, row.tag,
                    row.dataBegin, row.dataEnd, KindName(row.kind).c_str(),
                    reader.nodeDefNames[size_t(i)].c_str());
    }
    return result == 1 ? 0 : 1;
}

}  // namespace vantor::cli
