#pragma once
// The setup tool's mouse bindings: per mouse row the button that drives the
// action and the key held with it.

#include <array>
#include <string>

#include "bindings/key_command.h"

namespace vantor {

class CMMoveCommand {
  public:
    static constexpr int kSlotCount = kMouseRowCount + 1;

    // Every row without a button (MOUSE_NOT_USE) and without a key (KEY_NOT_USE).
    CMMoveCommand();

    // Builds the mouse section of the binding file into m_sConfig: for each
    // row with a button its button entry, then its key entry when it has one.
    void MakeConfig();

    std::array<CCommand, kSlotCount> m_mmaMouse;  // m_sCommand: button name
    std::array<CCommand, kSlotCount> m_mmaKey;    // m_sCommand: key name
    std::string m_sConfig;
};

}  // namespace vantor
