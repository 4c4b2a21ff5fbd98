#include "bindings/key_command.h"

#include "bindings/config_text.h"

namespace vantor {

int16_t OwnerOfGroup(CommandGroup group) {
    switch (group) {
        case CommandGroup::View:
            return key_owner::View;
        case CommandGroup::Data:
            return key_owner::Data;
        case CommandGroup::Dimension:
            return key_owner::Dimension;
        case CommandGroup::Parts:
            return key_owner::Parts;
    }
    return key_owner::Free;
}

CKeyCommand::CKeyCommand() {
    const auto keys = KeyTable();
    for (int i = 0; i < kKeyCount; ++i) {
        CCommand& slot = m_mmaKeyCommand[i];
        slot.m_sTitleDefault = std::string(keys[i].caption);
        slot.m_sTitleNow = slot.m_sTitleDefault;
        slot.m_iStatus = key_owner::Free;
        slot.m_sCommand = std::string(kKeyNotUse);
    }
}

void CKeyCommand::MakeConfig() {
    m_sConfig.clear();
    const auto keys = KeyTable();
    CommandGroup group;
    for (int i = 0; i < kKeyCount; ++i) {
        const std::string& command = m_mmaKeyCommand[i].m_sCommand;
        // Only real command names are written; a lookup's "Error" or an empty
        // slot must not turn into an entry.
        if (!GroupOfCommand(command, group)) continue;
        m_sConfig += ConfigEntryLine(command, keys[i].name);
    }
}

}  // namespace vantor
