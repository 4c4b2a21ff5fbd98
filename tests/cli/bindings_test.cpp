#include <gtest/gtest.h>

#include "cli/cli_runner.h"

#include <filesystem>
#include <string>

using vantor::testing::CliRun;
using vantor::testing::RunCli;

namespace {

bool HasLine(const std::string& text, const std::string& line) {
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

class CliBindings : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!vantor::testing::CliBuilt()) GTEST_SKIP() << "korvalde-cli not built";
    }
};

TEST_F(CliBindings, DefaultConfigShowsTheDocumentedBindings) {
    const CliRun run = RunCli("bindings " + std::string(VANTOR_SOURCE_DIR) + "/data/Config.cfg");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    // The shipped bindings themselves are checked with the viewer's reader;
    // here only that each kind of entry is printed.
    const char* expected[] = {"MOUSE SPIN 100002 -1", "KEY 33 1001",
                              "PARTS MOUSE_KEY_NOSHOW_PARTS 17", "DIM KEY_MAKE_COMMENT0 -1"};
    for (const char* line : expected) EXPECT_TRUE(HasLine(run.out, line)) << line;
}

TEST_F(CliBindings, MessagesGoToStderr) {
    const CliRun run = RunCli("bindings " + std::string(VANTOR_TEST_INPUTS) +
                              "/bindings/separator_around_info.cfg");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "Error: Caution in switch VRML data 01 !\nError: Caution in switch VRML data 01 "
              "!\nError: Caution in switch VRML data 01 !\n");
    EXPECT_TRUE(HasLine(run.out, "KEY 107 1001"));
    EXPECT_TRUE(HasLine(run.out, "MOUSE SPIN 100002 -1"));

    const CliRun missing = RunCli("bindings /no/such/Config.cfg");
    EXPECT_NE(missing.status, 0);
    EXPECT_EQ(missing.out, "");
}

}  // namespace
