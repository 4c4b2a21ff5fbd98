#include <gtest/gtest.h>

#include "bindings/config_reader.h"
#include "prompt/prompt.h"
#include "support/scratch_folder.h"

namespace vantor {
namespace {

std::string Input(const std::string& name) {
    return std::string(VANTOR_TEST_INPUTS) + "/bindings/" + name;
}

std::vector<std::string> Texts(const ScriptedPrompt& prompt) {
    std::vector<std::string> texts;
    for (const ShownMessage& shown : prompt.shown)
        texts.push_back(shown.caption + ": " + shown.text);
    return texts;
}

TEST(ConfigReader, HeaderOnlyAndEmptyFiles) {
    BindingTable table;
    ScriptedPrompt prompt;
    ConfigReader reader(table, prompt);
    EXPECT_EQ(reader.path(), "Default");
    EXPECT_EQ(reader.ReadConfigFile(Input("header_only.cfg")), 1);
    EXPECT_TRUE(prompt.shown.empty()) << "comments only: no message";
    EXPECT_EQ(reader.nodeCount(), 0);
    EXPECT_EQ(reader.path(), Input("header_only.cfg"));

    ConfigReader emptyReader(table, prompt);
    EXPECT_EQ(emptyReader.ReadConfigFile(Input("empty.cfg")), 1);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "This Data is EMPTY !! ");
    EXPECT_EQ(prompt.shown[0].caption, "Caution");
    EXPECT_EQ(prompt.shown[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(table.CommandForKey('A'), kNoCommand);
    EXPECT_EQ(table.MouseButton(MouseAction::Spin), kNoMouseButton);
}

TEST(ConfigReader, SeparatorAroundInfoNodes) {
    BindingTable table;
    ScriptedPrompt prompt;
    ConfigReader reader(table, prompt);
    EXPECT_EQ(reader.ReadConfigFile(Input("separator_around_info.cfg")), 1);
    const std::vector<std::string> expected(3, "Error: Caution in switch VRML data 01 !");
    EXPECT_EQ(Texts(prompt), expected) << "Separator, { and }";
    EXPECT_EQ(table.CommandForKey(107), 1001);
    EXPECT_EQ(table.MouseButton(MouseAction::Spin), 100002);
    EXPECT_EQ(reader.nodeCount(), 2);
}

TEST(ConfigReader, BodiesAndLineEnds) {
    BindingTable table;
    ScriptedPrompt prompt;
    ConfigReader reader(table, prompt);
    EXPECT_EQ(reader.ReadConfigFile(Input("two_strings_lf_only.cfg")), 1);
    EXPECT_TRUE(prompt.shown.empty()) << Texts(prompt).front();
    // Two strings in one node apply one after another.
    EXPECT_EQ(table.CommandForKey('T'), 1032);
    EXPECT_EQ(table.CommandForKey('Y'), 1032);
    EXPECT_EQ(table.CommandForKey('N'), 1) << "bare value";
    EXPECT_EQ(table.CommandForKey('A'), kNoCommand) << "Info without DEF";
    EXPECT_EQ(table.CommandForKey(36), 4) << "quoted DEF name, value with its blank";
    EXPECT_EQ(reader.nodeCount(), 5);
}

TEST(ConfigReader, InfoWithoutBrace) {
    BindingTable table;
    ScriptedPrompt prompt;
    ConfigReader reader(table, prompt);
    reader.ReadConfigFile(Input("info_without_brace.cfg"));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text,
              " mistake in Data about InfoNode iNode = 1280 ,ch = ##string## cDEF = "
              "##KEY_VIEW_TOP##");
    EXPECT_EQ(table.CommandForKey('T'), kNoCommand);
    EXPECT_EQ(table.CommandForKey('F'), 1030) << "reading goes on after the skip";
}

TEST(ConfigReader, OverlongNamesAndUnterminatedNode) {
    BindingTable table;
    ScriptedPrompt prompt;
    ConfigReader reader(table, prompt);
    const std::string longName = "KEY_VIEW_TOP" + std::string(600, 'X');
    const std::string longValue = "VK_T" + std::string(600, ' ');
    reader.Parse("DEF " + longName +
                 " Info { string VK_A } DEF KEY_MAKE_DIM_RADIUS0 Info { string \"" + longValue +
                 "\" } DEF KEY_VIEW_FRONT Info { string \"VK_F\" ");
    EXPECT_EQ(table.CommandForKey('A'), kNoCommand);
    EXPECT_EQ(table.DimensionKey(6), kUnknownName) << "over-long value names no key";
    EXPECT_EQ(table.CommandForKey('F'), 1030) << "the text ends inside the last node";
    EXPECT_TRUE(prompt.shown.empty());
}

TEST(ConfigReader, FileDialog) {
    BindingTable table;
    table.ApplyBinding("KEY_VIEW_TOP", "VK_T");

    {  // Giving up keeps bindings and path.
        ScriptedPrompt prompt;
        prompt.messageAnswers = {PromptAnswer::Ok, PromptAnswer::Cancel};
        ConfigReader reader(table, prompt);
        EXPECT_EQ(reader.ReadConfigFile(""), 1);
        EXPECT_EQ(prompt.fileQuestions.size(), 2u) << "OK shows the dialog again";
        ASSERT_EQ(prompt.shown.size(), 2u);
        EXPECT_EQ(prompt.shown[0].buttons, PromptButtons::OkCancel) << "go on choosing?";
        EXPECT_EQ(reader.path(), "Default");
        EXPECT_EQ(table.CommandForKey('T'), 1032);
    }
    {  // A chosen file replaces every binding; a missing one brings the dialog back.
        ScriptedPrompt prompt;
        prompt.fileAnswers = {Input("no_such_file.cfg"), Input("separator_around_info.cfg")};
        ConfigReader reader(table, prompt);
        EXPECT_EQ(reader.ReadConfigFile(Input("missing.cfg")), 0);
        EXPECT_EQ(prompt.fileQuestions.size(), 2u);
        EXPECT_EQ(reader.path(), Input("separator_around_info.cfg"));
        EXPECT_EQ(table.CommandForKey('T'), kNoCommand);
        EXPECT_EQ(table.CommandForKey(107), 1001);
    }
}

TEST(ConfigReader, PunctuationHeavyTextDoesNotOverrun) {
    // Every comma and bracket gains blanks while the text is prepared.
    const std::string text = "DEF KEY_VIEW_TOP Info { string \"VK_T\" } " + std::string(5000, ',') +
                             std::string(3000, '[') + "DEF KEY_VIEW_SIDE Info { string \"VK_S\" }";
    testing::ScratchFolder folder;
    const std::string path = folder.Write("commas.cfg", text);
    BindingTable table;
    ScriptedPrompt prompt;
    ConfigReader reader(table, prompt);
    EXPECT_EQ(reader.ReadConfigFile(path), 1);
    EXPECT_EQ(table.CommandForKey('T'), 1032);
    EXPECT_EQ(table.CommandForKey('S'), 1031);
    EXPECT_EQ(prompt.shown.size(), 8000u);
}

}  // namespace
}  // namespace vantor
