// korvalde-cli convert, run as a program: the header options and the
// refusals. What the written file holds is the writer's round-trip test's.

#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "support/scratch_folder.h"

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

using ConvertRun = vantor::testing::CliRun;

class CliConvert : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!vantor::testing::CliBuilt()) GTEST_SKIP() << "korvalde-cli not built";
    }

    ConvertRun Run(const std::string& arguments) const {
        return vantor::testing::RunCli(arguments, folder_.path().string());
    }

    std::string Out(const std::string& name) const { return folder_ / name; }

    vantor::testing::ScratchFolder folder_;
};

std::string Input(const std::string& name) {
    return std::string(VANTOR_TEST_INPUTS) + "/vrml_write/" + name;
}

}  // namespace

TEST_F(CliConvert, HeaderNamesTheUserAndModeNewWritesOneSeparatorPerFile) {
    ASSERT_EQ(Run("convert --user Hanako " + Input("v1_parts.wrl") + " top.wrl").status, 0);
    const std::string top = vantor::testing::ReadText(Out("top.wrl"));
    EXPECT_EQ(top.rfind("#VRML V1.0 ascii\r\n\r\n# Date :", 0), 0u);
    EXPECT_NE(top.find("\r\n# UserName :Hanako\r\n"), std::string::npos);
    EXPECT_EQ(top.find("KORVALDE_VRML"), std::string::npos);

    ASSERT_EQ(Run("convert --mode new " + Input("v1_parts.wrl") + " new.wrl").status, 0);
    const std::string fresh = vantor::testing::ReadText(Out("new.wrl"));
    EXPECT_NE(fresh.find("DEF \"KORVALDE_VRML_v1_parts.wrl\" Separator {    \r\n"),
              std::string::npos);
    // The reference leads from the output folder back to the input file.
    const std::string reference = fs::path(Input("v1_parts.wrl"))
                                      .lexically_relative(fs::absolute(folder_.path()))
                                      .generic_string();
    EXPECT_NE(fresh.find("  DEF \"KORVALDE_VRML\" WWWInline { name \"" + reference + "\" }"),
              std::string::npos)
        << reference;
}

TEST_F(CliConvert, RefusalsAndFailuresExitWithStatusOne) {
    // A file the reader rejects leaves nothing to save.
    const ConvertRun empty = Run("convert " + Input("too_short.wrl") + " out.wrl");
    EXPECT_EQ(empty.status, 1);
    EXPECT_NE(empty.err.find("データは空です。"), std::string::npos) << empty.err;
    EXPECT_FALSE(fs::exists(folder_ / "out.wrl"));

    const ConvertRun missing = Run("convert " + Out("absent.wrl") + " out.wrl");
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(fs::exists(folder_ / "out.wrl"));

    const ConvertRun noFolder = Run("convert " + Input("v1_parts.wrl") + " no/such/out.wrl");
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_EQ(noFolder.err.rfind("Error: ", 0), 0u) << noFolder.err;

    EXPECT_EQ(Run("convert").status, 2);
    EXPECT_EQ(Run("convert --mode all a.wrl b.wrl").status, 2);
    EXPECT_EQ(Run("convert only_one.wrl").status, 2);
}
