#pragma once
// User-facing texts of code that knows no Qt (message boxes, their captions,
// status texts). They are written in Japanese, the source language, as
// Translate("Context", "text"); lupdate collects them like Qt's
// QCoreApplication::translate calls. Each program installs the lookup once at
// start: the window programs Qt's translators, korvalde-cli a table built from
// the same .ts file. Without a lookup the Japanese source is returned. Texts
// written to files (the reading log, binding files, VRML) never pass here.

#include <functional>
#include <string>
#include <string_view>

// Marks a text for lupdate where it is only named, not yet translated.
#define VANTOR_TRANSLATE_NOOP(context, text) text

namespace vantor {

using TextLookup = std::function<std::string(const char* context, const char* source)>;

// Installs the lookup; an empty one returns the sources again.
void SetTextLookup(TextLookup lookup);

// The text in the chosen language (UTF-8).
std::string Translate(const char* context, const char* source);

// `text` with "%1" replaced by `first` and "%2" by `second`.
std::string FillIn(std::string text, std::string_view first, std::string_view second = {});

// True when the locale of the environment (LC_ALL, else LC_MESSAGES, else
// LANG) is Japanese; every other or missing locale means English.
bool EnvironmentPrefersJapanese();

}  // namespace vantor
