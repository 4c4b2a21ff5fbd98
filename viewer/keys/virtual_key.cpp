#include "keys/virtual_key.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace vantor {
namespace {

struct KeyPair {
    int qtKey;
    int32_t code;
};

// Keys on the numeric keypad while Num Lock is on.
constexpr KeyPair kKeypadKeys[] = {
    {Qt::Key_0, 96},      {Qt::Key_1, 97},       {Qt::Key_2, 98},         {Qt::Key_3, 99},
    {Qt::Key_4, 100},     {Qt::Key_5, 101},      {Qt::Key_6, 102},        {Qt::Key_7, 103},
    {Qt::Key_8, 104},     {Qt::Key_9, 105},      {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},
    {Qt::Key_Minus, 109}, {Qt::Key_Period, 110}, {Qt::Key_Comma, 110},    {Qt::Key_Slash, 111},
};

// Keys that do not depend on the layout. With Num Lock off the keypad keys
// arrive as these too, as they do on Windows.
constexpr KeyPair kFixedKeys[] = {
    {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},
    {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},
    {Qt::Key_Hiragana_Katakana, 21},
    {Qt::Key_Escape, 27},
    {Qt::Key_Henkan, 28},
    {Qt::Key_Muhenkan, 29},
    {Qt::Key_Space, 32},
    {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Print, 44},
    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},
    {Qt::Key_Meta, 91},
    {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Zenkaku_Hankaku, 243},
};

// Key positions by XKB keycode: the digit row, the letters (for layouts
// whose letters are not Latin) and the punctuation keys of a Japanese
// keyboard, with the codes Windows gives them in the Japanese layout.
constexpr KeyPair kXkbPositions[] = {
    {10, '1'},   {11, '2'},  {12, '3'}, {13, '4'},  {14, '5'},  {15, '6'},
    {16, '7'},   {17, '8'},  {18, '9'}, {19, '0'},  {20, 0xBD},  // - =
    {21, 0xDE},                                                  // ^ ~
    {132, 0xDC},                                                 // yen |
    {24, 'Q'},   {25, 'W'},  {26, 'E'}, {27, 'R'},  {28, 'T'},  {29, 'Y'},
    {30, 'U'},   {31, 'I'},  {32, 'O'}, {33, 'P'},  {34, 0xC0},  // @ `
    {35, 0xDB},                                                  // [ {
    {38, 'A'},   {39, 'S'},  {40, 'D'}, {41, 'F'},  {42, 'G'},  {43, 'H'},
    {44, 'J'},   {45, 'K'},  {46, 'L'}, {47, 0xBB},  // ; +
    {48, 0xBA},                                      // : *
    {51, 0xDD},                                      // ] }
    {52, 'Z'},   {53, 'X'},  {54, 'C'}, {55, 'V'},  {56, 'B'},  {57, 'N'},
    {58, 'M'},   {59, 0xBC},  // , <
    {60, 0xBE},               // . >
    {61, 0xBF},               // / ?
    {97, 0xE2},               // \ _ next to the right Shift
    {94, 0xE2},  // the extra key of ISO keyboards sits where Windows puts the same code
};

// Characters of the Japanese layout, for events whose scan code says
// nothing: each character, shifted or not, gives the code of its key.
constexpr KeyPair kJapaneseCharacters[] = {
    {Qt::Key_Exclam, '1'},      {Qt::Key_QuoteDbl, '2'},   {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},      {Qt::Key_Percent, '5'},    {Qt::Key_Ampersand, '6'},
    {Qt::Key_Apostrophe, '7'},  {Qt::Key_ParenLeft, '8'},  {Qt::Key_ParenRight, '9'},
    {Qt::Key_Minus, 0xBD},      {Qt::Key_Equal, 0xBD},     {Qt::Key_AsciiCircum, 0xDE},
    {Qt::Key_AsciiTilde, 0xDE}, {Qt::Key_yen, 0xDC},       {Qt::Key_Bar, 0xDC},
    {Qt::Key_At, 0xC0},         {Qt::Key_QuoteLeft, 0xC0}, {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},  {Qt::Key_Semicolon, 0xBB}, {Qt::Key_Plus, 0xBB},
    {Qt::Key_Colon, 0xBA},      {Qt::Key_Asterisk, 0xBA},  {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD}, {Qt::Key_Comma, 0xBC},     {Qt::Key_Less, 0xBC},
    {Qt::Key_Period, 0xBE},     {Qt::Key_Greater, 0xBE},   {Qt::Key_Slash, 0xBF},
    {Qt::Key_Question, 0xBF},   {Qt::Key_Backslash, 0xE2}, {Qt::Key_Underscore, 0xE2},
};

template <size_t N>
int32_t Find(const KeyPair (&table)[N], int key) {
    for (const KeyPair& pair : table) {
        if (pair.qtKey == key) return pair.code;
    }
    return kNoVirtualKey;
}

}  // namespace

int32_t VirtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode,
                      ScanCodeKind kind) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const int32_t code = Find(kKeypadKeys, qtKey)) return code;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // same as ASCII
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 112 + (qtKey - Qt::Key_F1);
    if (const int32_t code = Find(kFixedKeys, qtKey)) return code;
    if (kind == ScanCodeKind::Xkb && nativeScanCode != 0 &&
        !modifiers.testFlag(Qt::KeypadModifier)) {
        if (const int32_t code = Find(kXkbPositions, int(nativeScanCode))) return code;
    }
    return Find(kJapaneseCharacters, qtKey);
}

ScanCodeKind PlatformScanCodeKind() {
    if (!QGuiApplication::instance()) return ScanCodeKind::None;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) {
        return ScanCodeKind::Xkb;
    }
    return ScanCodeKind::None;
}

int32_t VirtualKeyForEvent(const QKeyEvent& event) {
    return VirtualKeyFor(event.key(), event.modifiers(), event.nativeScanCode(),
                         PlatformScanCodeKind());
}

}  // namespace vantor
