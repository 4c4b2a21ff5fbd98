#pragma once
// The English texts of the core, made at build time from i18n/core_en.ts, for
// programs without Qt (korvalde-cli).

#include <cstddef>

namespace vantor {

struct TranslatedText {
    const char* context;
    const char* source;
    const char* translation;
};

extern const TranslatedText kEnglishTexts[];
extern const size_t kEnglishTextCount;

}  // namespace vantor

namespace vantor {

// Makes Translate() answer from the table (korvalde-cli under a non-Japanese locale).
void UseEnglishTextTable();

}  // namespace vantor
