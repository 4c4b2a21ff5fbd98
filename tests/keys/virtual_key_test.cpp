#include <gtest/gtest.h>

#include <QKeyEvent>
#include <map>

#include "bindings/binding_table.h"
#include "keys/virtual_key.h"

namespace vantor {
namespace {

using Mods = Qt::KeyboardModifiers;
constexpr Mods kNone = Qt::NoModifier;
constexpr Mods kKeypad = Qt::KeypadModifier;

int32_t Xkb(int qtKey, quint32 scanCode, Mods mods = kNone) {
    return VirtualKeyFor(qtKey, mods, scanCode, ScanCodeKind::Xkb);
}
int32_t NoScan(int qtKey, Mods mods = kNone) {
    return VirtualKeyFor(qtKey, mods, 0, ScanCodeKind::None);
}

// What an X11 session with a Japanese keyboard delivers for each of the 84
// keys of the binding vocabulary: the Qt key, modifiers and XKB keycode.
struct Press {
    const char* keyName;
    int qtKey;
    Mods mods;
    quint32 scanCode;
};

const Press kJapaneseKeyboard[] = {
    {"VK_ADD", Qt::Key_Plus, kKeypad, 86},
    {"VK_DECIMAL", Qt::Key_Period, kKeypad, 91},
    {"VK_MULTIPLY ", Qt::Key_Asterisk, kKeypad, 63},
    {"VK_SUBTRACT ", Qt::Key_Minus, kKeypad, 82},
    {"VK_DIVIDE", Qt::Key_Slash, kKeypad, 106},
    {"VK_END", Qt::Key_End, kNone, 115},
    {"VK_HOME ", Qt::Key_Home, kNone, 110},
    {"VK_DELETE", Qt::Key_Delete, kNone, 119},
    {"VK_INSERT ", Qt::Key_Insert, kNone, 118},
    {"VK_CONTROL", Qt::Key_Control, kNone, 37},
    {"VK_SPACE", Qt::Key_Space, kNone, 65},
    {"VK_SHIFT", Qt::Key_Shift, kNone, 50},
    {"VK_DOWN", Qt::Key_Down, kNone, 116},
    {"VK_UP", Qt::Key_Up, kNone, 111},
    {"VK_RIGHT", Qt::Key_Right, kNone, 114},
    {"VK_LEFT", Qt::Key_Left, kNone, 113},
    {"VK_EQUALS", Qt::Key_Minus, kNone, 20},
    {"VK_BACK_SLASH", Qt::Key_Backslash, kNone, 132},  // the yen key
    {"VK_BACK_SPACE", Qt::Key_Backspace, kNone, 22},
    {"VK_BACK_QUOTE", Qt::Key_At, kNone, 34},
    {"VK_OPEN_BRACKET", Qt::Key_BracketLeft, kNone, 35},
    {"VK_SEMICOLON", Qt::Key_Semicolon, kNone, 47},
    {"VK_COLON", Qt::Key_Colon, kNone, 48},
    {"VK_CLOSE_BRACKET", Qt::Key_BracketRight, kNone, 51},
    {"VK_COMMA", Qt::Key_Comma, kNone, 59},
    {"VK_PERIOD", Qt::Key_Period, kNone, 60},
    {"VK_SLASH", Qt::Key_Slash, kNone, 61},
    {"VK_226", Qt::Key_Backslash, kNone, 97},
    {"VK_PAGE_DOWN", Qt::Key_PageDown, kNone, 117},
    {"VK_PAGE_UP", Qt::Key_PageUp, kNone, 112},
};

TEST(VirtualKey, EveryKeyOfTheVocabularyIsReachable) {
    std::map<std::string_view, int32_t> produced;
    const quint32 letterScan[26] = {38, 56, 54, 40, 26, 41, 42, 43, 31, 44, 45, 46, 58,
                                    57, 32, 33, 24, 27, 39, 28, 30, 55, 25, 53, 29, 52};
    const auto keys = KeyTable();
    for (int i = 0; i < 26; ++i) {
        produced[keys[i].name] = Xkb(Qt::Key_A + i, letterScan[i]);
    }
    for (int d = 1; d <= 10; ++d) {  // indexes 26-35: 1..9 then 0
        produced[keys[25 + d].name] = Xkb(Qt::Key_0 + d % 10, 9 + d);
    }
    for (int f = 0; f < 8; ++f) produced[keys[36 + f].name] = Xkb(Qt::Key_F1 + f, 67 + f);
    const quint32 keypadScan[10] = {90, 87, 88, 89, 83, 84, 85, 79, 80, 81};
    for (int n = 0; n < 10; ++n) {
        produced[keys[44 + n].name] = Xkb(Qt::Key_0 + n, keypadScan[n], kKeypad);
    }
    for (const Press& press : kJapaneseKeyboard) {
        produced[press.keyName] = Xkb(press.qtKey, press.scanCode, press.mods);
    }
    ASSERT_EQ(produced.size(), size_t(kKeyCount));
    for (const KeyInfo& key : keys) {
        EXPECT_EQ(produced[key.name], key.code) << "'" << key.name << "'";
    }
}

TEST(VirtualKey, KeysOutsideTheVocabulary) {
    EXPECT_EQ(Xkb(Qt::Key_F9, 75), 120);
    EXPECT_EQ(Xkb(Qt::Key_F12, 96), 123);
    EXPECT_EQ(Xkb(Qt::Key_Escape, 9), 27);
    EXPECT_EQ(Xkb(Qt::Key_Tab, 23), 9);
    EXPECT_EQ(Xkb(Qt::Key_Backtab, 23, Qt::ShiftModifier), 9);
    EXPECT_EQ(Xkb(Qt::Key_Return, 36), 13);
    EXPECT_EQ(Xkb(Qt::Key_Enter, 104, kKeypad), 13);
    EXPECT_EQ(Xkb(Qt::Key_Alt, 64), 18);
    EXPECT_EQ(Xkb(Qt::Key_unknown, 0), kNoVirtualKey);
    EXPECT_EQ(NoScan(Qt::Key_VolumeUp), kNoVirtualKey);

    // The viewer's lookup then tells commands from raw codes.
    BindingTable table;
    table.ApplyBinding("KEY_VIEW_ZOOM_IN", "VK_PAGE_UP");
    EXPECT_EQ(table.CommandForKey(Xkb(Qt::Key_PageUp, 112)), 1001);
    EXPECT_EQ(table.CommandForKey(Xkb(Qt::Key_F9, 75)), kNoCommand);
    EXPECT_EQ(table.CommandForKey(Xkb(Qt::Key_Escape, 9)), 27);
}

TEST(VirtualKey, ShiftedAndForeignLayouts) {
    // Shifted keys keep the code of their key.
    EXPECT_EQ(Xkb(Qt::Key_Exclam, 10, Qt::ShiftModifier), '1');
    EXPECT_EQ(Xkb(Qt::Key_Asterisk, 48, Qt::ShiftModifier), 0xBA);
    EXPECT_EQ(Xkb(Qt::Key_Plus, 47, Qt::ShiftModifier), 0xBB);
    EXPECT_EQ(Xkb(Qt::Key_Underscore, 97, Qt::ShiftModifier), 0xE2);
    EXPECT_EQ(Xkb(Qt::Key_Bar, 132, Qt::ShiftModifier), 0xDC);
    // A US layout on the same keys still gives the Japanese key's code: the
    // bindings name keys by position.
    EXPECT_EQ(Xkb(Qt::Key_Apostrophe, 48), 0xBA);
    EXPECT_EQ(Xkb(Qt::Key_Equal, 21), 0xDE);
    // Letters follow the layout; non-Latin letters fall back to the position.
    EXPECT_EQ(Xkb(Qt::Key_Q, 38), 'Q') << "AZERTY A position";
    EXPECT_EQ(Xkb(0x0439, 24), 'Q') << "Cyrillic short i";
    // Keypad with Num Lock off behaves like the navigation keys.
    EXPECT_EQ(Xkb(Qt::Key_Home, 79, kKeypad), 36);
    EXPECT_EQ(Xkb(Qt::Key_Delete, 91, kKeypad), 46);
}

TEST(VirtualKey, WithoutScanCodes) {
    EXPECT_EQ(NoScan(Qt::Key_Colon), 0xBA);
    EXPECT_EQ(NoScan(Qt::Key_Asterisk), 0xBA) << "shifted colon key";
    EXPECT_EQ(NoScan(Qt::Key_Asterisk, kKeypad), 106);
    EXPECT_EQ(NoScan(Qt::Key_At), 0xC0);
    EXPECT_EQ(NoScan(Qt::Key_Minus), 0xBD);
    EXPECT_EQ(NoScan(Qt::Key_Minus, kKeypad), 109);
    EXPECT_EQ(NoScan(Qt::Key_yen), 0xDC);
    EXPECT_EQ(NoScan(Qt::Key_Backslash), 0xE2);
    EXPECT_EQ(NoScan(Qt::Key_QuoteDbl), '2');
    // A scan code is not trusted when the platform's kind is unknown.
    EXPECT_EQ(VirtualKeyFor(Qt::Key_Apostrophe, kNone, 48, ScanCodeKind::None), '7');

    const QKeyEvent event(QEvent::KeyPress, Qt::Key_Semicolon, kNone, 0, 0, 0, ";");
    EXPECT_EQ(VirtualKeyForEvent(event), 0xBB);
}

}  // namespace
}  // namespace vantor
