#pragma once
// Number texts of the VRML 1.0 writer.

#include <string>

namespace vantor {

// Styles of FormatNumber: 0 short, 1 long, 2 "%3.3f", 3 "%3.6f".
enum NumberStyle { kShortStyle = 0, kLongStyle = 1, kFixed3Style = 2, kFixed6Style = 3 };

// Formats with the style's printf format and strips trailing "0"s and then
// one trailing ".": 1.500000 -> "1.5", 2.000 -> "2", -0.000 -> "-0".
// An unknown style gives an empty text.
std::string FormatNumber(float value, int style);

// Appends FormatNumber(value, style) to `out` without a temporary string.
void AppendNumber(std::string& out, float value, int style);

// Appends the style's text when it reads back as exactly `value`, otherwise
// the shortest plain decimal that does ("0.0004" rather than "0"). Used for
// coordinates and translations, which must survive a save unchanged.
void AppendExactNumber(std::string& out, float value, int style);
std::string FormatExactNumber(float value, int style);

// True when `text` reads back as `value` both through strtof and through
// strtod followed by a float cast (readers use either).
bool ReadsBackAs(const char* text, float value);

}  // namespace vantor
