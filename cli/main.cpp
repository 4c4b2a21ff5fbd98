#include <cstdio>

int main() {
    std::puts("korvalde-cli");
    return 0;
}
