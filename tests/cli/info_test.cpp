#include <gtest/gtest.h>

#include "cli/cli_runner.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

using vantor::testing::CliRun;
using vantor::testing::RunCli;

namespace {

class CliInfo : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!vantor::testing::CliBuilt()) GTEST_SKIP() << "korvalde-cli not built";
        // One log per test: ctest runs the tests of this program side by side.
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        log_ = (std::filesystem::temp_directory_path() /
                ("vantor_cli_" + std::string(test->name()) + ".log"))
                   .string();
    }
    void TearDown() override { std::filesystem::remove(log_); }

    const std::string inputs_ = std::string(VANTOR_TEST_INPUTS) + "/vrml_read/";
    std::string log_;
};

TEST_F(CliInfo, JsonLinePerFileAndStatusOfRejectedFiles) {
    const CliRun run = RunCli("info --json --log " + log_ + " " + inputs_ + "fan_and_scoping.wrl " +
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

    const CliRun text = RunCli("info --log " + log_ + " " + inputs_ + "fan_and_scoping.wrl");
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("\nnodeCount: 15\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\nbounds: -1 6 -1 6 -1 5\n"), std::string::npos) << text.out;

    EXPECT_EQ(RunCli("info --bogus x.wrl").status, 2);
}

TEST_F(CliInfo, HelpVersionAndMessageLanguage) {
    const CliRun help = RunCli("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: korvalde-cli", 0), 0u) << help.out;
    const CliRun version = RunCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("korvalde-cli ", 0), 0u) << version.out;
    EXPECT_EQ(RunCli("").status, 2);

    // Messages follow the locale (Japanese only under a Japanese one); the
    // printed counts do not.
    const struct {
        const char* locale;
        const char* message;
    } cases[] = {{"ja_JP.UTF-8", "Caution: /no/such.wrlは存在しません。\n"},
                 {"en_US.UTF-8", "Caution: /no/such.wrl does not exist.\n"},
                 {"C", "Caution: /no/such.wrl does not exist.\n"}};
    for (const auto& c : cases) {
        setenv("LC_ALL", c.locale, 1);
        const CliRun run = RunCli("info --log " + log_ + " /no/such.wrl");
        EXPECT_EQ(run.status, 1) << c.locale;
        EXPECT_EQ(run.err.rfind(c.message, 0), 0u) << c.locale << ": " << run.err;
    }
}

TEST_F(CliInfo, DumpPrintsTheNodeTable) {
    const CliRun run = RunCli("dump --log " + log_ + " " + inputs_ + "fan_and_scoping.wrl");
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

}  // namespace
