#pragma once
// A fresh folder per test, and whole-file reads and writes.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace vantor::testing {

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// Named after the running test (and `name`) under the temporary folder,
// which the test run keeps inside the build tree; removed with the object.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& name = "") {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string leaf = "vantor_" + std::to_string(::getpid());
        if (test) leaf += std::string("_") + test->test_suite_name() + "_" + test->name();
        if (!name.empty()) leaf += "_" + name;
        path_ = std::filesystem::temp_directory_path() / leaf;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;  // a test may have left the folder read-only
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Writes `content` to `relative` (making its folders) and returns the path.
    std::string Write(const std::string& relative, const std::string& content) const {
        const std::filesystem::path file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        WriteText(file.string(), content);
        return file.generic_string();
    }
    std::string Path(const std::string& relative) const {
        return (path_ / relative).generic_string();
    }
    std::string operator/(const std::string& relative) const { return Path(relative); }
    std::string LogPath() const { return Path("data_reading.log"); }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace vantor::testing
