#include "vrml_write/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vantor {

namespace {

const char* FormatForStyle(int style) {
    switch (style) {
        case kShortStyle:
        case kFixed3Style:
            return "%3.3f";
        case kLongStyle:
        case kFixed6Style:
            return "%3.6f";
        default:
            return nullptr;
    }
}

// Writes the trimmed style text into `buffer` (at least 64 bytes) and
// returns its length.
size_t StyleText(char* buffer, float value, int style) {
    const char* format = FormatForStyle(style);
    if (!format) return buffer[0] = '\0', 0;
    int length = std::snprintf(buffer, 64, format, double(value));
    if (length < 0) return buffer[0] = '\0', 0;
    if (length > 63) length = 63;  // only for values near FLT_MAX
    if (std::memchr(buffer, '.', size_t(length))) {
        while (length > 0 && buffer[length - 1] == '0') --length;
        if (length > 0 && buffer[length - 1] == '.') --length;
    }
    buffer[length] = '\0';
    return size_t(length);
}

// Shortest plain decimal that reads back as `value`.
size_t ShortestText(char* buffer, float value) {
    auto result = std::to_chars(buffer, buffer + 63, value, std::chars_format::fixed);
    *result.ptr = '\0';
    if (ReadsBackAs(buffer, value)) return size_t(result.ptr - buffer);
    // A reader that parses as double first may round differently; nine
    // significant digits always survive both paths.
    const int length = std::snprintf(buffer, 64, "%.9g", double(value));
    return size_t(length);
}

}  // namespace

bool ReadsBackAs(const char* text, float value) {
    return std::strtof(text, nullptr) == value && float(std::strtod(text, nullptr)) == value;
}

std::string FormatNumber(float value, int style) {
    char buffer[64];
    const size_t length = StyleText(buffer, value, style);
    return std::string(buffer, length);
}

void AppendNumber(std::string& out, float value, int style) {
    char buffer[64];
    const size_t length = StyleText(buffer, value, style);
    out.append(buffer, length);
}

void AppendExactNumber(std::string& out, float value, int style) {
    char buffer[64];
    size_t length = StyleText(buffer, value, style);
    if (std::isfinite(value) && !ReadsBackAs(buffer, value)) length = ShortestText(buffer, value);
    out.append(buffer, length);
}

std::string FormatExactNumber(float value, int style) {
    std::string text;
    AppendExactNumber(text, value, style);
    return text;
}

}  // namespace vantor
