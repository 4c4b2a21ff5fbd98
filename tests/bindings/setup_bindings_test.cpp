// The setup tool's binding model: its text, its ownership rules, reading
// and writing; and the shipped Config.cfg as both programs read it.

#include <gtest/gtest.h>

#include <cstdio>

#include "bindings/config_reader.h"
#include "bindings/read_config.h"
#include "bindings/setup_bindings.h"
#include "prompt/prompt.h"
#include "support/scratch_folder.h"

namespace vantor {
namespace {

int KeyIndex(std::string_view name) {
    return KeyIndexForName(name);
}

TEST(SetupBindings, WrittenTextLayout) {
    SetupBindings model;
    model.SetMouseButton(0, "MOUSE_LEFT");  // SPIN
    EXPECT_TRUE(model.SetMouseKey(0, KeyIndex("VK_SHIFT")));
    model.SetMouseButton(2, "MOUSE_RIGHT");  // ZOOM0, no key
    EXPECT_FALSE(model.SetMouseKey(5, KeyIndex("VK_A"))) << "row without a button";
    EXPECT_TRUE(model.BindKey(CommandGroup::View, KeyIndex("VK_T"), "KEY_VIEW_TOP"));
    EXPECT_TRUE(model.BindKey(CommandGroup::Data, KeyIndex("VK_MULTIPLY "), "KEY_DATA_NEXT"));
    EXPECT_TRUE(model.BindKey(CommandGroup::Parts, KeyIndex("VK_H"), "MOUSE_KEY_NOSHOW_PARTS"));

    EXPECT_EQ(model.MakeConfigText({2001, 12, 5}),
              testing::ReadText(VANTOR_TEST_INPUTS "/bindings/written_by_the_setup_tool.cfg"));
}

TEST(SetupBindings, OwnershipRules) {
    SetupBindings model;
    const int t = KeyIndex("VK_T");
    EXPECT_TRUE(model.BindKey(CommandGroup::Data, t, "KEY_DATA_LAST"));
    EXPECT_EQ(model.KeyOwner(t), key_owner::Data);
    EXPECT_EQ(model.view.m_mmaKeyCommand[t].m_sTitleNow, "最後のデータ");
    EXPECT_FALSE(model.BindKey(CommandGroup::View, t, "KEY_VIEW_TOP")) << "owned by data";
    EXPECT_FALSE(model.BindKey(CommandGroup::Data, t, "KEY_VIEW_TOP")) << "not a data command";
    model.SetMouseButton(1, "MOUSE_MIDDLE");
    EXPECT_FALSE(model.SetMouseKey(1, t)) << "a mouse row cannot take a data key";
    EXPECT_TRUE(model.BindKey(CommandGroup::Data, t, "KEY_NOT_USE"));
    EXPECT_EQ(model.KeyOwner(t), key_owner::Free);
    EXPECT_EQ(model.view.m_mmaKeyCommand[t].m_sTitleNow, "T");

    // One key may serve several mouse rows; it is then closed to key groups.
    model.SetMouseButton(3, "MOUSE_LEFT");
    EXPECT_TRUE(model.SetMouseKey(1, t));
    EXPECT_TRUE(model.SetMouseKey(3, t));
    EXPECT_EQ(model.KeyOwner(t), key_owner::Mouse);
    EXPECT_FALSE(model.BindKey(CommandGroup::View, t, "KEY_VIEW_TOP"));
    model.SetMouseButton(1, "MOUSE_NOT_USE");
    EXPECT_EQ(model.mouse.m_mmaKey[1].m_sCommand, "KEY_NOT_USE");
    EXPECT_EQ(model.KeyOwner(t), key_owner::Mouse) << "row 3 still holds it";
    model.ClearMouseKey(3);
    EXPECT_EQ(model.KeyOwner(t), key_owner::Free);
}

TEST(SetupBindings, ReadingEntries) {
    CReadConfig reader;
    reader.Pellowen01(testing::ReadText(VANTOR_TEST_INPUTS "/bindings/setup_reader_entries.cfg"));
    ASSERT_EQ(reader.m_iNodeMax, 5);
    // The last string stays, names are trimmed, a node without { stays
    // empty, and so does a place past the end.
    const std::pair<int, const char*> entries[] = {{0, "KEY_VIEW_TOP=VK_Y"},
                                                   {1, "MOUSE_KEY_SPIN=VK_HOME"},
                                                   {2, "=VK_A"},
                                                   {3, "="},
                                                   {4, "KEY_DATA_NEXT=VK_N"},
                                                   {7, "="}};
    for (const auto& [index, entry] : entries) {
        std::string name, value;
        reader.GetNodeData(index, name, value);
        EXPECT_EQ(name + "=" + value, entry) << index;
    }

    // Applying: trimmed key names are found again, unknown names are dropped.
    SetupBindings model;
    model.ApplyConfigText(
        testing::ReadText(VANTOR_TEST_INPUTS "/bindings/setup_entries_to_apply.cfg"));
    EXPECT_EQ(model.mouse.m_mmaMouse[3].m_sCommand, "MOUSE_BOTH");
    EXPECT_EQ(model.mouse.m_mmaKey[3].m_sCommand, "VK_INSERT ");
    EXPECT_EQ(model.KeyOwner(KeyIndex("VK_INSERT ")), key_owner::Mouse);
    EXPECT_EQ(model.mouse.m_mmaKey[0].m_sCommand, "KEY_NOT_USE") << "no button for SPIN";
    EXPECT_EQ(model.KeyOwner(KeyIndex("VK_SHIFT")), key_owner::Free);
    EXPECT_EQ(model.mouse.m_mmaMouse[1].m_sCommand, "MOUSE_NOT_USE");
    EXPECT_EQ(model.data.m_mmaKeyCommand[KeyIndex("VK_SUBTRACT ")].m_sCommand, "KEY_DATA_SWITCH");
    EXPECT_EQ(model.dimension.m_mmaKeyCommand[KeyIndex("VK_R")].m_sCommand, "KEY_MAKE_DIM_RADIUS0");
    EXPECT_EQ(model.KeyOwner(KeyIndex("VK_R")), key_owner::Dimension);
    // The later entry for T wins, in its own group only.
    EXPECT_EQ(model.view.m_mmaKeyCommand[KeyIndex("VK_T")].m_sCommand, "KEY_NOT_USE");
    EXPECT_EQ(model.data.m_mmaKeyCommand[KeyIndex("VK_T")].m_sCommand, "KEY_DATA_FIRST");
    EXPECT_EQ(model.KeyOwner(KeyIndex("VK_X")), key_owner::Free) << "viewer-only name";
}

TEST(SetupBindings, BeyondTheEntryTable) {
    std::string text;
    for (int i = 0; i < 105; ++i) text += "DEF KEY_VIEW_TOP Info { string \"VK_A\" }\n";
    text += "DEF KEY_VIEW_SIDE Info { string \"VK_S\" }\n";
    ScriptedPrompt prompt;
    SetupBindings model;
    EXPECT_EQ(model.ApplyConfigText(text, &prompt), 5);
    EXPECT_EQ(prompt.shown.size(), 1u) << "one message for all that did not fit";
    EXPECT_EQ(model.view.m_mmaKeyCommand[KeyIndex("VK_A")].m_sCommand, "KEY_VIEW_TOP");
    EXPECT_EQ(model.view.m_mmaKeyCommand[KeyIndex("VK_S")].m_sCommand, "KEY_NOT_USE");
}

TEST(SetupBindings, FullModelReadsBackByteForByte) {
    // Every key bound, cycling through the four groups, every mouse row set.
    SetupBindings model;
    const auto buttons = MouseButtonTable();
    for (int row = 0; row < kMouseRowCount; ++row) {
        model.SetMouseButton(row, buttons[row % kMouseButtonCount].name);
    }
    const int mouseKeys[] = {KeyIndex("VK_SHIFT"), KeyIndex("VK_CONTROL"), KeyIndex("VK_SPACE")};
    for (int row = 0; row < kMouseRowCount; row += 2) model.SetMouseKey(row, mouseKeys[row / 2]);
    int nextCommand[kCommandGroupCount] = {};
    for (int key = 0; key < kKeyCount; ++key) {
        if (model.KeyOwner(key) != key_owner::Free) continue;
        const int g = key % kCommandGroupCount;
        const auto commands = CommandsOfGroup(static_cast<CommandGroup>(g + 1));
        const auto& command = commands[nextCommand[g]++ % commands.size()];
        ASSERT_TRUE(model.BindKey(static_cast<CommandGroup>(g + 1), key, command.name));
    }
    const ConfigDate date{2026, 1, 31};
    const std::string first = model.MakeConfigText(date);
    EXPECT_NE(first.find("VK_HOME \""), std::string::npos);

    SetupBindings readBack;
    readBack.ApplyConfigText(first);
    EXPECT_EQ(readBack.MakeConfigText(date), first);
    for (int key = 0; key < kKeyCount; ++key) {
        EXPECT_EQ(readBack.KeyOwner(key), model.KeyOwner(key)) << key;
        EXPECT_EQ(readBack.view.m_mmaKeyCommand[key].m_sTitleNow,
                  model.view.m_mmaKeyCommand[key].m_sTitleNow);
    }
    // The same text with LF line ends reads the same.
    std::string lfOnly = first;
    std::erase(lfOnly, '\r');
    SetupBindings fromLf;
    fromLf.ApplyConfigText(lfOnly);
    EXPECT_EQ(fromLf.MakeConfigText(date), first);
}

TEST(SetupBindings, DamagedButtonIsNotWritten) {
    SetupBindings model;
    model.ApplyConfigText(
        "DEF MOUSE_MOUSE_SPIN Info { string \"MOUSE_UP\" }\n"
        "DEF MOUSE_KEY_SPIN Info { string \"VK_A\" }\n");
    EXPECT_EQ(model.mouse.m_mmaMouse[0].m_sTitleNow, "Error");
    const std::string text = model.MakeConfigText({});
    EXPECT_EQ(text.find("MOUSE_UP"), std::string::npos);
    EXPECT_EQ(text.find("MOUSE_KEY_SPIN"), std::string::npos);
}

const std::string kDefaultConfig = std::string(VANTOR_SOURCE_DIR) + "/data/Config.cfg";

// The shipped file is in the setup tool's exact format: reading it into the
// setup model and writing it again with its own date gives the same bytes.
TEST(DefaultConfig, WrittenInTheSetupToolsFormat) {
    const std::string text = testing::ReadText(kDefaultConfig);
    ASSERT_FALSE(text.empty());
    const size_t dateAt = text.find("# Date #");
    ASSERT_NE(dateAt, std::string::npos);
    ConfigDate date;
    ASSERT_EQ(
        std::sscanf(text.c_str() + dateAt, "# Date #%d/%d/%d#", &date.year, &date.month, &date.day),
        3);
    SetupBindings model;
    EXPECT_EQ(model.ApplyConfigText(text), 0);
    EXPECT_EQ(model.MakeConfigText(date), text);
}

TEST(DefaultConfig, ViewerGetsMouseAndKeyboardBindings) {
    BindingTable table;
    ScriptedPrompt prompt;
    ConfigReader reader(table, prompt);
    EXPECT_EQ(reader.ReadConfigFile(kDefaultConfig), 1);
    EXPECT_TRUE(prompt.shown.empty());
    // What the buttons do is driven through a view in the navigation tests.
    // No two actions share a button and key, or the second could never run.
    const auto actions = MouseActionTable();
    for (size_t a = 0; a < actions.size(); ++a) {
        for (size_t b = a + 1; b < actions.size(); ++b) {
            if (table.MouseButton(actions[a].action) == kNoMouseButton) continue;
            EXPECT_FALSE(
                table.MouseButton(actions[a].action) == table.MouseButton(actions[b].action) &&
                table.ModifierKey(actions[a].action) == table.ModifierKey(actions[b].action))
                << actions[a].name << " and " << actions[b].name;
        }
    }
    // Every data command has a key.
    for (int32_t id : {1, 2, 3, 4, 6, 7, 10}) {
        bool found = false;
        for (int slot = 0; slot < BindingTable::kKeySlotCount; ++slot) {
            found |= table.KeySlot(slot) == id;
        }
        EXPECT_TRUE(found) << "data command " << id;
    }
    EXPECT_EQ(table.CommandForKey(37), 1024) << "Left arrow turns";
}

}  // namespace
}  // namespace vantor
