#pragma once
// The reading log: plain text lines (CR LF) that tell the user what a read
// could not understand. The file is opened and closed for every message so
// that it can be read, or even deleted, while the viewer runs.

#include <string>
#include <string_view>

namespace vantor {

class ReadingLog {
  public:
    explicit ReadingLog(std::string path = "default_error.log") : path_(std::move(path)) {}

    const std::string& path() const { return path_; }
    void SetPath(std::string path) { path_ = std::move(path); }

    // Creates or empties the log file. False when it cannot be created.
    bool Create();

    // Appends the bytes of `message` as they are. Returns 1, or -1 when the
    // file cannot be opened (then nothing else happens). Past a limit of
    // lines a notice ends the log and later messages are dropped.
    int Write(std::string_view message);

    // Appends `message` followed by "\r\n".
    int WriteLine(std::string_view message);

    // True once the limit of lines is reached: callers can skip building messages.
    bool full() const;

    // Lines written through this object since it was made or last reset.
    int linesWritten() const { return linesWritten_; }
    void ResetLineCount() { linesWritten_ = 0; }

  private:
    std::string path_;
    int linesWritten_ = 0;
};

}  // namespace vantor
