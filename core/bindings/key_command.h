#pragma once
// The setup tool's key bindings of one command group, and the binding slot
// both its key and mouse objects are made of.

#include <array>
#include <cstdint>
#include <string>

#include "bindings/vocabulary.h"

namespace vantor {

// Which group owns a key in the setup tool (`CCommand::m_iStatus`).
namespace key_owner {
constexpr int16_t Free = -1;
constexpr int16_t View = 0;
constexpr int16_t Mouse = 1;
constexpr int16_t Data = 2;
constexpr int16_t Dimension = 3;
constexpr int16_t Parts = 4;
}  // namespace key_owner

// Owner value of a key command group.
int16_t OwnerOfGroup(CommandGroup group);

// One binding slot.
struct CCommand {
    std::string m_sTitleDefault;          // the key's own caption
    std::string m_sTitleNow;              // caption the key button shows now
    int16_t m_iStatus = key_owner::Free;  // owner of the key
    std::string m_sCommand;               // bound command, button or key name
};

// Key bindings of one group, one slot per key index (slot 84 is unused).
class CKeyCommand {
  public:
    static constexpr int kSlotCount = kKeyCount + 1;

    // Every key free, showing its own caption, bound to KEY_NOT_USE.
    CKeyCommand();

    // Builds this group's section of the binding file into m_sConfig: one
    // entry per bound key, in key-index order.
    void MakeConfig();

    std::array<CCommand, kSlotCount> m_mmaKeyCommand;
    std::string m_sConfig;
};

}  // namespace vantor
