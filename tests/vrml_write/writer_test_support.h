#pragma once
// Helpers shared by the writer tests: a writer run with fixed header lines,
// the expected header and closing lines, and expected bodies kept as files.

#include <gtest/gtest.h>

#include <string>

#include "support/scratch_folder.h"

#include "scene/scene_data.h"
#include "vrml_write/vrml_writer.h"

namespace vantor::testing {

inline std::string WriteScene(const SceneData& scene, int mode,
                              const std::string& outputFolder = "") {
    VrmlWriter writer;
    writer.SetScene(&scene);
    writer.mode = mode;
    writer.userName = "tester";
    writer.dateText = "2000/04/19:09:05:07";
    writer.outputFolder = outputFolder;
    std::string text;
    writer.WriteFile(0, scene.nodeCount, text);
    return text;
}

inline const std::string kHeader =
    "#VRML V1.0 ascii\r\n"
    "\r\n"
    "# Date :2000/04/19:09:05:07\r\n"
    "# UserName :tester\r\n"
    "DEF KORVALDE_VERSION Info { string \"2.2\" }\r\n"
    "#############   S T A R T   ##############\r\n";
inline const std::string kCurtain = "############# C U R T A I N ##############\r\n";

// One node line: indentation, text, four trailing blanks, CR LF.
inline std::string L(const std::string& text, int level = 0) {
    return std::string(size_t(level) * 2, ' ') + text + "    \r\n";
}

// The part of the output between the START and CURTAIN lines.
inline std::string Body(const std::string& text) {
    const size_t start = text.find("##############\r\n");
    const size_t end = text.rfind(kCurtain);
    if (start == std::string::npos || end == std::string::npos) return "<no body>";
    const size_t from = start + 16;
    return text.substr(from, end - from);
}

// The expected body in tests/inputs/vrml_write/golden/<name>.txt, one node
// line per text line (the writer ends each with four blanks and CR LF).
// A missing file is written from `actual` for review, and the check fails.
inline void ExpectGolden(const std::string& actual, const std::string& name) {
    const std::string path =
        std::string(VANTOR_TEST_INPUTS) + "/vrml_write/golden/" + name + ".txt";
    const std::string lines = ReadText(path);
    if (lines.empty()) {
        std::string plain;
        for (size_t at = 0, end; (end = actual.find("    \r\n", at)) != std::string::npos;
             at = end + 6)
            plain += actual.substr(at, end - at) + "\n";
        WriteText(path, plain);
        ADD_FAILURE() << "no expected text; wrote " << path;
        return;
    }
    std::string expected;
    for (size_t at = 0, end; (end = lines.find('\n', at)) != std::string::npos; at = end + 1)
        expected += L(lines.substr(at, end - at));
    EXPECT_EQ(actual, expected) << "expected text in " << path;
}

}  // namespace vantor::testing
