#include <cstdio>

#include "commands.h"

namespace vantor::cli {

int RunInfo(const Args&) {
    std::fputs("not available yet\n", stderr);
    return 2;
}

int RunDump(const Args&) {
    std::fputs("not available yet\n", stderr);
    return 2;
}

}  // namespace vantor::cli
