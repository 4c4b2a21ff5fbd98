#include "bindings/setup_bindings.h"

#include "bindings/read_config.h"

namespace vantor {
namespace {

bool ValidKeyIndex(int keyIndex) {
    return keyIndex >= 0 && keyIndex < kKeyCount;
}
bool ValidRow(int row) {
    return row >= 0 && row < kMouseRowCount;
}

bool IsMouseButtonName(std::string_view name) {
    for (const MouseButtonInfo& button : MouseButtonTable()) {
        if (button.name == name) return true;
    }
    return false;
}

// Setup row of an editable action name ("SPIN", ...), or -1.
int RowOfAction(std::string_view action) {
    for (int row = 0; row < kMouseRowCount; ++row) {
        if (MouseActionForRow(row).name == action) return row;
    }
    return -1;
}

}  // namespace

CKeyCommand& SetupBindings::Group(CommandGroup group) {
    switch (group) {
        case CommandGroup::View:
            return view;
        case CommandGroup::Data:
            return data;
        case CommandGroup::Dimension:
            return dimension;
        case CommandGroup::Parts:
            return parts;
    }
    return view;
}

const CKeyCommand& SetupBindings::Group(CommandGroup group) const {
    return const_cast<SetupBindings*>(this)->Group(group);
}

void SetupBindings::FreeKey(int keyIndex) {
    CCommand& slot = view.m_mmaKeyCommand[keyIndex];
    slot.m_iStatus = key_owner::Free;
    slot.m_sTitleNow = slot.m_sTitleDefault;
}

void SetupBindings::MarkKey(int keyIndex, int16_t owner, std::string_view caption) {
    CCommand& slot = view.m_mmaKeyCommand[keyIndex];
    slot.m_iStatus = owner;
    slot.m_sTitleNow = std::string(caption);
}

bool SetupBindings::BindKey(CommandGroup group, int keyIndex, std::string_view command) {
    if (!ValidKeyIndex(keyIndex)) return false;
    const int16_t owner = OwnerOfGroup(group);
    const int16_t current = KeyOwner(keyIndex);
    if (current != key_owner::Free && current != owner) return false;
    if (command == kKeyNotUse) {
        Group(group).m_mmaKeyCommand[keyIndex].m_sCommand = std::string(kKeyNotUse);
        FreeKey(keyIndex);
        return true;
    }
    CommandGroup commandGroup;
    if (!GroupOfCommand(command, commandGroup) || commandGroup != group) return false;
    Group(group).m_mmaKeyCommand[keyIndex].m_sCommand = std::string(command);
    MarkKey(keyIndex, owner, CaptionForCommand(command));
    return true;
}

void SetupBindings::SetMouseButton(int row, std::string_view button) {
    if (!ValidRow(row)) return;
    mouse.m_mmaMouse[row].m_sCommand = std::string(button);
    mouse.m_mmaMouse[row].m_sTitleNow = GetMouseTitle(button);
    if (button == kMouseNotUse) ClearMouseKey(row);
}

bool SetupBindings::SetMouseKey(int row, int keyIndex) {
    if (!ValidRow(row) || !ValidKeyIndex(keyIndex)) return false;
    if (!IsMouseButtonName(mouse.m_mmaMouse[row].m_sCommand)) return false;
    const int16_t current = KeyOwner(keyIndex);
    if (current != key_owner::Free && current != key_owner::Mouse) return false;
    const KeyInfo& key = KeyTable()[keyIndex];
    mouse.m_mmaKey[row].m_sCommand = std::string(key.name);
    mouse.m_mmaKey[row].m_sTitleNow = std::string(key.caption);
    RefreshMouseKeys();
    return true;
}

void SetupBindings::ClearMouseKey(int row) {
    if (!ValidRow(row)) return;
    mouse.m_mmaKey[row].m_sCommand = std::string(kKeyNotUse);
    mouse.m_mmaKey[row].m_sTitleNow.clear();
    RefreshMouseKeys();
}

void SetupBindings::RefreshMouseKeys() {
    for (int i = 0; i < kKeyCount; ++i) {
        if (KeyOwner(i) == key_owner::Mouse) FreeKey(i);
    }
    for (int row = 0; row < kMouseRowCount; ++row) {
        const int16_t keyIndex = KeyIndexForName(mouse.m_mmaKey[row].m_sCommand);
        if (keyIndex == kNoKeyIndex) continue;
        // A key that a key group took over in a hand-edited file stays with
        // that group; the row still writes it.
        if (KeyOwner(keyIndex) != key_owner::Free) continue;
        MarkKey(keyIndex, key_owner::Mouse, KeyTable()[keyIndex].caption);
    }
}

void SetupBindings::ApplyEntry(std::string_view name, std::string_view value) {
    if (name.starts_with(kMouseButtonEntryPrefix)) {
        const int row = RowOfAction(name.substr(kMouseButtonEntryPrefix.size()));
        if (row >= 0) {
            if (value != kMouseNotUse) {
                mouse.m_mmaMouse[row].m_sCommand = std::string(value);
                mouse.m_mmaMouse[row].m_sTitleNow = GetMouseTitle(value);
            }
            return;
        }
    }
    if (name.starts_with(kMouseKeyEntryPrefix)) {
        const int row = RowOfAction(name.substr(kMouseKeyEntryPrefix.size()));
        if (row >= 0) {
            const int16_t keyIndex = KeyIndexForTrimmedName(value);
            if (keyIndex == kNoKeyIndex) return;
            const KeyInfo& key = KeyTable()[keyIndex];
            mouse.m_mmaKey[row].m_sCommand = std::string(key.name);
            mouse.m_mmaKey[row].m_sTitleNow = std::string(key.caption);
            MarkKey(keyIndex, key_owner::Mouse, key.caption);
            return;
        }
    }
    const int16_t keyIndex = KeyIndexForTrimmedName(value);
    if (keyIndex == kNoKeyIndex) return;
    CommandGroup group;
    if (!GroupOfCommand(name, group)) return;
    // A key carries one command: a later entry for the same key replaces an
    // earlier one of any group, as it does in the viewer.
    for (int g = 1; g <= kCommandGroupCount; ++g) {
        Group(static_cast<CommandGroup>(g)).m_mmaKeyCommand[keyIndex].m_sCommand =
            std::string(kKeyNotUse);
    }
    Group(group).m_mmaKeyCommand[keyIndex].m_sCommand = std::string(name);
    MarkKey(keyIndex, OwnerOfGroup(group), CaptionForCommand(name));
}

int SetupBindings::ApplyConfigText(std::string_view text, Prompt* prompt) {
    CReadConfig reader;
    reader.Pellowen01(text, prompt);
    std::string name;
    std::string value;
    for (int i = 0; i < reader.m_iNodeMax; ++i) {
        reader.GetNodeData(i, name, value);
        ApplyEntry(name, value);
    }
    // Rows without a button lose their key, as the form's row refresh does.
    for (int row = 0; row < kMouseRowCount; ++row) {
        if (mouse.m_mmaMouse[row].m_sCommand == kMouseNotUse) {
            mouse.m_mmaKey[row].m_sCommand = std::string(kKeyNotUse);
            mouse.m_mmaKey[row].m_sTitleNow.clear();
        }
    }
    RefreshMouseKeys();
    return reader.droppedNodes;
}

std::string SetupBindings::MakeConfigText(const ConfigDate& date) {
    mouse.MakeConfig();
    view.MakeConfig();
    data.MakeConfig();
    dimension.MakeConfig();
    parts.MakeConfig();
    std::string text = ConfigHeader(date);
    auto section = [&text](std::string_view banner, const std::string& entries) {
        text += banner;
        text += kLineEnd;
        text += entries;
        text += kLineEnd;
    };
    section(kMouseMoveBanner, mouse.m_sConfig);
    section(kKeyCommandBanner, view.m_sConfig);
    section(kDataCommandBanner, data.m_sConfig);
    section(kDimensionCommandBanner, dimension.m_sConfig);
    section(kPartsCommandBanner, parts.m_sConfig);
    text += kEndBanner;
    text += kLineEnd;
    return text;
}

}  // namespace vantor
