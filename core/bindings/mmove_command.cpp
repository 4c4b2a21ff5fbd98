#include "bindings/mmove_command.h"

#include "bindings/config_text.h"

namespace vantor {

CMMoveCommand::CMMoveCommand() {
    for (CCommand& slot : m_mmaMouse) {
        slot.m_sCommand = std::string(kMouseNotUse);
        slot.m_sTitleNow = std::string(kMouseNotUseCaption);
        slot.m_sTitleDefault = slot.m_sTitleNow;
    }
    for (CCommand& slot : m_mmaKey) slot.m_sCommand = std::string(kKeyNotUse);
}

void CMMoveCommand::MakeConfig() {
    m_sConfig.clear();
    for (int row = 0; row < kMouseRowCount; ++row) {
        const std::string& button = m_mmaMouse[row].m_sCommand;
        // A row whose button came from a damaged file ("Error" in the form)
        // counts as having no button, so nothing unreadable is written.
        const int32_t buttonCode = KeyCodeForName(button);
        if (buttonCode < MouseButtonTable().front().code ||
            buttonCode > MouseButtonTable().back().code) {
            continue;
        }
        const std::string action(MouseActionForRow(row).name);
        m_sConfig += ConfigEntryLine(std::string(kMouseButtonEntryPrefix) + action, button);
        const std::string& key = m_mmaKey[row].m_sCommand;
        if (KeyIndexForName(key) != kNoKeyIndex) {
            m_sConfig += ConfigEntryLine(std::string(kMouseKeyEntryPrefix) + action, key);
        }
    }
}

}  // namespace vantor
