// Saving when the disk cannot take the file: the target stays as it was
// and the user is told.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "prompt/prompt.h"
#include "support/scratch_folder.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_write/save_scene.h"

namespace vantor {
namespace {

using testing::ReadText;
using testing::ScratchFolder;
using testing::WriteText;

const char* const kOldTarget = "#VRML V1.0 ascii\n# the user's earlier file\n";

// A scene whose text is some hundred kilobytes, so a small file size limit
// cuts the write in the middle.
std::string LargeModelText() {
    std::string text = "#VRML V1.0 ascii\nSeparator {\n";
    for (int i = 0; i < 6000; ++i) text += "Cube { width " + std::to_string(i) + " }\n";
    return text + "}\n";
}

// Lowers the file size limit for its lifetime; writes past it fail with
// EFBIG like on a full disk instead of raising SIGXFSZ.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit previous_{};
    sighandler_t previousHandler_;
};

// Whether `folder` holds anything but the files named in `keep`.
bool HasLeftovers(const std::filesystem::path& folder, const std::set<std::string>& keep) {
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (!keep.count(entry.path().filename().string())) return true;
    return false;
}

TEST(SaveFaults, FullDiskLeavesTargetUntouched) {
    ScratchFolder folder;
    const std::string source = folder / "model.wrl";
    const std::string target = folder / "target.wrl";
    WriteText(source, LargeModelText());
    WriteText(target, kOldTarget);

    VrmlReader reader;
    ScriptedPrompt prompt;
    ASSERT_EQ(reader.ReadVrmlFile(source, prompt, folder / "log.txt"), 1);
    std::filesystem::remove(folder / "log.txt");

    SaveResult result;
    {
        FileSizeLimit limit(16 * 1024);
        result = SaveScene(reader, target, kSaveTopData);
    }
    EXPECT_EQ(result.status, SaveStatus::WriteFailed);
    EXPECT_EQ(result.caption, "Error");
    EXPECT_NE(result.message.find(target), std::string::npos) << "the message names the file";
    EXPECT_EQ(ReadText(target), kOldTarget);
    EXPECT_FALSE(HasLeftovers(folder.path(), {"model.wrl", "target.wrl"}))
        << "the half-written temporary file is removed";

    // With room again the same save goes through.
    EXPECT_TRUE(SaveScene(reader, target, kSaveTopData).saved());
    EXPECT_NE(ReadText(target), kOldTarget);
}

TEST(SaveFaults, ReadOnlyTargets) {
    ScratchFolder folder;
    const std::string source = folder / "model.wrl";
    WriteText(source, "#VRML V1.0 ascii\nSeparator { Cube { } }\n");
    VrmlReader reader;
    ScriptedPrompt prompt;
    ASSERT_EQ(reader.ReadVrmlFile(source, prompt, folder / "log.txt"), 1);

    // "read-only file": replacing it through a rename would silently drop
    // the protection the user put on it.
    const std::string locked = folder / "locked.wrl";
    WriteText(locked, kOldTarget);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
    const SaveResult onFile = SaveScene(reader, locked, kSaveTopData);
    EXPECT_EQ(onFile.status, SaveStatus::WriteFailed) << "read-only file";
    EXPECT_FALSE(onFile.message.empty());
    EXPECT_EQ(ReadText(locked), kOldTarget) << "read-only file";

    // "missing folder"
    const SaveResult nowhere = SaveScene(reader, folder / "no/such/folder/out.wrl", kSaveTopData);
    EXPECT_EQ(nowhere.status, SaveStatus::WriteFailed) << "missing folder";
    EXPECT_NE(nowhere.message.find("no/such/folder/out.wrl"), std::string::npos);

    // "folder in the way": the write fails at the last step and the
    // temporary file is removed again.
    std::filesystem::create_directories(folder / "taken.wrl");
    WriteText(folder / "taken.wrl/keep.txt", "keep");
    EXPECT_EQ(SaveScene(reader, folder / "taken.wrl", kSaveTopData).status,
              SaveStatus::WriteFailed);
    EXPECT_EQ(ReadText(folder / "taken.wrl/keep.txt"), "keep");
    EXPECT_FALSE(HasLeftovers(folder.path(), {"model.wrl", "log.txt", "locked.wrl", "taken.wrl"}));

    // "read-only folder" (root writes into it anyway)
    if (::geteuid() != 0) {
        const std::filesystem::path shut = folder.path() / "shut";
        std::filesystem::create_directory(shut);
        const std::string inside = (shut / "out.wrl").string();
        WriteText(inside, kOldTarget);
        std::filesystem::permissions(
            shut, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        const SaveResult inShut = SaveScene(reader, inside, kSaveTopData);
        std::filesystem::permissions(shut, std::filesystem::perms::owner_all);
        EXPECT_EQ(inShut.status, SaveStatus::WriteFailed) << "read-only folder";
        EXPECT_EQ(ReadText(inside), kOldTarget) << "read-only folder";
    }
}

}  // namespace
}  // namespace vantor
