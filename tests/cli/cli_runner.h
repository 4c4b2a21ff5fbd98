#pragma once
// Runs the built korvalde-cli with a command line and collects its exit
// status, standard output and standard error.

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vantor::testing {

struct CliRun {
    int status = -1;  // exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;
};

inline bool CliBuilt() {
    return std::filesystem::exists(std::string(VANTOR_BIN_DIR) + "/korvalde-cli");
}

// `folder`, when given, is the working folder of the run.
inline CliRun RunCli(const std::string& arguments, const std::string& folder = std::string()) {
    static std::atomic<int> runs{0};
    CliRun run;
    const auto errPath =
        std::filesystem::temp_directory_path() /
        ("vantor_cli_err_" + std::to_string(::getpid()) + "_" + std::to_string(runs++) + ".txt");
    std::string command =
        std::string(VANTOR_BIN_DIR) + "/korvalde-cli " + arguments + " 2>" + errPath.string();
    if (!folder.empty()) command = "cd " + folder + " && " + command;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream errFile(errPath, std::ios::binary);
    std::stringstream err;
    err << errFile.rdbuf();
    run.err = err.str();
    std::filesystem::remove(errPath);
    return run;
}

}  // namespace vantor::testing
