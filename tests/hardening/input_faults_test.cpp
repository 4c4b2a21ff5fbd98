// Files that are gone, unreadable, not files at all, or broken: the user is
// told and nothing crashes or hangs. Damaged gzip streams are in the
// real-export reader tests.

#include <sqlite3.h>
#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "bindings/binding_table.h"
#include "bindings/config_reader.h"
#include "hits/hit_table.h"
#include "prompt/prompt.h"
#include "support/scratch_folder.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {
namespace {

using testing::ScratchFolder;
using testing::WriteText;

TEST(InputFaults, VrmlFilesThatAreNotThereOrNotFiles) {
    ScratchFolder folder;
    const std::string log = folder / "log.txt";
    {
        SCOPED_TRACE("vanished top file");
        VrmlReader reader;
        ScriptedPrompt prompt;
        EXPECT_EQ(reader.ReadVrmlFile(folder / "gone.wrl", prompt, log), -1);
        ASSERT_EQ(prompt.shown.size(), 1u);
        EXPECT_EQ(prompt.shown[0].caption, "Caution");
        EXPECT_TRUE(reader.IsEmpty());
    }
    {
        SCOPED_TRACE("a folder named like a model");
        std::filesystem::create_directory(folder.path() / "folder.wrl");
        VrmlReader reader;
        ScriptedPrompt prompt;
        EXPECT_EQ(reader.ReadVrmlFile(folder / "folder.wrl", prompt, log), -1);
        EXPECT_EQ(prompt.shown.size(), 1u);
        EXPECT_TRUE(reader.IsEmpty());
    }
    {
        // A named pipe with no writer would block a plain open forever.
        SCOPED_TRACE("named pipe");
        const std::string pipe = folder / "pipe.wrl";
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        VrmlReader reader;
        ScriptedPrompt prompt;
        EXPECT_EQ(reader.ReadVrmlFile(pipe, prompt, log), -1);
    }
}

// Another program rewrites the model while we read it: every read ends with
// a result (the file as it was at some moment, or refused), never a crash.
// Every tenth read holds the writer off, so it must succeed.
TEST(InputFaults, FileRewrittenWhileBeingRead) {
    ScratchFolder folder;
    const std::string path = folder / "moving.wrl";
    const std::string log = folder / "log.txt";
    std::string longText = "#VRML V1.0 ascii\nSeparator {\n";
    for (int i = 0; i < 20000; ++i) longText += "Cube { width 2 }\n";
    longText += "}\n";
    const std::string shortText = "#VRML V1.0 ascii\nSphere { }\n";
    WriteText(path, longText);

    std::atomic<bool> stop{false};
    std::mutex writing;
    std::thread writer([&] {
        for (int i = 0; !stop; ++i) {
            const std::lock_guard lock(writing);
            WriteText(path, i % 2 ? shortText : longText);
        }
    });
    int read = 0;
    for (int i = 0; i < 200; ++i) {
        std::unique_lock quiet(writing, std::defer_lock);
        if (i % 10 == 0) quiet.lock();
        VrmlReader reader;
        ScriptedPrompt prompt;
        const int result = reader.ReadVrmlFile(path, prompt, log);
        if (quiet.owns_lock()) {
            EXPECT_EQ(result, 1) << "a file at rest reads";
        }
        ASSERT_TRUE(result == 1 || result == -1) << result;
        if (result == 1) ++read;
    }
    stop = true;
    writer.join();
    RecordProperty("reads", read);
}

TEST(InputFaults, UnreadableBindingFile) {
    ScratchFolder folder;
    // A folder in place of the file cannot be read, even by root.
    const std::string config = folder / "Config.cfg";
    std::filesystem::create_directory(config);

    // Bindings from an earlier, good read.
    BindingTable table;
    ScriptedPrompt firstPrompt;
    ConfigReader first(table, firstPrompt);
    ASSERT_EQ(first.ReadConfigFile(VANTOR_SOURCE_DIR "/data/Config.cfg"), 1);
    auto slots = [&table] {
        std::vector<int32_t> commands;
        for (int slot = 0; slot < BindingTable::kKeySlotCount; ++slot)
            commands.push_back(table.KeySlot(slot));
        return commands;
    };
    const std::vector<int32_t> before = slots();

    ScriptedPrompt prompt;  // the open-file dialog is cancelled, then the search
    prompt.messageAnswers.push_back(PromptAnswer::Cancel);
    ConfigReader reader(table, prompt);
    EXPECT_EQ(reader.ReadConfigFile(config), 1);
    EXPECT_EQ(prompt.fileQuestions.size(), 1u) << "the user is asked for another file";
    EXPECT_EQ(reader.path(), "Default");
    EXPECT_EQ(slots(), before) << "bindings are kept when the user gives up";
}

TEST(InputFaults, CorruptOrLockedWorkingDatabase) {
    ScratchFolder folder;
    {
        SCOPED_TRACE("not a database");
        const std::string garbage = folder / "garbage.mdb";
        WriteText(garbage, std::string(4096, '\x5a'));
        HitTable table;
        std::string error;
        table.onError = [&](const std::string& message) { error = message; };
        EXPECT_FALSE(table.Open(garbage));
        EXPECT_FALSE(table.IsOpen());
        EXPECT_FALSE(error.empty()) << "the user is told";
        EXPECT_FALSE(table.AddRow()) << "picking finds no table and says so";
    }
    {
        SCOPED_TRACE("locked by another program while the viewer runs");
        const std::string locked = folder / "locked.mdb";
        std::string error;
        ASSERT_TRUE(HitTable::CreateSchema(
            locked, testing::ReadText(VANTOR_SOURCE_DIR "/data/hit_table.sql"), error))
            << error;
        HitTable table;
        int errors = 0;
        table.onError = [&](const std::string&) { ++errors; };
        ASSERT_TRUE(table.Open(locked));
        const HitRecord nearest{0.25}, farther{0.5};  // nearest depths
        ASSERT_TRUE(table.StorePick({farther, nearest}));
        EXPECT_EQ(table.values, nearest);

        sqlite3* holder = nullptr;
        ASSERT_EQ(sqlite3_open(locked.c_str(), &holder), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(holder, "begin exclusive;", nullptr, nullptr, nullptr), SQLITE_OK);
        EXPECT_FALSE(table.StorePick({farther}));
        EXPECT_EQ(errors, 1) << "one pick, one message";
        EXPECT_EQ(table.RowCount(), 0) << "the previous pick is not shown as this one";
        EXPECT_EQ(table.state, 0);

        sqlite3_exec(holder, "rollback;", nullptr, nullptr, nullptr);
        sqlite3_close(holder);
        EXPECT_TRUE(table.StorePick({farther})) << "picking works again once the lock is gone";
        EXPECT_EQ(table.RowCount(), 1);
        EXPECT_EQ(errors, 1);
    }
}

}  // namespace
}  // namespace vantor
