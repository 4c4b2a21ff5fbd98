#include "vrml_write/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vantor {

namespace {

// Decimals of each style: 0 short and 2 "%3.3f", 1 long and 3 "%3.6f";
// -1 for an unknown style. (to_chars gives the same text as printf with
// these formats, several times faster.)
int DecimalsForStyle(int style) {
    switch (style) {
        case kShortStyle:
        case kFixed3Style:
            return 3;
        case kLongStyle:
        case kFixed6Style:
            return 6;
        default:
            return -1;
    }
}

// Writes the trimmed style text into `buffer` (at least 64 bytes) and
// returns its length.
size_t StyleText(char* buffer, float value, int style) {
    const int decimals = DecimalsForStyle(style);
    if (decimals < 0) return buffer[0] = '\0', 0;
    const auto result =
        std::to_chars(buffer, buffer + 63, double(value), std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return buffer[0] = '\0', 0;
    size_t length = size_t(result.ptr - buffer);
    if (std::memchr(buffer, '.', length)) {
        while (length > 0 && buffer[length - 1] == '0') --length;
        if (length > 0 && buffer[length - 1] == '.') --length;
    }
    buffer[length] = '\0';
    return length;
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
    const char* end = text + std::strlen(text);
    float asFloat = 0;
    double asDouble = 0;
    if (std::from_chars(text, end, asFloat).ec != std::errc()) return false;
    if (std::from_chars(text, end, asDouble).ec != std::errc()) return false;
    return asFloat == value && float(asDouble) == value;
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
