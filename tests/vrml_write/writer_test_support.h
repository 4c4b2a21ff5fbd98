#pragma once
// Helpers shared by the writer tests: a writer run with fixed header lines
// and the expected header and closing lines.

#include <string>

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

}  // namespace vantor::testing
