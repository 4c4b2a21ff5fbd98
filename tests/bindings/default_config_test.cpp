#include <gtest/gtest.h>

#include <cstdio>

#include "bindings/config_reader.h"
#include "bindings/setup_bindings.h"
#include "prompt/prompt.h"
#include "support/scratch_folder.h"

namespace vantor {
namespace {

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
