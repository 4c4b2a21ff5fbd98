#include <cstdio>

#include "commands.h"

namespace vantor::cli {

int RunBindings(const Args&) {
    std::fputs("not available yet\n", stderr);
    return 2;
}

}  // namespace vantor::cli
