// Start-up. The windows are not built yet; until then the program reports what it
// can already do and ends.
#include "core/core.h"

#include <cstdio>

int main() {
    std::printf("Tarvenik: the main window is not built yet.\n");
    return 0;
}
