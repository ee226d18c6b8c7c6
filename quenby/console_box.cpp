// The console has no message boxes: what a box would say goes to standard
// error.
#include "system.h"

#include <cstdio>

void sys_message_box(const char* caption, const char* text) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
}
