#pragma once
// Qt key events to the Windows virtual-key codes that the binding file and
// the BindingTable speak. Punctuation keys get the codes of the Japanese
// keyboard layout, matching the key tops the setup tool shows.

#include <Qt>
#include <QtGlobal>
#include <cstdint>

class QKeyEvent;

namespace vantor {

constexpr int32_t kNoVirtualKey = 0;  // a key without a virtual-key code

// How the native scan code of a key event can be read.
enum class ScanCodeKind {
    None,  // not usable (offscreen platform, synthesised events)
    Xkb,   // X11 and Wayland: evdev code + 8
};

// Virtual-key code of a key press or release. The keypad modifier selects
// the numeric-keypad codes; the digit row, the letters of non-Latin layouts
// and the punctuation keys are taken from their position (the scan code)
// when it can be read, otherwise from the character Qt reports, as a
// Japanese keyboard would produce it. kNoVirtualKey for anything else.
int32_t VirtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode,
                      ScanCodeKind kind);

// The scan-code kind of the running Qt platform.
ScanCodeKind PlatformScanCodeKind();

// VirtualKeyFor applied to an event of the running platform.
int32_t VirtualKeyForEvent(const QKeyEvent& event);

}  // namespace vantor
