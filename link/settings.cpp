#include "settings.h"

namespace {
int g_port = 0;
}

int settings_port() {
    return g_port;
}

void settings_set_port(int port) {
    g_port = port;
}
