#pragma once
// The setup tool's reader of binding files: collects the (DEF name, string)
// pairs of the Info nodes into a fixed table, silently skipping anything
// else.

#include <array>
#include <string>
#include <string_view>

namespace vantor {

class Prompt;

// Skips the tokens of an Info node whose "{" is missing, counting braces
// until they balance or the text ends; `found` is the token read instead of
// "{" (a "}" there already closes the node).
void SkipUnopenedInfoNode(std::string_view text, int& position, std::string_view found);

class CReadConfig {
  public:
    static constexpr int kEntryCount = 101;

    // Prepares the text (comments out, blanks normalised) and reads every
    // Info node into the table. Nodes beyond the table are counted in
    // droppedNodes and, when `prompt` is given, reported in one message.
    void Pellowen01(std::string_view text, Prompt* prompt = nullptr);

    // Name and value of entry `index` (0 to m_iNodeMax - 1), blanks trimmed;
    // empty strings outside that range.
    void GetNodeData(int index, std::string& name, std::string& value) const;

    struct Entry {
        std::string name;
        std::string value;
    };

    int m_iNodeMax = 0;    // Info nodes stored
    int droppedNodes = 0;  // Info nodes that did not fit the table

  private:
    std::array<Entry, kEntryCount> entries_;
};

}  // namespace vantor
