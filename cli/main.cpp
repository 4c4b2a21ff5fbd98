#include <cstdio>
#include <cstring>

#include "commands.h"
#include "glu_triangulator.h"
#include "message_table.h"
#include "prompt/translate.h"

namespace {

const char* kUsage =
    "usage: korvalde-cli COMMAND [options] ...\n"
    "  info [--json] [--log PATH] FILE...   counts, bounds and read time of each file\n"
    "  dump [--log PATH] FILE               the node table after reading\n"
    "  convert [--mode top|new] [--user NAME] [--log PATH] IN OUT   write IN as VRML 1.0\n"
    "  bindings FILE                        the binding table a Config.cfg yields\n"
    "  --help | --version\n";

}  // namespace

int main(int argc, char** argv) {
    using namespace vantor::cli;
    // Messages follow the locale; log lines and printed tables never change.
    if (!vantor::EnvironmentPrefersJapanese()) vantor::UseEnglishTextTable();
    vantor::InstallGluTriangulator();
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const char* command = argv[1];
    if (!std::strcmp(command, "--help") || !std::strcmp(command, "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!std::strcmp(command, "--version")) {
        std::puts("korvalde-cli " VANTOR_VERSION);
        return 0;
    }
    const Args args(argv + 2, argv + argc);
    if (!std::strcmp(command, "info")) return RunInfo(args);
    if (!std::strcmp(command, "dump")) return RunDump(args);
    if (!std::strcmp(command, "convert")) return RunConvert(args);
    if (!std::strcmp(command, "bindings")) return RunBindings(args);
    std::fputs(kUsage, stderr);
    return 2;
}
