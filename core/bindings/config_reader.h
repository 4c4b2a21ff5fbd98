#pragma once
// The viewer's reader of the binding file. One short-lived object per read:
// it loads the file (or asks for one), applies every Info node to the
// BindingTable and shows its complaints through the Prompt.

#include <string>
#include <string_view>

#include "bindings/binding_table.h"

namespace vantor {

class Prompt;

constexpr std::string_view kConfigFileFilter = "Config Files (*.cfg)|*.cfg|All Files (*.*)|*.*||";

class ConfigReader {
  public:
    ConfigReader(BindingTable& table, Prompt& prompt) : table_(table), prompt_(prompt) {}

    // Reads the binding file at `path` into the table without resetting it
    // first (start-up resets). When the file cannot be opened (an empty path
    // included) the open-file dialog asks for one; a chosen file replaces
    // all bindings. Returns 0 when the file came from the dialog, 1
    // otherwise (read, or the user gave up; then table and path are as before).
    int ReadConfigFile(const std::string& path);

    // Applies prepared binding-file text to the table.
    void Parse(std::string_view prepared);

    // The file actually read; "Default" until one was.
    const std::string& path() const { return path_; }
    // Info nodes met so far.
    int nodeCount() const { return nodeCount_; }

  private:
    // Loads and prepares a file, with the messages of an empty file and of a
    // failed preparation; false when it cannot be opened.
    bool LoadPrepared(const std::string& path, std::string& prepared);

    BindingTable& table_;
    Prompt& prompt_;
    std::string path_ = "Default";
    int nodeCount_ = 0;
};

}  // namespace vantor
