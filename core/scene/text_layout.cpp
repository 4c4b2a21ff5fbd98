#include "scene/text_layout.h"

#include <algorithm>

namespace vantor {

namespace {

// Advances of Arial (and the metric-compatible Liberation Sans) for the
// printable ASCII characters from the blank on, in ems.
constexpr float kAsciiAdvance[95] = {
    0.278f, 0.278f, 0.355f, 0.556f, 0.556f, 0.889f, 0.667f, 0.191f, 0.333f, 0.333f, 0.389f, 0.584f,
    0.278f, 0.333f, 0.278f, 0.278f, 0.556f, 0.556f, 0.556f, 0.556f, 0.556f, 0.556f, 0.556f, 0.556f,
    0.556f, 0.556f, 0.278f, 0.278f, 0.584f, 0.584f, 0.584f, 0.556f, 1.015f, 0.667f, 0.667f, 0.722f,
    0.722f, 0.667f, 0.611f, 0.778f, 0.722f, 0.278f, 0.500f, 0.667f, 0.556f, 0.833f, 0.722f, 0.778f,
    0.667f, 0.778f, 0.722f, 0.667f, 0.611f, 0.722f, 0.667f, 0.944f, 0.667f, 0.667f, 0.611f, 0.278f,
    0.278f, 0.278f, 0.469f, 0.556f, 0.333f, 0.556f, 0.556f, 0.500f, 0.556f, 0.556f, 0.278f, 0.556f,
    0.556f, 0.222f, 0.222f, 0.500f, 0.222f, 0.833f, 0.556f, 0.556f, 0.556f, 0.556f, 0.333f, 0.500f,
    0.278f, 0.556f, 0.500f, 0.722f, 0.500f, 0.500f, 0.500f, 0.334f, 0.260f, 0.334f, 0.584f};

}  // namespace

float EstimatedTextWidth(const std::string& bytes) {
    float width = 0;
    for (unsigned char c : bytes) {
        if (c >= ' ' && c < 0x7F)
            width += kAsciiAdvance[c - ' '];
        else if (c >= 0xC0)
            width += 1.0f;
    }
    return width;
}

std::vector<TextLine> LayOutText(const TextRecord& record, const TextWidth& width) {
    // Only the record's byte count is drawn.
    const size_t count = std::min(record.string.size(), size_t(std::max(0, record.size)));
    const std::string drawn = record.string.substr(0, count);
    std::vector<TextLine> lines;
    size_t begin = 0;
    while (begin <= drawn.size()) {
        size_t end = drawn.find('\n', begin);
        if (end == std::string::npos) end = drawn.size();
        TextLine line;
        line.bytes = drawn.substr(begin, end - begin);
        if (!line.bytes.empty() && line.bytes.back() == '\r') line.bytes.pop_back();
        line.width = width(line.bytes);
        if (record.justification == kJustifyCenter)
            line.x = -line.width / 2;
        else if (record.justification == kJustifyRight)
            line.x = -line.width;
        line.y = -float(lines.size()) * record.lineSpacing;
        lines.push_back(std::move(line));
        begin = end + 1;
    }
    return lines;
}

}  // namespace vantor
