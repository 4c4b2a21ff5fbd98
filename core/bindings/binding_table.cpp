#include "bindings/binding_table.h"

#include <string>

namespace vantor {
namespace {

// Virtual-key code to key-part slot, built once from the key table.
struct SlotMap {
    std::array<int16_t, 256> slotOfCode{};
    SlotMap() {
        slotOfCode.fill(-1);
        const auto keys = KeyTable();
        for (int i = 0; i < kKeyCount; ++i) slotOfCode[keys[i].code] = static_cast<int16_t>(i);
        for (int i = 0; i < kUnnamedFunctionKeyCount; ++i) {
            slotOfCode[kFirstUnnamedFunctionKey + i] = static_cast<int16_t>(kKeyCount + i);
        }
    }
};

const SlotMap& Slots() {
    static const SlotMap map;
    return map;
}

}  // namespace

void BindingTable::ResetBindings() {
    keyCommands_.fill(kNoCommand);
    mouseButtons_.fill(kNoMouseButton);
    modifierKeys_.fill(kNoModifierKey);
    dimensionKeys_.fill(kNoModifierKey);
}

std::string_view BindingTable::DimensionEntryName(int index) {
    if (index < 0 || index >= kDimensionCommandCount) return {};
    return CommandsOfGroup(CommandGroup::Dimension)[index].name;
}

int32_t BindingTable::KeySlotCode(int slot) {
    if (slot < 0 || slot >= kKeySlotCount) return kUnknownName;
    if (slot < kKeyCount) return KeyTable()[slot].code;
    return kFirstUnnamedFunctionKey + (slot - kKeyCount);
}

int BindingTable::SlotForCode(int32_t code) {
    if (code < 0 || code > 255) return -1;
    return Slots().slotOfCode[code];
}

void BindingTable::ApplyBinding(std::string_view name, std::string_view value) {
    if (name.starts_with("MOUSE_")) {
        const int32_t code = KeyCodeForName(value);
        if (code == kUnknownName) return;
        for (const MouseActionInfo& action : MouseActionTable()) {
            const int index = Index(action.action);
            if (name == std::string(kMouseButtonEntryPrefix) + std::string(action.name)) {
                mouseButtons_[index] = code;
                return;
            }
            if (name == std::string(kMouseKeyEntryPrefix) + std::string(action.name)) {
                modifierKeys_[index] = code;
                return;
            }
        }
        const auto parts = PartsModifierNames();
        for (int i = 0; i < kPartsModifierCount; ++i) {
            if (name == parts[i]) {
                modifierKeys_[kMouseActionCount + i] = code;
                return;
            }
        }
        return;
    }
    if (name.starts_with("KEY_MAKE_DIM_") || name.starts_with("KEY_MAKE_COMMENT")) {
        for (int i = 0; i < kDimensionCommandCount; ++i) {
            if (name == DimensionEntryName(i)) {
                dimensionKeys_[i] = KeyCodeForName(value);
                return;
            }
        }
        return;
    }
    if (name.starts_with("KEY_")) {
        const int32_t command = CommandIdForName(name);
        if (command == kUnknownName) return;
        const int16_t keyIndex = KeyIndexForName(value);
        if (keyIndex == kNoKeyIndex) return;
        keyCommands_[keyIndex] = command;
    }
}

int32_t BindingTable::CommandForKey(int32_t code) const {
    if (code < 8 || code > 226) return code;
    const int slot = SlotForCode(code);
    if (slot < 0) return code;
    return keyCommands_[slot];
}

}  // namespace vantor
