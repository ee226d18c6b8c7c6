#include "message_box.h"

#include "system.h"

namespace {
int g_open = 0;
}

void message_box(const char* caption, const char* text) {
    ++g_open;
    sys_message_box(caption, text);
    --g_open;
}

bool message_box_open() {
    return g_open > 0;
}
