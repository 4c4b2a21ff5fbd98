#pragma once
// The viewer's key and mouse bindings as read from the binding file. One
// instance lives for the whole run; it is filled at start-up and on each
// reload of the binding file, and only read in between.

#include <array>
#include <cstdint>
#include <string_view>

#include "bindings/vocabulary.h"

namespace vantor {

constexpr int32_t kNoCommand = -1;      // key of the table without a command
constexpr int32_t kNoMouseButton = -2;  // mouse action without a button
constexpr int32_t kNoModifierKey = -1;  // modifier or dimension entry without a key

class BindingTable {
  public:
    // One slot per named key plus F9-F12.
    static constexpr int kKeySlotCount = kKeyCount + kUnnamedFunctionKeyCount;
    static constexpr int kModifierSlotCount = kMouseActionCount + kPartsModifierCount;

    BindingTable() { ResetBindings(); }

    // Everything empty: no key, button or dimension command does anything.
    void ResetBindings();

    // Applies one Info node of the binding file: its DEF name and its string.
    // Names and values outside the vocabulary are ignored.
    void ApplyBinding(std::string_view name, std::string_view value);

    // For a virtual-key code from a key press: the bound command id, -1 for a
    // key of the table without a command, or the code itself for any other key.
    int32_t CommandForKey(int32_t code) const;

    // Button code (100001-100004) of an action, or kNoMouseButton. Entries may
    // hold a key code when a hand-written file says so.
    int32_t MouseButton(MouseAction action) const { return mouseButtons_[Index(action)]; }
    // Key held with the button of an action, or kNoModifierKey.
    int32_t ModifierKey(MouseAction action) const { return modifierKeys_[Index(action)]; }
    // Key held for a parts command (or MOUSE_KEY_MEASURE), or kNoModifierKey.
    int32_t PartsKey(PartsModifier which) const {
        return modifierKeys_[kMouseActionCount + static_cast<int>(which)];
    }
    // Key held with the left click for dimension command `index` (0-8, in the
    // order KEY_MAKE_DIM_POINT_TO_POINT ... KEY_MAKE_COMMENT0), or kNoModifierKey.
    // A value that named no key stores kUnknownName, which matches no key.
    int32_t DimensionKey(int index) const {
        return index >= 0 && index < kDimensionCommandCount ? dimensionKeys_[index]
                                                            : kNoModifierKey;
    }

    // Name of dimension entry `index`, as written in the binding file.
    static std::string_view DimensionEntryName(int index);

    // Command id of key-part slot `slot` (0-83 in key-index order, 84-87 F9-F12).
    int32_t KeySlot(int slot) const {
        return slot >= 0 && slot < kKeySlotCount ? keyCommands_[slot] : kNoCommand;
    }
    // Virtual-key code of key-part slot `slot` (kUnknownName outside 0-87).
    static int32_t KeySlotCode(int slot);

  private:
    static int Index(MouseAction action) { return static_cast<int>(action); }
    // Key-part slot of a virtual-key code, or -1.
    static int SlotForCode(int32_t code);

    std::array<int32_t, kKeySlotCount> keyCommands_{};
    std::array<int32_t, kMouseActionCount> mouseButtons_{};
    std::array<int32_t, kModifierSlotCount> modifierKeys_{};
    std::array<int32_t, kDimensionCommandCount> dimensionKeys_{};
};

}  // namespace vantor
