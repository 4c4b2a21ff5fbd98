// korvalde-cli run as a program: info, dump and bindings output, the
// language of its messages, convert's header options and refusals. What a
// converted file holds is the writer's round-trip test's.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "cli/cli_runner.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using vantor::testing::CliRun;

// Each test runs in a scratch folder of its own, with its own log: ctest
// runs the tests of this program side by side.
class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!vantor::testing::CliBuilt()) GTEST_SKIP() << "korvalde-cli not built";
    }
    CliRun Run(const std::string& arguments) const {
        return vantor::testing::RunCli(arguments, folder_.path().string());
    }
    std::string Out(const std::string& name) const { return folder_ / name; }

    vantor::testing::ScratchFolder folder_;
    const std::string log_ = folder_ / "info.log";
    const std::string inputs_ = std::string(VANTOR_TEST_INPUTS) + "/vrml_read/";
};
class CliInfo : public CliTest {};
class CliBindings : public CliTest {};
class CliConvert : public CliTest {};

bool HasLine(const std::string& text, const std::string& line) {
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

std::string WriterInput(const std::string& name) {
    return std::string(VANTOR_TEST_INPUTS) + "/vrml_write/" + name;
}

TEST_F(CliInfo, JsonLinePerFileAndStatusOfRejectedFiles) {
    const CliRun run = Run("info --json --log " + log_ + " " + inputs_ + "fan_and_scoping.wrl " +
                           inputs_ + "header_only_16_bytes.wrl");
    EXPECT_EQ(run.status, 1);  // the second file is rejected
    std::istringstream lines(run.out);
    std::string first, second;
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_NE(first.find("\"version\":10,\"files\":1,\"nodes\":15,\"points\":7,"),
              std::string::npos)
        << first;
    EXPECT_NE(first.find("\"triangles\":3,\"lineIndices\":0,\"materials\":2,"
                         "\"cornerColours\":0,\"textures\":0,\"texCoords\":0,\"bounds\":[-1,6,-1,6,"
                         "-1,5],\"logLines\":0,\"readMs\":"),
              std::string::npos)
        << first;
    EXPECT_NE(second.find("\"bounds\":null"), std::string::npos) << second;
    EXPECT_NE(run.err.find("Caution: This Data is EMPTY !! "), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(log_));

    const CliRun text = Run("info --log " + log_ + " " + inputs_ + "fan_and_scoping.wrl");
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("\nnodeCount: 15\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\nbounds: -1 6 -1 6 -1 5\n"), std::string::npos) << text.out;

    EXPECT_EQ(Run("info --bogus x.wrl").status, 2);
}

TEST_F(CliInfo, HelpVersionAndMessageLanguage) {
    const CliRun help = Run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: korvalde-cli", 0), 0u) << help.out;
    const CliRun version = Run("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("korvalde-cli ", 0), 0u) << version.out;
    EXPECT_EQ(Run("").status, 2);

    // Messages follow the locale (Japanese only under a Japanese one); the
    // printed counts do not.
    const struct {
        const char* locale;
        const char* message;
    } cases[] = {{"ja_JP.UTF-8", "Caution: /no/such.wrlは存在しません。\n"},
                 {"en_US.UTF-8", "Caution: /no/such.wrl does not exist.\n"},
                 {"C", "Caution: /no/such.wrl does not exist.\n"}};
    const std::string before = std::getenv("LC_ALL") ? std::getenv("LC_ALL") : "";
    for (const auto& c : cases) {
        setenv("LC_ALL", c.locale, 1);
        const CliRun run = Run("info --log " + log_ + " /no/such.wrl");
        EXPECT_EQ(run.status, 1) << c.locale;
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << c.locale << ": " << run.err;
    }
    setenv("LC_ALL", before.c_str(), 1);  // the later tests' language
}

TEST_F(CliInfo, DumpPrintsTheNodeTable) {
    const CliRun run = Run("dump --log " + log_ + " " + inputs_ + "fan_and_scoping.wrl");
    EXPECT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "0\t10\t0\t21\t0\t-998\tVrml_Data\tfan_and_scoping.wrl");
    std::getline(lines, line);
    EXPECT_EQ(line, "1\t5120\t0\t20000419\t0\t-999\tMaterial\tKORVALDE_DEFAULT_MARERIAL");
    EXPECT_NE(run.out.find("\t20971520\t0\t21\t"), std::string::npos);  // SeparatorDim
    EXPECT_NE(run.out.find("\tSeparatorDim\tKORVALDE_DIM_1\n"), std::string::npos);
    EXPECT_NE(run.out.find("\tNormalG\t"), std::string::npos);
}

TEST_F(CliBindings, DefaultConfigShowsTheDocumentedBindings) {
    const CliRun run = Run("bindings " + std::string(VANTOR_SOURCE_DIR) + "/data/Config.cfg");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    // The shipped bindings themselves are checked with the viewer's reader;
    // here only that each kind of entry is printed.
    const char* expected[] = {"MOUSE SPIN 100002 -1", "KEY 33 1001",
                              "PARTS MOUSE_KEY_NOSHOW_PARTS 17", "DIM KEY_MAKE_COMMENT0 -1"};
    for (const char* line : expected) EXPECT_TRUE(HasLine(run.out, line)) << line;
}

TEST_F(CliBindings, MessagesGoToStderr) {
    const CliRun run =
        Run("bindings " + std::string(VANTOR_TEST_INPUTS) + "/bindings/separator_around_info.cfg");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "Error: Caution in switch VRML data 01 !\nError: Caution in switch VRML data 01 "
              "!\nError: Caution in switch VRML data 01 !\n");
    EXPECT_TRUE(HasLine(run.out, "KEY 107 1001"));
    EXPECT_TRUE(HasLine(run.out, "MOUSE SPIN 100002 -1"));

    const CliRun missing = Run("bindings /no/such/Config.cfg");
    EXPECT_NE(missing.status, 0);
    EXPECT_EQ(missing.out, "");
}

TEST_F(CliConvert, HeaderNamesTheUserAndModeNewWritesOneSeparatorPerFile) {
    ASSERT_EQ(Run("convert --user Hanako " + WriterInput("v1_parts.wrl") + " top.wrl").status, 0);
    const std::string top = vantor::testing::ReadText(Out("top.wrl"));
    EXPECT_EQ(top.rfind("#VRML V1.0 ascii\r\n\r\n# Date :", 0), 0u);
    EXPECT_NE(top.find("\r\n# UserName :Hanako\r\n"), std::string::npos);
    EXPECT_EQ(top.find("KORVALDE_VRML"), std::string::npos);

    ASSERT_EQ(Run("convert --mode new " + WriterInput("v1_parts.wrl") + " new.wrl").status, 0);
    const std::string fresh = vantor::testing::ReadText(Out("new.wrl"));
    EXPECT_NE(fresh.find("DEF \"KORVALDE_VRML_v1_parts.wrl\" Separator {    \r\n"),
              std::string::npos);
    // The reference leads from the output folder back to the input file.
    const std::string reference = fs::path(WriterInput("v1_parts.wrl"))
                                      .lexically_relative(fs::absolute(folder_.path()))
                                      .generic_string();
    EXPECT_NE(fresh.find("  DEF \"KORVALDE_VRML\" WWWInline { name \"" + reference + "\" }"),
              std::string::npos)
        << reference;
}

TEST_F(CliConvert, RefusalsAndFailuresExitWithStatusOne) {
    // A file the reader rejects leaves nothing to save.
    const CliRun empty = Run("convert " + WriterInput("too_short.wrl") + " out.wrl");
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find("データは空です。"), std::string::npos) << empty.err;
    EXPECT_FALSE(fs::exists(folder_ / "out.wrl"));

    const CliRun missing = Run("convert " + Out("absent.wrl") + " out.wrl");
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(fs::exists(folder_ / "out.wrl"));

    const CliRun noFolder = Run("convert " + WriterInput("v1_parts.wrl") + " no/such/out.wrl");
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_EQ(noFolder.err.rfind("Error: ", 0), 0u) << noFolder.err;

    EXPECT_EQ(Run("convert").status, 2);
    EXPECT_EQ(Run("convert --mode all a.wrl b.wrl").status, 2);
    EXPECT_EQ(Run("convert only_one.wrl").status, 2);
}

}  // namespace
