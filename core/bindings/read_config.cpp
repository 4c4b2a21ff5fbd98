#include "bindings/read_config.h"

#include "bindings/vocabulary.h"
#include "prompt/prompt.h"
#include "vrml_read/vrml_text.h"

namespace vantor {
void SkipUnopenedInfoNode(std::string_view text, int& position, std::string_view found) {
    int depth = 1;
    if (found == "}") return;
    char word[kWordBufferSize];
    while (position < int(text.size()) && depth > 0) {
        GetWord(text, position, word);
        const std::string_view token(word);
        if (token == "{") ++depth;
        if (token == "}") --depth;
    }
}

void CReadConfig::Pellowen01(std::string_view raw, Prompt* prompt) {
    VrmlText prepared;
    prepared.Assign(raw);
    OmmitCommentFromVrml0(prepared);
    const std::string_view text = prepared.view();

    for (Entry& entry : entries_) entry = {};
    m_iNodeMax = 0;
    droppedNodes = 0;

    int position = 0;
    char word[kWordBufferSize];
    char name[kWordBufferSize];
    char value[kWordBufferSize];
    while (position < int(text.size())) {
        GetWord(text, position, word);
        name[0] = '\0';
        if (std::string_view(word) == "DEF") {
            GetSFString0Silent(text, position, name);
            GetWord(text, position, word);
        }
        if (std::string_view(word) != "Info") continue;

        Entry* entry = nullptr;
        if (m_iNodeMax < kEntryCount) {
            entry = &entries_[m_iNodeMax++];
        } else {
            ++droppedNodes;
        }
        GetWord(text, position, word);
        if (std::string_view(word) != "{") {
            SkipUnopenedInfoNode(text, position, word);
            continue;
        }
        while (position < int(text.size())) {
            GetWord(text, position, word);
            const std::string_view token(word);
            if (token == "}") break;
            if (token != "string") continue;
            GetSFString0Silent(text, position, value);
            if (!entry) continue;
            if (name[0] != '\0') entry->name = name;
            if (value[0] != '\0') entry->value = value;
        }
    }
    if (droppedNodes > 0 && prompt) {
        prompt->ShowMessage("The file holds more than " + std::to_string(kEntryCount) +
                                " bindings; only the first " + std::to_string(kEntryCount) +
                                " were read (" + std::to_string(droppedNodes) + " left out).",
                            "Caution", PromptButtons::Ok, PromptIcon::Exclamation);
    }
}

void CReadConfig::GetNodeData(int index, std::string& name, std::string& value) const {
    if (index < 0 || index >= m_iNodeMax) {
        name.clear();
        value.clear();
        return;
    }
    name = std::string(TrimBlanks(entries_[index].name));
    value = std::string(TrimBlanks(entries_[index].value));
}

}  // namespace vantor
