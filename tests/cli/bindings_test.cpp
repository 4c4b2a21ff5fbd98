#include <gtest/gtest.h>

#include "cli/cli_runner.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
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
        if (!std::filesystem::exists(std::string(VANTOR_BIN_DIR) + "/korvalde-cli")) {
            GTEST_SKIP() << "korvalde-cli not built";
        }
    }
};

TEST_F(CliBindings, DefaultConfigShowsTheDocumentedBindings) {
    const CliRun run = RunCli("bindings " + std::string(VANTOR_SOURCE_DIR) + "/data/Config.cfg");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const char* expected[] = {"MOUSE SPIN 100002 -1",
                              "MOUSE MOVE_XY 100003 -1",
                              "MOUSE MOVE_Z0 100003 16",
                              "MOUSE MOVE_Z1 100001 16",
                              "MOUSE ZOOM0 100001 -1",
                              "MOUSE ZOOM1 100002 16",
                              "MOUSE DIM_MOVE_XY -2 -1",
                              "MOUSE DIM_MOVE_Z -2 -1",
                              "KEY 33 1001",  // PageUp: zoom in
                              "KEY 38 1022",  // Up: turn up
                              "KEY 32 1",     // Space: next data
                              "KEY 8 2",      // BackSpace: previous data
                              "KEY 46 7",     // Delete: delete picked data
                              "PARTS MOUSE_KEY_NOSHOW_PARTS 17",
                              "PARTS MOUSE_KEY_MEASURE -1",
                              "DIM KEY_MAKE_COMMENT0 -1"};
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
