#include "vrml_read/reading_log.h"

#include <cstdio>

namespace vantor {

namespace {

// A broken or hostile file can give millions of messages, and each opens
// the file: past this many lines one notice ends the log, which keeps the
// read quick and the disk from filling.
constexpr int kMaxLines = 100000;

}  // namespace

bool ReadingLog::Create() {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

bool ReadingLog::full() const {
    return linesWritten_ >= kMaxLines;
}

int ReadingLog::Write(std::string_view message) {
    if (full()) return 1;
    std::FILE* file = std::fopen(path_.c_str(), "ab");
    if (!file) return -1;
    for (char c : message)
        if (c == '\n') ++linesWritten_;
    std::fwrite(message.data(), 1, message.size(), file);
    if (full())
        std::fprintf(file, "Caution: %d messages written, the rest left out\r\n", kMaxLines);
    std::fclose(file);
    return 1;
}

int ReadingLog::WriteLine(std::string_view message) {
    if (full()) return 1;
    std::string line;
    line.reserve(message.size() + 2);
    line.append(message);
    line.append("\r\n");
    return Write(line);
}

}  // namespace vantor
