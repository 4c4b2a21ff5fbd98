// The files' own cameras: VRML 1.0 PerspectiveCamera and OrthographicCamera,
// VRML 2.0 Viewpoint. Each becomes one row with its values; geometry
// preparation places it in the world and the viewer offers it as a view.

#include <algorithm>
#include <string>
#include <string_view>

#include "scene/node_kind.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

struct CameraField {
    std::string_view word;
    int slot;  // first value in the camera block
    int count;
};

constexpr CameraField kCameraFields[] = {
    {"position", 0, 3},    {"orientation", 3, 4}, {"heightAngle", 7, 1},
    {"fieldOfView", 7, 1}, {"height", 7, 1},
};

bool IsNumberWord(std::string_view word) {
    float ignored;
    return !word.empty() && ParseFloatWord(word, ignored);
}

}  // namespace

int VrmlReader::ReadCamera(std::string_view text, int& position, int32_t nodeKind,
                           const std::string& defName) {
    // Defaults of the three nodes: at z 1 (VRML 1.0) or 10 (Viewpoint)
    // looking down -z, 45 degrees or 2 units high.
    float values[kCameraValues] = {0, 0, 1, 0, 0, 1, 0, 0.785398f};
    if (nodeKind == kind::Viewpoint) values[2] = 10;
    if (nodeKind == kind::OrthographicCamera) values[7] = 2;
    const int before = position;
    if (NextWord(text, position) != "{") {
        LogLine("There must be some Mistake in this data about { after " + KindName(nodeKind));
        position = before;
        return -1;
    }
    // Fields are read inside the node's braces only, so a malformed value
    // cannot carry the reading past its "}".
    int end = position;
    SkipBlock(text, end);
    const std::string_view body = text.substr(0, size_t(end));
    std::string description;
    while (position < end) {
        const std::string_view field = NextWord(body, position);
        if (field == "}" || field == "{") continue;
        if (field == "description") {
            description = NextWord(body, position);
            continue;
        }
        const CameraField* known = nullptr;
        for (const CameraField& candidate : kCameraFields)
            if (candidate.word == field) known = &candidate;
        if (known) {
            float read[4];
            if (GetSFVect(body, position, read, known->count, &log) == 1)
                std::copy(read, read + known->count, values + known->slot);
            continue;
        }
        // Fields without a use here (focalDistance, jump, viewportMapping):
        // a run of numbers or one word.
        int probe = position;
        const std::string_view value = NextWord(body, probe);
        if (value == "}") continue;
        position = probe;
        if (!IsNumberWord(value)) continue;
        for (probe = position; IsNumberWord(NextWord(body, probe)); probe = position)
            position = probe;
    }
    position = end;
    const int32_t block = AddValues(values, kCameraValues);
    const int32_t note =
        description.empty() ? -1 : AddTextRecord(TextRecord{18, 1, kJustifyLeft, 0, description});
    AddRow(nodeKind, currentFileIndex, tag::Value, block, note, defName);
    return 1;
}

}  // namespace vantor
