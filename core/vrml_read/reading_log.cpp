#include "vrml_read/reading_log.h"

#include <cstdio>

namespace vantor {

bool ReadingLog::Create() {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

int ReadingLog::Write(std::string_view message) {
    std::FILE* file = std::fopen(path_.c_str(), "ab");
    if (!file) return -1;
    for (char c : message)
        if (c == '\n') ++linesWritten_;
    std::fwrite(message.data(), 1, message.size(), file);
    std::fclose(file);
    return 1;
}

int ReadingLog::WriteLine(std::string_view message) {
    std::string line;
    line.reserve(message.size() + 2);
    line.append(message);
    line.append("\r\n");
    return Write(line);
}

}  // namespace vantor
