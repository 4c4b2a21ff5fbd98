#include "prompt/translate.h"

#include <cstdlib>

namespace vantor {
namespace {

TextLookup& Lookup() {
    static TextLookup lookup;
    return lookup;
}

}  // namespace

void SetTextLookup(TextLookup lookup) {
    Lookup() = std::move(lookup);
}

std::string Translate(const char* context, const char* source) {
    return Lookup() ? Lookup()(context, source) : std::string(source);
}

std::string FillIn(std::string text, std::string_view first, std::string_view second) {
    // Both markers are found before either is replaced, so a value that
    // holds "%2" stays as it is.
    const size_t at1 = text.find("%1");
    const size_t at2 = text.find("%2");
    if (at2 != std::string::npos && (at1 == std::string::npos || at2 > at1)) {
        text.replace(at2, 2, second);
        if (at1 != std::string::npos) text.replace(at1, 2, first);
    } else {
        if (at1 != std::string::npos) text.replace(at1, 2, first);
        if (at2 != std::string::npos) text.replace(at2, 2, second);
    }
    return text;
}

bool EnvironmentPrefersJapanese() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) return std::string_view(value).rfind("ja", 0) == 0;
    }
    return false;
}

}  // namespace vantor
