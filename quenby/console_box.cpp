// The console has no message boxes: what a box would say goes to standard
// error as a sentence.
#include "console_words.h"
#include "system.h"

#include <cstdio>

void sys_message_box(const char* caption, const char* text) {
    std::fprintf(stderr, "quenby: %s\n", console_words(caption, text).c_str());
}
