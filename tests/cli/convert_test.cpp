// korvalde-cli convert, run as a program: the written file gives the same
// info as its input, the header options, and the refusals.

#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "support/scratch_folder.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

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

    // The value after "<label>: " in the info output.
    static std::string InfoLine(const std::string& info, const std::string& label) {
        const size_t at = info.find("\n" + label + ": ");
        if (at == std::string::npos) return "<missing " + label + ">";
        const size_t from = at + label.size() + 3;
        return info.substr(from, info.find('\n', from) - from);
    }

    std::string Out(const std::string& name) const { return folder_ / name; }

    vantor::testing::ScratchFolder folder_;
};

std::string Input(const std::string& name) {
    return std::string(VANTOR_TEST_INPUTS) + "/vrml_write/" + name;
}

std::vector<float> Numbers(const std::string& text) {
    std::vector<float> values;
    std::istringstream in(text);
    float value;
    while (in >> value) values.push_back(value);
    return values;
}

}  // namespace

TEST_F(CliConvert, InfoOfTheWrittenFileMatchesTheInput) {
    for (const char* name : {"v1_parts.wrl", "v2_parts.wrl"}) {
        for (const char* mode : {"top", "new"}) {
            SCOPED_TRACE(std::string(name) + " " + mode);
            const std::string out = Out(std::string(mode) + "_" + name);
            const ConvertRun convert =
                Run(std::string("convert --mode ") + mode + " " + Input(name) + " " + out);
            ASSERT_EQ(convert.status, 0) << convert.err;
            EXPECT_EQ(convert.err, "");

            const std::string before = "\n" + Run("info --log log.txt " + Input(name)).out;
            const std::string after = "\n" + Run("info --log log.txt " + out).out;
            EXPECT_EQ(InfoLine(before, "triangles"), InfoLine(after, "triangles"));
            const std::vector<float> a = Numbers(InfoLine(before, "bounds"));
            const std::vector<float> b = Numbers(InfoLine(after, "bounds"));
            ASSERT_EQ(a.size(), 6u);
            ASSERT_EQ(b.size(), 6u);
            for (size_t i = 0; i < 6; ++i) EXPECT_NEAR(a[i], b[i], 1e-5f) << "bounds " << i;
        }
    }
}

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
