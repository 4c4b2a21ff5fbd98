#include <cstring>

#include "message_table.h"
#include "prompt/translate.h"

namespace vantor {

void UseEnglishTextTable() {
    SetTextLookup([](const char* context, const char* source) -> std::string {
        for (size_t i = 0; i < kEnglishTextCount; ++i) {
            const TranslatedText& text = kEnglishTexts[i];
            if (!std::strcmp(text.context, context) && !std::strcmp(text.source, source))
                return text.translation;
        }
        return source;
    });
}

}  // namespace vantor
