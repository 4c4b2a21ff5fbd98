#include <gtest/gtest.h>

#include <set>

#include "bindings/binding_table.h"

namespace vantor {
namespace {

constexpr int32_t kVkT = 84;
constexpr int32_t kVkF9 = 120;
constexpr int32_t kVkEscape = 27;

TEST(BindingTable, EmptyTableBindsNothing) {
    BindingTable table;
    for (int slot = 0; slot < BindingTable::kKeySlotCount; ++slot) {
        EXPECT_EQ(table.CommandForKey(BindingTable::KeySlotCode(slot)), kNoCommand) << slot;
    }
    for (const MouseActionInfo& action : MouseActionTable()) {
        EXPECT_EQ(table.MouseButton(action.action), kNoMouseButton) << action.name;
        EXPECT_EQ(table.ModifierKey(action.action), kNoModifierKey) << action.name;
    }
    for (int i = 0; i < kPartsModifierCount; ++i) {
        EXPECT_EQ(table.PartsKey(static_cast<PartsModifier>(i)), kNoModifierKey);
    }
    for (int i = 0; i < kDimensionCommandCount; ++i) EXPECT_EQ(table.DimensionKey(i), -1);
    // Keys outside the table come back as their own code.
    EXPECT_EQ(table.CommandForKey(kVkEscape), kVkEscape);
    EXPECT_EQ(table.CommandForKey(230), 230);
}

TEST(BindingTable, KeyCommands) {
    BindingTable table;
    // The last entry for a key wins.
    table.ApplyBinding("KEY_VIEW_TOP", "VK_T");
    table.ApplyBinding("KEY_VIEW_SIDE", "VK_T");
    EXPECT_EQ(table.CommandForKey(kVkT), 1031);

    // A command may sit on several keys.
    table.ApplyBinding("KEY_VIEW_ZOOM_IN", "VK_ADD");
    table.ApplyBinding("KEY_VIEW_ZOOM_IN", "VK_Z");
    EXPECT_EQ(table.CommandForKey(107), 1001);
    EXPECT_EQ(table.CommandForKey('Z'), 1001);

    // F9 has a slot but no name reaches it.
    table.ApplyBinding("KEY_VIEW_RESET", "VK_F9");
    EXPECT_EQ(table.CommandForKey(kVkF9), kNoCommand);
    EXPECT_EQ(table.CommandForKey(kVkEscape), kVkEscape);

    // The trailing blank is part of four key names.
    table.ApplyBinding("KEY_DATA_NEXT", "VK_MULTIPLY");
    EXPECT_EQ(table.CommandForKey(106), kNoCommand) << "without the blank";
    table.ApplyBinding("KEY_DATA_NEXT", "VK_MULTIPLY ");
    EXPECT_EQ(table.CommandForKey(106), 1);

    // Exact, case-sensitive names on both sides.
    table.ApplyBinding("KEY_VIEW_Front", "VK_F");
    table.ApplyBinding("KEY_VIEW_FRONT", "vk_f");
    table.ApplyBinding("KEY_VIEW_FRONT", "VK_F ");
    EXPECT_EQ(table.CommandForKey('F'), kNoCommand);

    // The hand-written dimension names without DIM_ reach the key part.
    table.ApplyBinding("KEY_MAKE_RADIUS0", "VK_R");
    EXPECT_EQ(table.CommandForKey('R'), 111);
    // A mouse button name is no key for a key command.
    table.ApplyBinding("KEY_VIEW_REPAINT", "MOUSE_LEFT");
    for (int slot = 0; slot < BindingTable::kKeySlotCount; ++slot) {
        EXPECT_NE(table.KeySlot(slot), 1003);
    }
    // Names without a known prefix, the empty name included, do nothing.
    table.ApplyBinding("", "VK_A");
    table.ApplyBinding("VIEW_TOP", "VK_A");
    EXPECT_EQ(table.CommandForKey('A'), kNoCommand);
}

TEST(BindingTable, DimensionKeys) {
    BindingTable table;
    table.ApplyBinding("KEY_MAKE_DIM_RADIUS0", "VK_SHIFT");
    EXPECT_EQ(table.DimensionKey(6), 16);
    table.ApplyBinding("KEY_MAKE_DIM_RADIUS0", "KEY_NOT_USE");
    EXPECT_EQ(table.DimensionKey(6), kUnknownName);
    table.ApplyBinding("KEY_MAKE_DIM_POINT_TO_POINT", "VK_HOME ");
    EXPECT_EQ(table.DimensionKey(0), 36);
    table.ApplyBinding("KEY_MAKE_COMMENT0", "VK_C");
    EXPECT_EQ(table.DimensionKey(8), 'C');
    // Other KEY_MAKE_COMMENT names are ignored, never taken for key commands.
    table.ApplyBinding("KEY_MAKE_COMMENT1", "VK_D");
    EXPECT_EQ(table.CommandForKey('D'), kNoCommand);
    // The dimension names never reach the key part.
    table.ApplyBinding("KEY_MAKE_DIM_DIAMETER0", "VK_E");
    EXPECT_EQ(table.CommandForKey('E'), kNoCommand);
    EXPECT_EQ(table.DimensionKey(7), 'E');
}

TEST(BindingTable, MouseEntries) {
    BindingTable table;
    table.ApplyBinding("MOUSE_MOUSE_SPIN", "MOUSE_NOT_USE");
    EXPECT_EQ(table.MouseButton(MouseAction::Spin), kNoMouseButton);
    table.ApplyBinding("MOUSE_MOUSE_SPIN", "MOUSE_LEFT");
    table.ApplyBinding("MOUSE_MOUSE_ZOOM1", "MOUSE_RIGHT");
    table.ApplyBinding("MOUSE_KEY_ZOOM1", "VK_SHIFT");
    table.ApplyBinding("MOUSE_MOUSE_DIM_MOVE_Z", "MOUSE_BOTH");
    table.ApplyBinding("MOUSE_KEY_NOSHOW_PARTS", "VK_CONTROL");
    table.ApplyBinding("MOUSE_KEY_MEASURE", "VK_M");
    EXPECT_EQ(table.MouseButton(MouseAction::Spin), 100002);
    EXPECT_EQ(table.MouseButton(MouseAction::Zoom1), 100001);
    EXPECT_EQ(table.ModifierKey(MouseAction::Zoom1), 16);
    EXPECT_EQ(table.ModifierKey(MouseAction::Spin), kNoModifierKey);
    EXPECT_EQ(table.MouseButton(MouseAction::DimMoveZ), 100004);
    EXPECT_EQ(table.PartsKey(PartsModifier::NoShowParts), 17);
    EXPECT_EQ(table.PartsKey(PartsModifier::Measure), 'M');
    // A hand-written file may cross the kinds: a key code on a button entry.
    table.ApplyBinding("MOUSE_MOUSE_MOVE_XY", "VK_A");
    EXPECT_EQ(table.MouseButton(MouseAction::MoveXY), 'A');
    // Unknown values and names are ignored.
    table.ApplyBinding("MOUSE_KEY_SPIN", "KEY_NOT_USE");
    table.ApplyBinding("MOUSE_MOUSE_SPINNING", "MOUSE_RIGHT");
    EXPECT_EQ(table.ModifierKey(MouseAction::Spin), kNoModifierKey);
    EXPECT_EQ(table.MouseButton(MouseAction::Spin), 100002);

    table.ResetBindings();
    EXPECT_EQ(table.MouseButton(MouseAction::Spin), kNoMouseButton);
    EXPECT_EQ(table.PartsKey(PartsModifier::Measure), kNoModifierKey);
}

// Name rules of the lookups are driven through ApplyBinding above; here the
// key table's own codes and the setup tool's index lookups.
TEST(Vocabulary, KeyCodesAndSetupLookups) {
    std::set<int32_t> codes;
    for (const KeyInfo& key : KeyTable()) codes.insert(key.code);
    EXPECT_EQ(codes.size(), size_t(kKeyCount)) << "every key has its own code";
    EXPECT_EQ(KeyIndexForName("VK_HOME"), kNoKeyIndex) << "the name ends with a blank";
    EXPECT_EQ(KeyIndexForTrimmedName("VK_HOME"), KeyIndexForName("VK_HOME "));
    // The editor tests choose captions of each group; here what must not match.
    EXPECT_EQ(GetCommand(CommandGroup::View, "次のデータ"), "Error") << "caption of another group";
    EXPECT_EQ(GetCommand(CommandGroup::Dimension, "半径"), "KEY_MAKE_DIM_RADIUS0");
    // Captions say what the viewer does: 1011 moves, 1021 turns.
    EXPECT_EQ(GetCommand(CommandGroup::View, "Ｘ軸＋移動"), "KEY_VIEW_R_X_P");
    EXPECT_EQ(GetCommand(CommandGroup::View, "Ｘ軸＋回転"), "KEY_VIEW_M_X_P");
    EXPECT_EQ(GetMouseCommand("Left"), "Error");
}

}  // namespace
}  // namespace vantor
