#pragma once
// Where the lines of a text go, shared by drawing, picking and the bounds:
// the drawn bytes break into lines at line breaks (a bracketed string list
// is joined with them), each line moves one spacing down and sits left of,
// around or right of the origin by its justification. Units are ems; the
// caller scales by the record's font size.

#include <functional>
#include <string>
#include <vector>

#include "scene/scene_data.h"

namespace vantor {

struct TextLine {
    std::string bytes;
    float x = 0;
    float y = 0;
    float width = 0;
};

// Width in ems of one line's bytes, as the caller's font draws them.
using TextWidth = std::function<float(const std::string& bytes)>;

std::vector<TextLine> LayOutText(const TextRecord& record, const TextWidth& width);

// Width of a line in the outline font's (Arial's) advances: ASCII by its
// own advance, every other character (one per UTF-8 lead byte) a full em,
// control bytes nothing. For callers without the font, such as the bounds.
float EstimatedTextWidth(const std::string& bytes);

}  // namespace vantor
