#pragma once
// The setup tool's binding model: the state behind its form. Four key
// objects (view, data, dimension, parts) and the mouse object; the view
// object's slots also carry each key's owner and shown caption for all
// groups. Reading a binding file fills it, MakeConfigText turns it into
// the file text.

#include <string>
#include <string_view>

#include "bindings/config_text.h"
#include "bindings/key_command.h"
#include "bindings/mmove_command.h"

namespace vantor {

class Prompt;

class SetupBindings {
  public:
    // Every key free, every mouse row without button and key.
    SetupBindings() = default;

    CKeyCommand& Group(CommandGroup group);
    const CKeyCommand& Group(CommandGroup group) const;

    // Owner of key `keyIndex` (a key_owner value).
    int16_t KeyOwner(int keyIndex) const {
        return keyIndex >= 0 && keyIndex < kKeyCount ? view.m_mmaKeyCommand[keyIndex].m_iStatus
                                                     : key_owner::Free;
    }

    // Binds key `keyIndex` to `command` of `group`; KEY_NOT_USE frees it.
    // Refused (false) when the key belongs to another group or to a mouse
    // row, or when the command is not one of the group's.
    bool BindKey(CommandGroup group, int keyIndex, std::string_view command);

    // Sets the button of mouse row `row` (0-5). MOUSE_NOT_USE also clears the
    // row's key. Any other text is kept as it is and shown as "Error".
    void SetMouseButton(int row, std::string_view button);
    // Makes key `keyIndex` the key held with row `row`; refused (false) when
    // the row has no button or the key belongs to a key group. A key may
    // serve several rows.
    bool SetMouseKey(int row, int keyIndex);
    void ClearMouseKey(int row);
    // Frees every key marked as used by mouse rows and marks them again from
    // the rows' keys (the form's keyboard refresh).
    void RefreshMouseKeys();

    // Applies one entry of a binding file as the setup tool's reader hands it
    // out (name and value trimmed). Unknown names and keys are skipped.
    void ApplyEntry(std::string_view name, std::string_view value);
    // Reads binding-file text (CReadConfig) and applies every entry; Info
    // nodes beyond the reader's table are reported through `prompt` when
    // given. Returns the number of such nodes.
    int ApplyConfigText(std::string_view text, Prompt* prompt = nullptr);

    // The whole binding file: header, banners and every section, CR LF.
    std::string MakeConfigText(const ConfigDate& date);

    CKeyCommand view;
    CKeyCommand data;
    CKeyCommand dimension;
    CKeyCommand parts;
    CMMoveCommand mouse;

  private:
    // Gives the key free: its own caption and no owner.
    void FreeKey(int keyIndex);
    void MarkKey(int keyIndex, int16_t owner, std::string_view caption);
};

}  // namespace vantor
